#include "MsgBox.h"
#include "ProgramIdentity.h"
#include "SetupFunctions.h"
#include "Translation.h"
#include "frmLicense.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetProgramIdentity(QStringLiteral("Setup"));
    InstallTranslations(app, "setup");
    // Quillby's own picture: from the theme where a Quillby package installed it, else the
    // copy in the Support folder that Setup installs.
    QApplication::setWindowIcon(ProgramIcon(QStringLiteral("quillby"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/Support/Robot.ico")));
    app.setQuitOnLastWindowClosed(false); // the installer ends through EndInstaller only
    SetMsgBoxTitle(QStringLiteral("Setup"));
    setup::SetSetupFolder(QCoreApplication::applicationDirPath());
    setup::SetEndInstallerHook([] { QCoreApplication::exit(0); });
    (new setup::frmLicense)->show();
    return app.exec();
}
