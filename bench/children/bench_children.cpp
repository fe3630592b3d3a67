// Switching child: from the child picked in "Who is practising?" to the first paint of the
// main window on that child's database of 1,000 lists (20 words and 30 tests each), the
// previous child's session closed first, as "Switch Child" does; each step as main() takes it.
// And what a family of one pays at start-up for finding its only child (a read of the
// children's table of its database), against the whole start-up it is part of.
#include "BenchReport.h"
#include "ChildStart.h"
#include "Children.h"
#include "Connection.h"
#include "DatabaseFileLock.h"
#include "Globals.h"
#include "MsgBox.h"
#include "SeedDb.h"
#include "Sound.h"
#include "Startup.h"
#include "frmLists.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>

namespace {
constexpr int kRounds = 15;
constexpr double kSwitchLimitSeconds = 0.300;
constexpr double kFindLimitSeconds = 0.005;

QString familyFolder; // Ann (1 list) and Ben (1,000 lists)
QString oneChildFolder;
std::vector<double> switchSamples;
std::vector<double> findSamples;
std::vector<double> startSamples;

SeedSize Shape(int lists)
{
    SeedSize size;
    size.lists = lists;
    size.attempts = false; // opening a child reads none
    return size;
}

// One child's session: its locks and its main window, as main() holds them.
struct Session {
    std::unique_ptr<QLockFile> lock;
    DatabaseFileLock fileLock;
    std::unique_ptr<frmLists> window;
};

std::unique_ptr<Session> Open(const QString& appFolder, const ChildChoice& child)
{
    auto session = std::make_unique<Session>();
    const QString lockPath = DatabaseLockPathIn(child.folder);
    session->lock = std::make_unique<QLockFile>(lockPath);
    DatabaseLockAttempt locking(*session->lock, lockPath, &session->fileLock);
    session->window = std::make_unique<frmLists>();
    if (!locking.Taken())
        throw std::runtime_error("the child's database is locked");
    Globals::ChildDataPath = child.name.isEmpty() ? QString() : child.folder;
    if (!session->window->LoadForm(appFolder))
        throw std::runtime_error("the child's database did not open");
    ShowChildInUse(*session->window, child, appFolder);
    session->window->show();
    QApplication::processEvents(); // the first paint
    return session;
}

void Close(std::unique_ptr<Session>& session)
{
    session->window->close();
    Globals::DbConnection().Close();
    session.reset();
}

ChildChoice Pick(const QString& appFolder, const QString& name)
{
    return ChooseChildAtStart(appFolder, {QStringLiteral("--child"), name});
}

void BM_SwitchToChildWith1000Lists(benchmark::State& state)
{
    std::unique_ptr<Session> session = Open(familyFolder, Pick(familyFolder, "Ann"));
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Close(session);
        session = Open(familyFolder, Pick(familyFolder, "Ben"));
        const double seconds = clock.nsecsElapsed() / 1e9;
        switchSamples.push_back(seconds);
        state.SetIterationTime(seconds);
        Close(session);
        session = Open(familyFolder, Pick(familyFolder, "Ann"));
    }
    Close(session);
}
BENCHMARK(BM_SwitchToChildWith1000Lists)
    ->UseManualTime()
    ->Iterations(kRounds)
    ->Unit(benchmark::kMillisecond);

void BM_OneChildStart(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const ChildChoice child = ChooseChildAtStart(oneChildFolder, {});
        findSamples.push_back(clock.nsecsElapsed() / 1e9);
        std::unique_ptr<Session> session = Open(oneChildFolder, child);
        startSamples.push_back(clock.nsecsElapsed() / 1e9);
        state.SetIterationTime(startSamples.back());
        Close(session);
    }
}
BENCHMARK(BM_OneChildStart)->UseManualTime()->Iterations(kRounds)->Unit(benchmark::kMillisecond);

void Report()
{
    if (switchSamples.empty() || findSamples.empty())
        return;
    ReportHeading("Several children");
    const double switching = Median(switchSamples);
    ReportTarget("switching child onto 1,000 lists, under 300 ms", Ms(switching),
                 switching < kSwitchLimitSeconds);
    const double finding = Median(findSamples);
    const double start = Median(startSamples);
    ReportTarget("finding the only child at start-up, under 5 ms", Ms(finding),
                 finding < kFindLimitSeconds);
    std::printf("  (of a start-up on 1 list of %s in this process: %s)\n", Ms(start).c_str(),
                Ratio(finding / start).c_str());
}

void MakeFamily()
{
    CopyLargeDatabase(familyFolder, Shape(1));
    ChildRegistry registry(familyFolder, QString());
    if (!registry.Rename(FirstChildName(), "Ann", FirstChildName()).isEmpty() ||
        !registry.Add("Ben", FirstChildName()).isEmpty())
        throw std::runtime_error("the family could not be made");
    const QString ben = familyFolder + "/Children/Ben";
    QFile::remove(ben + "/Quillby.mdb");
    CopyLargeDatabase(ben, Shape(1000));
    CopyLargeDatabase(oneChildFolder, Shape(1));
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();
    QTemporaryDir family;
    QTemporaryDir one;
    familyFolder = family.path();
    oneChildFolder = one.path();
    MakeFamily();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Report();
    return 0;
}
