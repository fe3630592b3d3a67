#include "InitApplication.h"

#include "Connection.h"
#include "DataFolder.h"
#include "Globals.h"
#include "RunningTests.h"
#include "SchemaUpgrade.h"

#include <QDir>

namespace {
QString DataFolderOf(const QString& appFolder)
{
    return Globals::ChildDataPath.isEmpty() ? DataFolderFor(appFolder) : Globals::ChildDataPath;
}
} // namespace

void InitApplication(const QString& appFolder)
{
    // The paths come first so that they are set even when the database fails to open.
    Globals::AppPath = appFolder;
    Globals::DataPath = DataFolderOf(appFolder);
    Globals::WavPath = Globals::DataPath + QStringLiteral("/Wavs");
    if (!QDir(Globals::WavPath).exists())
        QDir().mkpath(Globals::WavPath); // failing leaves recording unavailable, nothing more
    Globals::CorrectSoundPath = appFolder + QStringLiteral("/Sound_Correct.wav");
    Globals::IncorrectSoundPath = appFolder + QStringLiteral("/Sound_Incorrect.wav");
    Globals::DbConnection().Open(ConnectionStringFor(Globals::DataPath));
    PrepareRunningTests(Globals::DbConnection());
}

void ReopenProgramDatabase()
{
    Globals::DbConnection().Open(ConnectionStringFor(Globals::DataPath));
}

bool TallyCountAhead(const QString& appFolder)
{
    const QString path = Connection::DataSource(ConnectionStringFor(DataFolderOf(appFolder)));
    return !path.isEmpty() && TalliesToCount(path.toUtf8().toStdString());
}
