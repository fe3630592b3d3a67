#pragma once
#include <string>

// Makes an empty Quillby database file from the schema text. Shared by the build tool that
// makes the shipped Quillby.mdb and by the tests that need a fresh database.
enum class MakeResult { Created, KeptExisting, Failed };

// Creates dbPath from the statements in the file schemaPath. An existing file at dbPath is
// never touched (a user's lists must survive a rebuild): the result is then KeptExisting.
// The file appears complete or not at all (written beside it, then renamed).
// On failure, error says why.
// The statements that take a file back to the shape Quillby wrote before the answer tallies
// (no tally, first-try or list-total tables, no triggers keeping them), for tests and benchmarks
// of old files.
extern const char* const kShapeBeforeTalliesSql;

MakeResult MakeDatabaseFile(const std::string& schemaPath, const std::string& dbPath,
                            std::string& error);
