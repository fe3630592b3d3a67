#include "StartLooks.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace {
struct SharedLook {
    bool on = false;
    std::string path;
    sqlite3* db = nullptr;
} shared;

// A file, not a folder or nothing: opening read only never makes a file.
bool IsFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

sqlite3* OpenReadOnly(const std::string& path)
{
    sqlite3* db = nullptr;
    if (IsFile(path) &&
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) ==
            SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    return nullptr;
}
} // namespace

void BeginStartLooks() { shared.on = true; }

void EndStartLooks()
{
    sqlite3_close_v2(shared.db);
    shared = SharedLook();
}

ReadOnlyLook::ReadOnlyLook(const std::string& path, int busyMs)
{
    // A look at another file meanwhile has a handle of its own.
    shared_ = shared.on && (!shared.db || shared.path == path);
    db_ = shared_ && shared.db ? shared.db : OpenReadOnly(path);
    if (shared_ && !shared.db) {
        shared.db = db_;
        shared.path = path;
    }
    if (db_)
        sqlite3_busy_timeout(db_, busyMs);
}

ReadOnlyLook::~ReadOnlyLook()
{
    if (!shared_)
        sqlite3_close_v2(db_);
}
