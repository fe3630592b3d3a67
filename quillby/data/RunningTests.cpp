#include "RunningTests.h"

#include "Connection.h"
#include "Globals.h"

#include <QStringList>

namespace {
const char* const kCreate = "CREATE TABLE RUNNING_TESTS (TEST_ID INTEGER PRIMARY KEY)";
// Columns added after the table first shipped; a test listed by an older program has NULLs.
const char* const kLaterColumns[][2] = {{"LIST_ID", "INTEGER"},
                                        {"MOVE_ON_AFTER", "INTEGER"},
                                        {"START_TIME", "DATETIME"},
                                        {"PRACTICE_OF", "INTEGER"}};
const char* const kOrphanAnswers =
    "DELETE FROM WORD_ATTEMPTS WHERE TEST_ID IN (%1) "
    "AND TEST_ID NOT IN (SELECT TEST_ID FROM TESTS WHERE TEST_ID IS NOT NULL)";
// A listed test with answers and no row gets one, as far as it went. The list comes from its
// answers when the mark does not name it; the start from the mark, else the moment of keeping.
const char* const kKeepUnfinished =
    "INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME, PRACTICE_OF, "
    "UNFINISHED) "
    "SELECT R.TEST_ID, IFNULL(R.LIST_ID, (SELECT A.LIST_ID FROM WORD_ATTEMPTS A "
    "WHERE A.TEST_ID = R.TEST_ID LIMIT 1)), R.MOVE_ON_AFTER, IFNULL(R.START_TIME, '%1'), "
    "IFNULL(R.START_TIME, '%1'), R.PRACTICE_OF, 1 FROM RUNNING_TESTS R "
    "WHERE EXISTS (SELECT 1 FROM WORD_ATTEMPTS A WHERE A.TEST_ID = R.TEST_ID) "
    "AND NOT EXISTS (SELECT 1 FROM TESTS T WHERE T.TEST_ID = R.TEST_ID)";

QString Stored(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool HasRunningColumn(Connection& connection, const char* column)
{
    return connection.CountRows(
               QStringLiteral("SELECT 1 FROM pragma_table_info('RUNNING_TESTS') WHERE name = '%1'")
                   .arg(QLatin1String(column))) > 0;
}

void AddLaterColumns(Connection& connection)
{
    for (const auto& [column, type] : kLaterColumns) {
        if (!HasRunningColumn(connection, column))
            connection.Execute(QStringLiteral("ALTER TABLE RUNNING_TESTS ADD COLUMN %1 %2")
                                   .arg(QLatin1String(column), QLatin1String(type)));
    }
}
} // namespace

void PrepareRunningTests(Connection& connection)
{
    if (connection.CountRows(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'RUNNING_TESTS'")) > 0) {
        AddLaterColumns(connection);
        return;
    }
    Transaction transaction(connection);
    connection.Execute(QString::fromLatin1(kCreate));
    AddLaterColumns(connection);
    connection.Execute(QString::fromLatin1(kOrphanAnswers)
                           .arg(QStringLiteral("SELECT TEST_ID FROM WORD_ATTEMPTS")));
    transaction.Commit();
}

void MarkTestRunning(const RunningTest& test) { MarkTestRunning(Globals::DbConnection(), test); }

void MarkTestRunning(Connection& db, const RunningTest& test)
{
    const QString practiceOf =
        test.practiceOf != 0 ? QString::number(test.practiceOf) : QStringLiteral("NULL");
    db.Execute(
        QStringLiteral("INSERT OR REPLACE INTO RUNNING_TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, "
                       "START_TIME, PRACTICE_OF) VALUES (%1, %2, %3, '%4', %5)")
            .arg(test.testId)
            .arg(test.listId)
            .arg(test.moveOnAfter)
            .arg(Stored(test.startTime), practiceOf));
}

void MarkTestEnded(int32_t testId) { MarkTestEnded(Globals::DbConnection(), testId); }

void MarkTestEnded(Connection& db, int32_t testId)
{
    db.Execute(QStringLiteral("DELETE FROM RUNNING_TESTS WHERE TEST_ID = %1").arg(testId));
}

int KeepUnfinishedTests()
{
    Connection& db = Globals::DbConnection();
    if (db.CountRows(QStringLiteral("SELECT 1 FROM RUNNING_TESTS")) == 0)
        return 0;
    Transaction transaction(db);
    const QString now = Stored(QDateTime::currentDateTime());
    const int kept = static_cast<int>(db.CountRows(
        QStringLiteral("SELECT 1 FROM RUNNING_TESTS R WHERE EXISTS (SELECT 1 FROM WORD_ATTEMPTS A "
                       "WHERE A.TEST_ID = R.TEST_ID) AND NOT EXISTS (SELECT 1 FROM TESTS T "
                       "WHERE T.TEST_ID = R.TEST_ID)")));
    db.Execute(QString::fromLatin1(kKeepUnfinished).arg(now));
    db.Execute(QStringLiteral("DELETE FROM RUNNING_TESTS"));
    transaction.Commit();
    return kept;
}
