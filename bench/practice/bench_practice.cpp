// The practice-test windows on seeded databases, with temporary messages off:
//  - Enter on a correct answer until the next word is shown, on a 50-word list (limit 10 ms);
//  - the results window filled for a 50-word list with 30 past tests (limit 50 ms);
//  - the past-tests window filled for a list with 500 tests (limit 200 ms).
#include "Connection.h"
#include "Globals.h"
#include "MsgBox.h"
#include "SeedDb.h"
#include "Sound.h"
#include "TestOptions.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {
// A database of one list (LIST_ID 1) with its words and past tests, made once per shape.
class SeededFolder {
public:
    SeededFolder(int words, int tests)
    {
        SeedSize size;
        size.lists = 1;
        size.wordsPerList = words;
        size.testsPerList = tests;
        SeedLargeDatabase(dir_.path(), size);
    }
    void Use() const
    {
        Globals::DbConnection().Close();
        InitApplication(dir_.path());
        Globals::MessageTime = 0;
    }

private:
    QTemporaryDir dir_;
};

void UseList(int words, int tests)
{
    static std::map<std::pair<int, int>, std::unique_ptr<SeededFolder>> folders;
    auto& folder = folders[{words, tests}];
    if (!folder)
        folder = std::make_unique<SeededFolder>(words, tests);
    folder->Use();
}

void Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void CloseAll()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith(QLatin1String("frm")))
            w->deleteLater();
    Flush();
}

// A test with the stored defaults (sounds and pronunciation on), as the Test command starts it.
frmTest* NewTest()
{
    TestOptions = ReadDefaultTestSettings();
    auto* test = new frmTest;
    test->UsePreviousTestOptions();
    test->Start(1);
    test->show();
    Flush();
    return test;
}

void Submit(frmTest* test, const QString& answer)
{
    test->txtWord->setText(answer);
    QTest::keyClick(test->txtWord, Qt::Key_Return);
}

void BM_CorrectAnswerToNextWord(benchmark::State& state)
{
    UseList(50, 30);
    frmTest* test = NewTest();
    for (auto _ : state) {
        Submit(test, test->CurrentWord());
        if (test->TestComplete() || test->AttemptCount() != 0) {
            state.SkipWithError("the answer did not lead to the next word");
            break;
        }
        // Each sample ends on a word shown: the last word is answered outside the timing.
        if (test->CurrentIndex() == test->TestWords().size() - 1) {
            state.PauseTiming();
            Submit(test, test->CurrentWord());
            CloseAll();
            test = NewTest();
            state.ResumeTiming();
        }
    }
    CloseAll();
    state.counters["limit_ms"] = 10;
}
BENCHMARK(BM_CorrectAnswerToNextWord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Times making, filling and showing one window; fill returns a text the filling set.
template <class Window, class Fill>
void TimeWindowFilled(benchmark::State& state, Fill fill, int limitMs)
{
    for (auto _ : state) {
        auto* window = new Window;
        benchmark::DoNotOptimize(fill(window));
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        CloseAll();
        state.ResumeTiming();
    }
    state.counters["limit_ms"] = limitMs;
}

void BM_ResultsWindowFilled(benchmark::State& state)
{
    UseList(50, 30);
    TimeWindowFilled<frmTestResults>(
        state,
        [](frmTestResults* results) {
            results->SetTestID(15);
            return results->txtScore->text();
        },
        50);
}
BENCHMARK(BM_ResultsWindowFilled)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PastTestsWindowFilled(benchmark::State& state)
{
    UseList(20, 500);
    TimeWindowFilled<frmPastTests>(
        state,
        [](frmPastTests* past) {
            past->SetListID(1);
            return past->txtAverageScore->text();
        },
        200);
}
BENCHMARK(BM_PastTestsWindowFilled)->Unit(benchmark::kMillisecond)->MinTime(2.0);
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InitSound();
    QApplication app(argc, argv);
    SetMsgBoxHook([](const QString&, MsgButtons buttons, MsgIcon) {
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::OK;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseAll();
    StopPlaying();
    return 0;
}
