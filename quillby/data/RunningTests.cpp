#include "RunningTests.h"

#include "Connection.h"
#include "Globals.h"

#include <QStringList>

namespace {
const char* const kCreate = "CREATE TABLE RUNNING_TESTS (TEST_ID INTEGER PRIMARY KEY)";
const char* const kOrphanAnswers =
    "DELETE FROM WORD_ATTEMPTS WHERE TEST_ID IN (%1) "
    "AND TEST_ID NOT IN (SELECT TEST_ID FROM TESTS WHERE TEST_ID IS NOT NULL)";
} // namespace

void PrepareRunningTests(Connection& connection)
{
    if (connection.CountRows(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'RUNNING_TESTS'")) > 0)
        return;
    Transaction transaction(connection);
    connection.Execute(QString::fromLatin1(kCreate));
    connection.Execute(QString::fromLatin1(kOrphanAnswers)
                           .arg(QStringLiteral("SELECT TEST_ID FROM WORD_ATTEMPTS")));
    transaction.Commit();
}

void MarkTestRunning(int32_t testId)
{
    Globals::DbConnection().Execute(
        QStringLiteral("INSERT OR IGNORE INTO RUNNING_TESTS (TEST_ID) VALUES (%1)").arg(testId));
}

void MarkTestEnded(int32_t testId)
{
    Globals::DbConnection().Execute(
        QStringLiteral("DELETE FROM RUNNING_TESTS WHERE TEST_ID = %1").arg(testId));
}

int RemoveUnfinishedTests()
{
    Connection& db = Globals::DbConnection();
    const int listed = static_cast<int>(db.CountRows(QStringLiteral("SELECT 1 FROM RUNNING_TESTS")));
    if (listed == 0)
        return 0;
    Transaction transaction(db);
    db.Execute(QString::fromLatin1(kOrphanAnswers)
                   .arg(QStringLiteral("SELECT TEST_ID FROM RUNNING_TESTS")));
    db.Execute(QStringLiteral("DELETE FROM RUNNING_TESTS"));
    transaction.Commit();
    return listed;
}
