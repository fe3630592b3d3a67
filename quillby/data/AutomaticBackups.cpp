#include "AutomaticBackups.h"

#include "BackupFile.h"
#include "Globals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kAutoPrefix = QStringLiteral("Quillby-auto-");
const QString kBeforeRestorePrefix = QStringLiteral("Quillby-before-restore-");

// Names with the day first sort oldest first.
void KeepNewest(const QString& folder, const QString& prefix)
{
    const QDir dir(folder);
    QStringList names = dir.entryList({prefix + QStringLiteral("*.") + BackupExtension()},
                                      QDir::Files, QDir::Name);
    while (names.size() > kMaxAutomaticBackups)
        QFile::remove(dir.filePath(names.takeFirst()));
}
} // namespace

QString BackupsFolder() { return Globals::DataPath + QStringLiteral("/Backups"); }

QString BackupExtension() { return QStringLiteral("qbk"); }

QString AutomaticBackupName(const QDate& day)
{
    return kAutoPrefix + day.toString(QStringLiteral("yyyy-MM-dd.")) + BackupExtension();
}

QString BeforeRestoreBackupName(const QDateTime& when)
{
    return kBeforeRestorePrefix + when.toString(QStringLiteral("yyyy-MM-dd-HHmmss.")) +
           BackupExtension();
}

bool AutomaticBackupDue(const QString& folder, const QDate& today)
{
    return !QFileInfo::exists(QDir(folder).filePath(AutomaticBackupName(today)));
}

void PruneBackups(const QString& folder)
{
    KeepNewest(folder, kAutoPrefix);
    KeepNewest(folder, kBeforeRestorePrefix);
}

bool MakeAutomaticBackup(const QString& databasePath, const QString& wavFolder,
                         const QString& folder, const QDate& today, QString& error,
                         const BackupStop& stop)
{
    if (!AutomaticBackupDue(folder, today))
        return true;
    if (!QDir().mkpath(folder)) {
        error = QCoreApplication::translate("BackupFile", "The folder %1 for the daily backups "
                                                          "cannot be made.")
                    .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    if (!WriteBackup(databasePath, wavFolder, QDir(folder).filePath(AutomaticBackupName(today)),
                     error, stop))
        return false;
    PruneBackups(folder);
    return true;
}
