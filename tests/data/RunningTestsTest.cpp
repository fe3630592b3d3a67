#include "DataFixtures.h"
#include "RunningTests.h"

namespace {
void AddAnswers(int32_t testId, int count)
{
    for (int i = 1; i <= count; ++i)
        Db().Execute(QStringLiteral("INSERT INTO WORD_ATTEMPTS (TEST_ID, LIST_ID, WORD_ID, GUESS, "
                                    "RESULT, ATTEMPT_NUMBER) VALUES (%1, 1, %2, 'x', "
                                    "'INCORRECT', 1)")
                         .arg(testId)
                         .arg(i));
}
int AnswersOf(int32_t testId)
{
    return RawCount(QStringLiteral("SELECT * FROM WORD_ATTEMPTS WHERE TEST_ID = %1").arg(testId));
}
} // namespace

// The next start removes the answers of the tests the program never finished, and only
// those: a stored test keeps every answer even when its mark was left behind.
TEST(RunningTests, TheNextStartRemovesOnlyTheAnswersOfUnfinishedTests)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 4));
    AddTest(5, 1);
    AddAnswers(5, 3);   // stored long ago
    AddAnswers(6, 4);   // killed midway
    AddAnswers(7, 2);   // finished: its row was written, the mark not yet removed
    AddTest(7, 1);
    for (int32_t id : {6, 7})
        MarkTestRunning(id);
    MarkTestRunning(6); // marking twice is harmless

    EXPECT_EQ(RemoveUnfinishedTests(), 2);
    EXPECT_EQ(AnswersOf(5), 3);
    EXPECT_EQ(AnswersOf(6), 0);
    EXPECT_EQ(AnswersOf(7), 2);
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS"), 0);
    EXPECT_EQ(RemoveUnfinishedTests(), 0) << "nothing left to do at the start after";

    MarkTestRunning(8);
    MarkTestEnded(8);
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS"), 0);
}

// A database made before running tests were listed: its leftover answers are removed once,
// when the list is added, and every stored test keeps its answers.
TEST(RunningTests, AnOlderDatabaseGetsTheListAndLosesItsLeftoversOnce)
{
    TestAppFolder app;
    Db().Execute("DROP TABLE RUNNING_TESTS");
    AddList(1, QDate(2026, 12, 4));
    AddTest(5, 1);
    AddAnswers(5, 3);
    AddAnswers(9, 2);
    PrepareRunningTests(Db());
    EXPECT_EQ(AnswersOf(5), 3);
    EXPECT_EQ(AnswersOf(9), 0);
    EXPECT_EQ(RawCount("SELECT * FROM LISTS"), 1);
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS"), 0);
    AddAnswers(10, 1);
    PrepareRunningTests(Db()); // the list exists now: no sweep
    EXPECT_EQ(AnswersOf(10), 1);
}
