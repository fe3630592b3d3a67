// The speech setting of the settings row, the upgrade of older databases that lack it, and the
// hardest words of a list.
#include "ListQueries.h"
#include "TestQueries.h"
#include "DataFixtures.h"
#include "ListProgress.h"
#include "Options.h"
#include "PracticeRounds.h"
#include "Statements.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// A database folder whose OPTIONS table has the fourteen columns of older files, with the
// given settings row (none when row is empty).
void MakeOldDatabase(const QString& folder, const QString& row)
{
    const QString path = MakeTestDatabase(folder);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    const QString sql = QStringLiteral("ALTER TABLE OPTIONS DROP COLUMN SPEAK_WORDS;") +
                        (row.isEmpty() ? QString() : "INSERT INTO OPTIONS VALUES (" + row + ");");
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

const QString kOldRow = QStringLiteral(
    "'TRUE','FALSE','TRUE','TRUE','Random',5,'TRUE','FALSE','TRUE','FALSE','TRUE',14,"
    "'Mondays','FALSE'");

int OptionsColumns()
{
    return RawCount(QStringLiteral("SELECT * FROM pragma_table_info('OPTIONS')"));
}

} // namespace

// An older file gains the column when it opens, keeps every value, and reads as speaking.
TEST(SpeakWordsUpgrade, OldOptionsTablesGainTheColumnWithoutLosingARow)
{
    struct Case {
        const char* name;
        QString row;
        int rows;
    };
    for (const Case& c : {Case{"with its settings row", kOldRow, 1},
                          Case{"without a settings row", QString(), 0}}) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        MakeOldDatabase(dir.path(), c.row);
        InitTestApp(dir.path());
        EXPECT_EQ(OptionsColumns(), 15);
        EXPECT_EQ(RawCount("SELECT * FROM OPTIONS"), c.rows);
        if (c.rows == 1) {
            EXPECT_EQ(Raw("SELECT * FROM OPTIONS"),
                      QStringList{"TRUE|FALSE|TRUE|TRUE|Random|5|TRUE|FALSE|TRUE|FALSE|TRUE|14|"
                                  "Mondays|FALSE|TRUE"});
        }
        EXPECT_TRUE(SpeakWordsSetting());

        // Opening again changes nothing: the column is there once.
        Db().Close();
        InitTestApp(dir.path());
        EXPECT_EQ(OptionsColumns(), 15);
        EXPECT_EQ(RawCount("SELECT * FROM OPTIONS"), c.rows);
        Db().Close();
    }
}

TEST(SpeakWordsUpgrade, NewDatabasesCarryTheColumnWithItsDefault)
{
    TestAppFolder app;
    EXPECT_EQ(OptionsColumns(), 15);
    Db().Execute("INSERT INTO OPTIONS (PRONOUNCE) VALUES ('TRUE')");
    EXPECT_EQ(Raw("SELECT SPEAK_WORDS FROM OPTIONS"), QStringList{"TRUE"});
}

// A file that is locked by another program while it opens keeps its old shape; it still opens
// and reads as speaking, and the next open adds the column.
TEST(SpeakWordsUpgrade, ALockedFileOpensUnchangedAndIsUpgradedNextTime)
{
    QTemporaryDir dir;
    MakeOldDatabase(dir.path(), kOldRow);
    sqlite3* other = nullptr;
    const QString path = dir.path() + "/Quillby.mdb";
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode = WAL; BEGIN IMMEDIATE;"
                                  " INSERT INTO IDS VALUES ('X', 1);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    InitTestApp(dir.path());
    EXPECT_EQ(OptionsColumns(), 14);
    EXPECT_TRUE(SpeakWordsSetting());
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    Db().Close();
    InitTestApp(dir.path());
    EXPECT_EQ(OptionsColumns(), 15);
    Db().Close();
}

TEST(SpeakWordsSetting, StoredTextsReadAsFlagsAndAnythingMissingAsOn)
{
    TestAppFolder app;
    EXPECT_TRUE(SpeakWordsSetting()) << "no settings row yet";
    Db().Execute("INSERT INTO OPTIONS (PRONOUNCE) VALUES ('TRUE')");
    struct Case {
        const char* stored; // nullptr: NULL
        bool on;
    };
    for (const Case& c : {Case{"TRUE", true}, Case{"true", true}, Case{"FALSE", false},
                          Case{"no", false}, Case{"", false}, Case{nullptr, true}}) {
        const QString value = c.stored ? QStringLiteral("'%1'").arg(c.stored) : "NULL";
        Db().Execute("UPDATE OPTIONS SET SPEAK_WORDS = " + value);
        EXPECT_EQ(SpeakWordsSetting(), c.on) << value.toStdString();
    }
}

namespace {
// A list of six words tested three times, plus a test of another list and answers of a test
// that was never finished (no TESTS row), which count nowhere.
class HardestWordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddList(1, QDate(2026, 11, 6));
        AddList(2, QDate(2026, 11, 13));
        const char* texts[] = {"because", "friend", "their", "said", "again", "never"};
        for (int i = 0; i < 6; ++i)
            AddWord(i + 1, 1, texts[i]);
        AddWord(7, 2, "other");
        for (int test : {1, 2, 3})
            AddTest(test, 1);
        AddTest(4, 2);
    }
    void Miss(int test, int word, const QString& guess, int number = 1)
    {
        Recordset rs(" SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = 0 ", Db());
        rs.AddNew();
        rs.SetField("TEST_ID", test);
        rs.SetField("LIST_ID", word == 7 ? 2 : 1);
        rs.SetField("WORD_ID", word);
        rs.SetField("GUESS", guess);
        rs.SetField("RESULT", "INCORRECT");
        rs.SetField("ATTEMPT_NUMBER", number);
        rs.Update();
    }
    static QStringList Rows(const std::vector<HardWord>& words)
    {
        QStringList rows;
        for (const HardWord& w : words)
            rows << QStringLiteral("%1 %2/%3 %4")
                        .arg(w.word)
                        .arg(w.testsMissed)
                        .arg(w.misses)
                        .arg(SpellingsText(w.spellings));
        return rows;
    }
    TestAppFolder app;
};
} // namespace

TEST_F(HardestWordsTest, MoreTestsMissedFirstThenMoreMissesThenAlphabetical)
{
    // "friend": missed in all three tests, once each.
    for (int test : {1, 2, 3})
        Miss(test, 2, "freind");
    // "because": in two tests, four times (three tries in test 1).
    Miss(1, 1, "becuase", 1);
    Miss(1, 1, "becuase", 2);
    Miss(1, 1, "Becuase", 3);
    Miss(2, 1, "becase");
    // "their" and "said": in two tests, twice each: a tie, so alphabetical.
    Miss(1, 3, "thier");
    Miss(3, 3, "there");
    Miss(2, 4, "sed");
    Miss(3, 4, "sayed");
    // "never": one test, once; "again" is never missed and is not listed.
    Miss(2, 6, "nevver");
    // Answers that belong to no test of the list.
    Miss(4, 7, "uther");
    Miss(9, 5, "agen");
    Miss(9, 6, "nevver");

    EXPECT_EQ(Rows(HardestWords(1)),
              QStringList({"friend 3/3 freind (3)", "because 2/4 becuase (2), Becuase, becase",
                           "said 2/2 sayed, sed", "their 2/2 there, thier", "never 1/1 nevver"}));
    EXPECT_EQ(Rows(HardestWords(2)), QStringList{"other 1/1 uther"});
}

TEST_F(HardestWordsTest, OnlyTheMostTriedSpellingsAreKept)
{
    for (const char* guess : {"b1", "b2", "b2", "b3", "b3", "b3", "b4"})
        Miss(1, 1, guess);
    const std::vector<HardWord> words = HardestWords(1);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(SpellingsText(words[0].spellings), "b3 (3), b2 (2), b1");
    EXPECT_EQ(SpellingsText(HardestWords(1, 1)[0].spellings), "b3 (3)");
    EXPECT_TRUE(HardestWords(1, 0)[0].spellings.empty());
}

TEST_F(HardestWordsTest, NoMissesOrNoTestsGiveNothing)
{
    EXPECT_TRUE(HardestWords(1).empty());
    EXPECT_TRUE(HardestWords(99).empty());
}

// Two statements whatever the number of answers: a row per word and per spelling of the
// tallies the database keeps, never an answer, on a file that was never analysed.
TEST_F(HardestWordsTest, TwoStatementsWhateverTheNumberOfAnswers)
{
    for (int i = 0; i < 200; ++i)
        Miss(1 + i % 3, 1 + i % 6, QStringLiteral("guess%1").arg(i % 7));
    StatementLog log;
    const std::vector<HardWord> words = HardestWords(1);
    EXPECT_EQ(words.size(), 6u);
    ASSERT_EQ(log.statements.size(), 2);
    for (const QString& sql : log.statements) {
        const QString plan = Raw("EXPLAIN QUERY PLAN " + sql).join('\n');
        EXPECT_TRUE(plan.contains("USING INDEX WORDS_LIST_ID")) << plan.toStdString();
        EXPECT_FALSE(plan.contains("WORD_ATTEMPTS")) << plan.toStdString();
        EXPECT_FALSE(plan.contains("SCAN")) << plan.toStdString();
    }
}

// A practice round of missed words is stored like a test, but the list's test count (the main
// grid's and the list editor's), its hardest words and its tests' scores stay those of its
// whole-list tests; the round itself is scored on the words it asked.
TEST_F(HardestWordsTest, PracticeRoundsStayOutOfTheListsFigures)
{
    Miss(1, 2, "freind");
    Miss(1, 3, "thier");
    AddTest(5, 1);
    Db().Execute("UPDATE TESTS SET PRACTICE_OF = 1 WHERE TEST_ID = 5");
    Miss(5, 2, "frend");
    Miss(5, 2, "frind", 2);
    Recordset rs(" SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = 0 ", Db());
    rs.AddNew();
    rs.SetField("TEST_ID", 5);
    rs.SetField("LIST_ID", 1);
    rs.SetField("WORD_ID", 3);
    rs.SetField("GUESS", "their");
    rs.SetField("RESULT", "CORRECT");
    rs.SetField("ATTEMPT_NUMBER", 1);
    rs.Update();

    EXPECT_EQ(Rows(HardestWords(1)), QStringList({"friend 1/1 freind", "their 1/1 thier"}));
    EXPECT_EQ(CountListTests(1), 3);
    Recordset grid(QString(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_LIST_ID + "1 ", Db());
    EXPECT_EQ(grid.Field("TEST_COUNT").toLong(), 3);
    EXPECT_EQ(CountWordsAsked(5), 2);
    EXPECT_EQ(GetTestScore(5), 50) << "1 of the 2 words it asked";
}

// Whole-list tests are numbered oldest first; a round carries the number of the test its
// chain began with, and its round.
TEST(TestPlaces, NumberWholeListTestsAndNameRoundsByTheTestTheyBeganWith)
{
    const auto places = TestPlaces({{10, std::nullopt}, {11, 10}, {12, 11}, {13, std::nullopt},
                                    {14, 13}, {15, 99}, {16, 0}});
    const std::vector<std::pair<int32_t, std::pair<int, int>>> expected = {
        {10, {1, 0}}, {11, {1, 1}}, {12, {1, 2}}, {13, {2, 0}}, {14, {2, 1}}, {15, {0, 1}},
        {16, {0, 1}}};
    ASSERT_EQ(places.size(), expected.size());
    for (const auto& [test, place] : expected) {
        EXPECT_EQ(places.at(test).number, place.first) << test;
        EXPECT_EQ(places.at(test).round, place.second) << test;
    }
}
