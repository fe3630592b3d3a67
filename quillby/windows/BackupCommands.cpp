#include "BackupCommands.h"

#include "AfterFirstPaint.h"
#include "AutomaticBackups.h"
#include "BackupFile.h"
#include "Connection.h"
#include "DbError.h"
#include "DataFolder.h"
#include "InitApplication.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Startup.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <memory>

namespace {
QString DatabasePath() { return Connection::DataSource(ConnectionStringFor(Globals::DataPath)); }

QString BackupFilter()
{
    return QCoreApplication::translate("BackupCommands", "Quillby backups (*.%1)")
        .arg(BackupExtension());
}

// The one daily backup thread of the run, waited for before a restore replaces the files.
QPointer<QThread> dailyBackup;

void WaitForDailyBackup()
{
    if (dailyBackup)
        dailyBackup->wait();
}

QString SummaryText(const BackupSummary& summary)
{
    const QLocale locale;
    return QCoreApplication::translate(
               "BackupCommands",
               "This backup was made on %1.\rIt holds %2 word lists, %3 tests and %4 recordings.")
        .arg(locale.toString(summary.madeAt.date(), QLocale::LongFormat) + QLatin1Char(' ') +
             locale.toString(summary.madeAt.time(), QLocale::ShortFormat))
        .arg(summary.lists)
        .arg(summary.tests)
        .arg(summary.recordings);
}

// Opens the program's connection again on the data now in the file.
bool ReopenDatabase()
{
    try {
        ReopenProgramDatabase();
        LoadGeneralOptions();
        return true;
    } catch (const DbError& e) {
        MsgBox(e.message(), MsgButtons::OK, MsgIcon::Critical);
        return false;
    }
}
} // namespace

void BackUpNow(QWidget* parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposed = QDir(folder).filePath(
        QStringLiteral("Quillby %1.%2")
            .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), BackupExtension()));
    QString target = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("BackupCommands", "Back Up"), proposed, BackupFilter());
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().isEmpty())
        target += QLatin1Char('.') + BackupExtension();
    QString error;
    if (!WriteBackup(DatabasePath(), Globals::WavPath, target, error)) {
        MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, parent);
        return;
    }
    MsgBox(QCoreApplication::translate("BackupCommands",
                                       "Your word lists, tests and recordings are backed up in %1.")
               .arg(QDir::toNativeSeparators(target)),
           MsgButtons::OK, MsgIcon::Information, parent);
}

bool RestoreFromBackup(QWidget* parent)
{
    const QString source = QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("BackupCommands", "Restore"), BackupsFolder(),
        BackupFilter());
    if (source.isEmpty())
        return false;
    BackupSummary summary;
    QString error;
    if (!ReadBackupSummary(source, summary, error)) {
        MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, parent);
        return false;
    }
    const QString question = SummaryText(summary) + QStringLiteral("\r\r") +
                             QCoreApplication::translate(
                                 "BackupCommands",
                                 "Replace all your word lists, tests and recordings with the "
                                 "ones in this backup? What you have now is kept as a backup "
                                 "in %1 first.")
                                 .arg(QDir::toNativeSeparators(BackupsFolder()));
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, parent, MsgDefault::No) !=
        MsgResult::Yes)
        return false;
    WaitForDailyBackup();
    const QString safety =
        QDir(BackupsFolder()).filePath(BeforeRestoreBackupName(QDateTime::currentDateTime()));
    const bool restored = RestoreBackup(DatabasePath(), Globals::WavPath, source, safety, error);
    const bool reopened = ReopenDatabase();
    if (!restored) {
        MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, parent);
        return true; // the recordings may have changed: read everything again
    }
    PruneBackups(BackupsFolder());
    if (reopened)
        MsgBox(QCoreApplication::translate("BackupCommands", "The backup is restored."),
               MsgButtons::OK, MsgIcon::Information, parent);
    return true;
}

void StartDailyBackup(QObject* owner)
{
    const QString database = DatabasePath();
    const QString wavs = Globals::WavPath;
    const QString folder = BackupsFolder();
    const QDate today = QDate::currentDate();
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(true);
    auto stop = std::make_shared<std::atomic<bool>>(false);
    QThread* thread = QThread::create([=] {
        *ok = MakeAutomaticBackup(database, wavs, folder, today, *error,
                                  [stop] { return stop->load(); });
    });
    thread->setParent(owner);
    QObject::connect(thread, &QThread::finished, owner, [=] {
        if (!*ok && !stop->load())
            MsgBox(QCoreApplication::translate(
                       "BackupCommands", "Quillby could not make today's backup of your data.\r%1")
                       .arg(*error),
                   MsgButtons::OK, MsgIcon::Exclamation);
    });
    // The owner's children are deleted after its destructor's body: the thread ends first. A
    // backup of a large file takes seconds, which nobody should wait for when leaving: it is
    // stopped, leaves nothing, and is made at the next start.
    QObject::connect(owner, &QObject::destroyed, thread, [thread, stop] {
        stop->store(true);
        thread->wait();
    });
    dailyBackup = thread;
    thread->start(QThread::LowPriority);
}

void StartDailyBackupAfterFirstPaint(QWidget* window)
{
    RunAfterFirstPaint(window, [window] { StartDailyBackup(window); });
}
