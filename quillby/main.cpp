#include "Connection.h"
#include "DatabaseFileLock.h"
#include "Globals.h"
#include "MsgBox.h"
#include "ProgramIdentity.h"
#include "RaiseChannel.h"
#include "Sound.h"
#include "Startup.h"
#include "Translation.h"
#include "frmLists.h"

#include <QApplication>
#include <QWidget>
#include <QLockFile>

namespace {
// The file after --import (what the desktop's "Open with Quillby" passes), "" without one.
QString ImportFileArgument(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--import"));
    return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

bool AnyWindowVisible()
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() != Qt::Popup)
            return true;
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetProgramIdentity(QStringLiteral("Quillby"), QStringLiteral("quillby"));
    InstallTranslations(app, "quillby");
    // The main window hides while a task runs, so the last visible window often closes before
    // the next one shows (end of a test, its results, the editors). Only the main window's own
    // Exit paths end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();

    // One Quillby per database: two programs on one file would hand out the same identifiers.
    // The lock is taken while the main window is built (nothing in it reads the database
    // before LoadForm), and the window shows only once the lock is held.
    const QString appFolder = QCoreApplication::applicationDirPath();
    const QString lockPath = DatabaseLockPath(appFolder);
    QLockFile lock(lockPath);
    DatabaseFileLock fileLock;
    DatabaseLockAttempt locking(lock, lockPath, &fileLock);

    frmLists mainWindow;
    if (!locking.Taken()) {
        // The running Quillby comes to the front, with this message over it. Asked again once
        // the message is closed: the desktop then gives the focus to a window of its choice.
        AskToRaise(lockPath);
        MsgBox(QCoreApplication::translate("main", "Quillby is already running."));
        AskToRaise(lockPath);
        return 0;
    }
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("quillby"), appFolder + QStringLiteral("/Robot.ico")));
    if (!mainWindow.LoadForm(appFolder))
        return 1;
    // A list editor left open keeps the program running; closing it shows the main window again.
    QObject::connect(&mainWindow, &frmLists::Closed, &app, [] {
        if (!AnyWindowVisible())
            QCoreApplication::quit();
    }, Qt::QueuedConnection);
    mainWindow.show();
    if (const QString importFile = ImportFileArgument(app.arguments()); !importFile.isEmpty())
        mainWindow.OpenImport(importFile);
    RaiseChannel raiseChannel(lockPath);
    const int status = app.exec();
    // Before the file lock goes: closing its handle would drop SQLite's locks on the file.
    Globals::DbConnection().Close();
    return status;
}
