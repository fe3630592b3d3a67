#include "DataFixtures.h"
#include "ListQueries.h"
#include "RunningTests.h"

#include <utility>

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
RunningTest Running(int32_t testId, int32_t practiceOf = 0)
{
    return {testId, 1, 2, QDateTime(QDate(2026, 12, 4), QTime(16, 30, 5)), practiceOf};
}
} // namespace

// The next start stores each test the program never finished as far as it went, marked
// unfinished, with every answer given; a stored test keeps its row and answers even when its
// mark was left behind, and a test killed before its first answer leaves nothing.
TEST(RunningTests, TheNextStartKeepsTheAnswersOfUnfinishedTests)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 4));
    AddTest(5, 1);
    AddAnswers(5, 3);   // stored long ago
    AddAnswers(6, 4);   // killed midway
    AddAnswers(7, 2);   // finished: its row was written, the mark not yet removed
    AddTest(7, 1);
    AddAnswers(9, 1);   // a practice round of test 5, killed midway
    for (int32_t id : {6, 7, 8})
        MarkTestRunning(Running(id)); // 8: killed before its first answer
    MarkTestRunning(Running(6)); // marking twice is harmless
    MarkTestRunning(Running(9, 5));

    EXPECT_EQ(KeepUnfinishedTests(), 2);
    for (const auto& [test, answers] : {std::pair{5, 3}, {6, 4}, {7, 2}, {8, 0}, {9, 1}})
        EXPECT_EQ(AnswersOf(test), answers) << "test " << test;
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE UNFINISHED IS NULL"), 2);
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE TEST_ID = 6 AND UNFINISHED = 1 AND LIST_ID = 1 "
                       "AND MOVE_ON_AFTER = 2 AND START_TIME = '2026-12-04 16:30:05' "
                       "AND END_TIME = START_TIME AND PRACTICE_OF IS NULL"),
              1);
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE TEST_ID = 9 AND UNFINISHED = 1 "
                       "AND PRACTICE_OF = 5"),
              1);
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE TEST_ID = 8"), 0);
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS"), 0);
    EXPECT_EQ(KeepUnfinishedTests(), 0) << "nothing left to do at the start after";
    EXPECT_EQ(CountListTests(1), 2) << "an unfinished test is none of the list's tests";

    MarkTestRunning(Running(10));
    MarkTestEnded(10);
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS"), 0);
}

// A test listed by a program that did not note its list and start: its list comes from its
// answers, and it is kept all the same.
TEST(RunningTests, ATestListedByAnOlderProgramIsKeptToo)
{
    TestAppFolder app;
    Db().Execute("DROP TABLE RUNNING_TESTS");
    Db().Execute("CREATE TABLE RUNNING_TESTS (TEST_ID INTEGER PRIMARY KEY)");
    Db().Execute("INSERT INTO RUNNING_TESTS VALUES (6)");
    AddList(1, QDate(2026, 12, 4));
    AddAnswers(6, 2);
    PrepareRunningTests(Db()); // the columns are added, the listed test stays
    EXPECT_EQ(RawCount("SELECT * FROM RUNNING_TESTS WHERE LIST_ID IS NULL"), 1);
    EXPECT_EQ(KeepUnfinishedTests(), 1);
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE TEST_ID = 6 AND LIST_ID = 1 AND UNFINISHED = 1 "
                       "AND START_TIME IS NOT NULL"),
              1);
    EXPECT_EQ(AnswersOf(6), 2);
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
