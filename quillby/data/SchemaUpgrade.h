#pragma once

struct sqlite3;

// Brings a database made by an older Quillby up to the current schema when it opens: adds
// the columns that are missing (OPTIONS.SPEAK_WORDS, on for an existing settings row). Never
// drops or rewrites a row. A file that cannot be changed (locked, read-only) keeps its old
// shape: readers treat a missing column as its default.
void AddMissingColumns(sqlite3* db);
