#include "AfterFirstPaint.h"
#include "BackupCommands.h"
#include "ChildCommands.h"
#include "ChildStart.h"
#include "DeferredIconStyle.h"
#include "Connection.h"
#include "DatabaseFileLock.h"
#include "Globals.h"
#include "InitApplication.h"
#include "MsgBox.h"
#include "ProgramIdentity.h"
#include "RaiseChannel.h"
#include "Sound.h"
#include "StartLooks.h"
#include "Startup.h"
#include "Tasks.h"
#include "Translation.h"
#include "frmBusy.h"
#include "frmLists.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>
#include <QLockFile>
#include <QTimer>
#include <utility>

namespace {
// The file after --import (what the desktop's "Open with Quillby" passes), "" without one.
QString ImportFileArgument(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--import"));
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

// Hands the file to the Quillby that holds the lock; false when it did not take it.
bool HandOverImport(const QString& lockPath, const QString& file)
{
    return AskToImport(lockPath, QFileInfo(file).absoluteFilePath()) == ImportAnswer::Imported;
}

// Added to the message of a second start that came with a file the running Quillby did not
// take, so that the parent knows it was not imported.
QString NotImportedNote(const QString& file)
{
    if (file.isEmpty())
        return {};
    return QStringLiteral("\r\r") +
           QCoreApplication::translate("main", "%1 was not imported. Close the other windows "
                                               "of Quillby, then import the file again.")
               .arg(QFileInfo(file).fileName());
}

bool AnyWindowVisible()
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() != Qt::Popup)
            return true;
    return false;
}

enum class SessionEnd { Finished, Failed, SwitchChild };

// One run of the main window on one child's database (the family's only one, or the chosen).
int RunChild(QApplication& app, const QString& appFolder, const ChildChoice& child, SessionEnd& end)
{
    // One Quillby per database: two programs on one file would hand out the same identifiers.
    // The lock is taken while the main window is built (nothing in it reads the database
    // before LoadForm), and the window shows only once the lock is held.
    const QString lockPath = DatabaseLockPathIn(child.folder);
    QLockFile lock(lockPath);
    DatabaseFileLock fileLock;
    DatabaseLockAttempt locking(lock, lockPath, &fileLock);
    Globals::ChildDataPath = child.name.isEmpty() ? QString() : child.folder;
    // An old file's count of its tallies says so at once, before the main window is built
    // (read only: the lock's first attempt runs meanwhile).
    if (TallyCountAhead(appFolder))
        frmBusy::ShowTallyCountAhead();
    EndStartLooks();

    frmLists mainWindow;
    // Opens the task windows the main window and they themselves ask for.
    Tasks tasks(&mainWindow);
    if (!locking.Taken()) {
        frmBusy::EndTallyCount(); // the program that holds the file counts
        // A file to import goes to the running Quillby, which opens it: nothing to say here.
        const QString importFile = ImportFileArgument(app.arguments());
        if (!importFile.isEmpty() && HandOverImport(lockPath, importFile))
            return 0;
        // The running Quillby comes to the front, with this message over it. Asked again once
        // the message is closed: the desktop then gives the focus to a window of its choice.
        AskToRaise(lockPath);
        MsgBox(QCoreApplication::translate("main", "Quillby is already running.") +
               NotImportedNote(importFile));
        AskToRaise(lockPath);
        return 0;
    }
    if (!mainWindow.LoadForm(appFolder)) {
        end = SessionEnd::Failed;
        return 1;
    }
    ShowChildInUse(mainWindow, child, appFolder);
    ChildCommands childCommands(mainWindow, appFolder, child);
    // A list editor left open keeps the program running; closing it shows the main window again.
    QObject::connect(&mainWindow, &frmLists::Closed, &app, [] {
        if (!AnyWindowVisible())
            QCoreApplication::quit();
    }, Qt::QueuedConnection);
    tasks.KeepPastTestsReady();
    mainWindow.show();
    // Looking the icon up in the desktop's icon themes reads their folders: the window shows
    // first, and gains its icon a moment later.
    RunAfterFirstPaint(&mainWindow, [appFolder] {
        QApplication::setWindowIcon(
            ProgramIcon(QStringLiteral("quillby"), appFolder + QStringLiteral("/Robot.ico")));
    });
    // The day's backup runs once the window is up, on a thread of its own.
    StartDailyBackupAfterFirstPaint(&mainWindow);
    // A file named on the command line is imported once, into the first child chosen.
    static bool importOffered = false;
    if (const QString importFile = ImportFileArgument(app.arguments());
        !importFile.isEmpty() && !std::exchange(importOffered, true))
        mainWindow.OpenImport(importFile);
    RaiseChannel raiseChannel(lockPath);
    // A second start's file: opened once the second start has its answer.
    raiseChannel.SetImportHandler([&mainWindow](const QString& file) {
        if (!mainWindow.CanImportNow())
            return false;
        QTimer::singleShot(0, &mainWindow, [&mainWindow, file] { mainWindow.OpenImport(file); });
        return true;
    });
    const int status = app.exec();
    // Before the file lock goes: closing its handle would drop SQLite's locks on the file.
    Globals::DbConnection().Close();
    if (childCommands.SwitchRequested())
        end = SessionEnd::SwitchChild;
    return status;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InstallDeferredIconStyle(app);
    SetProgramIdentity(QStringLiteral("Quillby"), QStringLiteral("quillby"));
    InstallTranslations(app, "quillby");
    // The main window hides while a task runs, so the last visible window often closes before
    // the next one shows (end of a test, its results, the editors). Only the main window's own
    // Exit paths end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();

    const QString appFolder = QCoreApplication::applicationDirPath();
    // A family with one child opens the data folder at once; with more, a child is chosen.
    // The look at the children, the look at the tallies before the main window is built and
    // the program's connection read the file's schema once.
    BeginStartLooks();
    ChildChoice child = ChooseChildAtStart(appFolder, app.arguments());
    for (;;) {
        if (!child.chosen)
            return 0;
        SessionEnd end = SessionEnd::Finished;
        const int status = RunChild(app, appFolder, child, end);
        // With several children, one that cannot be opened leaves the others to choose.
        if (end == SessionEnd::Finished || (end == SessionEnd::Failed && child.children < 2))
            return status;
        child = ChooseChildAgain(appFolder);
    }
}
