#pragma once
#include <string>

struct sqlite3;

// The start looks at a database file, read only, before the program's own connection opens
// it: the family's children, then whether the tallies are still to count. SQLite reads a
// file's whole schema at the first statement of each new handle, so between
// BeginStartLooks() and EndStartLooks() the looks at one file share one handle.
void BeginStartLooks();
void EndStartLooks();

// A read-only handle on the file at path (UTF-8): the shared one between BeginStartLooks() and
// EndStartLooks(), else one of its own, closed with the object. get() is null when the file
// cannot be opened. A locked file makes a statement wait busyMs for the lock.
class ReadOnlyLook {
public:
    ReadOnlyLook(const std::string& path, int busyMs);
    ~ReadOnlyLook();
    ReadOnlyLook(const ReadOnlyLook&) = delete;
    ReadOnlyLook& operator=(const ReadOnlyLook&) = delete;
    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    bool shared_ = false;
};
