#include "Startup.h"

#include "ProcessEvents.h"
#include "StoredText.h"
#include "DatabaseFileLock.h"
#include "FormHelpers.h"
#include "DateTexts.h"
#include "Globals.h"
#include "DataFolder.h"
#include "MsgBox.h"
#include "Options.h"
#include "ListQueries.h"
#include "OptionQueries.h"
#include "frmDeleteOldList.h"
#include "frmOptions.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QWidget>
#include <exception>
#include <vector>

namespace {
QDate pinnedToday;

// MESSAGE_TIME as a Long; a value that is no number keeps the default.
int32_t ReadMessageTime(const StoredOptions& rs)
{
    try {
        return rs.Field(Opt::MESSAGE_TIME).toLong();
    } catch (const std::invalid_argument&) {
        return Opt::DEFAULT_MESSAGE_TIME;
    } catch (const std::out_of_range&) {
        return Opt::DEFAULT_MESSAGE_TIME;
    }
}

void CreateDefaultOptionsRow()
{
    ProcessEvents(3);
    {
        frmOptions options; // loaded, never shown
        options.RestoreDefaults();
        ProcessEvents(3);
    }
}
} // namespace

QString DatabaseLockPath(const QString& appFolder)
{
    return DatabaseLockPathIn(DataFolderFor(appFolder));
}

QString DatabaseLockPathIn(const QString& dataFolder)
{
    // The lock belongs to the database file itself, whatever link or folder reaches it.
    const QFileInfo database(dataFolder + QStringLiteral("/Quillby.mdb"));
    const QString canonical = database.canonicalFilePath();
    return (canonical.isEmpty() ? database.absoluteFilePath() : canonical) +
           QStringLiteral(".lock");
}

namespace {
// Clears a lock that no program of this machine holds: an unreadable or empty file, a folder,
// one naming no live process, or (when the user says that computer no longer uses the
// database) one written on another host. False when the lock must be respected.
bool ClearStaleLock(QLockFile& lock, const QString& path)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock.getLockInfo(&pid, &host, &program) && pid > 0) {
        if (host.isEmpty() || host == QSysInfo::machineHostName())
            return false; // a live program here: Qt takes over the lock of one that ended
        const QString question =
            QCoreApplication::translate(
                "Startup", "The database is marked as in use by Quillby on the computer \"%1\".\r"
                           "Is that computer still using it?")
                .arg(host);
        if (MsgBox(question, MsgButtons::YesNo) == MsgResult::Yes)
            return false;
    }
    if (QFileInfo(path).isDir())
        return QDir().rmdir(path);
    return QFile::remove(path);
}
} // namespace

bool LockDatabase(QLockFile& lock, const QString& path, DatabaseFileLock* fileLock)
{
    return DatabaseLockAttempt(lock, path, fileLock).Taken();
}

DatabaseLockAttempt::DatabaseLockAttempt(QLockFile& lock, const QString& path,
                                         DatabaseFileLock* fileLock)
    : lock_(lock), path_(path), fileLock_(fileLock)
{
    lock_.setStaleLockTime(0); // stale only when its program is gone, never by age
    first_ = std::async(std::launch::async, [&lock] { return lock.tryLock(0); });
}

bool DatabaseLockAttempt::Taken()
{
    if (!LockFileTaken())
        return false;
    if (!fileLock_)
        return true;
    // The lock file is named after one path to the database; another hard link to the same
    // file names another lock file, so the file's own lock decides.
    const QString database = path_.endsWith(QStringLiteral(".lock")) ? path_.chopped(5) : path_;
    if (fileLock_->Take(database) != DatabaseFileLock::Result::HeldElsewhere)
        return true;
    lock_.unlock();
    return false;
}

bool DatabaseLockAttempt::LockFileTaken()
{
    if (first_.get())
        return true;
    if (lock_.error() != QLockFile::LockFailedError)
        return true;
    if (!ClearStaleLock(lock_, path_))
        return false;
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

QDate AppToday() { return pinnedToday.isValid() ? pinnedToday : QDate::currentDate(); }
void SetAppToday(const QDate& date) { pinnedToday = date; }

void LoadGeneralOptions()
{
    auto rs = std::make_unique<StoredOptions>();
    if (!rs->HasRow()) {
        rs.reset();
        CreateDefaultOptionsRow();
        rs = std::make_unique<StoredOptions>();
    }
    if (!rs->HasRow()) {
        Globals::MessageTime = Opt::DEFAULT_MESSAGE_TIME;
        Globals::SkipTestSetup = false;
        Globals::PromptToDeleteLists = true;
    } else {
        Globals::MessageTime = ReadMessageTime(*rs);
        Globals::SkipTestSetup = TextToBoolean(rs->Field(Opt::SKIP_TEST_SETUP).toText());
        Globals::PromptToDeleteLists =
            TextToBoolean(rs->Field(Opt::PROMPT_TO_DELETE_LISTS).toText());
    }
}

void CheckForOldLists(QWidget* owner)
{
    if (!Globals::PromptToDeleteLists)
        return;
    for (int32_t listId : ListsTestedBefore(UsDateText(AppToday()))) {
        frmDeleteOldList prompt(owner);
        prompt.SetListID(listId);
        prompt.exec();
    }
}

bool IsFormLoaded(const QString& formName)
{
    const QString wanted = formName.toUpper();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName().toUpper() == wanted)
            return true;
    return false;
}
