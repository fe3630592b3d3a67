#pragma once
#include <QString>
#include <cstdint>

class Connection;

// Process-wide state of the main program. Set at start-up (InitApplication,
// LoadGeneralOptions) as stated beside each name.
namespace Globals {
Connection& DbConnection();         // the one connection, open for the whole run
extern QString AppPath;             // folder of the running program, no trailing separator
extern QString DataPath;            // folder of the database and the recordings (DataFolderFor)
extern QString ChildDataPath;       // the chosen child's folder; "" for DataFolderFor's
extern QString WavPath;             // DataPath + "/Wavs": the word recordings
extern QString CorrectSoundPath;    // AppPath + "/Sound_Correct.wav"
extern QString IncorrectSoundPath;  // AppPath + "/Sound_Incorrect.wav"
extern int32_t MessageTime;         // temporary-message lifetime in half-seconds
extern bool SkipTestSetup;
extern bool PromptToDeleteLists;
} // namespace Globals
