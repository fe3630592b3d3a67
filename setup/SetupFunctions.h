#pragma once
#include "AdoTestChannel.h"
#include "InstallLook.h"
#include "InstallShared.h"
#include "SetupGlobals.h"

#include <QString>
#include <functional>

class QCloseEvent;

namespace setup {

using install::AppName;
using install::DoEvents;
using install::LogFileName;
using install::MainLinkName;
using install::NameWindow;
using install::UninstallLinkName;

// --- Start of the installer -------------------------------------------------------------

// Sets SetupFolder and SupportPath for the folder Setup runs from.
void SetSetupFolder(const QString& folder);

// The folder that stands for a special-folder number (37 system, 38 program files, 0 and 25
// desktop, 2 and 23 Start menu), without a trailing separator; "" when there is none.
QString GetSpecialFolder(int folderNumber);
// Creates the user's data folder, its applications menu folder and the desktop folder when a
// fresh account lacks them, then fills the six special-folder paths.
void ResolveSpecialFolders();

// The file services are part of the program here; true when they can be used.
bool EnsureFileSystemComponent();

// Writes and deletes a test file in the installer's folder. On failure shows the
// write-rights message, ends the installer and returns false.
bool CheckWriteRights();

// Shows the data-access check window modally; false when the installer ended meanwhile.
bool RunDataAccessCheck();


// --- The installation -------------------------------------------------------------------

void AddInstalledItem(const QString& item, ItemKind kind, bool made = false);

// True when a file can be made in the folder (a test file is written and removed again).
bool CanWriteInto(const QString& folder);
// The path itself when it exists, else the nearest folder above it that exists; "" when none.
QString NearestExistingPath(const QString& path);
// True when the folder holds anything but is not the folder of an earlier installation
// (which holds its log): what is there is the user's, or another Quillby's lists.
bool HoldsOtherContent(const QString& folder);
// Takes back what this run made from entry `first` of InstalledItems on, last made first:
// files and shortcuts are deleted, folders removed when empty. Their entries leave the list.
void RemoveItemsMadeSince(int first);

// Creates every missing folder of the path, recording each one created. False when a folder
// could not be created (the ones made before it stay recorded).
bool CreateFolderPath(const QString& path);

// The text of a desktop shortcut that starts `targetPath`.
QString DesktopEntryText(const QString& name, const QString& description,
                         const QString& targetPath, const QString& iconLocation,
                         const QString& workingFolder);

// Writes a desktop shortcut; ".desktop" is appended to a link path without it. True when the
// file was saved.
bool MakeShortcut(QString linkPath, const QString& description, const QString& targetPath,
                  const QString& iconLocation = {}, const QString& workingFolder = {});

void DeleteFileQuietly(const QString& path);

// Installs Quillby's theme icon from Support/icons/hicolor into the hicolor theme of the data
// folder, making and recording the folders and files it needs. A file that is there already
// is replaced only when the earlier log of this installation folder names it. True when every
// file is in place; otherwise what this call made is taken back and false returned.
bool InstallThemeIcons(const QString& dataFolder);

// The entries of the log an earlier installation into InstallPath wrote; none without one.
QStringList EarlierLogLines();

// The installation log of a folder, and its lines as WriteInstallLog writes them.
QString InstallLogPath(const QString& installFolder);
QStringList InstallLogLines();
bool WriteInstallLog();

// Starts a program detached in its own folder; records its process id.
bool StartProgram(const QString& path);

// --- Ending -----------------------------------------------------------------------------

// Closes every window of the installer and ends it. The program's main() installs the hook
// that leaves the event loop; tests look at InstallerEnded() instead.
void EndInstaller();
bool InstallerEnded();
void SetEndInstallerHook(std::function<void()> hook);
void ResetInstallerEnded();

// A page closed by the user through its title bar ends the installer.
void EndIfClosedByUser(QCloseEvent* event);

} // namespace setup
