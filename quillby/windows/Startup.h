#pragma once
#include <QDate>
#include <QString>
#include <future>

class DatabaseFileLock;
class QLockFile;
class QWidget;

// The lock file that keeps a second Quillby off the database of an application folder: beside
// the database file with links resolved, so that a Quillby on another computer finds it too.
// A hard link resolves to itself: fileLock, on the database file, covers every path.
QString DatabaseLockPath(const QString& appFolder);
// The same for the database in a data folder (one child's).
QString DatabaseLockPathIn(const QString& dataFolder);
// Takes the lock at path, and with fileLock the lock on the database file the lock file
// belongs to; false when another running Quillby holds either. A lock file whose program
// has ended, or that is empty, unreadable or a folder, is taken over; one written on another
// computer is taken over when the user says that computer no longer uses the database. A
// folder where no lock can be written is left to the database's own messages.
bool LockDatabase(QLockFile& lock, const QString& path, DatabaseFileLock* fileLock = nullptr);

// LockDatabase with its first attempt started at once on another thread: that attempt writes
// the lock file and waits for the disk to keep it, about as long as building the main window
// takes, so the window is built meanwhile. Taken() waits for it and finishes as LockDatabase
// does, messages included, on the calling thread; it is called once.
class DatabaseLockAttempt {
public:
    DatabaseLockAttempt(QLockFile& lock, const QString& path,
                        DatabaseFileLock* fileLock = nullptr);
    bool Taken();

private:
    bool LockFileTaken();

    QLockFile& lock_;
    QString path_;
    DatabaseFileLock* fileLock_;
    std::future<bool> first_;
};

// The start sequence of the main program, run by the main window while it loads.

// Fills MessageTime, SkipTestSetup and PromptToDeleteLists from the settings row. An empty
// OPTIONS table first gets its default row through the options window's RestoreDefaults.
void LoadGeneralOptions();

// Offers each list whose test date is before today and that was not ignored, one modal
// prompt after another (nothing when PromptToDeleteLists is off).
void CheckForOldLists(QWidget* owner = nullptr);

// True when an open top-level window has that name (compared in upper case).
bool IsFormLoaded(const QString& formName);

// Today's date as the program sees it. Tests may pin it to a given day; an invalid date
// returns to the clock.
QDate AppToday();
void SetAppToday(const QDate& date);
