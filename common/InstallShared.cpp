#include "InstallShared.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace install {

void RunEnd::End(const std::function<void()>& closeWindows)
{
    m_Ended = true;
    if (closeWindows)
        closeWindows();
    if (m_Hook)
        m_Hook();
}

QString WithoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

bool CopyReplacing(const QString& from, const QString& to)
{
    QFile source(from);
    if (!QFileInfo(from).isFile() || !source.open(QIODevice::ReadOnly))
        return false;
    if (QFileInfo(to).isSymLink()) // the link goes, not the file it leads to
        QFile::remove(to);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray block = source.read(1 << 20);
        if (block.isEmpty() || target.write(block) != block.size()) {
            target.cancelWriting();
            break;
        }
    }
    if (!target.commit())
        return false;
    return QFile::setPermissions(to, source.permissions());
}

QString UserMenuFolder()
{
    const QString data = UserDataFolder();
    return data.isEmpty() ? QString() : data + QStringLiteral("/applications");
}

QString SharedMenuFolder()
{
    return QStringLiteral("/usr/share/applications");
}

QString DesktopFolder()
{
    return WithoutTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

QString MenuEntriesFolder(const QString& menuFolder)
{
    return menuFolder + QLatin1Char('/') + AppName;
}

QStringList ShortcutFolders()
{
    QStringList folders;
    for (const QString& menu : {UserMenuFolder(), SharedMenuFolder()})
        if (!menu.isEmpty())
            folders << MenuEntriesFolder(menu);
    if (!DesktopFolder().isEmpty())
        folders << DesktopFolder();
    return folders;
}

QString UserDataFolder()
{
    // A relative XDG_DATA_HOME is invalid by the XDG rules and ignored, as Quillby ignores it:
    // Setup must suggest the folder where Quillby will look for its data.
    const QString set = qEnvironmentVariable("XDG_DATA_HOME");
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return WithoutTrailingSeparator(QDir::cleanPath(set));
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString SharedDataFolder()
{
    return QStringLiteral("/usr/local/share");
}

QString IconThemeFolder(const QString& dataFolder)
{
    return dataFolder + QStringLiteral("/icons/hicolor");
}

QStringList ThemeIconFiles()
{
    QStringList files;
    for (int size : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("%1x%1/apps/").arg(size) + ThemeIconName + QStringLiteral(".png");
    files << QStringLiteral("scalable/apps/") + ThemeIconName + QStringLiteral(".svg");
    return files;
}

QStringList ThemeIconPaths()
{
    QStringList paths;
    for (const QString& data : {UserDataFolder(), SharedDataFolder()})
        if (!data.isEmpty())
            for (const QString& file : ThemeIconFiles())
                paths << IconThemeFolder(data) + QLatin1Char('/') + file;
    return paths;
}

bool IsShortcutName(const QString& fileName)
{
    return fileName == MainLinkName || fileName == UninstallLinkName;
}

namespace {
// The value of a desktop entry key with its escapes (\s \n \t \r \\) undone.
QString UnescapeEntryValue(const QString& value)
{
    QString out;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        out += next == QLatin1Char('s')   ? QChar(QLatin1Char(' '))
               : next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
               : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
               : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                          : next;
    }
    return out;
}
} // namespace

QString ShortcutFolder(const QString& linkPath)
{
    const QFileInfo info(linkPath);
    QFile file(linkPath);
    // A shortcut is a small regular file; anything else names no folder.
    if (!info.isFile() || info.isSymLink() || info.size() > 64 * 1024 ||
        !file.open(QIODevice::ReadOnly))
        return {};
    const QString key = QStringLiteral("Path=");
    for (QString line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(key))
            return UnescapeEntryValue(line.mid(key.size()));
    }
    return {};
}

bool ShortcutBelongsTo(const QString& linkPath, const QString& folder)
{
    const QString named = ShortcutFolder(linkPath);
    return !named.isEmpty() && !folder.isEmpty() &&
           WithoutTrailingSeparator(QDir::cleanPath(named)) ==
               WithoutTrailingSeparator(QDir::cleanPath(folder));
}

void DoEvents()
{
    QCoreApplication::processEvents();
}

QWidget* LoadedForm(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName().toUpper() == name.toUpper())
            return window;
    return nullptr;
}

void RestoreNormalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace install
