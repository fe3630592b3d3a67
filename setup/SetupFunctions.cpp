#include "SetupFunctions.h"

#include "MsgBox.h"
#include "frmTestADO.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWidget>
#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace setup {

namespace {
install::RunEnd& InstallerEnd()
{
    static install::RunEnd end;
    return end;
}

QString DataHome()
{
    return install::UserDataFolder();
}

// The applications folder shared by all users, offered only where this user may write.
QString SystemApplicationsFolder()
{
    const QFileInfo info(install::SharedMenuFolder());
    return info.isDir() && info.isWritable() ? info.absoluteFilePath() : QString();
}

// Escapes a value of a desktop entry (string type): backslash and line breaks, and a leading
// blank, which a reader would drop.
QString EscapeEntryValue(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\\')) out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t')) out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r')) out += QStringLiteral("\\r");
        else out += c;
    }
    if (out.startsWith(QLatin1Char(' ')))
        out.replace(0, 1, QStringLiteral("\\s"));
    return out;
}

// One argument of an Exec line: quoted, with the characters that quoting reserves escaped,
// then escaped as a string value; a percent sign is doubled so it is no field code.
QString ExecArgument(const QString& path)
{
    QString quoted;
    for (QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return EscapeEntryValue(QLatin1Char('"') + quoted + QLatin1Char('"'))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
}
} // namespace

void SetSetupFolder(const QString& folder)
{
    Globals::SetupFolder = install::WithoutTrailingSeparator(QDir::cleanPath(folder));
    Globals::SupportPath = Globals::SetupFolder + QStringLiteral("/Support");
}

QString GetSpecialFolder(int folderNumber)
{
    QString path;
    switch (folderNumber) {
    case 38:
        path = geteuid() == 0 ? QStringLiteral("/opt") : DataHome();
        break;
    case 0:
        path = install::DesktopFolder();
        break;
    case 2:
        path = install::UserMenuFolder();
        break;
    case 23:
        path = SystemApplicationsFolder();
        break;
    default: // 37 system folder, 25 all-users desktop: none here
        break;
    }
    return install::WithoutTrailingSeparator(path);
}

namespace {
// Creates each missing folder of the path for this user alone, as the base-directory rules
// ask of a program that is about to write there. Each one made is recorded, so that an
// installer that ends without installing, and the uninstaller, take it back when empty.
void CreateUserFolder(const QString& path)
{
    if (!QDir::isAbsolutePath(path))
        return;
    const QStringList pieces = QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString prefix;
    for (const QString& piece : pieces) {
        prefix += QLatin1Char('/') + piece;
        const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner;
        if (!QFileInfo(prefix).isDir() && QDir().mkdir(prefix, ownerOnly))
            AddInstalledItem(prefix, ItemKind::Folder, true);
    }
}

void CreateUserFolders()
{
    // The data folder holds the installation and the applications menu; the desktop folder
    // is the one the user's folder settings name.
    CreateUserFolder(DataHome());
    CreateUserFolder(GetSpecialFolder(2));
    CreateUserFolder(GetSpecialFolder(0));
}
} // namespace

void ResolveSpecialFolders()
{
    CreateUserFolders();
    Globals::SystemPath = GetSpecialFolder(37);
    Globals::ProgramFilesPath = GetSpecialFolder(38);
    Globals::DesktopPath = GetSpecialFolder(0);
    Globals::ProgramsMenuPath = GetSpecialFolder(2);
    Globals::CommonDesktopPath = GetSpecialFolder(25);
    Globals::CommonProgramsMenuPath = GetSpecialFolder(23);
}

bool EnsureFileSystemComponent()
{
    // QFile and QDir serve every file operation; there is nothing to copy or register.
    return true;
}

bool CheckWriteRights()
{
    const QString path = Globals::SetupFolder + QStringLiteral("/testrights.txt");
    DoEvents();
    bool ok = false;
    {
        QFile file(path);
        ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
             && file.write("TESTING\n") == 8;
        file.close();
    }
    DoEvents();
    ok = QFile::remove(path) && ok;
    if (ok)
        return true;

    const QString cr = QStringLiteral("\r");
    MsgBox(QCoreApplication::translate("SetupFunctions", "Invalid Installation Scenerio.") + cr +
               cr +
               QCoreApplication::translate(
                   "SetupFunctions",
                   "If you are attempting to perform this installation from a CD or other "
                   "write-protected drive, please move the installation package to the root folder "
                   "of the computer.  This is usually the C:\\") +
               cr + cr +
               QCoreApplication::translate("SetupFunctions",
                                           "If the package is already on the local drive, make "
                                           "sure your computer administrator "
                                           "has given you rights to create, edit, and delete "
                                           "files, as well as install programs "
                                           "and register .dll and .ocx files"),
           MsgButtons::OK);
    EndInstaller();
    return false;
}

bool RunDataAccessCheck()
{
    frmTestADO check;
    check.exec();
    return !InstallerEnded();
}

void AddInstalledItem(const QString& item, ItemKind kind, bool made)
{
    Globals::InstalledItems.append({item, kind, made});
}

bool CanWriteInto(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.Setup-XXXXXX"));
    return QFileInfo(folder).isDir() && probe.open() && probe.write("TESTING\n") == 8 &&
           probe.flush();
}

QString NearestExistingPath(const QString& path)
{
    QString at = QDir::cleanPath(QDir(Globals::SetupFolder).absoluteFilePath(path));
    while (!QFileInfo::exists(at)) {
        const QString above = QFileInfo(at).absolutePath();
        if (above == at)
            return {};
        at = above;
    }
    return at;
}

bool HoldsOtherContent(const QString& folder)
{
    const QDir dir(folder);
    return !QFileInfo(InstallLogPath(folder)).isFile()
           && !dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

void RemoveItemsMadeSince(int first)
{
    QList<InstalledItem>& items = Globals::InstalledItems;
    for (qsizetype i = items.size() - 1; i >= qMax(first, 0); --i) {
        if (!items[i].Made)
            continue;
        if (items[i].Kind == ItemKind::Folder)
            QDir().rmdir(items[i].Path);
        else
            QFile::remove(items[i].Path);
        items.removeAt(i);
    }
}

bool CreateFolderPath(const QString& path)
{
    if (path.isEmpty())
        return true;
    const QString clean = QDir::cleanPath(QDir(Globals::SetupFolder).absoluteFilePath(path));
    const QStringList pieces = clean.split(QLatin1Char('/'));
    QString prefix;
    for (int i = 0; i < pieces.size(); ++i) {
        prefix = i == 0 ? pieces[0] : prefix + QLatin1Char('/') + pieces[i];
        if (prefix.isEmpty() || QFileInfo(prefix).isDir())
            continue;
        if (!QDir().mkdir(prefix))
            return false;
        AddInstalledItem(prefix, ItemKind::Folder, true);
    }
    return true;
}

QString DesktopEntryText(const QString& name, const QString& description,
                         const QString& targetPath, const QString& iconLocation,
                         const QString& workingFolder)
{
    QString text = QStringLiteral("[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Version=1.0\n");
    text += QStringLiteral("Name=") + EscapeEntryValue(name) + QLatin1Char('\n');
    if (!description.isEmpty() && description != name)
        text += QStringLiteral("Comment=") + EscapeEntryValue(description) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + ExecArgument(targetPath) + QLatin1Char('\n');
    text += QStringLiteral("Icon=") + EscapeEntryValue(iconLocation) + QLatin1Char('\n');
    text += QStringLiteral("Path=") + EscapeEntryValue(workingFolder) + QLatin1Char('\n');
    // Our programs name their windows' class after their file, so the desktop can match the
    // running program's windows to this launcher.
    text += QStringLiteral("StartupWMClass=") + EscapeEntryValue(QFileInfo(targetPath).fileName())
            + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\n"
                           "Categories=Education;\n");
    return text;
}

bool MakeShortcut(QString linkPath, const QString& description, const QString& targetPath,
                  const QString& iconLocation, const QString& workingFolder)
{
    if (!linkPath.toLower().endsWith(QStringLiteral(".desktop")))
        linkPath += QStringLiteral(".desktop");
    const QString name = QFileInfo(linkPath).completeBaseName();
    const QString icon = iconLocation.isEmpty() ? targetPath : iconLocation;
    // A program file cannot be a working folder: without one, the program's own folder is.
    const QString folder = workingFolder.isEmpty() ? QFileInfo(targetPath).absolutePath()
                                                   : workingFolder;
    QSaveFile file(linkPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(DesktopEntryText(name, description, targetPath, icon, folder).toUtf8());
    if (!file.commit())
        return false;
    // File managers start a desktop shortcut only when it is marked executable.
    QFile::setPermissions(linkPath, QFile::permissions(linkPath) | QFileDevice::ExeOwner
                                        | QFileDevice::ExeGroup | QFileDevice::ExeOther);
    return true;
}

void DeleteFileQuietly(const QString& path)
{
    QFile::remove(path);
}

QStringList EarlierLogLines()
{
    QFile file(InstallLogPath(Globals::InstallPath));
    QStringList lines;
    if (file.open(QIODevice::ReadOnly))
        while (!file.atEnd())
            lines << QString::fromUtf8(file.readLine()).trimmed();
    return lines;
}

namespace {

// Copies one theme icon file; a file already there is replaced only when it is our own.
bool InstallThemeIconFile(const QString& source, const QString& target, const QStringList& ours)
{
    const QFileInfo existing(target);
    const bool existed = existing.exists() || existing.isSymLink();
    if ((existed && !ours.contains(target)) || !CreateFolderPath(existing.absolutePath())
        || !install::CopyReplacing(source, target))
        return false;
    AddInstalledItem(target, ItemKind::File, !existed);
    return true;
}
} // namespace

bool InstallThemeIcons(const QString& dataFolder)
{
    if (dataFolder.isEmpty())
        return false;
    const QString theme = install::IconThemeFolder(dataFolder);
    const QString shipped = Globals::SupportPath + QStringLiteral("/icons/hicolor/");
    const QStringList ours = EarlierLogLines();
    const int first = int(Globals::InstalledItems.size());
    for (const QString& file : install::ThemeIconFiles()) {
        if (!InstallThemeIconFile(shipped + file, theme + QLatin1Char('/') + file, ours)) {
            RemoveItemsMadeSince(first);
            return false;
        }
    }
    // A newer theme folder tells the desktop that a cached index of it is out of date.
    utimensat(AT_FDCWD, QFile::encodeName(theme).constData(), nullptr, 0);
    return true;
}

QString InstallLogPath(const QString& installFolder)
{
    return installFolder + QLatin1Char('/') + LogFileName;
}

QStringList InstallLogLines()
{
    QStringList lines{install::InstallPathKey + Globals::InstallPath};
    for (ItemKind kind : {ItemKind::File, ItemKind::Shortcut, ItemKind::Folder})
        for (const InstalledItem& item : Globals::InstalledItems)
            if (item.Kind == kind && !item.Path.isEmpty())
                lines << item.Path;
    return lines;
}

namespace {
bool IsListed(const QString& path)
{
    return std::any_of(Globals::InstalledItems.cbegin(), Globals::InstalledItems.cend(),
                       [&](const InstalledItem& item) { return item.Path == path; });
}

// What an entry of an earlier log still is, when it still belongs to this installation: a
// folder that still exists, a shortcut that still starts this installation, or one of the
// theme icon files.
std::optional<ItemKind> EarlierItemKind(const QString& line)
{
    const QFileInfo entry(line);
    if (line.startsWith(install::InstallPathKey) || !entry.isAbsolute() || entry.isSymLink())
        return std::nullopt;
    if (entry.isDir())
        return ItemKind::Folder;
    if (install::IsShortcutName(entry.fileName()) &&
        install::ShortcutBelongsTo(line, Globals::InstallPath))
        return ItemKind::Shortcut;
    if (entry.isFile() && install::ThemeIconPaths().contains(QDir::cleanPath(line)))
        return ItemKind::File;
    return std::nullopt;
}

// A reinstallation may make fewer folders and shortcuts than an earlier run into the same
// folder, yet what that run made is still part of the installation: it stays listed, first,
// so that the uninstaller removes it. The log keeps its format.
void CarryOverEarlierItems(const QString& earlierLog)
{
    QFile file(earlierLog);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QList<InstalledItem> earlier;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const std::optional<ItemKind> kind = EarlierItemKind(line);
        if (kind && !IsListed(line))
            earlier.append({line, *kind});
    }
    Globals::InstalledItems = earlier + Globals::InstalledItems;
}
} // namespace

bool WriteInstallLog()
{
    const QString path = InstallLogPath(Globals::InstallPath);
    CarryOverEarlierItems(path);
    // The new log takes the place of an earlier one only once it is complete: a failed write
    // keeps the log of the installation that is still there.
    if (QFileInfo(path).isSymLink())
        DeleteFileQuietly(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : InstallLogLines())
        file.write((line + QStringLiteral("\r\n")).toUtf8());
    Globals::InstallLogWritten = file.commit();
    return Globals::InstallLogWritten;
}

bool StartProgram(const QString& path)
{
    qint64 pid = 0;
    const bool started = QProcess::startDetached(path, {}, QFileInfo(path).absolutePath(), &pid);
    Globals::StartedProgramPid = started ? pid : 0;
    return started;
}

void EndInstaller()
{
    // What no log names could never be uninstalled: an installer that ends without having
    // written its log takes back what it made, such as the folders of a fresh account.
    if (!Globals::InstallLogWritten)
        RemoveItemsMadeSince(0);
    InstallerEnd().End([] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName().startsWith(QStringLiteral("frm")))
                window->close();
    });
}

bool InstallerEnded() { return InstallerEnd().Ended(); }
void SetEndInstallerHook(std::function<void()> hook) { InstallerEnd().SetHook(std::move(hook)); }
void ResetInstallerEnded() { InstallerEnd().Reset(); }

void EndIfClosedByUser(QCloseEvent* event)
{
    if (event->spontaneous() && !InstallerEnded())
        EndInstaller();
}

} // namespace setup
