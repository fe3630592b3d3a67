#include "StartLooks.h"

#include <sqlite3.h>
#include <sys/stat.h>

namespace {
struct SharedLook {
    bool on = false;
    std::string path;
    sqlite3* db = nullptr;
} shared;

// A file, not a folder or nothing: opening without SQLITE_OPEN_CREATE never makes a file.
bool IsFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The shared handle is opened for reading and writing, as the program's connection opens its
// file, so that the connection can keep it; the looks only ever read through it.
sqlite3* Open(const std::string& path, bool forShare)
{
    const int mode = forShare ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    sqlite3* db = nullptr;
    if (IsFile(path) &&
        sqlite3_open_v2(path.c_str(), &db, mode | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    return nullptr;
}
} // namespace

void BeginStartLooks()
{
    shared.on = false;
    TakeStartLook({}); // one an earlier start left
    shared.on = true;
}

void EndStartLooks() { shared.on = false; }

sqlite3* TakeStartLook(const std::string& path)
{
    sqlite3* db = shared.db;
    if (!db || shared.on)
        return nullptr;
    const bool kept = !path.empty() && shared.path == path;
    shared = SharedLook();
    if (kept)
        return db;
    sqlite3_close_v2(db);
    return nullptr;
}

ReadOnlyLook::ReadOnlyLook(const std::string& path, int busyMs)
{
    // A look at another file meanwhile has a handle of its own.
    shared_ = shared.on && (!shared.db || shared.path == path);
    db_ = shared_ && shared.db ? shared.db : Open(path, shared_);
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
