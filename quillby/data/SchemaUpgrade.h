#pragma once

#include <functional>
#include <string>

struct sqlite3;

// Brings a database made by an older Quillby up to the current schema when it opens: adds
// the columns that are missing (OPTIONS.SPEAK_WORDS, on for an existing settings row;
// TESTS.PRACTICE_OF, NULL: every stored test is a test of its whole list; TESTS.UNFINISHED,
// NULL: every stored test ended). Never drops or rewrites a row. A file where
// OPTIONS.SPEAK_WORDS cannot be added keeps its old shape (readers treat it as on); false when
// a column of TESTS is missing and cannot be added, since the statements that count tests
// need them.
bool AddMissingColumns(sqlite3* db);

// Gives a file that lacks them the tallies of stored answers (tables, their index and the
// triggers that keep them), counted from its rows. The count reads the answers through their
// covering indexes a bounded step at a time and commits each step, so that it needs little
// memory and a program killed meanwhile loses one step at most: the next opening goes on
// from there (the step reached is kept in TALLY_COUNT_PROGRESS until the count is done; the
// triggers are made last). False when they cannot be made; the past tests and a list's
// hardest words are read from them. counted, when given, tells whether a count ran: its
// steps are committed without waiting for the disk, and the log they left is the caller's to
// move into the file.
bool AddMissingTallies(sqlite3* db, std::string& error, bool* counted = nullptr);

// The table of each whole-list test's first tries, in the order of its list's tests (the
// scores of a list's past tests are read from its index alone).
inline constexpr const char* kFirstTriesTable = "LIST_FIRST_TRIES";

// Gives a file that lacks it (or any of its indexes and triggers) that table, filled from the
// tests' tallies (AddMissingTallies first), in one transaction: one row per whole-list test,
// never a row of the tests or answers changed. False, with the error, when it cannot be made.
bool AddMissingFirstTries(sqlite3* db, std::string& error);

// The table that holds how many rows LISTS has, kept by triggers on LISTS.
inline constexpr const char* kListTotalTable = "LIST_TOTAL";

// Gives a file that lacks it (or one of its triggers) that table, counted from LISTS, in one
// transaction; never a list changed. False, with the error, when it cannot be made.
bool AddMissingListTotal(sqlite3* db, std::string& error);

// True when the database file at path (UTF-8) has its tallies still to count, as
// AddMissingTallies will at its opening; read only, without changing the file. False when it
// cannot be read: its opening then says why.
bool TalliesToCount(const std::string& path);

// Told how far the count of the tallies has come, in thousandths: 0 before the first step,
// 1000 when it is done; never called when a file already has its tallies. One listener.
using TallyCountListener = std::function<void(int perMille)>;
void SetTallyCountListener(TallyCountListener listener);

// The tests or answers one step of the count takes and commits; 0 for the usual (many
// thousands). Small steps let a small file be counted in several.
void SetTallyCountStep(int rows);

// Makes the tables of the schema that stand on their own (the windows' places) where a file
// lacks them, empty. A file where they cannot be made still opens: they only hold comforts.
void AddMissingTables(sqlite3* db);
