#include "DbMaker.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sqlite3.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {
bool ReadText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

bool RunSchema(const std::string& dbPath, const std::string& schema, std::string& error)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                             nullptr);
    char* message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, ("BEGIN;" + schema + ";COMMIT;").c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK)
        error = message ? message : (db ? sqlite3_errmsg(db) : "cannot create the file");
    sqlite3_free(message);
    if (sqlite3_close(db) != SQLITE_OK && error.empty())
        error = "cannot close the file";
    return error.empty();
}
} // namespace

MakeResult MakeDatabaseFile(const std::string& schemaPath, const std::string& dbPath,
                            std::string& error)
{
    error.clear();
    std::error_code ec;
    if (fs::exists(dbPath, ec))
        return MakeResult::KeptExisting;
    std::string schema;
    if (!ReadText(schemaPath, schema)) {
        error = "cannot read the schema " + schemaPath;
        return MakeResult::Failed;
    }
    const fs::path target(dbPath);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const std::string partial = dbPath + ".partial";
    fs::remove(partial, ec);
    if (!RunSchema(partial, schema, error)) {
        fs::remove(partial, ec);
        error = dbPath + ": " + error;
        return MakeResult::Failed;
    }
    // A file that appeared meanwhile still wins; ours is dropped.
    if (fs::exists(dbPath, ec)) {
        fs::remove(partial, ec);
        return MakeResult::KeptExisting;
    }
    fs::rename(partial, dbPath, ec);
    if (ec) {
        error = dbPath + ": " + ec.message();
        fs::remove(partial, ec);
        return MakeResult::Failed;
    }
    return MakeResult::Created;
}

const char* const kShapeBeforeTalliesSql =
    "DROP TRIGGER TESTS_TALLY_ADD; DROP TRIGGER TESTS_TALLY_REMOVE;"
    " DROP TRIGGER TESTS_TALLY_CHANGE; DROP TRIGGER WORD_ATTEMPTS_TALLY_ADD;"
    " DROP TRIGGER WORD_ATTEMPTS_TALLY_REMOVE; DROP TRIGGER WORD_ATTEMPTS_TALLY_CHANGE;"
    " DROP TABLE TEST_TALLIES; DROP TABLE WORD_TALLIES; DROP TABLE GUESS_TALLIES;"
    " DROP TRIGGER TESTS_FIRST_TRIES_ADD; DROP TRIGGER TESTS_FIRST_TRIES_REMOVE;"
    " DROP TRIGGER TESTS_FIRST_TRIES_CHANGE; DROP TRIGGER WORD_ATTEMPTS_FIRST_TRIES_ADD;"
    " DROP TRIGGER WORD_ATTEMPTS_FIRST_TRIES_REMOVE;"
    " DROP TRIGGER WORD_ATTEMPTS_FIRST_TRIES_CHANGE; DROP TABLE LIST_FIRST_TRIES;"
    " DROP TRIGGER LISTS_TOTAL_ADD; DROP TRIGGER LISTS_TOTAL_REMOVE; DROP TABLE LIST_TOTAL;";
