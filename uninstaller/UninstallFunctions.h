#pragma once
#include "InstallShared.h"

#include <QString>
#include <QStringList>
#include <functional>

class clsWaitableTimer;

namespace uninstaller {

using install::AppName;
using install::DoEvents;
using install::LoadedForm;
using install::LogFileName;

inline const QString ProgramTitle = QStringLiteral("QuillbyUninstaller");
inline const QString ScriptName = QStringLiteral("killmyself.sh");
// The window's picture beside the installed program, and its copy in the temporary folder
// (named after the program, so that no other file of that folder is replaced).
inline const QString PictureName = QStringLiteral("Skull.ico");
inline const QString PictureCopyName = ProgramTitle + QStringLiteral(".ico");

// Program-wide state.
namespace Globals {
extern QString OwnFolder;    // the folder the program runs from
// The folder the uninstaller was first started from, which holds the log: the only folder it
// removes. The copy in the temporary folder is told it on its command line.
extern QString StartFolder;
extern QString LogPath;      // OwnFolder + "/QUILLBY-InstallLog.txt"
extern QString TempPath;     // the temporary folder
extern QString InstallPath;  // the folder the log's INSTALLPATH= line names
// The installation folder once it passed the safety checks; only files inside it are
// deleted. "" while no installation folder was accepted.
extern QString AcceptedInstallPath;
clsWaitableTimer& WaitTimer();
void Reset(const QString& ownFolder, const QString& startFolder = {});
} // namespace Globals

// The picture for the window of the program running from `folder`.
QString PicturePath(const QString& folder);

QString GetTempFolder();
void RelaunchFromTemp();
void RemoveInstallation();
void RemoveInstallFolder(const QString& line);
bool IsFolderEmpty(const QString& folder);
void DeleteFileForced(const QString& path);
void DeleteFolderForced(const QString& folder);
bool IsFormLoaded(const QString& name);
void RemoveSelf();

// The steps of the self-removal script for the program's folder and the temporary folder.
QString SelfRemovalScript(const QString& ownFolder, const QString& programName,
                          const QString& tempFolder);

// --- What the uninstaller may touch -----------------------------------------------------

// The folder the log's first "INSTALLPATH=" line names, trimmed; "" when the log has no such
// line or it names no absolute path.
QString LoggedInstallPath(const QString& logPath);
// True when the log names the folder the uninstaller was started from and that folder is an
// installation; otherwise says why nothing will be removed and returns false.
bool CheckInstallLog();

// The root, the home folder, every folder that holds it, and the temporary folder with the
// folders that hold it: never removed.
bool IsProtectedFolder(const QString& folder);
// A folder that is an installation: named ...Quillby, holding the log or the uninstaller,
// a real folder (no link) and not protected.
bool IsInstallationFolder(const QString& folder);
// A listed file may go when it lies inside the accepted installation folder, or is one of the
// shortcut files the installer makes, lies in a folder the installer puts shortcuts into and
// still starts the installation the log names, or is one of Quillby's theme icon files where
// the installer puts them (quillby.png or quillby.svg in <data folder>/icons/hicolor/<size>/apps).
bool MayDeleteListedFile(const QString& path);
// A listed folder is considered for removal (when empty) when it is or holds the accepted
// installation folder, a folder the installer puts shortcuts into or one of the theme icon
// files' folders, or is the installation's plugins folder; never when it is protected or a
// link.
bool MayRemoveListedFolder(const QString& folder);

// --- Ending and starting ----------------------------------------------------------------

void EndProgram();
bool ProgramEnded();
void ResetProgramEnded();
void SetEndProgramHook(std::function<void()> hook);

// Starts a program detached; tests may take the call over.
using StartHook = std::function<bool(const QString& program, const QStringList& arguments)>;
bool StartProgram(const QString& program, const QStringList& arguments = {});
void SetStartProgramHook(StartHook hook);

} // namespace uninstaller
