#include "MsgBox.h"
#include "ProgramIdentity.h"
#include "Translation.h"
#include "UninstallFunctions.h"
#include "frmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetProgramIdentity(uninstaller::ProgramTitle);
    InstallTranslations(app, "uninstaller");
    app.setQuitOnLastWindowClosed(false); // the program ends through EndProgram only
    SetMsgBoxTitle(uninstaller::ProgramTitle);
    // The copy in the temporary folder is given the folder the first start was made from.
    uninstaller::Globals::Reset(QCoreApplication::applicationDirPath(), app.arguments().value(1));
    uninstaller::SetEndProgramHook([] { QCoreApplication::exit(0); });
    auto* window = new uninstaller::frmMain;
    // The start-up runs inside the event loop, so that ending the program leaves it.
    QTimer::singleShot(0, window, &uninstaller::frmMain::Load);
    return app.exec();
}
