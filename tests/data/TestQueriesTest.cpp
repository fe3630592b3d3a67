#include "DataFixtures.h"
#include "TestQueries.h"

#include <algorithm>

namespace {
// A list of three words; test 10 of the whole list and test 11, a round on its missed words.
//   cat:   right at once in 10
//   their: "thier", "theer", then right in 10; "thier", then right in 11
//   zebra: "zebr", "zebar", "zeebra" in 10 (moved on after 3); not asked in 11
void AddTwoTests()
{
    AddList(7, QDate(2004, 6, 4));
    AddWord(71, 7, "zebra");
    AddWord(72, 7, "their");
    AddWord(73, 7, "cat");
    AddTest(10, 7);
    AddTest(11, 7);
    Db().Execute("UPDATE TESTS SET PRACTICE_OF = 10 WHERE TEST_ID = 11");
    RecordAttempt(10, 7, 73, "cat", "CORRECT", 1);
    RecordAttempt(10, 7, 72, "thier", "INCORRECT", 1);
    RecordAttempt(10, 7, 72, "theer", "INCORRECT", 2);
    RecordAttempt(10, 7, 72, "their", "CORRECT", 3);
    for (const char* guess : {"zebr", "zebar", "zeebra"})
        RecordAttempt(10, 7, 71, guess, "INCORRECT", QString(guess).size() - 3);
    RecordAttempt(11, 7, 72, "thier", "INCORRECT", 1);
    RecordAttempt(11, 7, 72, "their", "CORRECT", 2);
}

QStringList Texts(const std::vector<WordMisses>& words)
{
    QStringList texts;
    for (const WordMisses& w : words)
        texts << QStringLiteral("%1 %2 %3").arg(w.wordId).arg(w.word).arg(w.misses);
    return texts;
}
} // namespace

TEST(TestQueries, ReadWhatTheResultsShow)
{
    TestAppFolder app;
    AddTwoTests();
    SkippedRows skipped;
    EXPECT_EQ(Texts(ReadWordsWithMisses(10, 7, false, skipped)),
              (QStringList{"73 cat 0", "72 their 2", "71 zebra 3"}));
    EXPECT_EQ(Texts(ReadWordsWithMisses(11, 7, true, skipped)), (QStringList{"72 their 1"}));
    EXPECT_TRUE(skipped.empty());
    EXPECT_EQ(ReadWrongGuesses(10, 72), (QStringList{"thier", "theer"}));
    EXPECT_EQ(ReadWrongGuesses(10, 71), (QStringList{"zebr", "zebar", "zeebra"}));
    EXPECT_EQ(ReadWrongGuesses(11, 73), QStringList());

    struct Counts {
        int32_t test, moveOnAfter, firstTry, movedOn;
    };
    for (const Counts& c :
         {Counts{10, 3, 1, 1}, Counts{10, 2, 1, 2}, Counts{11, 3, 0, 0}, Counts{12, 3, 0, 0}}) {
        SCOPED_TRACE(c.test * 10 + c.moveOnAfter);
        EXPECT_EQ(CountTestFirstTryCorrect(c.test), c.firstTry);
        EXPECT_EQ(CountTestMovedOn(c.test, c.moveOnAfter), c.movedOn);
    }

    const auto round = ReadTestRow(11);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->listId, 7);
    EXPECT_EQ(round->practiceOf, 10);
    EXPECT_FALSE(round->unfinished);
    EXPECT_EQ(round->moveOnAfter, 3);
    EXPECT_EQ(round->start, QDateTime(QDate(2026, 12, 8), QTime(17, 0, 0)));
    EXPECT_EQ(round->end, QDateTime(QDate(2026, 12, 8), QTime(17, 5, 0)));
    EXPECT_EQ(ReadTestRow(10)->practiceOf, std::nullopt);
    EXPECT_FALSE(ReadTestRow(12));
}

TEST(TestQueries, ListTestsOldestFirstWithTheirTalliesAndDamagedKeysNamed)
{
    TestAppFolder app;
    AddTwoTests();
    Db().Execute("UPDATE TESTS SET START_TIME = '2004-06-02 09:00:00' WHERE TEST_ID = 11");
    Db().Execute("INSERT INTO TESTS (TEST_ID, LIST_ID, START_TIME) VALUES ('x', 7, "
                 "'2004-06-01 09:00:00')");
    SkippedRows skipped;
    const std::vector<StoredTest> tests = ReadListTests(7, skipped);
    ASSERT_EQ(tests.size(), 2u);
    EXPECT_EQ(tests[0].testId, 11);
    EXPECT_EQ(tests[0].date, QDate(2004, 6, 2));
    EXPECT_EQ(tests[0].practiceOf, 10);
    EXPECT_EQ(tests[0].firstTry, 0);
    EXPECT_EQ(tests[0].wordsAsked, 1);
    EXPECT_EQ(tests[1].testId, 10);
    EXPECT_EQ(tests[1].practiceOf, std::nullopt);
    EXPECT_EQ(tests[1].firstTry, 1);
    EXPECT_EQ(tests[1].wordsAsked, 3);
    EXPECT_FALSE(tests[1].unfinished);
    EXPECT_NE(skipped.Message().indexOf("TESTS"), -1) << skipped.Message().toStdString();
}

// The statements reach the database letter for letter as the windows used to send them.
TEST(TestQueries, SendTheStatementsAsBefore)
{
    TestAppFolder app;
    AddTwoTests();
    SkippedRows skipped;
    StatementLog log;
    ReadWrongGuesses(10, 72);
    CountTestFirstTryCorrect(10);
    CountTestMovedOn(10, 3);
    ReadTestRow(10);
    const QStringList expected = {
        " SELECT * FROM WORD_ATTEMPTS  WHERE WORD_ID = 72  AND TEST_ID = 10  AND RESULT = "
        "'INCORRECT'  ORDER BY ATTEMPT_NUMBER ",
        " SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = 10  AND ATTEMPT_NUMBER = 1  AND RESULT "
        "= 'CORRECT' ",
        " SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = 10  AND ATTEMPT_NUMBER = 3  AND RESULT "
        "= 'INCORRECT' ",
        " SELECT * FROM TESTS  WHERE TEST_ID = 10 "};
    for (const QString& statement : expected)
        EXPECT_TRUE(log.statements.join('\n').contains(statement)) << statement.toStdString();
}

// A list's tests are read straight from SQLite when every row is in the form the program
// stores, and through the record set otherwise: both give the order, keys, dates and flags the
// record set gives, and first tries and words asked equal to a recount of the answers, after
// answers are added or deleted and on a file that lacks the index of tests by start time.
TEST(TestQueries, ListTestsEqualARecountWhateverTheirRows)
{
    struct Case {
        const char* name;
        const char* change;          // run on the two tests of AddTwoTests
        std::vector<int32_t> order;  // the keys read, oldest first
        QDate firstDate;             // the date of the first test read
        bool skipped = false;        // a row is left out and named
    };
    const QDate stored(2026, 12, 8);
    const std::vector<Case> cases = {
        {"stored form", "", {10, 11}, stored},
        {"ties in the order stored, not by key",
         "INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME) "
         "SELECT 5, 7, 3, START_TIME FROM TESTS WHERE TEST_ID = 10",
         {10, 11, 5}, stored},
        {"an earlier date without its time",
         "UPDATE TESTS SET START_TIME = '2004-06-01' WHERE TEST_ID = 11", {11, 10},
         QDate(2004, 6, 1)},
        {"a date in another form",
         "UPDATE TESTS SET START_TIME = '6/1/2004' WHERE TEST_ID = 10", {11, 10}, stored},
        {"a damaged key", "INSERT INTO TESTS (TEST_ID, LIST_ID, START_TIME) VALUES (12.5, 7, "
                          "'2004-06-01 09:00:00')",
         {10, 11}, stored, true},
        {"a damaged practised key", "UPDATE TESTS SET PRACTICE_OF = 'x' WHERE TEST_ID = 11",
         {10, 11}, stored},
        {"an unfinished test", "UPDATE TESTS SET UNFINISHED = 1 WHERE TEST_ID = 10", {10, 11},
         stored},
        {"answers added to a stored test",
         "INSERT INTO WORD_ATTEMPTS VALUES (11, 7, 73, 'cat', 'CORRECT', 1)", {10, 11}, stored},
        {"answers deleted", "DELETE FROM WORD_ATTEMPTS WHERE TEST_ID = 10 AND WORD_ID = 73",
         {10, 11}, stored},
        {"a file without the index of tests by time", "DROP INDEX TESTS_LIST_TIME", {10, 11},
         stored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestAppFolder app;
        AddTwoTests();
        if (*c.change)
            Db().Execute(QString::fromLatin1(c.change));
        SkippedRows skipped;
        const std::vector<StoredTest> tests = ReadListTests(7, skipped);
        std::vector<int32_t> order;
        for (const StoredTest& test : tests) {
            order.push_back(test.testId);
            const QString id = QString::number(test.testId);
            EXPECT_EQ(test.firstTry,
                      RawCount("SELECT 1 FROM WORD_ATTEMPTS WHERE TEST_ID = " + id +
                               " AND ATTEMPT_NUMBER = 1 AND RESULT = 'CORRECT'"));
            EXPECT_EQ(test.wordsAsked, RawCount("SELECT DISTINCT WORD_ID FROM WORD_ATTEMPTS "
                                                "WHERE TEST_ID = " + id));
            EXPECT_EQ(test.unfinished,
                      RawCount("SELECT 1 FROM TESTS WHERE UNFINISHED IS NOT NULL AND TEST_ID = " +
                               id) > 0);
        }
        EXPECT_EQ(order, c.order);
        ASSERT_FALSE(tests.empty());
        EXPECT_EQ(tests.front().date, c.firstDate);
        const auto round = std::find_if(tests.begin(), tests.end(),
                                        [](const StoredTest& t) { return t.testId == 11; });
        ASSERT_NE(round, tests.end());
        EXPECT_EQ(round->practiceOf,
                  std::string(c.name) == "a damaged practised key" ? 0 : 10);
        EXPECT_EQ(!skipped.empty(), c.skipped);
    }
}

// However many tests a list has, they are read in order through an index: no sort of them
// and no pass over the other lists' tests.
TEST(TestQueries, ListTestsReadThroughTheIndexInOrder)
{
    TestAppFolder app;
    AddTwoTests();
    StatementLog log;
    SkippedRows skipped;
    ReadListTests(7, skipped);
    ASSERT_FALSE(log.statements.isEmpty());
    const QString plan = Raw("EXPLAIN QUERY PLAN " + log.statements.first()).join('\n');
    EXPECT_TRUE(plan.contains("TESTS_LIST_TIME")) << plan.toStdString();
    for (const char* costly : {"TEMP B-TREE", "SCAN"})
        EXPECT_FALSE(plan.contains(costly)) << plan.toStdString();
}
