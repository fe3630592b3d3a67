// Timings of the data layer on a database the size of years of use.
#include "AppFunctions.h"
#include "Connection.h"
#include "Globals.h"
#include "SeedDb.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
const SeedSize kSize;

// One copy of the large database for the whole run, with the globals pointing at it.
QTemporaryDir& App()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        CopyLargeDatabase(dir.path());
        InitApplication(dir.path());
        return true;
    }();
    (void)ready;
    return dir;
}

// The counts behind the main window's grid: words and tests of every list.
void BM_GridCounts(benchmark::State& state)
{
    App();
    for (auto _ : state) {
        long long total = 0;
        for (int list = 1; list <= kSize.lists; ++list)
            total += CountListWords(list) + CountListTests(list);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_GridCounts)->Unit(benchmark::kMillisecond);

void BM_GetTestScore(benchmark::State& state)
{
    App();
    const int testId = kSize.lists * kSize.testsPerList / 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(GetTestScore(testId));
}
BENCHMARK(BM_GetTestScore)->Unit(benchmark::kMicrosecond);

// One attempt stored durably (full sync), on a different word each time.
void BM_RecordAttempt(benchmark::State& state)
{
    App();
    const int words = kSize.lists * kSize.wordsPerList;
    int i = 0;
    for (auto _ : state) {
        const int word = 1 + (i++ * 7919) % words;
        const int list = 1 + (word - 1) / kSize.wordsPerList;
        RecordAttempt(kSize.lists * kSize.testsPerList + 1, list, word, "guess", "INCORRECT", 2);
    }
}
BENCHMARK(BM_RecordAttempt)->Unit(benchmark::kMicrosecond);

// A file in the benchmark folder for the sync floors; -1 when it cannot be written.
int OpenProbe(const QByteArray& path)
{
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
}

// For comparison: what one durable 4 KiB write costs on this disk, the least any durable
// change can take.
void BM_DiskSyncFloor(benchmark::State& state)
{
    const QByteArray path = (App().path() + "/sync-probe").toUtf8();
    const int fd = OpenProbe(path);
    if (fd < 0) {
        state.SkipWithError("cannot write in the benchmark folder");
        return;
    }
    char block[4096] = {};
    for (auto _ : state) {
        if (::pwrite(fd, block, sizeof block, 0) != ssize_t(sizeof block) || ::fdatasync(fd) != 0)
            state.SkipWithError("write failed");
    }
    ::close(fd);
    ::unlink(path.constData());
}
BENCHMARK(BM_DiskSyncFloor)->Unit(benchmark::kMicrosecond);

// The same floor shaped like one stored attempt in the write-ahead log: four pages (the row's
// page and one page of each of its three indexes) written one after the other through a
// 4 MiB log that starts over, then one sync.
void BM_DiskSyncFloorFourPages(benchmark::State& state)
{
    const QByteArray path = (App().path() + "/sync-probe-log").toUtf8();
    const int fd = OpenProbe(path);
    if (fd < 0) {
        state.SkipWithError("cannot write in the benchmark folder");
        return;
    }
    constexpr off_t kLogBytes = 4 << 20;
    static char pages[4 * 4096] = {};
    off_t offset = 0;
    for (auto _ : state) {
        if (::pwrite(fd, pages, sizeof pages, offset) != ssize_t(sizeof pages) ||
            ::fdatasync(fd) != 0)
            state.SkipWithError("write failed");
        offset = (offset + off_t(sizeof pages)) % kLogBytes;
    }
    ::close(fd);
    ::unlink(path.constData());
}
BENCHMARK(BM_DiskSyncFloorFourPages)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("Targets: BM_GridCounts < 50 ms, BM_GetTestScore < 500 us, "
                "BM_RecordAttempt < 2000 us (durable)\n");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Globals::DbConnection().Close();
    return 0;
}
