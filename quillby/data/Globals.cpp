#include "Globals.h"

#include "Connection.h"

#include <QDir>

namespace Globals {
Connection& DbConnection()
{
    static Connection connection;
    return connection;
}
QString AppPath;
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
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + folder +
           QStringLiteral("/Quillby.mdb;");
}

void InitApplication(const QString& appFolder)
{
    // The paths come first so that they are set even when the database fails to open.
    Globals::AppPath = appFolder;
    Globals::WavPath = appFolder + QStringLiteral("/Wavs");
    if (!QDir(Globals::WavPath).exists())
        QDir().mkpath(Globals::WavPath); // failing leaves recording unavailable, nothing more
    Globals::CorrectSoundPath = appFolder + QStringLiteral("/Sound_Correct.wav");
    Globals::IncorrectSoundPath = appFolder + QStringLiteral("/Sound_Incorrect.wav");
    Globals::DbConnection().Open(ConnectionStringFor(appFolder));
}
