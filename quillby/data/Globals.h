#pragma once
#include <QString>
#include <cstdint>

class Connection;

// Process-wide state of the main program. Set at start-up (InitApplication,
// LoadGeneralOptions) and by the windows as stated beside each name.
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
extern int32_t SelectedListID;      // the list the editor, tests and results act on
extern bool NewListCreated;         // set by the new-list window
} // namespace Globals

// The connection string of the database in a folder:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<folder>/Quillby.mdb;", the path quoted when
// it holds a ';' or a quote, or begins or ends with a blank (Connection::QuoteValue).
QString ConnectionStringFor(const QString& folder);

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString UserDataHome();

// Where the database, its lock and the recordings live for a program in appFolder: appFolder
// itself when the program may write there (a per-user installation) and the folder is not
// one the package manager owns (under /usr), else the user's own
// $XDG_DATA_HOME/Quillby (a shared installation), made on first use with a copy of the shipped
// empty database. An existing database is never overwritten.
QString DataFolderFor(const QString& appFolder);

// Opens the connection and prepares the paths for an application folder. Unlike the rest of
// the start-up, a database that cannot be opened is reported: throws DbError naming the file.
// Creates the Wavs folder when missing (a failure there only leaves recording unavailable).
void InitApplication(const QString& appFolder);
