#include "Globals.h"

#include "Connection.h"

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
} // namespace Globals
