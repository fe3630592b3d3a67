// Deleting a word and deleting a list, durably, on a database the size of years of use
// (10,000 lists of 20 words and 10 tests, 2.5 million stored answers) against a small one of
// the same shape (100 lists), beside the least a durable change costs on this disk (one 4 KiB
// write and sync), sampled in turns with the deletions. The two sizes take turns in rounds,
// each round on fresh copies of the files as seeded: never analysed.
#include "ListQueries.h"
#include "WordQueries.h"
#include "BenchReport.h"
#include "Connection.h"
#include "Globals.h"
#include "InitApplication.h"
#include "SeedDb.h"
#include "WavFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <map>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kRounds = 4;
constexpr int kWordsPerRound = 15;
constexpr int kListsPerRound = 8;
constexpr double kLimitSeconds = 0.005;
constexpr double kGrowthLimit = 1.5;
constexpr int kSmall = 100;
constexpr int kLarge = 10000;

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
    int taken = 0; // words deleted so far, over all rounds
};
std::map<int, Samples> samples; // by number of lists

// A fresh copy of the database of that many lists, as seeded and never analysed, with the
// globals on it.
void UseFresh(int lists)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    Globals::DbConnection().Close();
    folders[lists] = std::make_unique<QTemporaryDir>();
    CopyLargeDatabase(folders[lists]->path(), Shape(lists));
    InitApplication(folders[lists]->path());
}

// One durable 4 KiB write: the least any stored change costs on this disk.
double SyncOnce()
{
    const QByteArray path = (Globals::AppPath + "/sync-probe").toUtf8();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    static const std::vector<char> page(4096);
    const auto start = std::chrono::steady_clock::now();
    const bool ok = fd >= 0 && ::pwrite(fd, page.data(), page.size(), 0) == ssize_t(page.size()) &&
                    ::fdatasync(fd) == 0;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(fd);
    return ok ? seconds : -1;
}

double Timed(const std::function<void()>& action)
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

// On a fresh copy: deletes words spread over the database, one per sample, then whole lists.
// Words come from the first half of the lists and lists from the second, so that no sample
// finds its rows already gone.
void SampleDeletes(int lists)
{
    UseFresh(lists);
    const SeedSize size = Shape(lists);
    Samples& mine = samples[lists];
    const int half = lists / 2;
    for (int i = 0; i < kWordsPerRound; ++i, ++mine.taken) {
        const int word = 1 + (mine.taken * 997 + 13) % (half * size.wordsPerList);
        TouchRecordings(1 + (word - 1) / size.wordsPerList, size);
        mine.sync.push_back(SyncOnce());
        mine.deleteWord.push_back(Timed([&] { DeleteWord(word); }));
    }
    for (int i = 0; i < kListsPerRound; ++i) {
        const int list = half + 1 + (int(mine.deleteList.size()) * 7) % half;
        TouchRecordings(list, size);
        mine.deleteList.push_back(Timed([&] { DeleteList(list); }));
    }
}

// Rounds of samples on the two sizes in turns; the benchmark's own time is a word deleted on
// the large database.
void BM_DeleteRounds(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k)
            SampleDeletes((round + k) % 2 ? kLarge : kSmall);
        state.SetIterationTime(samples[kLarge].deleteWord.back());
        ++round;
    }
}
BENCHMARK(BM_DeleteRounds)->Iterations(kRounds)->UseManualTime()->Unit(benchmark::kMillisecond);

void Report()
{
    const Samples& small = samples[kSmall];
    const Samples& large = samples[kLarge];
    ReportHeading("Deleting on 10,000 lists (20 words, 10 tests each) and on 100 lists");
    std::printf(
        "  one durable 4 KiB write on this disk: %s (beside 100 lists), %s (beside 10,000)\n",
        Ms(Median(small.sync)).c_str(), Ms(Median(large.sync)).c_str());
    ReportSizeTargets("delete a word", "10,000 lists", "100 lists", large.deleteWord,
                      small.deleteWord, kLimitSeconds, kGrowthLimit);
    ReportSizeTargets("delete a list", "10,000 lists", "100 lists", large.deleteList,
                      small.deleteList, kLimitSeconds, kGrowthLimit);
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
