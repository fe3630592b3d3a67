#include "Globals.h"

#include "Connection.h"
#include "RunningTests.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Globals {
Connection& DbConnection()
{
    static Connection connection;
    return connection;
}
QString AppPath;
QString DataPath;
QString ChildDataPath;
QString WavPath;
QString CorrectSoundPath;
QString IncorrectSoundPath;
int32_t MessageTime = 6;
bool SkipTestSetup = false;
bool PromptToDeleteLists = true;
int32_t SelectedListID = 0;
bool NewListCreated = false;
} // namespace Globals

QString ConnectionStringFor(const QString& folder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
           Connection::QuoteValue(folder + QStringLiteral("/Quillby.mdb")) + QLatin1Char(';');
}

QString UserDataHome()
{
    // The XDG rules make a relative path invalid, to be ignored: it would name a different
    // folder from every working folder the program is started in.
    const QString set = qEnvironmentVariable("XDG_DATA_HOME");
    if (!set.isEmpty() && QDir::isAbsolutePath(set))
        return QDir::cleanPath(set);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString DataFolderFor(const QString& appFolder)
{
    // A folder the package manager owns (under /usr) is never a home for data, even for root,
    // who may write there: the next upgrade would replace the database.
    const bool packaged = QFileInfo(appFolder).canonicalFilePath().startsWith(QStringLiteral("/usr/"));
    if (!packaged && QFileInfo(appFolder).isWritable())
        return appFolder;
    const QString folder = UserDataHome() + QStringLiteral("/Quillby");
    QDir().mkpath(folder);
    const QString database = folder + QStringLiteral("/Quillby.mdb");
    // Copied beside under a temporary name and renamed, so an interrupted first start never
    // leaves a half-copied database that later starts would take for a real one.
    if (!QFileInfo::exists(database)) {
        const QString part = database + QStringLiteral(".part");
        QFile::remove(part);
        if (QFile::copy(appFolder + QStringLiteral("/Quillby.mdb"), part)) {
            QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner);
            if (!QFile::rename(part, database))
                QFile::remove(part);
        }
    }
    return folder;
}

void InitApplication(const QString& appFolder)
{
    // The paths come first so that they are set even when the database fails to open.
    Globals::AppPath = appFolder;
    Globals::DataPath = Globals::ChildDataPath.isEmpty() ? DataFolderFor(appFolder)
                                                         : Globals::ChildDataPath;
    Globals::WavPath = Globals::DataPath + QStringLiteral("/Wavs");
    if (!QDir(Globals::WavPath).exists())
        QDir().mkpath(Globals::WavPath); // failing leaves recording unavailable, nothing more
    Globals::CorrectSoundPath = appFolder + QStringLiteral("/Sound_Correct.wav");
    Globals::IncorrectSoundPath = appFolder + QStringLiteral("/Sound_Incorrect.wav");
    Globals::DbConnection().Open(ConnectionStringFor(Globals::DataPath));
    PrepareRunningTests(Globals::DbConnection());
}
