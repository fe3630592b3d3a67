// The practice-test windows on a 50-word list with 2,000 earlier tests against the same list
// with 30, temporary messages off:
//  - Enter on a correct answer until the next word is shown, the answer stored durably;
//  - the results window of one test made, filled and shown;
//  - the past-tests window made, filled (with the oldest test's results beside it) and shown.
// The samples are taken in rounds; each round works on fresh copies of the two databases, as
// seeded and never analysed, one after the other in turns.
#include "BenchReport.h"
#include "BenchWindows.h"
#include "Connection.h"
#include "Globals.h"
#include "InitApplication.h"
#include "MsgBox.h"
#include "SeedDb.h"
#include "Sound.h"
#include "Tasks.h"
#include "TestOptions.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {
constexpr int kRounds = 6;
constexpr int kAnswersPerRound = 40;
constexpr int kWindowsPerRound = 4;
constexpr int kFewTests = 30;
constexpr int kManyTests = 2000;

struct Samples {
    std::vector<double> enterWall;
    std::vector<double> enterCpu;
    std::vector<double> syncCpu;
    std::vector<double> results;
    std::vector<double> pastTests;
};
std::map<int, Samples> samples; // by number of earlier tests

SeedSize Shape(int tests)
{
    SeedSize size;
    size.lists = 1;
    size.wordsPerList = 50;
    size.testsPerList = tests;
    return size;
}

// A fresh copy of the one-list database with that many tests, with the globals on it.
void UseFresh(int tests)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    Globals::DbConnection().Close();
    folders[tests] = std::make_unique<QTemporaryDir>();
    CopyLargeDatabase(folders[tests]->path(), Shape(tests));
    InitApplication(folders[tests]->path());
    Globals::MessageTime = 0;
}

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Wall and processor time of one action, in seconds.
template <class F>
std::pair<double, double> Timed(F&& action)
{
    const double cpu = ThreadCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    action();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {wall, ThreadCpuSeconds() - cpu};
}

// The processor time of one durable 4 KiB write: what a sync costs us beyond waiting.
double SyncCpu()
{
    const QByteArray path = (Globals::AppPath + "/sync-probe").toUtf8();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::vector<char> page(4096);
    const double cpu = Timed([&] {
                           if (fd >= 0 && ::pwrite(fd, page.data(), page.size(), 0) > 0)
                               ::fdatasync(fd);
                       }).second;
    ::close(fd);
    return cpu;
}

using bench::CloseAll;
using bench::Flush;

// A test with the stored defaults (sounds and pronunciation on), as the Test command starts it.
frmTest* NewTest()
{
    static Tasks* tasks = new Tasks; // lives as long as the program, as the program's does
    frmTest* test = tasks->StartTest(1, ReadDefaultTestSettings());
    Flush();
    return test;
}

void Submit(frmTest* test, const QString& answer)
{
    test->txtWord->setText(answer);
    QTest::keyClick(test->txtWord, Qt::Key_Return);
}

// Answers words correctly; each sample ends on the next word shown (the last word of a test
// is answered outside the samples).
void SampleAnswers(Samples& mine)
{
    frmTest* test = NewTest();
    for (int i = 0; i < kAnswersPerRound; ++i) {
        if (test->CurrentIndex() == test->TestWords().size() - 1) {
            Submit(test, test->CurrentWord());
            CloseAll();
            test = NewTest();
        }
        mine.syncCpu.push_back(SyncCpu());
        const auto [wall, cpu] = Timed([&] { Submit(test, test->CurrentWord()); });
        if (test->TestComplete() || test->AttemptCount() != 0)
            std::fputs("the answer did not lead to the next word\n", stderr);
        mine.enterWall.push_back(wall);
        mine.enterCpu.push_back(cpu);
    }
    CloseAll();
}

// Making, filling and showing one window.
template <class Window, class Fill>
double WindowFilled(Fill fill)
{
    const double wall = Timed([&] {
                            auto* window = new Window;
                            fill(window);
                            window->show();
                            QCoreApplication::processEvents();
                        }).first;
    CloseAll();
    return wall;
}

void SampleWindows(Samples& mine)
{
    for (int i = 0; i < kWindowsPerRound; ++i) {
        mine.results.push_back(
            WindowFilled<frmTestResults>([](frmTestResults* results) { results->SetTestID(15); }));
        mine.pastTests.push_back(
            WindowFilled<frmPastTests>([](frmPastTests* past) { past->SetListID(1); }));
    }
}

void BM_PracticeRounds(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state) {
        double seconds = 0;
        for (int k = 0; k < 2; ++k) {
            const int tests = (round + k) % 2 ? kManyTests : kFewTests;
            UseFresh(tests);
            Samples& mine = samples[tests];
            const size_t before = mine.enterWall.size();
            SampleAnswers(mine);
            SampleWindows(mine);
            if (tests == kManyTests)
                for (size_t i = before; i < mine.enterWall.size(); ++i)
                    seconds += mine.enterWall[i];
        }
        state.SetIterationTime(seconds / kAnswersPerRound);
        ++round;
    }
}
BENCHMARK(BM_PracticeRounds)->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);

void Report()
{
    const Samples& few = samples[kFewTests];
    const Samples& many = samples[kManyTests];
    ReportHeading("A 50-word list with 2,000 earlier tests against the same list with 30");
    const double enterMany = Median(many.enterWall);
    const double enterFew = Median(few.enterWall);
    std::printf("  Enter -> next word: %s with 2,000 tests, %s with 30\n", Ms(enterMany).c_str(),
                Ms(enterFew).c_str());
    ReportTarget("Enter -> next word, 2,000 tests within 1.2x of 30 tests",
                 Ratio(enterMany / enterFew), enterMany <= 1.2 * enterFew);
    // An answer is committed without waiting for the disk, so Enter's processor time is
    // measured whole; a sync's own cost is printed beside it for comparison.
    const double ownCpu = Median(many.enterCpu);
    std::printf("  processor time of one disk sync here: %s (Enter does none)\n",
                Ms(Median(many.syncCpu)).c_str());
    ReportTarget("Enter -> next word, 2,000 tests: processor time, under 1 ms", Ms(ownCpu),
                 ownCpu < 0.001);
    ReportSizeTargets("results of a 50-word test", "2,000 tests", "30 tests", many.results,
                      few.results, 0.010, 1.3);
    ReportSizeTargets("Past Tests", "2,000 tests", "30 tests", many.pastTests, few.pastTests,
                      0.020, 1.3);
}
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
    Report();
    Globals::DbConnection().Close();
    return 0;
}
