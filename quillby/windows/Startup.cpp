#include "Startup.h"

#include "AppFunctions.h"
#include "FormHelpers.h"
#include "Globals.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"
#include "frmDeleteOldList.h"
#include "frmOptions.h"

#include <QApplication>
#include <QLockFile>
#include <QWidget>
#include <exception>
#include <vector>

namespace {
QDate pinnedToday;

// MESSAGE_TIME as a Long; a value that is no number keeps the default.
int32_t ReadMessageTime(const Recordset& rs)
{
    try {
        return rs.Field(QString::fromLatin1(Opt::MESSAGE_TIME)).toLong();
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
    return appFolder + QStringLiteral("/Quillby.mdb.lock");
}

bool LockDatabase(QLockFile& lock)
{
    lock.setStaleLockTime(0); // stale only when its program is gone, never by age
    if (lock.tryLock(0))
        return true;
    return lock.error() != QLockFile::LockFailedError;
}

QDate AppToday() { return pinnedToday.isValid() ? pinnedToday : QDate::currentDate(); }
void SetAppToday(const QDate& date) { pinnedToday = date; }

void LoadGeneralOptions()
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
    if (rs.Eof()) {
        rs.Close();
        CreateDefaultOptionsRow();
        rs.Open(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
    }
    if (rs.Eof()) {
        Globals::MessageTime = Opt::DEFAULT_MESSAGE_TIME;
        Globals::SkipTestSetup = false;
        Globals::PromptToDeleteLists = true;
    } else {
        Globals::MessageTime = ReadMessageTime(rs);
        Globals::SkipTestSetup =
            TextToBoolean(rs.Field(QString::fromLatin1(Opt::SKIP_TEST_SETUP)).toText());
        Globals::PromptToDeleteLists =
            TextToBoolean(rs.Field(QString::fromLatin1(Opt::PROMPT_TO_DELETE_LISTS)).toText());
    }
    rs.Close();
}

void CheckForOldLists(QWidget* owner)
{
    if (!Globals::PromptToDeleteLists)
        return;
    const QString sql = QString::fromLatin1(Sql::SELECT_LISTS) + Sql::WHERE_TEST_DATE_BEFORE +
                        UsDateText(AppToday()) + Sql::DATE_END + Sql::AND_NOT_IGNORED;
    std::vector<int32_t> oldLists;
    Recordset rs(sql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        oldLists.push_back(rs.Field(QStringLiteral("LIST_ID")).toLong());
    rs.Close();

    for (int32_t listId : oldLists) {
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
