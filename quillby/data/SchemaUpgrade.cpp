#include "SchemaUpgrade.h"

#include "SchemaText.h"

#include <regex>
#include <sqlite3.h>
#include <string>
#include <vector>

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

bool Exists(sqlite3* db, const std::string& name)
{
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM sqlite_master WHERE name = ? COLLATE NOCASE", -1,
                           &stmt, nullptr) == SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        found = sqlite3_step(stmt) == SQLITE_ROW;
    }
    sqlite3_finalize(stmt);
    return found;
}

// The statements of the schema, comments left out, each whole (a trigger with its body).
std::vector<std::string> SchemaStatements()
{
    const std::string text =
        std::regex_replace(std::string(kQuillbySchemaText), std::regex("--[^\n]*"), "");
    std::vector<std::string> statements;
    std::string current;
    for (const char c : text) {
        current += c;
        if (c == ';' && sqlite3_complete(current.c_str())) {
            statements.push_back(current);
            current.clear();
        }
    }
    return statements;
}

struct TallyPart {
    std::vector<std::string> statements;        // everything that names a tally, in order
    std::vector<std::pair<std::string, std::string>> objects; // kind, name of what they make
};

const TallyPart& Tallies()
{
    static const TallyPart part = [] {
        TallyPart p;
        const std::regex create(R"(CREATE\s+(TABLE|INDEX|TRIGGER)\s+(\w+))");
        for (const std::string& statement : SchemaStatements()) {
            if (statement.find("_TALL") == std::string::npos)
                continue;
            p.statements.push_back(statement);
            std::smatch m;
            if (std::regex_search(statement, m, create))
                p.objects.emplace_back(m[1].str(), m[2].str());
        }
        return p;
    }();
    return part;
}

bool Run(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Tables that later versions added, that nothing else in the file refers to.
const char* const kStandAloneTables[] = {"WINDOW_PLACES", "CHILDREN"};

} // namespace

bool AddMissingTallies(sqlite3* db, std::string& error)
{
    const TallyPart& part = Tallies();
    bool complete = true;
    for (const auto& object : part.objects)
        complete = complete && Exists(db, object.second);
    if (complete)
        return true;
    // Made whole again from the rows, in one transaction: counts that were partly kept (an
    // object dropped by hand) are never trusted.
    if (!Run(db, "BEGIN IMMEDIATE")) {
        error = sqlite3_errmsg(db);
        return false;
    }
    bool ok = true;
    for (auto it = part.objects.rbegin(); ok && it != part.objects.rend(); ++it)
        if (it->first != "INDEX")
            ok = Run(db, "DROP " + it->first + " IF EXISTS " + it->second);
    for (size_t i = 0; ok && i < part.statements.size(); ++i)
        ok = Run(db, part.statements[i]);
    if (ok && Run(db, "COMMIT"))
        return true;
    error = sqlite3_errmsg(db);
    Run(db, "ROLLBACK");
    return false;
}

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
    // Likewise: the statements that count a list's tests leave unfinished ones out.
    if (!HasColumn(db, "TESTS", "UNFINISHED") &&
        sqlite3_exec(db, "ALTER TABLE TESTS ADD COLUMN UNFINISHED INTEGER", nullptr, nullptr,
                     nullptr) != SQLITE_OK)
        return false;
    return true;
}

void AddMissingTables(sqlite3* db)
{
    const std::regex create(R"(CREATE\s+TABLE\s+(\w+))");
    for (const char* table : kStandAloneTables) {
        if (Exists(db, table))
            continue;
        for (const std::string& statement : SchemaStatements()) {
            std::smatch m;
            if (std::regex_search(statement, m, create) && m[1].str() == table)
                Run(db, statement);
        }
    }
}
