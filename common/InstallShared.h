#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What the installer and the uninstaller share: the names of what an installation holds, the
// end of a run, and small file and window procedures.
namespace install {

inline const QString AppName = QStringLiteral("Quillby");
inline const QString LogFileName = QStringLiteral("QUILLBY-InstallLog.txt");
inline const QString InstallPathKey = QStringLiteral("INSTALLPATH=");
inline const QString MainLinkName = QStringLiteral("Quillby.desktop");
inline const QString UninstallLinkName = QStringLiteral("Uninstall Quillby.desktop");
// Quillby's database in its folder, and the folder of its recordings beside it.
inline const QString DatabaseName = QStringLiteral("Quillby.mdb");
inline const QString RecordingsFolderName = QStringLiteral("Wavs");
// The folder of Quillby's modules inside the installation (Quillby loads its OCR module from
// there when a picture is imported, its sound module at the first sound), and the modules'
// paths in it.
inline const QString PluginsFolderName = QStringLiteral("plugins");
inline const QString OcrModuleName = PluginsFolderName + QStringLiteral("/libquillby_ocr.so");
inline const QString AudioModuleName = PluginsFolderName + QStringLiteral("/libquillby_audio.so");

// --- The end of a run -------------------------------------------------------------------

// The end of one program's run: End marks it, lets `closeWindows` close the program's
// windows, then calls the hook that main() installs to leave the event loop (tests install
// none and ask Ended). Each program keeps its own.
class RunEnd {
public:
    void End(const std::function<void()>& closeWindows);
    bool Ended() const { return m_Ended; }
    void Reset() { m_Ended = false; }
    void SetHook(std::function<void()> hook) { m_Hook = std::move(hook); }

private:
    bool m_Ended = false;
    std::function<void()> m_Hook;
};

// --- Files and windows ------------------------------------------------------------------

// A path without its trailing separators ("/" stays).
QString WithoutTrailingSeparator(QString path);

// Replaces the file at `to` with a copy of `from`, carrying its permissions over. The copy
// takes the place of `to` only once it is complete: a failed copy leaves `to` as it was.
// True when the copy was made.
bool CopyReplacing(const QString& from, const QString& to);

// --- Where the installer puts its shortcuts ---------------------------------------------

// The user's applications menu folder, the one shared by all users, and the user's desktop;
// "" when the platform names none. Without a trailing separator.
QString UserMenuFolder();
QString SharedMenuFolder();
QString DesktopFolder();
// The folder of the program's entries inside an applications menu folder.
QString MenuEntriesFolder(const QString& menuFolder);
// Every folder the installer may write a shortcut into.
QStringList ShortcutFolders();

// --- Quillby's icon in the hicolor icon theme -------------------------------------------

// The name Quillby's shortcuts give their icon when its theme files are installed.
inline const QString ThemeIconName = QStringLiteral("quillby");
// The data folders the installer puts the theme icon into: the user's ($XDG_DATA_HOME), and
// for all users /usr/local/share (the one under /usr belongs to the system's packages).
QString UserDataFolder();
QString SharedDataFolder();
// The hicolor theme folder inside a data folder.
QString IconThemeFolder(const QString& dataFolder);
// The theme icon's files relative to the theme folder: "<size>/apps/quillby.png" for each
// size and "scalable/apps/quillby.svg".
QStringList ThemeIconFiles();
// Every path one of those files has in the data folders the installer uses.
QStringList ThemeIconPaths();

// --- Shortcuts --------------------------------------------------------------------------

// True for the file names of the shortcuts the installer makes.
bool IsShortcutName(const QString& fileName);

// The working folder a desktop shortcut names (its Path= entry, unescaped); "" when the file
// names none.
QString ShortcutFolder(const QString& linkPath);

// True when the shortcut file starts the installation in `folder`: another installation may
// have written a shortcut of the same name since.
bool ShortcutBelongsTo(const QString& linkPath, const QString& folder);

// "Let pending window events run."
void DoEvents();

// The loaded top-level window of that objectName (compared in upper case), or nullptr.
QWidget* LoadedForm(const QString& name);

// Takes back every hourglass pointer set for the whole screen.
void RestoreNormalPointer();

} // namespace install
