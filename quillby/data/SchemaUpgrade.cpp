#include "SchemaUpgrade.h"

#include <sqlite3.h>
#include <string>

namespace {

bool HasColumn(sqlite3* db, const char* table, const char* column)
{
    const std::string sql = std::string("PRAGMA table_info(") + table + ")";
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (!found && sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
            found = name && sqlite3_stricmp(name, column) == 0;
        }
    }
    sqlite3_finalize(stmt);
    return found;
}

} // namespace

bool AddMissingColumns(sqlite3* db)
{
    // Adding a column with a constant default fills every existing row with it at once.
    if (!HasColumn(db, "OPTIONS", "SPEAK_WORDS"))
        sqlite3_exec(db,
                     "ALTER TABLE OPTIONS ADD COLUMN SPEAK_WORDS TEXT COLLATE NOCASE DEFAULT 'TRUE'",
                     nullptr, nullptr, nullptr);
    // Every statement that counts a list's tests names this column: the file must have it.
    if (!HasColumn(db, "TESTS", "PRACTICE_OF") &&
        sqlite3_exec(db, "ALTER TABLE TESTS ADD COLUMN PRACTICE_OF INTEGER", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return false;
    return true;
}
