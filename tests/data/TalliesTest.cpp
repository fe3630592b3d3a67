// The tallies the database keeps of stored answers must always equal a fresh count of the rows,
// whatever order rows come and go in: answers before their test (as a test runs) or after it,
// practice rounds, the program's deletions, a finished test's lost answers and changes in place.
#include "ListQueries.h"
#include "TestQueries.h"
#include "WordQueries.h"
#include "DataFixtures.h"
#include "DbMaker.h"
#include "InitApplication.h"
#include "RunningTests.h"
#include "SchemaUpgrade.h"

#include <QRandomGenerator>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const char* const kTallyTriggers =
    "SELECT * FROM sqlite_master WHERE type = 'trigger' AND name LIKE '%TALLY%'";

// What each tally table should hold, counted from the rows.
const char* const kRecount[] = {
    "SELECT T.TEST_ID, (SELECT COUNT(*) FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID"
    " AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT'), (SELECT COUNT(DISTINCT A.WORD_ID)"
    " FROM WORD_ATTEMPTS A WHERE A.TEST_ID = T.TEST_ID) FROM (SELECT DISTINCT TEST_ID FROM TESTS) T"
    " ORDER BY 1",
    "SELECT WORD_ID, COUNT(DISTINCT TEST_ID), COUNT(*) FROM WORD_ATTEMPTS WHERE RESULT = "
    "'INCORRECT' AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)"
    " GROUP BY WORD_ID ORDER BY 1",
    "SELECT WORD_ID, IFNULL(GUESS, '') COLLATE BINARY, COUNT(*) FROM WORD_ATTEMPTS WHERE RESULT ="
    " 'INCORRECT' AND TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL)"
    " GROUP BY 1, 2 ORDER BY 1, 2",
    // Each whole-list test's first tries, with its list and place among the list's tests.
    "SELECT T.TEST_ID, T.LIST_ID, T.START_TIME, T._rowid_, (SELECT COUNT(*) FROM WORD_ATTEMPTS A"
    " WHERE A.TEST_ID = T.TEST_ID AND A.ATTEMPT_NUMBER = 1 AND A.RESULT = 'CORRECT')"
    " FROM TESTS T WHERE T.PRACTICE_OF IS NULL AND T.UNFINISHED IS NULL ORDER BY 1, 4",
    "SELECT COUNT(*) FROM LISTS"};
const char* const kKept[] = {
    "SELECT TEST_ID, FIRST_TRY, WORDS_ASKED FROM TEST_TALLIES ORDER BY 1",
    "SELECT WORD_ID, TESTS_MISSED, MISSES FROM WORD_TALLIES ORDER BY 1",
    "SELECT WORD_ID, GUESS, TIMES FROM GUESS_TALLIES ORDER BY 1, 2",
    "SELECT TEST_ID, LIST_ID, START_TIME, TEST_ROWID, FIRST_TRY FROM LIST_FIRST_TRIES"
    " ORDER BY 1, 4",
    "SELECT LISTS FROM LIST_TOTAL"};

void ExpectTalliesMatchTheRows(const std::string& after)
{
    static_assert(std::size(kKept) == std::size(kRecount));
    for (size_t i = 0; i < std::size(kKept); ++i)
        ASSERT_EQ(Raw(kKept[i]), Raw(kRecount[i])) << "after " << after;
}

// A random mix of what happens to a database over the years, checked after every step.
class TallyHistory {
public:
    // movesTests: tests are also moved in time and between lists, and marked unfinished.
    explicit TallyHistory(quint32 seed, bool movesTests = false)
        : random_(seed), movesTests_(movesTests)
    {
        for (int list = 1; list <= 2; ++list) {
            AddList(list, QDate(2026, 11, 6 + 7 * list));
            for (int w = 1; w <= 4; ++w) {
                ++words_;
                AddWord(words_, list, QStringLiteral("word%1").arg(words_));
            }
        }
    }

    void Step()
    {
        const int action = Pick(movesTests_ ? 12 : 10);
        if (action < 4)
            TakeTest();
        else if (action == 4)
            DeleteTest(Pick(nextTest_ + 1));
        else if (action == 5)
            DeleteWord(1 + Pick(words_));
        else if (action == 6)
            Db().Execute(QStringLiteral(" DELETE FROM WORD_ATTEMPTS  WHERE TEST_ID = %1  AND WORD_ID = %2 ")
                             .arg(Pick(nextTest_ + 1))
                             .arg(1 + Pick(words_)));
        else if (action == 7)
            Db().Execute(QStringLiteral("UPDATE WORD_ATTEMPTS SET RESULT = '%1', GUESS = 'Wrod'"
                                        " WHERE rowid IN (SELECT rowid FROM WORD_ATTEMPTS"
                                        " ORDER BY random() LIMIT 2)")
                             .arg(Pick(2) ? "CORRECT" : "INCORRECT"));
        else if (action == 8)
            Db().Execute(QStringLiteral("UPDATE TESTS SET PRACTICE_OF = CASE WHEN PRACTICE_OF IS"
                                        " NULL THEN 1 END WHERE TEST_ID = %1")
                             .arg(Pick(nextTest_ + 1)));
        else if (action == 10)
            Db().Execute(QStringLiteral("UPDATE TESTS SET %1 WHERE TEST_ID = %2")
                             .arg(Pick(2) ? QStringLiteral("LIST_ID = 3 - LIST_ID")
                                          : QStringLiteral("START_TIME = datetime(START_TIME,"
                                                           " '-%1 days')")
                                                .arg(1 + Pick(3)))
                             .arg(Pick(nextTest_ + 1)));
        else if (action == 11)
            Db().Execute(QStringLiteral("UPDATE TESTS SET UNFINISHED = CASE WHEN UNFINISHED IS"
                                        " NULL THEN 1 END, TEST_ID = TEST_ID + %1"
                                        " WHERE TEST_ID = %2")
                             .arg(Pick(2) * 1000)
                             .arg(Pick(nextTest_ + 1)));
        else if (Pick(4) == 0) {
            DeleteList(1 + Pick(2));
            // A new list of a later week (its tests are not taken).
            AddList(3 + addedLists_, QDate(2026, 11, 27 + 7 * addedLists_));
            ++addedLists_;
        } else
            AbandonTest();
        ExpectTalliesMatchTheRows(std::to_string(action));
    }

private:
    int Pick(int below) { return static_cast<int>(random_.bounded(below)); }

    // Answers as a test stores them, tried up to three times, in any letter case.
    void Answer(int test, int list)
    {
        static const char* const guesses[] = {"wrod", "Wrod", "", "word"};
        const int word = (list - 1) * 4 + 1 + Pick(4);
        for (int attempt = 1; attempt <= 1 + Pick(3); ++attempt)
            RecordAttempt(test, list, word, guesses[Pick(4)],
                          Pick(2) ? "CORRECT" : (Pick(2) ? "INCORRECT" : "incorrect"), attempt);
    }

    // A test or practice round: its answers, then its row; now and then a late answer too.
    void TakeTest()
    {
        const int test = ++nextTest_;
        const int list = 1 + Pick(2);
        MarkTestRunning({test, list, 1, QDateTime::currentDateTime(), 0});
        for (int i = Pick(6); i > 0; --i)
            Answer(test, list);
        AddTest(test, list);
        if (Pick(3) == 0)
            Db().Execute(QStringLiteral("UPDATE TESTS SET PRACTICE_OF = %1 WHERE TEST_ID = %2")
                             .arg(test - 1)
                             .arg(test));
        MarkTestEnded(test);
        if (Pick(4) == 0)
            Answer(test, list);
    }

    // A test the program never finished: the next start stores it as far as it went.
    void AbandonTest()
    {
        const int test = ++nextTest_;
        MarkTestRunning({test, 1, 2, QDateTime::currentDateTime(), 0});
        Answer(test, 1);
        KeepUnfinishedTests();
    }

    QRandomGenerator random_;
    bool movesTests_ = false;
    int words_ = 0;
    int nextTest_ = 0;
    int addedLists_ = 0;
};
} // namespace

TEST(Tallies, AlwaysEqualACountOfTheRowsWhateverChangesThem)
{
    for (const quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        TestAppFolder app;
        TallyHistory history(seed, seed > 3);
        for (int step = 0; step < 150 && !::testing::Test::HasFatalFailure(); ++step)
            history.Step();
        if (seed <= 3) // the histories that keep their tests where they were
            EXPECT_GT(RawCount("SELECT * FROM WORD_TALLIES"), 0) << "the history missed words";
        else
            EXPECT_GT(RawCount("SELECT * FROM LIST_FIRST_TRIES"), 0) << "it kept tests";
        Db().Close();
    }
}

// A file whose tallies were kept by an earlier version of the triggers: on opening it gets
// today's triggers and indexes, and counts it may have kept wrongly are counted again.
TEST(Tallies, AFileWithEarlierTalliesGetsTodaysTriggersAndIsCountedAgain)
{
    TestAppFolder app;
    TallyHistory history(7);
    for (int step = 0; step < 40; ++step)
        history.Step();
    Db().Execute(" DROP INDEX WORD_TALLIES_SPENT; DROP INDEX GUESS_TALLIES_SPENT;"
                 " DROP TRIGGER TESTS_TALLY_REMOVE;"
                 " CREATE TRIGGER TESTS_TALLY_REMOVE AFTER DELETE ON TESTS BEGIN SELECT 1; END;"
                 " UPDATE WORD_TALLIES SET MISSES = MISSES + 9; ");
    Db().Close();

    InitApplication(app.path());
    EXPECT_EQ(RawCount("SELECT * FROM sqlite_master WHERE name LIKE '%TALLIES_SPENT'"), 2);
    ExpectTalliesMatchTheRows("opening");
    for (int step = 0; step < 40 && !::testing::Test::HasFatalFailure(); ++step)
        history.Step();
    Db().Close();
}

// A count under way at an earlier opening is found by its progress row; when the tables it
// was filling have been damaged meanwhile (one dropped by hand), nothing of it is trusted and
// the tallies are counted again from the rows.
TEST(Tallies, ACountUnderWayWhoseTablesWereDamagedIsMadeAgainWhole)
{
    TestAppFolder app;
    TallyHistory history(11);
    for (int step = 0; step < 40; ++step)
        history.Step();
    Db().Execute(" DROP TRIGGER TESTS_TALLY_ADD; DROP TRIGGER WORD_ATTEMPTS_TALLY_ADD;"
                 " CREATE TABLE TALLY_COUNT_PROGRESS (STAGE INTEGER, LAST_KEY);"
                 " INSERT INTO TALLY_COUNT_PROGRESS VALUES (2, 3);"
                 " DROP TABLE WORD_TALLIES; ");
    Db().Close();

    InitApplication(app.path());
    EXPECT_EQ(RawCount("SELECT * FROM sqlite_master WHERE name = 'TALLY_COUNT_PROGRESS'"), 0);
    EXPECT_EQ(RawCount(kTallyTriggers), 6);
    ExpectTalliesMatchTheRows("opening");
    for (int step = 0; step < 40 && !::testing::Test::HasFatalFailure(); ++step)
        history.Step();
    Db().Close();
}

namespace {
// The tallies, the first tries and their triggers taken away, as a file made before them
// has it.
void MakeOldShape() { Db().Execute(kShapeBeforeTalliesSql); }

// The stage the progress row of a count under way names (0 when there is none), read as
// another program would, without opening the file for Quillby.
int ProgressStage(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_stmt* read = nullptr;
    int stage = 0;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, "SELECT STAGE FROM TALLY_COUNT_PROGRESS", -1, &read, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(read) == SQLITE_ROW)
        stage = sqlite3_column_int(read, 0);
    sqlite3_finalize(read);
    sqlite3_close(db);
    return stage;
}

// Opens the file in a process of its own that dies at once (no rollback, nothing closed)
// when the count tells of its progress for the given time; true when it died there.
bool KilledAtReport(const QString& folder, int report)
{
    const pid_t child = fork();
    if (child == 0) {
        int reports = 0;
        SetTallyCountListener([&](int) {
            if (++reports == report)
                _exit(7);
        });
        InitApplication(folder);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 7;
}
} // namespace

// An old file's count killed between two of its steps: the next opening goes on from the step
// reached (the progress row says which) and the tallies equal a recount, wherever it died.
TEST(Tallies, ACountKilledBetweenStepsGoesOnAndEqualsARecount)
{
    // Reports: 1 the start, 2 the tests stage begun, then one after each step (of six tests
    // or six answers), and one as the answers stage begins.
    const struct {
        const char* when;
        int report;
        int stage; // the stage the progress row then names
    } cases[] = {{"after the first step of the tests", 3, 1},
                 {"after a step of the answers", 10, 2},
                 {"after the last step, before the triggers", 11, 2}};
    SetTallyCountStep(6);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.when);
        TestAppFolder app;
        TallyHistory history(13);
        for (int step = 0; step < 60; ++step)
            history.Step();
        MakeOldShape();
        Db().Close();

        ASSERT_TRUE(KilledAtReport(app.path(), c.report));
        EXPECT_EQ(ProgressStage(app.dbPath()), c.stage) << "the progress row kept";
        InitApplication(app.path());
        EXPECT_EQ(RawCount(kTallyTriggers), 6);
        ExpectTalliesMatchTheRows("the next opening");
        Db().Close();
    }
    SetTallyCountStep(0);
}

// A file made before the tallies, holding answers of every odd shape years of use and hand
// edits leave: its first opening counts them as a recount does (keys that are not whole
// numbers take the count's statements, the others its walk of the answers).
TEST(Tallies, AnOldFileOfOddAnswersIsCountedAsARecount)
{
    const struct {
        const char* name;
        const char* rows;
    } cases[] = {
        {"answers without a word",
         "INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, NULL, 'x', 'CORRECT', 1"
         " FROM TESTS"},
        {"a test keyed by a text",
         "INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES ('t9', 1);"
         " INSERT INTO WORD_ATTEMPTS VALUES ('t9', 1, 2, 'wrod', 'INCORRECT', 1),"
         " ('t9', 1, 2, 'word', 'CORRECT', 2), ('t9', 1, 3, 'word', 'CORRECT', 1)"},
        {"a word keyed by a fraction",
         "INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 2.5, 'Wrod', 'INCORRECT', 1"
         " FROM TESTS"},
        {"answers of a test never stored",
         "INSERT INTO WORD_ATTEMPTS VALUES (999, 1, 1, 'wrod', 'INCORRECT', 1),"
         " (999, 1, 1, 'word', 'CORRECT', 1), (NULL, 1, 1, 'word', 'CORRECT', 1)"},
        {"a word right twice at the first try of one test",
         "INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 1, 'word', 'CORRECT', 1"
         " FROM TESTS; INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 1, 'word',"
         " 'CORRECT', 1 FROM TESTS"},
        // No spelling counts as the empty one; letter case and trailing blanks tell them apart.
        {"spellings missing, empty, in other letter cases",
         "INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 2, NULL, 'Incorrect', 1 FROM TESTS;"
         " INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 2, '', 'INCORRECT', 2 FROM TESTS;"
         " INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 2, 'WROD', 'incorrect', 3"
         " FROM TESTS; INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 2, 'wrod ',"
         " 'INCORRECT', 1 FROM TESTS WHERE TEST_ID % 2 = 0"},
        {"a spelling stored as a blob beside the same letters as text",
         "INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 3, X'77726F64', 'INCORRECT', 1"
         " FROM TESTS; INSERT INTO WORD_ATTEMPTS SELECT TEST_ID, LIST_ID, 3, 'wrod',"
         " 'INCORRECT', 2 FROM TESTS"},
    };
    // Counted in the usual steps and in steps of five answers: a test's answers and the
    // words' spellings then fall in several steps.
    for (const int answersPerStep : {0, 5}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(answersPerStep);
            SetTallyCountStep(answersPerStep);
            TestAppFolder app;
            TallyHistory history(5);
            for (int step = 0; step < 40; ++step)
                history.Step();
            MakeOldShape();
            Db().Execute(c.rows);
            Db().Close();

            EXPECT_TRUE(TallyCountAhead(app.path())) << "the count seen ahead";
            InitApplication(app.path());
            EXPECT_EQ(RawCount(kTallyTriggers), 6);
            EXPECT_EQ(RawCount("SELECT * FROM sqlite_master WHERE type = 'index'"
                               " AND name LIKE '%TALLIES_%'"),
                      3)
                << "the indexes made last";
            ExpectTalliesMatchTheRows("opening");
            Db().Close();
            EXPECT_FALSE(TallyCountAhead(app.path())) << "nothing left to count";
        }
    }
    SetTallyCountStep(0);
}
