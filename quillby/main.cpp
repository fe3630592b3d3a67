#include "MsgBox.h"
#include "Sound.h"
#include "frmLists.h"

#include <QApplication>
#include <QLockFile>

namespace {
// One Quillby per database: two programs on one file would hand out the same identifiers.
// The lock is released when the program ends (also when it crashes: a lock whose process is
// gone counts as stale).
bool LockDatabaseFolder(QLockFile& lock)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    // A folder where no lock can be written is left to the database's own messages.
    return lock.error() != QLockFile::LockFailedError;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();

    const QString appFolder = QCoreApplication::applicationDirPath();
    QLockFile lock(appFolder + QStringLiteral("/Quillby.mdb.lock"));
    if (!LockDatabaseFolder(lock)) {
        MsgBox(QStringLiteral("Quillby is already running."));
        return 0;
    }

    frmLists mainWindow;
    if (!mainWindow.LoadForm(appFolder))
        return 1;
    mainWindow.show();
    return app.exec();
}
