#include "UninstallFunctions.h"

#include "MsgBox.h"
#include "clsWaitableTimer.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>

namespace uninstaller {

namespace Globals {
QString OwnFolder;
QString StartFolder;
QString LogPath;
QString TempPath;
QString InstallPath;
QString AcceptedInstallPath;

clsWaitableTimer& WaitTimer()
{
    static clsWaitableTimer timer;
    return timer;
}

void Reset(const QString& ownFolder, const QString& startFolder)
{
    OwnFolder = QDir::cleanPath(ownFolder);
    StartFolder = startFolder.isEmpty() ? OwnFolder : QDir::cleanPath(startFolder);
    LogPath = QDir(OwnFolder).filePath(LogFileName);
    TempPath.clear();
    InstallPath.clear();
    AcceptedInstallPath.clear();
}
} // namespace Globals

namespace {
const QString CR = QStringLiteral("\r");
using install::InstallPathKey;

install::RunEnd& ProgramEnd()
{
    static install::RunEnd end;
    return end;
}

StartHook& StartOverride()
{
    static StartHook hook;
    return hook;
}

void Pause(int milliSeconds)
{
    Globals::WaitTimer().Wait(milliSeconds);
}

// The real location of a path: links resolved when it exists, else the cleaned absolute path.
QString RealPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool IsSameOrInside(const QString& path, const QString& folder)
{
    return path == folder ||
           path.startsWith(folder == QStringLiteral("/") ? folder : folder + QLatin1Char('/'));
}

// Removes a folder with everything in it. Links are removed, never followed.
void RemoveTree(const QString& folder)
{
    QFile::setPermissions(folder, QFile::permissions(folder) | QFileDevice::ReadOwner
                                      | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir() && !entry.isSymLink())
            RemoveTree(entry.filePath());
        else
            QFile::remove(entry.filePath());
    }
    QDir().rmdir(folder);
}

QString ShellQuote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString JoinPath(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}

// One line of the log without its line end.
QString ReadLogLine(QFile& log)
{
    QString line = QString::fromUtf8(log.readLine());
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

// The log as the user finds it: in the folder the uninstaller was started from.
QString StartedLogPath()
{
    return JoinPath(Globals::StartFolder, LogFileName);
}

bool IsStartedInstallation(const QString& folder)
{
    return IsInstallationFolder(folder) && RealPath(folder) == RealPath(Globals::StartFolder);
}

bool LiesInShortcutFolder(const QFileInfo& link)
{
    const QString folder = RealPath(link.absolutePath());
    const QStringList shortcutFolders = install::ShortcutFolders();
    return std::any_of(shortcutFolders.cbegin(), shortcutFolders.cend(),
                       [&](const QString& allowed) { return RealPath(allowed) == folder; });
}

// One of Quillby's theme icon files in the hicolor theme of a data folder Setup uses.
bool IsThemeIconFile(const QFileInfo& file)
{
    const QString folder = RealPath(file.absolutePath());
    const QStringList icons = install::ThemeIconPaths();
    return std::any_of(icons.cbegin(), icons.cend(), [&](const QString& icon) {
        const QFileInfo allowed(icon);
        return allowed.fileName() == file.fileName() && RealPath(allowed.absolutePath()) == folder;
    });
}

// Deletes the files of a folder Quillby made whose names Quillby gives them, then the folder
// when that left it empty. A link in the folder's place is left alone.
template <class IsQuillbyName>
void RemoveQuillbyFolder(const QString& path, IsQuillbyName isQuillbyName)
{
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink())
        return;
    const QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (isQuillbyName(name))
            DeleteFileForced(folder.filePath(name));
    QDir().rmdir(path);
}

// A backup, or the side file of one being written with what SQLite keeps beside that (its
// journal, or the write-ahead log and its index while the copy still has the database's).
bool IsBackupFileName(const QString& name)
{
    const QStringList ends{QStringLiteral(".qbk"), QStringLiteral(".qbk.part"),
                           QStringLiteral(".qbk.part-journal"), QStringLiteral(".qbk.part-wal"),
                           QStringLiteral(".qbk.part-shm")};
    return std::any_of(ends.cbegin(), ends.cend(),
                       [&](const QString& end) { return name.endsWith(end); });
}

// Quillby keeps beside its database the files named after it (its lock, the side files of
// the database), the word editor's working copy, the recordings folder and the backups
// folder. They go with a
// database that Setup made; a database Setup found there is not in the log and keeps them.
void RemoveDatabaseCompanions(const QString& folder)
{
    const QDir dir(folder);
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString& name : dir.entryList({install::DatabaseName + QLatin1Char('*')}, files))
        DeleteFileForced(dir.filePath(name));
    for (const QString& name : {QStringLiteral("Temp.wav"), QStringLiteral(".copying.part")})
        DeleteFileForced(dir.filePath(name));
    const QString recordings = dir.filePath(install::RecordingsFolderName);
    RemoveQuillbyFolder(recordings, [](const QString& name) {
        return name.endsWith(QStringLiteral(".wav")) || name == QStringLiteral(".changing") ||
               name == QStringLiteral(".copying.part");
    });
    // A restore that was cut short leaves its unpacked recordings here.
    RemoveQuillbyFolder(recordings + QStringLiteral(".restoring"), [](const QString& name) {
        return name.endsWith(QStringLiteral(".wav")) || name.endsWith(QStringLiteral(".wav.part"));
    });
    // The backups Quillby made by itself and before a restore, and what a cut-short backup or
    // restore left; a backup the parent saved there under another name keeps the folder.
    RemoveQuillbyFolder(dir.filePath(QStringLiteral("Backups")), [](const QString& name) {
        return name.startsWith(QStringLiteral("restoring.part")) ||
               (name.startsWith(QStringLiteral("Quillby-")) && IsBackupFileName(name));
    });
}

bool IsAcceptedDatabase(const QFileInfo& file)
{
    return !Globals::AcceptedInstallPath.isEmpty() && file.fileName() == install::DatabaseName
           && RealPath(file.absolutePath()) == Globals::AcceptedInstallPath;
}

// The folders of those files.
QStringList ThemeIconFolders()
{
    QStringList folders;
    for (const QString& icon : install::ThemeIconPaths())
        folders << QFileInfo(icon).absolutePath();
    return folders;
}
} // namespace

QString PicturePath(const QString& folder)
{
    const QString copy = JoinPath(folder, PictureCopyName);
    return QFileInfo::exists(copy) ? copy : JoinPath(folder, PictureName);
}

QString GetTempFolder()
{
    return QDir::tempPath();
}

void RelaunchFromTemp()
{
    const QString logCopy = JoinPath(Globals::TempPath, LogFileName);
    const bool logCopied = install::CopyReplacing(Globals::LogPath, logCopy);
    Pause(300);
    if (!logCopied) {
        MsgBox(QCoreApplication::translate("UninstallFunctions",
                                           "Unable to copy log to temp folder.") +
               CR + logCopy);
        EndProgram();
        return;
    }
    // The copy shows the same picture; without it, it falls back to a stock one.
    install::CopyReplacing(JoinPath(Globals::OwnFolder, PictureName),
                           JoinPath(Globals::TempPath, PictureCopyName));
    const QString programCopy = JoinPath(Globals::TempPath, ProgramTitle);
    const bool programCopied = install::CopyReplacing(JoinPath(Globals::OwnFolder, ProgramTitle),
                                                      programCopy);
    Pause(1000);
    if (!programCopied) {
        MsgBox(QCoreApplication::translate("UninstallFunctions",
                                           "Unable to copy uninstaller to temp folder.") +
               CR + programCopy);
        EndProgram();
        return;
    }
    StartProgram(programCopy, {Globals::StartFolder});
    EndProgram();
}

void RemoveInstallation()
{
    QFile log(Globals::LogPath);
    if (!log.open(QIODevice::ReadOnly)) {
        MsgBox(QCoreApplication::translate("UninstallFunctions", "Unable to read the install log.")
               + CR + Globals::LogPath);
        EndProgram();
        return;
    }
    if (!CheckInstallLog()) {
        EndProgram();
        return;
    }
    QStringList folders;
    while (!log.atEnd()) {
        const QString line = ReadLogLine(log);
        if (line.startsWith(InstallPathKey)) {
            // The first one names the installation; a later one is no entry at all.
            if (Globals::InstallPath.isEmpty()) {
                Globals::InstallPath = line.mid(InstallPathKey.size()).trimmed();
                RemoveInstallFolder(line);
            }
            continue;
        }
        if (line.isEmpty())
            continue;
        // What an entry is comes from the file system, not from its name.
        const QFileInfo entry(line);
        if (entry.isDir() && !entry.isSymLink()) {
            if (MayRemoveListedFolder(line))
                folders << line;
        } else if (MayDeleteListedFile(line)) {
            DeleteFileForced(line);
            if (IsAcceptedDatabase(entry))
                RemoveDatabaseCompanions(Globals::AcceptedInstallPath);
        }
    }
    log.close();
    DeleteFileForced(Globals::LogPath);
    if (!Globals::TempPath.isEmpty()) // the window's picture is shown already
        DeleteFileForced(JoinPath(Globals::TempPath, PictureCopyName));

    DoEvents();
    Pause(1000);
    DoEvents();
    Pause(1000);
    DoEvents();
    // Ten passes remove nested folders from the inside out.
    for (int pass = 0; pass < 10; ++pass) {
        for (const QString& folder : folders)
            if (IsFolderEmpty(folder))
                DeleteFolderForced(folder);
        Pause(100);
    }
    Pause(1000);
    DoEvents();
    if (QWidget* window = LoadedForm(QStringLiteral("frmMain")))
        window->hide();
    DoEvents();
    install::RestoreNormalPointer();
    MsgBox(QCoreApplication::translate("UninstallFunctions", "%1 was successfully uninstalled.")
               .arg(AppName) +
           CR + CR +
           QCoreApplication::translate("UninstallFunctions",
                                       "You may need to restart your computer before all "
                                       "changes take effect."));
    DoEvents();
    // A last look, for what a closing Quillby left: still only listed folders, when empty.
    for (const QString& folder : folders)
        if (IsFolderEmpty(folder))
            DeleteFolderForced(folder);
    RemoveSelf();
}

void RemoveInstallFolder(const QString& line)
{
    QString path = line;
    path.remove(InstallPathKey);
    path = path.trimmed();
    if (!IsStartedInstallation(path))
        return;
    // Only what the log names goes, and the folder itself only when it is then empty: what
    // was in it before Setup ran, or was put there since, is the user's.
    Globals::AcceptedInstallPath = RealPath(path);
    const QString logThere = JoinPath(Globals::AcceptedInstallPath, LogFileName);
    if (RealPath(logThere) != RealPath(Globals::LogPath))
        DeleteFileForced(logThere);
}

bool IsFolderEmpty(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                       | QDir::Hidden | QDir::System);
    // A thumbnail cache left by a file browser does not keep a folder alive. It is deleted only
    // when it is all the folder holds: a folder that stays keeps every file it has.
    if (entries == QStringList{QStringLiteral("Thumbs.db")}) {
        DeleteFileForced(JoinPath(folder, entries.first()));
        return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                    QDir::System);
    }
    return entries.isEmpty();
}

void DeleteFileForced(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() && !info.isSymLink())
        return;
    DoEvents();
    QFile::remove(path);
    DoEvents();
}

void DeleteFolderForced(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink() || IsProtectedFolder(folder))
        return;
    Pause(100);
    DoEvents();
    RemoveTree(folder);
    DoEvents();
}

bool IsFormLoaded(const QString& name)
{
    return LoadedForm(name) != nullptr;
}

QString SelfRemovalScript(const QString& ownFolder, const QString& programName,
                          const QString& tempFolder)
{
    const QString folder = ShellQuote(ownFolder + QLatin1Char('/'));
    const QString program = ShellQuote(JoinPath(ownFolder, programName));
    // Repeats the delete until the program's file is gone (it has ended by then); gives up
    // after two minutes rather than running for ever.
    return QStringLiteral("#!/bin/sh\n"
                          "tries=0\n"
                          "while :; do\n"
                          "  cd %1 || break\n"
                          "  rm -f %2\n"
                          "  [ -e %3 ] || break\n"
                          "  tries=$((tries + 1))\n"
                          "  [ \"$tries\" -lt 240 ] || break\n"
                          "  sleep 0.5\n"
                          "done\n"
                          "cd %4 && rm -f %5\n")
        .arg(folder, ShellQuote(programName), program, ShellQuote(tempFolder + QLatin1Char('/')),
             ShellQuote(ScriptName));
}

void RemoveSelf()
{
    if (QWidget* window = LoadedForm(QStringLiteral("frmMain")))
        window->close();
    const QString script = JoinPath(Globals::TempPath, ScriptName);
    QFile::remove(script);
    QSaveFile file(script);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(SelfRemovalScript(Globals::OwnFolder, ProgramTitle, Globals::TempPath).toUtf8());
        file.commit();
    }
    QFile::setPermissions(script,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    Pause(200);
    StartProgram(QStringLiteral("/bin/sh"), {script});
    EndProgram();
}

bool IsProtectedFolder(const QString& folder)
{
    if (folder.trimmed().isEmpty())
        return true;
    const QString path = RealPath(folder);
    if (path == QStringLiteral("/"))
        return true;
    for (const QString& kept : {QDir::homePath(), GetTempFolder(), Globals::TempPath}) {
        if (kept.isEmpty())
            continue;
        if (IsSameOrInside(RealPath(kept), path))
            return true;
    }
    return false;
}

QString LoggedInstallPath(const QString& logPath)
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    while (!log.atEnd()) {
        const QString line = ReadLogLine(log);
        if (!line.startsWith(InstallPathKey))
            continue;
        const QString path = line.mid(InstallPathKey.size()).trimmed();
        return QDir::isAbsolutePath(path) ? QDir::cleanPath(path) : QString();
    }
    return {};
}

bool CheckInstallLog()
{
    const QString named = LoggedInstallPath(Globals::LogPath);
    QString problem;
    if (named.isEmpty())
        problem = QCoreApplication::translate("UninstallFunctions",
                                              "The install log %1 is damaged: it does not name "
                                              "the installation folder.")
                      .arg(StartedLogPath());
    else if (RealPath(named) != RealPath(Globals::StartFolder))
        problem = QCoreApplication::translate(
                      "UninstallFunctions",
                      "The install log %1 names the folder %2, not the folder the "
                      "uninstaller was started from.")
                      .arg(StartedLogPath(), named);
    else if (!IsStartedInstallation(named))
        problem = QCoreApplication::translate("UninstallFunctions",
                                              "The folder %1 is not a Quillby installation folder.")
                      .arg(named);
    if (problem.isEmpty())
        return true;
    MsgBox(problem + CR +
           QCoreApplication::translate("UninstallFunctions", "Nothing was removed."));
    return false;
}

bool IsInstallationFolder(const QString& folder)
{
    if (!QDir::isAbsolutePath(folder))
        return false;
    const QFileInfo info(folder);
    if (!info.isDir() || info.isSymLink() || IsProtectedFolder(folder))
        return false;
    const QString real = RealPath(folder);
    if (!QFileInfo(real).fileName().endsWith(AppName))
        return false;
    return QFileInfo::exists(JoinPath(real, LogFileName)) ||
           QFileInfo::exists(JoinPath(real, ProgramTitle));
}

bool MayDeleteListedFile(const QString& path)
{
    if (!QDir::isAbsolutePath(path))
        return false;
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return false;
    const QString accepted = Globals::AcceptedInstallPath;
    // A shortcut goes only while it still starts this installation; one that another
    // installation wrote over it since is that installation's.
    if (install::IsShortcutName(info.fileName()))
        return LiesInShortcutFolder(info)
               && (install::ShortcutBelongsTo(path, Globals::InstallPath)
                   || (!accepted.isEmpty() && install::ShortcutBelongsTo(path, accepted)));
    if (IsThemeIconFile(info))
        return true;
    return !accepted.isEmpty() && IsSameOrInside(RealPath(info.absolutePath()), accepted);
}

bool MayRemoveListedFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!QDir::isAbsolutePath(folder) || !info.isDir() || info.isSymLink() ||
        IsProtectedFolder(folder))
        return false;
    // Setup makes folders only on the way to the installation folder, to the folders it puts
    // shortcuts into and to those of the theme icon files, and the plugins folder inside the
    // installation.
    QStringList madeFor = install::ShortcutFolders() + ThemeIconFolders();
    const QString real = RealPath(folder);
    if (!Globals::AcceptedInstallPath.isEmpty()) {
        if (real == JoinPath(Globals::AcceptedInstallPath, install::PluginsFolderName))
            return true;
        madeFor << Globals::AcceptedInstallPath;
    }
    return std::any_of(madeFor.cbegin(), madeFor.cend(),
                       [&](const QString& end) { return IsSameOrInside(RealPath(end), real); });
}

void EndProgram()
{
    ProgramEnd().End([] {
        if (QWidget* window = LoadedForm(QStringLiteral("frmMain")))
            window->close();
    });
}

bool ProgramEnded() { return ProgramEnd().Ended(); }
void ResetProgramEnded() { ProgramEnd().Reset(); }
void SetEndProgramHook(std::function<void()> hook) { ProgramEnd().SetHook(std::move(hook)); }

bool StartProgram(const QString& program, const QStringList& arguments)
{
    if (StartOverride())
        return StartOverride()(program, arguments);
    return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

void SetStartProgramHook(StartHook hook) { StartOverride() = std::move(hook); }

} // namespace uninstaller
