// Start-up of the main program to its main window shown, on a database the size of years of
// use (1,000 lists), against two empty Qt main windows started the same way by this same
// program (same build, same libraries loaded): a bare window, and a window with a menu bar and
// an empty four-column grid, the frame of the main window without its data. Each sample starts
// this program again as a child process that does one start-up and reports as soon as its
// window is shown and the event loop has gone idle; the sample is the wall time from starting
// the process to that report. The processor time shown beside it is the child's whole run.
#include "Globals.h"
#include "MsgBox.h"
#include "SeedDb.h"
#include "Sound.h"
#include "Startup.h"
#include "frmLists.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <numeric>
#include <string>
#include <vector>

namespace {
constexpr double kLimitSeconds = 0.5;
constexpr double kLimitRatio = 1.5;
constexpr int kSamples = 15;

QString programPath;
QTemporaryDir* seededFolder = nullptr;
QTemporaryDir* emptyDbFolder = nullptr;
// Wall time and processor time (user + system) of each child, in seconds.
struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};
Samples quillbySamples;
Samples noListsSamples;
Samples emptySamples;
Samples framedSamples;

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Child: once the shown window's first events have been handled, says "shown" on its
// output (the end of the sample) and ends.
int RunUntilIdle(QApplication& app)
{
    QTimer::singleShot(0, &app, [&app] {
        QApplication::processEvents();
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        app.quit();
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
    if (!LockDatabase(lock, lockPath))
        return 2;
    frmLists mainWindow;
    if (!mainWindow.LoadForm(folder))
        return 1;
    mainWindow.show();
    return RunUntilIdle(app);
}

// Child: an empty main window built the same way; framed, it also has a menu bar and an empty
// grid of four columns (no rows, no database): what any program of this shape pays before it
// reads its data.
int ChildEmpty(int argc, char** argv, bool framed)
{
    QApplication app(argc, argv);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillby"));
    if (framed) {
        for (const char* title : {"&File", "&Lists", "&Help"})
            window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
        auto* grid = new QTableWidget(0, 4, &window);
        grid->setHorizontalHeaderLabels({QStringLiteral("School Test Date"),
                                         QStringLiteral("Words"), QStringLiteral("Tests"), QString()});
        window.setCentralWidget(grid);
    }
    window.show();
    return RunUntilIdle(app);
}

// Runs one child start-up; returns its wall time (negative when it failed) and adds its
// processor time to cpuSeconds.
double RunChild(const QStringList& arguments, double& cpuSeconds)
{
    const double cpuBefore = ChildrenCpuSeconds();
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
    if (!child.readLine().startsWith("shown") || !child.waitForFinished(60000) ||
        child.exitCode() != 0)
        return -1;
    cpuSeconds = ChildrenCpuSeconds() - cpuBefore;
    return wall;
}

// The four start-ups are measured in rounds, one of each per round in a rotating order, so
// that a busy moment of the machine weighs on all of them alike. The benchmark's own time is
// that of Quillby on 1,000 lists.
void BM_StartupRounds(benchmark::State& state)
{
    struct Kind {
        QStringList arguments;
        Samples* samples;
    };
    const std::vector<Kind> kinds = {
        {{QStringLiteral("--child"), QStringLiteral("quillby"), seededFolder->path()}, &quillbySamples},
        // The same program on a database without lists: what the window itself costs.
        {{QStringLiteral("--child"), QStringLiteral("quillby"), emptyDbFolder->path()}, &noListsSamples},
        {{QStringLiteral("--child"), QStringLiteral("empty")}, &emptySamples},
        {{QStringLiteral("--child"), QStringLiteral("framed")}, &framedSamples}};
    size_t round = 0;
    for (auto _ : state) {
        double quillbyWall = 0;
        for (size_t k = 0; k < kinds.size(); ++k) {
            const Kind& kind = kinds[(round + k) % kinds.size()];
            double cpu = 0;
            const double seconds = RunChild(kind.arguments, cpu);
            if (seconds < 0) {
                state.SkipWithError("a child start-up failed");
                return;
            }
            kind.samples->wall.push_back(seconds);
            kind.samples->cpu.push_back(cpu);
            if (kind.samples == &quillbySamples)
                quillbyWall = seconds;
        }
        state.SetIterationTime(quillbyWall);
        ++round;
    }
}
BENCHMARK(BM_StartupRounds)->UseManualTime()->Iterations(kSamples)->Unit(benchmark::kMillisecond);

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void PrintRow(const char* name, const Samples& samples)
{
    std::printf("  %-36s: %7.1f ms    %7.1f ms\n", name, Median(samples.wall) * 1e3,
                Median(samples.cpu) * 1e3);
}

// The ratio of the 1,000-list start-up to one baseline, wall and processor time; true when
// the wall-time ratio is within the limit.
bool PrintRatio(const char* name, const Samples& baseline)
{
    const double wall = Median(baseline.wall);
    const double cpu = Median(baseline.cpu);
    const double ratio = wall > 0 ? Median(quillbySamples.wall) / wall : 0.0;
    const std::string label = std::string("ratio to ") + name;
    std::printf("  %-36s: %7.2f       %7.2f      (limit %.2f)\n", label.c_str(), ratio,
                cpu > 0 ? Median(quillbySamples.cpu) / cpu : 0.0, kLimitRatio);
    return wall > 0 && ratio <= kLimitRatio;
}

void Report()
{
    const double quillby = Median(quillbySamples.wall);
    if (quillby <= 0 || Median(emptySamples.wall) <= 0 || Median(framedSamples.wall) <= 0)
        return;
    std::printf("\nStart-up to the main window shown, median of %d processes each, measured in turns:\n", kSamples);
    std::printf("  %-36s    wall time   processor time\n", "");
    PrintRow("Quillby, 1,000 lists", quillbySamples);
    PrintRow("Quillby, no lists", noListsSamples);
    PrintRow("empty window", emptySamples);
    PrintRow("empty window with menus and grid", framedSamples);
    std::printf("  %-36s: %7.0f ms\n", "limit for Quillby, 1,000 lists", kLimitSeconds * 1e3);
    const bool underLimit = quillby < kLimitSeconds;
    const bool bare = PrintRatio("empty window", emptySamples);
    const bool framed = PrintRatio("window with menus and grid", framedSamples);
    std::printf("  under %.0f ms: %s; within %.1fx of the empty window: %s; within %.1fx of the "
                "window with menus and grid: %s\n",
                kLimitSeconds * 1e3, underLimit ? "yes" : "NO", kLimitRatio, bare ? "yes" : "NO",
                kLimitRatio, framed ? "yes" : "NO");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        if (std::strcmp(argv[2], "quillby") == 0 && argc >= 4)
            return ChildQuillby(argc, argv, QString::fromLocal8Bit(argv[3]));
        return ChildEmpty(argc, argv, std::strcmp(argv[2], "framed") == 0);
    }
    QCoreApplication app(argc, argv);
    programPath = QCoreApplication::applicationFilePath();
    QTemporaryDir folder;
    seededFolder = &folder;
    CopyLargeDatabase(folder.path());
    QTemporaryDir noLists;
    emptyDbFolder = &noLists;
    SeedSize none;
    none.lists = 0;
    SeedLargeDatabase(noLists.path(), none);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Report();
    return 0;
}
