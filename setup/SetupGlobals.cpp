#include "SetupGlobals.h"

#include "clsWaitableTimer.h"

namespace setup::Globals {
QString SetupFolder;
QString SupportPath;
QString SystemPath;
QString ProgramFilesPath;
QString DesktopPath;
QString ProgramsMenuPath;
QString CommonDesktopPath;
QString CommonProgramsMenuPath;
QList<InstalledItem> InstalledItems;
QString InstallPath;
bool StartMenuAllUsers = false;
bool StartMenuThisUser = false;
bool DesktopAllUsers = false;
bool DesktopThisUser = false;
qint64 StartedProgramPid = 0;
bool InstallLogWritten = false;

clsWaitableTimer& WaitTimer()
{
    static clsWaitableTimer timer;
    return timer;
}

void Reset()
{
    SystemPath.clear();
    ProgramFilesPath.clear();
    DesktopPath.clear();
    ProgramsMenuPath.clear();
    CommonDesktopPath.clear();
    CommonProgramsMenuPath.clear();
    InstalledItems.clear();
    InstallPath.clear();
    StartMenuAllUsers = StartMenuThisUser = DesktopAllUsers = DesktopThisUser = false;
    StartedProgramPid = 0;
    InstallLogWritten = false;
}
} // namespace setup::Globals
