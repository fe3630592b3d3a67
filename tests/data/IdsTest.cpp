#include "DataFixtures.h"
#include "DbError.h"
#include "Ids.h"

#include <QFile>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

TEST(GetNextID, StartsAtOneAndCountsUpPerCode)
{
    TestAppFolder app;
    StatementLog log;
    EXPECT_EQ(GetNextID(IdCode::LIST_ID), 1);
    EXPECT_EQ(log.statements, QStringList{" SELECT * FROM IDS  WHERE CODE = 'LIST_ID' "});
    EXPECT_EQ(Raw("SELECT CODE, VALUE FROM IDS"), QStringList{"LIST_ID|1"});
    EXPECT_EQ(GetNextID(IdCode::LIST_ID), 2);
    EXPECT_EQ(GetNextID(IdCode::WORD_ID), 1);
    EXPECT_EQ(GetNextID(IdCode::LIST_ID), 3);
    EXPECT_EQ(Raw("SELECT CODE, VALUE FROM IDS ORDER BY CODE"),
              (QStringList{"LIST_ID|3", "WORD_ID|1"}));
}

TEST(GetNextID, IdentifiersAreNeverReusedAfterADelete)
{
    TestAppFolder app;
    const int32_t first = GetNextID(IdCode::LIST_ID);
    AddList(first, QDate(2004, 6, 4));
    const int32_t newest = GetNextID(IdCode::LIST_ID);
    AddList(newest, QDate(2004, 6, 11));
    Db().Execute(QStringLiteral(" DELETE FROM LISTS  WHERE LIST_ID = %1 ").arg(newest));
    EXPECT_EQ(GetNextID(IdCode::LIST_ID), newest + 1);
}

TEST(GetNextID, CounterAtTheLargestLongFailsInsteadOfWrapping)
{
    TestAppFolder app;
    Db().Execute("INSERT INTO IDS (CODE, VALUE) VALUES ('TEST_ID', 2147483646)");
    EXPECT_EQ(GetNextID(IdCode::TEST_ID), 2147483647);
    try {
        GetNextID(IdCode::TEST_ID);
        ADD_FAILURE() << "the counter wrapped";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("TEST_ID"));
        EXPECT_TRUE(e.message().contains("2147483647"));
    }
    EXPECT_EQ(Raw("SELECT VALUE FROM IDS WHERE CODE = 'TEST_ID'"), QStringList{"2147483647"});
}

TEST(GetNextID, DamagedCounterIsReportedAsADatabaseError)
{
    TestAppFolder app;
    Db().Execute("INSERT INTO IDS (CODE, VALUE) VALUES ('WORD_ID', 'many')");
    EXPECT_THROW(GetNextID(IdCode::WORD_ID), DbError);
    EXPECT_THROW(GetNextID("IT'S"), DbError);
}

TEST(GetNextID, ClosedConnectionFails)
{
    Connection closed;
    EXPECT_THROW(GetNextID(closed, IdCode::LIST_ID), DbError);
}

TEST(GetNextID, NegativeCounterIsRefusedNotHandedOut)
{
    TestAppFolder app;
    Db().Execute("INSERT INTO IDS (CODE, VALUE) VALUES ('WORD_ID', -100)");
    try {
        GetNextID(IdCode::WORD_ID);
        ADD_FAILURE() << "a negative identifier was handed out";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("not a positive whole number")) << e.message().toStdString();
    }
    EXPECT_EQ(Raw("SELECT VALUE FROM IDS WHERE CODE = 'WORD_ID'"), QStringList{"-100"});
}

// Two programs on one file, one through a symbolic link, take identifiers as fast as they can:
// no number is handed out twice and none is lost.
TEST(GetNextID, TwoProcessesNeverShareAnIdentifier)
{
    TestAppFolder app;
    const QString link = app.path() + QStringLiteral("/linked.mdb");
    ASSERT_TRUE(QFile::link(app.dbPath(), link));
    constexpr int kEach = 150;
    int pipes[2][2];
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        ASSERT_EQ(pipe(pipes[c]), 0);
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            close(pipes[c][0]);
            Connection own;
            own.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;")
                         .arg(c == 0 ? app.dbPath() : link));
            for (int i = 0; i < kEach; ++i) {
                const int32_t id = GetNextID(own, IdCode::TEST_ID);
                if (write(pipes[c][1], &id, sizeof id) != sizeof id)
                    _exit(2);
            }
            _exit(0);
        }
        close(pipes[c][1]);
    }
    std::set<int32_t> seen;
    for (int c = 0; c < 2; ++c) {
        int32_t id = 0;
        int count = 0;
        while (read(pipes[c][0], &id, sizeof id) == sizeof id) {
            EXPECT_TRUE(seen.insert(id).second) << "identifier " << id << " handed out twice";
            ++count;
        }
        close(pipes[c][0]);
        int status = 0;
        waitpid(children[c], &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child " << c;
        EXPECT_EQ(count, kEach);
    }
    EXPECT_EQ(seen.size(), size_t(2 * kEach));
    EXPECT_EQ(Raw("SELECT VALUE FROM IDS WHERE CODE = 'TEST_ID'"),
              QStringList{QString::number(2 * kEach)});
}
