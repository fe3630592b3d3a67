#pragma once
#include "BackupFile.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The backups Quillby keeps by itself in the folder `Backups` of the data folder: one a day,
// made at the first start of the day, the newest kMaxAutomaticBackups kept. Their names
// carry their day, "Quillby-auto-2026-12-09.qbk"; the copies kept before a restore are named
// "Quillby-before-restore-<day and time>.qbk" and kept as many.

constexpr int kMaxAutomaticBackups = 7;

// DataPath + "/Backups".
QString BackupsFolder();
// The file name a backup gets in the Backups folder.
QString AutomaticBackupName(const QDate& day);
QString BeforeRestoreBackupName(const QDateTime& when);
// The extension of every backup file, for file dialogs: "qbk".
QString BackupExtension();

// Whether the folder lacks the automatic backup of that day.
bool AutomaticBackupDue(const QString& folder, const QDate& today);

// Makes the day's automatic backup of the database and recordings (when due) and removes the
// oldest of each kind beyond kMaxAutomaticBackups. False with a message when the backup
// could not be made; runs on any thread. A stop that answers true ends it early with nothing
// written (WriteBackup): the backup is then still due.
bool MakeAutomaticBackup(const QString& databasePath, const QString& wavFolder,
                         const QString& folder, const QDate& today, QString& error,
                         const BackupStop& stop = {});

// Removes the oldest automatic backups and the oldest copies kept before a restore, each kind
// beyond kMaxAutomaticBackups. Only names Quillby gives are touched.
void PruneBackups(const QString& folder);
