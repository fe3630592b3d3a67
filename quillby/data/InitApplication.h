#pragma once
#include <QString>

// Opens the connection and prepares the paths for an application folder. Unlike the rest of
// the start-up, a database that cannot be opened is reported: throws DbError naming the file.
// Creates the Wavs folder when missing (a failure there only leaves recording unavailable).
void InitApplication(const QString& appFolder);

// Opens the program's connection again on the data folder's database (after a restore has
// replaced its contents). Throws DbError as InitApplication does.
void ReopenProgramDatabase();
