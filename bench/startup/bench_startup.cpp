// Start-up of the main program to the first paint of its main window, on a database of
// 100,000 lists (20 words and 10 tests each, as seeded, never analysed) and on one of a single
// list, against a bare Qt main window holding an empty four-column QTableWidget started the
// same way by this same program (same build, same libraries). Each sample starts this program
// again as a child process that does one start-up and reports, once its shown window's first
// events (the first paint among them) have been handled, with its peak memory so far; the
// sample is the wall time from starting the process to that report. The three kinds are
// started in turns, in a rotating order, so that a busy moment weighs on all of them alike.
// A child ends at once after reporting: closing would gather the planner's statistics into
// the file, and every sample is to start on the file as a user's first start finds it.
#include "BenchReport.h"
#include "Globals.h"
#include "MsgBox.h"
#include "RaiseChannel.h"
#include "SeedDb.h"
#include "Sound.h"
#include "Startup.h"
#include "frmLists.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QMainWindow>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {
constexpr int kRounds = 15;
constexpr double kLimitRatio = 1.5;
constexpr double kMemoryLimitBytes = 10.0 * 1024 * 1024;
constexpr int kManyLists = 100000;

QString programPath;
QString manyListsFolder;
QString oneListFolder;

struct Samples {
    std::vector<double> wall;   // seconds
    std::vector<double> memory; // peak resident bytes
};
Samples manyLists;
Samples oneList;
Samples bareWindow;

SeedSize Shape(int lists)
{
    SeedSize size;
    size.lists = lists;
    size.wordsPerList = 20;
    size.testsPerList = 10;
    size.attempts = false; // nothing at start-up reads them
    return size;
}

// The process's peak resident memory so far, in bytes.
double PeakMemoryBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024;
    return 0;
}

// Child: once the shown window's first events have been handled, reports "shown" and its
// peak memory on its output and ends at once (after `beforeEnd`).
int RunUntilPainted(QApplication& app, const std::function<void()>& beforeEnd = {})
{
    QTimer::singleShot(0, &app, [beforeEnd] {
        QApplication::processEvents();
        std::printf("shown %.0f\n", PeakMemoryBytes());
        std::fflush(stdout);
        if (beforeEnd)
            beforeEnd();
        std::_Exit(0);
    });
    return app.exec();
}

// Child: the start-up of the main program, exactly as its main() does it.
int ChildQuillby(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();
    const QString lockPath = DatabaseLockPath(folder);
    QLockFile lock(lockPath);
    DatabaseLockAttempt locking(lock, lockPath);
    frmLists mainWindow;
    if (!locking.Taken())
        return 2;
    if (!mainWindow.LoadForm(folder))
        return 1;
    mainWindow.show();
    RaiseChannel raiseChannel(lockPath);
    // The lock goes as at the program's end, so that the next start finds none to take over.
    return RunUntilPainted(app, [&lock] { lock.unlock(); });
}

// Child: the baseline, a bare main window holding an empty grid of the main window's columns.
int ChildBareWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillby"));
    auto* grid = new QTableWidget(0, 4, &window);
    grid->setHorizontalHeaderLabels({QStringLiteral("School Test Date"), QStringLiteral("Words"),
                                     QStringLiteral("Tests"), QString()});
    window.setCentralWidget(grid);
    window.show();
    return RunUntilPainted(app);
}

// Runs one child start-up and records its wall time and peak memory; false when it failed.
bool RunChild(const QStringList& arguments, Samples& samples)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(programPath, arguments);
    while (!child.canReadLine() && child.state() != QProcess::NotRunning)
        child.waitForReadyRead(60000);
    const double wall = clock.nsecsElapsed() / 1e9;
    const QByteArray line = child.readLine().trimmed();
    if (!line.startsWith("shown") || !child.waitForFinished(60000) || child.exitCode() != 0)
        return false;
    samples.wall.push_back(wall);
    samples.memory.push_back(line.mid(5).trimmed().toDouble());
    return true;
}

void BM_StartupRounds(benchmark::State& state)
{
    struct Kind {
        QStringList arguments;
        Samples* samples;
    };
    const std::vector<Kind> kinds = {
        {{QStringLiteral("--child"), QStringLiteral("quillby"), manyListsFolder}, &manyLists},
        {{QStringLiteral("--child"), QStringLiteral("quillby"), oneListFolder}, &oneList},
        {{QStringLiteral("--child"), QStringLiteral("bare")}, &bareWindow}};
    size_t round = 0;
    for (auto _ : state) {
        for (size_t k = 0; k < kinds.size(); ++k) {
            const Kind& kind = kinds[(round + k) % kinds.size()];
            if (!RunChild(kind.arguments, *kind.samples)) {
                state.SkipWithError("a child start-up failed");
                return;
            }
        }
        state.SetIterationTime(manyLists.wall.back());
        ++round;
    }
}
BENCHMARK(BM_StartupRounds)->UseManualTime()->Iterations(kRounds)->Unit(benchmark::kMillisecond);

void Report()
{
    if (manyLists.wall.empty() || bareWindow.wall.empty() || oneList.wall.empty())
        return;
    ReportHeading("Start-up to the first paint of the main window, each sample a new process");
    const double many = Median(manyLists.wall);
    const double one = Median(oneList.wall);
    const double bare = Median(bareWindow.wall);
    const double manyMemory = Median(manyLists.memory);
    const double bareMemory = Median(bareWindow.memory);
    std::printf("  Quillby, 100,000 lists: %s, peak %s; Quillby, 1 list: %s, peak %s; "
                "bare QMainWindow with a QTableWidget: %s, peak %s\n",
                Ms(many).c_str(), MiB(manyMemory).c_str(), Ms(one).c_str(),
                MiB(Median(oneList.memory)).c_str(), Ms(bare).c_str(), MiB(bareMemory).c_str());
    ReportTarget("start-up, 100,000 lists, within 1.5x of the bare window", Ratio(many / bare),
                 many <= kLimitRatio * bare);
    ReportTarget("start-up peak memory, 100,000 lists, within 10 MiB of the bare window",
                 "+" + MiB(manyMemory - bareMemory), manyMemory - bareMemory <= kMemoryLimitBytes);
    std::printf("  (growth 1 -> 100,000 lists: %s)\n", Ratio(many / one).c_str());
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "quillby") == 0 && argc >= 4)
            return ChildQuillby(argc, argv, QString::fromLocal8Bit(argv[3]));
        return ChildBareWindow(argc, argv);
    }
    QCoreApplication app(argc, argv);
    programPath = QCoreApplication::applicationFilePath();
    QTemporaryDir many;
    manyListsFolder = many.path();
    CopyLargeDatabase(manyListsFolder, Shape(kManyLists));
    QTemporaryDir one;
    oneListFolder = one.path();
    CopyLargeDatabase(oneListFolder, Shape(1));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Report();
    return 0;
}
