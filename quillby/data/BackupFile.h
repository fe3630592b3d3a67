#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

// A backup is one SQLite file: a copy of the database made with SQLite's online backup (so it
// can be taken while Quillby uses the database), plus two tables of its own: BACKUP_INFO (the
// format, the version that made it, when) and BACKUP_RECORDINGS (every recording of the Wavs
// folder, with its size and SHA-256). Any SQLite tool can read it; nothing else is needed.

// What a backup holds, read after checking it whole.
struct BackupSummary {
    QDateTime madeAt; // local time
    QString madeBy;   // the program version that wrote it
    int lists = 0;
    int tests = 0; // finished tests of whole lists, as a list's history counts them
    int recordings = 0;
};

// Asked while a backup is written: true ends it early.
using BackupStop = std::function<bool()>;

// The backup format this program writes and the newest it reads.
constexpr int kBackupFormat = 1;

// Writes a backup of the database at databasePath and the recordings in wavFolder to target,
// through a side file that is renamed into place only after the written file was read back
// and checked (integrity, every recording present and equal). False with a message for the
// person (a read-only or full folder, an unreadable database), leaving any earlier file at
// target as it was. Safe to call from a thread other than the one using the database.
// With a stop, which is asked now and then (from the writing thread) and may end the writing
// early by answering true: false, with the file at target as it was and nothing left beside it.
bool WriteBackup(const QString& databasePath, const QString& wavFolder, const QString& target,
                 QString& error, const BackupStop& stop = {});

// Checks a backup whole (an SQLite file of this program, not damaged or cut short, not from a
// later version, every recording intact) and says what it holds. False with a message.
bool ReadBackupSummary(const QString& backupPath, BackupSummary& summary, QString& error);

// Replaces the database at databasePath and the recordings in wavFolder by a backup's. The
// backup is read and checked whole first, and the current data is written as a backup to
// safetyBackup before anything is replaced; any failure before the replacement leaves
// everything as it was. The database is replaced in one transaction through a connection of
// its own: the program's connection must be opened again afterwards (older backups are then
// brought up to date as any older file is).
bool RestoreBackup(const QString& databasePath, const QString& wavFolder, const QString& backupPath,
                   const QString& safetyBackup, QString& error);
