#include "DataFixtures.h"
#include "DbError.h"
#include "Ids.h"

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
