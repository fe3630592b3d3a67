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
#include <vector>

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

// Writes `bytes` and syncs them, once per iteration, in a file of the benchmark folder. With
// a log size the writes follow one another through that many bytes and start over, as the
// write-ahead log does; without one they overwrite the start of the file.
void SyncFloor(benchmark::State& state, const char* fileName, std::size_t bytes, off_t logBytes)
{
    const QByteArray path = (App().path() + "/" + fileName).toUtf8();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) {
        state.SkipWithError("cannot write in the benchmark folder");
        return;
    }
    const std::vector<char> data(bytes);
    off_t offset = 0;
    for (auto _ : state) {
        if (::pwrite(fd, data.data(), bytes, offset) != ssize_t(bytes) || ::fdatasync(fd) != 0)
            state.SkipWithError("write failed");
        if (logBytes > 0)
            offset = (offset + off_t(bytes)) % logBytes;
    }
    ::close(fd);
    ::unlink(path.constData());
}

// For comparison: what one durable 4 KiB write costs on this disk, the least any durable
// change can take.
void BM_DiskSyncFloor(benchmark::State& state)
{
    SyncFloor(state, "sync-probe", 4096, 0);
}
BENCHMARK(BM_DiskSyncFloor)->Unit(benchmark::kMicrosecond);

// The same floor shaped like one stored attempt in the write-ahead log: four pages (the row's
// page and one page of each of its three indexes) written one after the other through a
// 4 MiB log that starts over, then one sync.
void BM_DiskSyncFloorFourPages(benchmark::State& state)
{
    SyncFloor(state, "sync-probe-log", 4 * 4096, 4 << 20);
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
