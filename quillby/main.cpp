#include "MsgBox.h"
#include "Sound.h"
#include "Startup.h"
#include "frmLists.h"

#include <QApplication>
#include <QIcon>
#include <QLockFile>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetMsgBoxTitle(QStringLiteral("Quillby"));
    InitSound();

    // One Quillby per database: two programs on one file would hand out the same identifiers.
    const QString appFolder = QCoreApplication::applicationDirPath();
    QLockFile lock(DatabaseLockPath(appFolder));
    if (!LockDatabase(lock)) {
        MsgBox(QStringLiteral("Quillby is already running."));
        return 0;
    }

    QApplication::setWindowIcon(QIcon(appFolder + QStringLiteral("/Robot.ico")));
    frmLists mainWindow;
    if (!mainWindow.LoadForm(appFolder))
        return 1;
    mainWindow.show();
    return app.exec();
}
