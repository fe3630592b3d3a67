#include "MsgBox.h"
#include "ProgramIdentity.h"
#include "UninstallFunctions.h"
#include "frmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetProgramIdentity(uninstaller::ProgramTitle);
    app.setQuitOnLastWindowClosed(false); // the program ends through EndProgram only
    SetMsgBoxTitle(uninstaller::ProgramTitle);
    uninstaller::Globals::Reset(QCoreApplication::applicationDirPath());
    uninstaller::SetEndProgramHook([] { QCoreApplication::exit(0); });
    auto* window = new uninstaller::frmMain;
    // The start-up runs inside the event loop, so that ending the program leaves it.
    QTimer::singleShot(0, window, &uninstaller::frmMain::Load);
    return app.exec();
}
