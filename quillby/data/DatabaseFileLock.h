#pragma once
#include <QString>

// A lock held on the database file itself for the whole run: every path that reaches the file
// (a hard or symbolic link, a linked folder, a bind mount) meets this one lock, and the system
// releases it when the program ends, however it ends.
// It is an open-file-description lock on one byte far beyond any SQLite uses for its own
// locks, so it never stands in SQLite's way, in this program or another.
class DatabaseFileLock {
public:
    enum class Result {
        // This program holds the file now.
        Taken,
        // Another open of the file holds it: a second program on the database.
        HeldElsewhere,
        // No lock can be had here (no such file, an unwritable one, a file system without
        // locks): the database's own messages say the rest.
        Unavailable
    };

    DatabaseFileLock() = default;
    ~DatabaseFileLock();
    DatabaseFileLock(const DatabaseFileLock&) = delete;
    DatabaseFileLock& operator=(const DatabaseFileLock&) = delete;

    Result Take(const QString& databasePath);
    bool Held() const { return fd_ >= 0; }

    // Closing a file drops every ordinary lock this process holds on it, SQLite's among them:
    // the database connection is closed first.
    void Release();

private:
    int fd_ = -1;
};
