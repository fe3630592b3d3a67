#pragma once
#include <QString>

// Opens the connection and prepares the paths for an application folder. Unlike the rest of
// the start-up, a database that cannot be opened is reported: throws DbError naming the file.
// Creates the Wavs folder when missing (a failure there only leaves recording unavailable).
void InitApplication(const QString& appFolder);

// True when the database InitApplication is about to open has its answer tallies still to
// count (a file made before them, or a count left under way), read without changing it: the
// program can say so before the rest of its start-up.
bool TallyCountAhead(const QString& appFolder);

// Opens the program's connection again on the data folder's database (after a restore has
// replaced its contents). Throws DbError as InitApplication does.
void ReopenProgramDatabase();
