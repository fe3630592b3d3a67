// The past-tests window of a 20-word list with 30, 2,000 and 10,000 stored tests, as seeded
// and never analysed:
//  - the statements it runs when it opens (the list's words, its stored first tries and its
//    number of tests, the grid's first page, its hardest words) and the scores made from them;
//  - the window made, filled (with the oldest test's results beside it) and shown.
// The samples are taken in rounds, the three sizes in turns, each on a fresh copy.
#include "BenchReport.h"
#include "BenchWindows.h"
#include "Connection.h"
#include "Globals.h"
#include "InitApplication.h"
#include "ListProgress.h"
#include "ListQueries.h"
#include "ListTestPages.h"
#include "MsgBox.h"
#include "SeedDb.h"
#include "TestReport.h"
#include "frmPastTests.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>

namespace {
constexpr int kRounds = 5;
constexpr int kSamplesPerRound = 4;
const int kSizes[] = {30, 2000, 10000};

struct Samples {
    std::vector<double> statements;
    std::vector<double> window;
};
std::map<int, Samples> samples; // by number of tests

void UseFresh(int tests)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    Globals::DbConnection().Close();
    folders[tests] = std::make_unique<QTemporaryDir>();
    SeedSize size;
    size.lists = 1;
    size.wordsPerList = 20;
    size.testsPerList = tests;
    size.extraAttemptsPerTest = 2;
    CopyLargeDatabase(folders[tests]->path(), size);
    InitApplication(folders[tests]->path());
}

template <class F>
double Seconds(F&& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

using bench::CloseAll;
using bench::Flush;

void Sample(Samples& mine)
{
    mine.statements.push_back(Seconds([] {
        // As the window reads a list whose tests are all in the stored form: the scores, the
        // number of tests, the first page of the grid and the hardest words.
        const int32_t words = CountListWords(1);
        benchmark::DoNotOptimize(ListHasOddTests(1));
        const ListHistory history = ScoresOfList(ReadWholeListFirstTries(1), words);
        benchmark::DoNotOptimize(history.average);
        benchmark::DoNotOptimize(CountListRoundsAndUnfinished(1));
        KnownPlaces known;
        benchmark::DoNotOptimize(ReadListTestPage(1, 0, PastTestsModel::kPageRows, known));
        benchmark::DoNotOptimize(HardestWords(1).size());
    }));
    mine.window.push_back(Seconds([] {
        auto* window = new frmPastTests;
        window->SetListID(1);
        window->show();
        QCoreApplication::processEvents();
    }));
    CloseAll();
}

void BM_PastTests(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state) {
        double seconds = 0;
        for (size_t k = 0; k < std::size(kSizes); ++k) {
            const int tests = kSizes[(round + k) % std::size(kSizes)];
            UseFresh(tests);
            for (int i = 0; i < kSamplesPerRound; ++i)
                Sample(samples[tests]);
            if (tests == kSizes[2])
                seconds = samples[tests].window.back();
        }
        state.SetIterationTime(seconds);
        ++round;
    }
}
BENCHMARK(BM_PastTests)->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);

void Report()
{
    const Samples& few = samples[30];
    ReportHeading("Past Tests of a 20-word list with 2,000 and 10,000 tests against 30");
    for (const int tests : {2000, 10000}) {
        const Samples& many = samples[tests];
        std::printf("  with %d tests: statements %s (30 tests: %s), window %s (30 tests: %s)\n",
                    tests, Ms(Median(many.statements)).c_str(),
                    Ms(Median(few.statements)).c_str(), Ms(Median(many.window)).c_str(),
                    Ms(Median(few.window)).c_str());
    }
    const Samples& most = samples[10000];
    const double statements = Median(most.statements) / Median(few.statements);
    const double window = Median(most.window) / Median(few.window);
    ReportTarget("Past Tests statements, 10,000 tests within 1.2x of 30 tests (plus 1 ms)",
                 Ratio(statements),
                 Median(most.statements) <= 1.2 * Median(few.statements) + 0.001);
    ReportTarget("Past Tests window filled, 10,000 tests within 1.2x of 30 tests",
                 Ratio(window), window <= 1.2);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetMsgBoxHook([](const QString&, MsgButtons buttons, MsgIcon) {
        return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::OK;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseAll();
    Report();
    Globals::DbConnection().Close();
    return AllTargetsMet() ? 0 : 1;
}
