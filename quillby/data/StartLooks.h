#pragma once
#include <string>

struct sqlite3;

// The start looks at a database file, read only, before the program's own connection opens
// it: the family's children, then whether the tallies are still to count. SQLite reads a
// file's whole schema at the first statement of each new handle, so between
// BeginStartLooks() and EndStartLooks() the looks at one file share one handle, and the
// program's connection then keeps it (TakeStartLook): the schema is read once.
void BeginStartLooks();
void EndStartLooks();

// The looks' shared handle when it is on path (UTF-8), for the program's connection to keep
// (it is then the caller's to close); null otherwise. Once the looks have ended, a handle on
// another file is closed here.
sqlite3* TakeStartLook(const std::string& path);

// A handle on the file at path (UTF-8) that only reads: the shared one between BeginStartLooks()
// and EndStartLooks(), else one of its own, opened read only and closed with the object. get()
// is null when the file cannot be opened. A locked file makes a statement wait busyMs for the
// lock.
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
