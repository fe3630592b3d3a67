#include "MsgBox.h"
#include "SetupFunctions.h"
#include "frmLicense.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false); // the installer ends through EndInstaller only
    SetMsgBoxTitle(QStringLiteral("Setup"));
    setup::SetSetupFolder(QCoreApplication::applicationDirPath());
    setup::SetEndInstallerHook([] { QCoreApplication::exit(0); });
    (new setup::frmLicense)->show();
    return app.exec();
}
