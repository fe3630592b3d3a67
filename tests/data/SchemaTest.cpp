// The shape of the database file over the versions, and how the statements that run while
// the user works find their rows: through indexes, on files nobody ever analysed.
#include "ListGridQueries.h"
#include "ListQueries.h"
#include "TestQueries.h"
#include "DataFixtures.h"
#include "InitApplication.h"
#include "DbError.h"
#include "Statements.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// The indexes a file made by the previous version carries.
const char* const kPreviousIndexes =
    "CREATE UNIQUE INDEX LISTS_LIST_ID ON LISTS (LIST_ID);"
    "CREATE INDEX LISTS_TEST_DATE ON LISTS (TEST_DATE);"
    "CREATE UNIQUE INDEX WORDS_WORD_ID ON WORDS (WORD_ID);"
    "CREATE INDEX WORDS_LIST_ID ON WORDS (LIST_ID);"
    "CREATE UNIQUE INDEX TESTS_TEST_ID ON TESTS (TEST_ID);"
    "CREATE INDEX TESTS_LIST_ID ON TESTS (LIST_ID);"
    "CREATE INDEX WORD_ATTEMPTS_TEST ON WORD_ATTEMPTS (TEST_ID, ATTEMPT_NUMBER, RESULT);"
    "CREATE INDEX WORD_ATTEMPTS_WORD_ID ON WORD_ATTEMPTS (WORD_ID);"
    "CREATE INDEX WORD_ATTEMPTS_LIST_ID ON WORD_ATTEMPTS (LIST_ID);"
    "CREATE UNIQUE INDEX IDS_CODE ON IDS (CODE);";

const char* const kOldRows =
    "INSERT INTO LISTS VALUES (1, '2004-05-31', '2004-06-04', '2004-06-04', "
    "'2004-05-30 18:30:05', 'CREATED');"
    "INSERT INTO LISTS VALUES (2, '2004-06-07', '2004-06-11', '2004-06-11', "
    "'2004-06-06 18:30:05', 'IGNORED');"
    "INSERT INTO WORDS VALUES (11, 1, 'their', 'belonging to them', '', 'FALSE');"
    "INSERT INTO WORDS VALUES (12, 1, 'rhythm', '', 'Keep the rhythm.', 'TRUE');"
    "INSERT INTO WORDS VALUES (21, 2, 'THEIR', '', '', 'FALSE');"
    "INSERT INTO TESTS VALUES (100, 1, 3, '2004-06-03 16:00:00', '2004-06-03 16:05:00');"
    "INSERT INTO WORD_ATTEMPTS VALUES (100, 1, 11, 'thier', 'INCORRECT', 1);"
    "INSERT INTO WORD_ATTEMPTS VALUES (100, 1, 11, 'their', 'CORRECT', 2);"
    "INSERT INTO WORD_ATTEMPTS VALUES (100, 1, 12, 'rhythm', 'CORRECT', 1);"
    "INSERT INTO IDS VALUES ('LIST_ID', 2);";

QString ReadSchema()
{
    QFile file(SchemaPath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll()).remove(QRegularExpression(QStringLiteral("--[^\\n]*")));
}

// The names of the indexes the schema declares, sorted.
QStringList SchemaIndexNames()
{
    QStringList names;
    static const QRegularExpression index(QStringLiteral(R"(CREATE\s+(?:UNIQUE\s+)?INDEX\s+(\w+))"));
    for (auto it = index.globalMatch(ReadSchema()); it.hasNext();)
        names << it.next().captured(1);
    names.sort();
    return names;
}

QStringList FileIndexNames()
{
    return Raw("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name");
}

// Every row of the four list tables, as stored.
QStringList AllRows()
{
    QStringList rows;
    for (const char* table : {"LISTS", "WORDS", "TESTS", "WORD_ATTEMPTS", "IDS"})
        rows << Raw(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    return rows;
}

// A file of the previous version's shape with a few rows, made straight through SQLite.
void MakePreviousVersionFile(const QString& folder)
{
    QString tables = ReadSchema();
    tables.truncate(tables.indexOf("CREATE TABLE TEST_TALLIES")); // the tallies came later
    tables.remove(QRegularExpression(QStringLiteral(R"(CREATE\s+(?:UNIQUE\s+)?INDEX[^;]*;)")));
    tables.remove(QRegularExpression(QStringLiteral(R"(,\s*PRACTICE_OF\s+INTEGER)")));
    tables.remove(QRegularExpression(QStringLiteral(R"(,\s*UNFINISHED\s+INTEGER)")));
    tables.replace(QRegularExpression(QStringLiteral(R"(CREATE TABLE RUNNING_TESTS \([^;]*;)")),
                   QStringLiteral("CREATE TABLE RUNNING_TESTS (TEST_ID INTEGER PRIMARY KEY);"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "/Quillby.mdb").toUtf8().constData(), &db), SQLITE_OK);
    const QByteArray script = tables.toUtf8() + kPreviousIndexes + kOldRows;
    EXPECT_EQ(sqlite3_exec(db, script.constData(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The file's schema version (which every change of its tables or indexes raises), read aside.
int SchemaVersionOf(const QString& path)
{
    sqlite3* db = nullptr;
    int version = -1;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
        sqlite3_prepare_v2(db, "PRAGMA schema_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return version;
}

// The query plan of a statement as the data layer sends it, one step per line.
QStringList Plan(const QString& sql)
{
    QStringList steps;
    for (const QString& row : Raw("EXPLAIN QUERY PLAN " +
                                     Connection::WithWordOrder(Connection::RewriteDateLiterals(sql))))
        steps << row.section('|', 3);
    return steps;
}
} // namespace

TEST(SchemaUpgrade, AFileOfThePreviousVersionGetsTheNewIndexesWithoutLosingARow)
{
    QTemporaryDir dir;
    MakePreviousVersionFile(dir.path());
    {
        InitApplication(dir.path());
        EXPECT_EQ(FileIndexNames(), SchemaIndexNames());
        QStringList rows = AllRows();
        EXPECT_EQ(rows.size(), 2 + 3 + 1 + 3 + 1);
        EXPECT_TRUE(rows.contains("12|1|rhythm||Keep the rhythm.|TRUE")) << rows.join('\n').toStdString();
        EXPECT_TRUE(rows.contains("100|1|12|rhythm|CORRECT|1"));
        EXPECT_EQ(CountListWords(1), 2);
        EXPECT_EQ(GetTestScore(100), 50);
        // Its test gains the practice mark empty: a test of the whole list, counted as before.
        EXPECT_EQ(Raw("SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NULL"), QStringList{"100"});
        // ... and the unfinished mark empty: a test that ended. Running tests note their list.
        EXPECT_EQ(Raw("SELECT TEST_ID FROM TESTS WHERE UNFINISHED IS NULL"), QStringList{"100"});
        EXPECT_EQ(Raw("SELECT COUNT(*) FROM pragma_table_info('RUNNING_TESTS')"), QStringList{"5"});
        EXPECT_EQ(CountListTests(1), 1);
        // The tallies are counted from the rows already there, and kept from then on.
        EXPECT_EQ(Raw("SELECT * FROM TEST_TALLIES"), QStringList{"100|1|2"});
        EXPECT_EQ(Raw("SELECT * FROM GUESS_TALLIES"), QStringList{"11|thier|1"});
        // Its whole-list test's first tries, in the list's order, likewise.
        EXPECT_EQ(Raw("SELECT TEST_ID, LIST_ID, FIRST_TRY FROM LIST_FIRST_TRIES"),
                  QStringList{"100|1|1"});
        Db().Execute(" DELETE FROM WORD_ATTEMPTS  WHERE WORD_ID = 12 ");
        EXPECT_EQ(Raw("SELECT * FROM TEST_TALLIES"), QStringList{"100|0|1"});
        EXPECT_EQ(Raw("SELECT TEST_ID, FIRST_TRY FROM LIST_FIRST_TRIES"), QStringList{"100|0"});
        // The number of its lists is counted, and kept from then on.
        EXPECT_EQ(Raw("SELECT LISTS FROM LIST_TOTAL"), QStringList{"2"});
        AddList(3, QDate(2026, 12, 18));
        EXPECT_EQ(CountListGridRows(NewestListId()), 3);
        DeleteList(3);
        EXPECT_EQ(Raw("SELECT LISTS FROM LIST_TOTAL"), QStringList{"2"});
        // The windows' places gain their table, empty.
        EXPECT_EQ(RawCount("SELECT * FROM WINDOW_PLACES"), 0);
        Db().Close();

        // Opening again changes nothing: not even an index dropped and made again (a retired
        // name the schema uses for a wider index is kept once it is the wider one).
        const int schemaVersion = SchemaVersionOf(dir.path() + "/Quillby.mdb");
        InitApplication(dir.path());
        EXPECT_EQ(Raw("PRAGMA schema_version"), QStringList{QString::number(schemaVersion)});
        EXPECT_EQ(FileIndexNames(), SchemaIndexNames());
        rows.removeAll("100|1|12|rhythm|CORRECT|1");
        EXPECT_EQ(AllRows(), rows);
        EXPECT_EQ(Raw("SELECT * FROM TEST_TALLIES"), QStringList{"100|0|1"});
        Db().Close();
    }

    // A fresh file from the schema (as the shipped one is made) has the same indexes.
    QTemporaryDir fresh;
    InitTestApp(fresh.path());
    EXPECT_EQ(FileIndexNames(), SchemaIndexNames());
    Db().Close();
}

TEST(SchemaUpgrade, AFileWhoseRowsBreakAUniqueIndexStillOpensWithAllItsRows)
{
    QTemporaryDir dir;
    MakePreviousVersionFile(dir.path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((dir.path() + "/Quillby.mdb").toUtf8().constData(), &db), SQLITE_OK);
    // An older file without the word-key index, holding the same key twice.
    ASSERT_EQ(sqlite3_exec(db,
                           "DROP INDEX WORDS_WORD_ID; "
                           "INSERT INTO WORDS VALUES (11, 2, 'twice', '', '', 'FALSE');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ASSERT_NO_THROW(InitApplication(dir.path()));
    EXPECT_EQ(RawCount("SELECT * FROM WORDS"), 4);
    QStringList expected = SchemaIndexNames();
    expected.removeAll("WORDS_WORD_ID");
    EXPECT_EQ(FileIndexNames(), expected) << "the other indexes are made";
    Db().Close();
}

// The statements that count tests need the practice mark: a file that cannot gain it while
// it opens (locked by another program) is refused with a message naming it, and opens later.
TEST(SchemaUpgrade, AFileThatCannotGainThePracticeMarkIsRefusedUntilItCan)
{
    QTemporaryDir dir;
    MakePreviousVersionFile(dir.path());
    const QString path = dir.path() + "/Quillby.mdb";
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode = WAL; BEGIN IMMEDIATE;"
                                  " INSERT INTO IDS VALUES ('X', 1);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    try {
        InitApplication(dir.path());
        ADD_FAILURE() << "the file opened without the column";
    } catch (const DbError& e) {
        EXPECT_TRUE(QString(e.what()).contains(path)) << e.what();
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    InitApplication(dir.path());
    EXPECT_EQ(CountListTests(1), 1);
    Db().Close();
}

TEST(PlannerStatistics, AreGatheredWhenTheConnectionClosesForTheTablesTheRunUsed)
{
    TestAppFolder app;
    AddList(1, QDate(2004, 6, 4));
    AddWord(1, 1, "cat");
    AddWord(2, 1, "dog");
    EXPECT_EQ(RawCount("SELECT * FROM sqlite_master WHERE name = 'sqlite_stat1'"), 0);
    EXPECT_EQ(CountListWords(1), 2);
    Db().Close();
    InitApplication(app.path());
    EXPECT_GT(RawCount("SELECT * FROM sqlite_stat1 WHERE tbl = 'WORDS'"), 0);
}

// Every statement that runs while the user works, on a file that was never analysed: each
// finds its rows through an index, so its cost does not grow with the database.
TEST(QueryPlans, StatementsOfEveryUserActionUseIndexesOnAFileNeverAnalysed)
{
    TestAppFolder app;
    const QString attempts = QStringLiteral(" SELECT * FROM WORD_ATTEMPTS ");
    const QStringList statements = {
        " SELECT * FROM LISTS  WHERE TEST_DATE < #6/4/2004#  AND STATUS <> 'IGNORED' ",
        "SELECT 1 FROM WORDS WHERE WORD IN ('a', 'A', 'a') AND (WORD_ID IS NULL OR WORD_ID <> 5) "
        "LIMIT 1",
        QString(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_LIST_ID_UP_TO + "900 " +
            Sql::ORDER_BY_LIST_ID_DESC + " LIMIT 64",
        QString(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_LIST_ID_BELOW + "836 " +
            Sql::ORDER_BY_LIST_ID_DESC + " LIMIT 64",
        QString(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_LIST_ID + "7 ", QString(Sql::MAX_LIST_ID),
        // The long grid: its row count, the key at an offset from either end, a block from a
        // key, the search by date.
        QString(Sql::COUNT_GRID_LISTS) + Sql::WHERE_GRID_KEY_UP_TO + "900 ",
        QString(Sql::SELECT_GRID_KEY) + Sql::WHERE_GRID_KEY_UP_TO + "900 " +
            Sql::ORDER_BY_LIST_ID_DESC + " LIMIT 1 OFFSET 64",
        QString(Sql::SELECT_GRID_KEY) + Sql::WHERE_GRID_KEY_UP_TO + "900 " +
            Sql::ORDER_BY_LIST_ID_ASC + " LIMIT 1 OFFSET 64",
        QString(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_GRID_KEY_UP_TO + "836 " +
            Sql::ORDER_BY_LIST_ID_DESC + " LIMIT 64",
        QString(Sql::SELECT_LIST_OF_TEST_DATE) + "6/4/2004" + Sql::DATE_END +
            Sql::AND_LIST_ID_UP_TO + "900 " + Sql::ORDER_BY_LIST_ID_DESC + " LIMIT 1",
        QString(Sql::SELECT_WORDS_WITH_MISSES) + "15" + Sql::CLOSE_MISSES + Sql::WHERE_LIST_ID +
            "1 " + Sql::ORDER_BY_WORD,
        QString(Sql::SELECT_TESTS_WITH_FIRST_TRY) + Sql::WHERE_LIST_ID + "1 " +
            Sql::ORDER_BY_START_TIME,
        // A practice round: its words, its results' words, its number of words.
        QString(Sql::SELECT_WORDS_NO_LEADING_BLANK) + Sql::WHERE_LIST_ID + "1 " +
            Sql::AND_MISSED_IN_TEST + "15" + Sql::CLOSE_SUBQUERY + Sql::ORDER_BY_WORD,
        QString(Sql::SELECT_WORDS_WITH_MISSES) + "16" + Sql::CLOSE_MISSES + Sql::WHERE_LIST_ID +
            "1 " + Sql::AND_ASKED_IN_TEST + "16" + Sql::CLOSE_SUBQUERY + Sql::ORDER_BY_WORD,
        QString(Sql::SELECT_WORDS_ASKED) + "16 ",
        attempts +
            " WHERE WORD_ID = 5  AND TEST_ID = 7  AND RESULT = 'INCORRECT'  ORDER BY ATTEMPT_NUMBER ",
        attempts + " WHERE WORD_ID = 5  AND ATTEMPT_NUMBER = 1  AND RESULT = 'CORRECT' ",
        attempts + " WHERE WORD_ID = 5  AND RESULT = 'INCORRECT' ",
        attempts + " WHERE TEST_ID = 7  AND ATTEMPT_NUMBER = 1  AND RESULT = 'CORRECT' ",
        attempts + " WHERE TEST_ID = 7  AND ATTEMPT_NUMBER = 3  AND RESULT = 'INCORRECT' ",
        " SELECT * FROM WORDS  WHERE LIST_ID = 1  ORDER BY WORD ",
        " SELECT * FROM WORDS  WHERE WORD_ID = 5 ", " SELECT * FROM TESTS  WHERE LIST_ID = 1 ",
        " SELECT * FROM TESTS  WHERE TEST_ID = 1 ", " DELETE FROM WORDS  WHERE WORD_ID = 5 ",
        " DELETE FROM WORD_ATTEMPTS  WHERE WORD_ID = 5 ", " DELETE FROM WORDS  WHERE LIST_ID = 1 ",
        " DELETE FROM LISTS  WHERE LIST_ID = 1 ", " DELETE FROM TESTS  WHERE LIST_ID = 1 ",
        " DELETE FROM WORD_ATTEMPTS  WHERE LIST_ID = 1 ", " DELETE FROM TESTS  WHERE TEST_ID = 7 ",
        " DELETE FROM WORD_ATTEMPTS  WHERE TEST_ID = 7 "};
    static const QRegularExpression wholeTable(QStringLiteral(R"(^SCAN )"));
    for (const QString& sql : statements) {
        const QStringList plan = Plan(sql);
        ASSERT_FALSE(plan.isEmpty()) << sql.toStdString();
        for (const QString& step : plan)
            EXPECT_FALSE(wholeTable.match(step).hasMatch())
                << sql.toStdString() << "\n  " << plan.join("\n  ").toStdString();
    }
    // What every start asks of the grid: the damaged keys and the number of rows. They read the
    // index of damaged keys (empty in a sound file) and count the whole table by its pages
    // (SQLite's count of a table with no condition), never a walk of every list.
    const QString damaged = QString(Sql::SELECT_LISTS_WITH_DAMAGED_KEYS);
    const QString count = QString(Sql::COUNT_GRID_LISTS_QUICKLY) + "900 ) AS LIST_COUNT ";
    for (const QString& sql : {damaged, count}) {
        const QStringList plan = Plan(sql);
        ASSERT_FALSE(plan.isEmpty()) << sql.toStdString();
        int tableCounts = 0;
        for (const QString& step : plan)
            if (step.startsWith("SCAN LISTS") && !step.contains("LISTS_DAMAGED_KEYS"))
                ++tableCounts;
        EXPECT_EQ(tableCounts, sql == count ? 1 : 0) << plan.join("\n  ").toStdString();
    }
    EXPECT_TRUE(Raw("EXPLAIN SELECT COUNT(*) FROM LISTS").join('\n').contains("|Count|"));
}

// The number of lists the grid starts from: a file whose count lost a trigger (an older
// Quillby's, or a damaged one) is counted again when it opens; without the count's row the
// grid counts the lists itself. Either way it shows every list.
TEST(SchemaUpgrade, TheListTotalIsMadeWholeAgainAndTheGridCountsWithoutIt)
{
    QTemporaryDir dir;
    InitTestApp(dir.path());
    for (int32_t list = 1; list <= 5; ++list)
        AddList(list, QDate(2026, 1, 2).addDays(7 * list));
    DeleteList(2);
    EXPECT_EQ(Raw("SELECT LISTS FROM LIST_TOTAL"), QStringList{"4"});
    EXPECT_EQ(CountListGridRows(NewestListId()), 4);

    Db().Execute("DROP TRIGGER LISTS_TOTAL_ADD");
    AddList(6, QDate(2026, 3, 6));
    EXPECT_EQ(Raw("SELECT LISTS FROM LIST_TOTAL"), QStringList{"4"}) << "no trigger counted it";
    Db().Close();
    InitApplication(dir.path());
    EXPECT_EQ(Raw("SELECT LISTS FROM LIST_TOTAL"), QStringList{"5"});
    EXPECT_EQ(RawCount("SELECT * FROM sqlite_master WHERE name LIKE 'LISTS_TOTAL_%'"), 2);
    AddList(7, QDate(2026, 3, 13));
    EXPECT_EQ(CountListGridRows(NewestListId()), 6);

    // Its fill run again counts again: still one row.
    Db().Execute("INSERT OR REPLACE INTO LIST_TOTAL (ONE, LISTS) SELECT 1, COUNT(*) FROM LISTS");
    EXPECT_EQ(Raw("SELECT * FROM LIST_TOTAL"), QStringList{"1|6"});
    Db().Execute("DELETE FROM LIST_TOTAL");
    EXPECT_EQ(CountListGridRows(NewestListId()), 6);
    Db().Close();
}
