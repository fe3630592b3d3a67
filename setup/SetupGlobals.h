#pragma once
#include <QList>
#include <QString>

class clsWaitableTimer;

namespace setup {

// What an entry of InstalledItems is. The installer knows what it created, so each entry is
// written into the log group of what it really is.
enum class ItemKind { File, Shortcut, Folder };

struct InstalledItem {
    QString Path;
    ItemKind Kind;
    bool Made = false; // this run created it (it was not there before): a failed run removes it
};

// The installer-wide state, prepared by the welcome window and the folder page. Folder
// paths carry no trailing separator; a folder the platform cannot supply is "".
namespace Globals {
extern QString SetupFolder;            // the folder Setup runs from
extern QString SupportPath;            // SetupFolder + "/Support": every file to install
extern QString SystemPath;             // no component registration here: ""
extern QString ProgramFilesPath;       // /opt for root, else the user's data folder
extern QString DesktopPath;            // the user's desktop
extern QString ProgramsMenuPath;       // the user's applications menu folder
extern QString CommonDesktopPath;      // no desktop shared by all users here: ""
extern QString CommonProgramsMenuPath; // the system applications folder when writable, else ""
extern QList<InstalledItem> InstalledItems;
extern QString InstallPath;            // the chosen installation folder
extern bool StartMenuAllUsers;
extern bool StartMenuThisUser;
extern bool DesktopAllUsers;
extern bool DesktopThisUser;
extern qint64 StartedProgramPid;       // process id of the started Quillby, 0 when none
extern bool InstallLogWritten;         // this run wrote its installation log

clsWaitableTimer& WaitTimer();         // the installer's one pause object

// Back to the state of a fresh start (SetupFolder and SupportPath stay).
void Reset();
} // namespace Globals

} // namespace setup
