// Deleting a word and deleting a list, durably, on a database the size of years of use
// (10,000 lists of 20 words and 10 tests, 2.5 million stored answers) against a small one of
// the same shape (100 lists), each beside the least a durable change costs on this disk (one
// 4 KiB write and sync), sampled in turns with the deletions. Neither database was analysed.
#include "AppFunctions.h"
#include "BenchReport.h"
#include "Connection.h"
#include "Globals.h"
#include "SeedDb.h"
#include "WavFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kWordSamples = 60;
constexpr int kListSamples = 30;
constexpr double kLimitSeconds = 0.005;
constexpr double kGrowthLimit = 1.5;

SeedSize Shape(int lists)
{
    SeedSize size;
    size.lists = lists;
    size.wordsPerList = 20;
    size.testsPerList = 10;
    return size;
}

struct Samples {
    std::vector<double> deleteWord;
    std::vector<double> deleteList;
    std::vector<double> sync;
};
std::map<int, Samples> samples; // by number of lists

// The database of that many lists, copied fresh for this run, with the globals on it. The
// connection stays open for all the samples of one size.
void Use(int lists)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& folder = folders[lists];
    if (folder)
        return;
    folder = std::make_unique<QTemporaryDir>();
    Globals::DbConnection().Close();
    CopyLargeDatabase(folder->path(), Shape(lists));
    InitApplication(folder->path());
}

// One durable 4 KiB write: the least any stored change costs on this disk.
double SyncOnce()
{
    static int fd = -1;
    static const std::vector<char> page(4096);
    if (fd < 0) {
        const QByteArray path = (Globals::AppPath + "/sync-probe").toUtf8();
        fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    const auto start = std::chrono::steady_clock::now();
    if (fd < 0 || ::pwrite(fd, page.data(), page.size(), 0) != ssize_t(page.size()) ||
        ::fdatasync(fd) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <class F>
double Timed(F&& action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A recording for each word of the list, so that deleting it also removes files.
void TouchRecordings(int list, const SeedSize& size)
{
    for (int w = 1; w <= size.wordsPerList; ++w) {
        QFile file(WordWavFile(QStringLiteral("word%1x%2").arg(list).arg(w)));
        file.open(QIODevice::WriteOnly);
    }
}

// Deletes words spread over the database, one per sample, then whole lists.
void BM_Deletes(benchmark::State& state)
{
    const int lists = int(state.range(0));
    Use(lists);
    const SeedSize size = Shape(lists);
    Samples& mine = samples[lists];
    // Words from the first half of the lists, lists from the second: no sample finds its
    // rows already gone.
    const int half = lists / 2;
    const int words = half * size.wordsPerList;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int word = 1 + (i * 997 + 13) % words;
        const int wordList = 1 + (word - 1) / size.wordsPerList;
        TouchRecordings(wordList, size);
        mine.sync.push_back(SyncOnce());
        state.ResumeTiming();
        const double seconds = Timed([&] { DeleteWord(word); });
        mine.deleteWord.push_back(seconds);
        if (i < kListSamples) {
            const int list = half + 1 + (i * 7) % half;
            state.PauseTiming();
            TouchRecordings(list, size);
            state.ResumeTiming();
            mine.deleteList.push_back(Timed([&] { DeleteList(list); }));
        }
        ++i;
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_Deletes)->Arg(100)->Arg(10000)->Iterations(kWordSamples)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void Report()
{
    const Samples& small = samples[100];
    const Samples& large = samples[10000];
    ReportHeading("Deleting on 10,000 lists (20 words, 10 tests each) and on 100 lists");
    std::printf("  one durable 4 KiB write on this disk: %s (100 lists run), %s (10,000 lists run)\n",
                Ms(Median(small.sync)).c_str(), Ms(Median(large.sync)).c_str());
    const struct {
        const char* action;
        const std::vector<double>& small;
        const std::vector<double>& large;
    } actions[] = {{"delete a word", small.deleteWord, large.deleteWord},
                   {"delete a list", small.deleteList, large.deleteList}};
    for (const auto& a : actions) {
        const double big = Median(a.large);
        const double growth = big / Median(a.small);
        ReportTarget(std::string(a.action) + ", 10,000 lists, under 5 ms (100 lists: " +
                         Ms(Median(a.small)) + ")",
                     Ms(big), big < kLimitSeconds);
        ReportTarget(std::string(a.action) + ", growth 100 -> 10,000 lists, within 1.5x",
                     Ratio(growth), growth <= kGrowthLimit);
    }
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Report();
    Globals::DbConnection().Close();
    return 0;
}
