#include "TestQueries.h"

#include "Connection.h"
#include "Globals.h"
#include "ListQueries.h"
#include "PracticeRounds.h"
#include "ProcessEvents.h"
#include "Recordset.h"
#include "Scores.h"
#include "Statements.h"
#include "DbError.h"

#include <limits>
#include <sqlite3.h>

namespace {
QString Id(int32_t id) { return QString::number(id); }

// " SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = <id> ", which the counts narrow down.
QString TestAttempts(int32_t testId)
{
    return QLatin1String(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_TEST_ID + Id(testId) +
           Sql::VALUE_END;
}

int32_t CountRows(const QString& sql)
{
    return static_cast<int32_t>(Globals::DbConnection().CountRows(sql));
}
} // namespace

namespace {
// A list's tests oldest first through the index of a list's tests by start time (no sort, the
// tallies found by key), ties in the order they were stored, as the record set reads them.
// Only the columns a list's history needs, read straight from SQLite.
QString ListTestsInOrder(int32_t listId)
{
    return QStringLiteral(
               "SELECT T.TEST_ID, T.START_TIME, T.PRACTICE_OF, T.UNFINISHED,"
               " IFNULL(A.FIRST_TRY, 0), IFNULL(A.WORDS_ASKED, 0)"
               " FROM TESTS T LEFT JOIN TEST_TALLIES A ON A.TEST_ID = T.TEST_ID"
               " WHERE T.LIST_ID = %1 ORDER BY T.START_TIME, T._rowid_")
        .arg(listId);
}

// A whole number that can be a row's key, as RowKey takes it; nothing for any other value.
std::optional<int32_t> PlainKey(sqlite3_stmt* stmt, int column)
{
    if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER)
        return std::nullopt;
    const sqlite3_int64 value = sqlite3_column_int64(stmt, column);
    if (value < 1 || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// One row of a list's tests read plainly; false when a value is not in the form the program
// stores (a damaged key, a date in another form), which only the record set reads as it must.
bool ReadPlainTest(sqlite3_stmt* stmt, StoredTest& test)
{
    const auto key = PlainKey(stmt, 0);
    if (!key || sqlite3_column_type(stmt, 1) != SQLITE_TEXT)
        return false;
    QTime time;
    bool hasTime = false;
    if (!ParseIsoDate(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)),
                      sqlite3_column_bytes(stmt, 1), test.date, time, hasTime))
        return false;
    test.testId = *key;
    if (sqlite3_column_type(stmt, 2) != SQLITE_NULL) {
        test.practiceOf = PlainKey(stmt, 2);
        if (!test.practiceOf)
            return false;
    }
    test.unfinished = sqlite3_column_type(stmt, 3) != SQLITE_NULL;
    for (const int column : {4, 5})
        if (sqlite3_column_type(stmt, column) != SQLITE_INTEGER)
            return false;
    test.firstTry = sqlite3_column_int(stmt, 4);
    test.wordsAsked = sqlite3_column_int(stmt, 5);
    return true;
}

// The tests of a list when every row is in the stored form; nothing when one is not.
std::optional<std::vector<StoredTest>> ReadPlainListTests(int32_t listId)
{
    Connection& db = Globals::DbConnection();
    const QString sql = ListTestsInOrder(listId);
    db.NotifyStatement(sql);
    const Connection::Query query = db.Prepare(sql, sql);
    std::vector<StoredTest> tests;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
        tests.emplace_back();
        if (!ReadPlainTest(query.get(), tests.back()))
            return std::nullopt;
    }
    if (rc != SQLITE_DONE)
        throw DbError(sql, db.LastError());
    return tests;
}
} // namespace

std::vector<StoredTest> ReadListTests(int32_t listId, SkippedRows& skipped)
{
    if (auto plain = ReadPlainListTests(listId))
        return std::move(*plain);

    Recordset rs(QLatin1String(Sql::SELECT_TESTS_WITH_FIRST_TRY) + Sql::WHERE_LIST_ID + Id(listId) +
                     Sql::VALUE_END + Sql::ORDER_BY_START_TIME,
                 Globals::DbConnection());
    std::vector<StoredTest> stored;
    stored.reserve(static_cast<size_t>(rs.RecordCount()));
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto key = RowKey(rs, QStringLiteral("TEST_ID"));
        if (!key) {
            skipped.Add(QStringLiteral("TESTS"), rs);
            continue;
        }
        stored.push_back({*key, rs.Field(QStringLiteral("START_TIME")).toDate(),
                          !rs.Field(QStringLiteral("UNFINISHED")).isNull(), PractisedTest(rs),
                          rs.Field(QStringLiteral("FIRST_TRY")).toLong(),
                          rs.Field(QStringLiteral("WORDS_ASKED")).toLong()});
    }
    return stored;
}

std::optional<TestRow> ReadTestRow(int32_t testId)
{
    Recordset rs(QLatin1String(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID + Id(testId) +
                     Sql::VALUE_END,
                 Globals::DbConnection());
    if (rs.Eof())
        return std::nullopt;
    TestRow row;
    row.listId = rs.Field(QStringLiteral("LIST_ID")).toLong();
    row.practiceOf = PractisedTest(rs);
    row.unfinished = !rs.Field(QStringLiteral("UNFINISHED")).isNull();
    row.start = rs.Field(QStringLiteral("START_TIME")).toDateTime();
    row.end = rs.Field(QStringLiteral("END_TIME")).toDateTime();
    row.moveOnAfter = rs.Field(QStringLiteral("MOVE_ON_AFTER")).toLong();
    return row;
}

int32_t CountTestFirstTryCorrect(int32_t testId)
{
    return CountRows(TestAttempts(testId) + Sql::AND_FIRST_ATTEMPT + Sql::AND_CORRECT);
}

int32_t CountTestMovedOn(int32_t testId, int32_t moveOnAfter)
{
    return CountRows(TestAttempts(testId) + Sql::AND_ATTEMPT_NUMBER + Id(moveOnAfter) +
                     Sql::VALUE_END + Sql::AND_INCORRECT);
}

std::vector<WordMisses> ReadWordsWithMisses(int32_t testId, int32_t listId, bool askedOnly,
                                            SkippedRows& skipped)
{
    const QString asked = askedOnly ? QLatin1String(Sql::AND_ASKED_IN_TEST) + Id(testId) +
                                          Sql::CLOSE_SUBQUERY
                                    : QString();
    Recordset rs(QLatin1String(Sql::SELECT_WORDS_WITH_MISSES) + Id(testId) + Sql::CLOSE_MISSES +
                     Sql::WHERE_LIST_ID + Id(listId) + Sql::VALUE_END + asked + Sql::ORDER_BY_WORD,
                 Globals::DbConnection());
    std::vector<WordMisses> words;
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto key = RowKey(rs, QStringLiteral("WORD_ID"));
        if (!key) {
            skipped.Add(QStringLiteral("WORDS"), rs);
            continue;
        }
        words.push_back({*key, rs.Field(QStringLiteral("WORD")).toText(),
                         static_cast<int>(rs.Field(QStringLiteral("MISSES")).toLong())});
    }
    return words;
}

QStringList ReadWrongGuesses(int32_t testId, int32_t wordId)
{
    Recordset rs(QLatin1String(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_WORD_ID + Id(wordId) +
                     Sql::VALUE_END + Sql::AND_TEST_ID + Id(testId) + Sql::VALUE_END +
                     Sql::AND_INCORRECT + Sql::ORDER_BY_ATTEMPT_NUMBER,
                 Globals::DbConnection());
    QStringList guesses;
    for (; !rs.Eof(); rs.MoveNext())
        guesses << rs.Field(QStringLiteral("GUESS")).toText();
    return guesses;
}

int32_t CountWordsAsked(int32_t testId)
{
    return CountRows(QString::fromLatin1(Sql::SELECT_WORDS_ASKED) + QString::number(testId) +
                     QString::fromLatin1(Sql::VALUE_END));
}

int32_t GetTestScore(int32_t testId)
{
    int32_t words = 0;
    {
        Recordset rs(Sql::Where(Sql::SELECT_TESTS, Sql::WHERE_TEST_ID, testId),
                     Globals::DbConnection());
        // A practice round and a test never finished are scored on the words they asked, a
        // whole-list test on the list.
        if (!rs.Eof())
            words = rs.Field(QStringLiteral("PRACTICE_OF")).isNull() &&
                            rs.Field(QStringLiteral("UNFINISHED")).isNull()
                        ? CountListWords(rs.Field(QStringLiteral("LIST_ID")).toLong())
                        : CountWordsAsked(testId);
    }
    ProcessEvents(6);
    const int32_t correct = CountRows(
        Sql::Where(Sql::SELECT_WORD_ATTEMPTS, Sql::WHERE_TEST_ID, testId) +
        QString::fromLatin1(Sql::AND_FIRST_ATTEMPT) + QString::fromLatin1(Sql::AND_CORRECT));
    return TestScore(correct, words);
}

void RecordAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                   const QString& result, int32_t attemptNumber)
{
    RecordAttempt(Globals::DbConnection(), testId, listId, wordId, guess, result, attemptNumber);
}

void RecordAttempt(Connection& db, int32_t testId, int32_t listId, int32_t wordId,
                   const QString& guess, const QString& result, int32_t attemptNumber)
{
    Recordset rs;
    rs.OpenToAppend(Sql::Where(Sql::SELECT_WORD_ATTEMPTS, Sql::WHERE_WORD_ID, wordId), db);
    rs.AddNew();
    rs.SetField(QStringLiteral("TEST_ID"), testId);
    rs.SetField(QStringLiteral("LIST_ID"), listId);
    rs.SetField(QStringLiteral("WORD_ID"), wordId);
    rs.SetField(QStringLiteral("GUESS"), guess);
    rs.SetField(QStringLiteral("RESULT"), result);
    rs.SetField(QStringLiteral("ATTEMPT_NUMBER"), attemptNumber);
    rs.Update();
    rs.Close();
}

void DeleteTest(int32_t testId) { DeleteTest(Globals::DbConnection(), testId); }

void DeleteTest(Connection& db, int32_t testId)
{
    Transaction transaction(db);
    db.Execute(Sql::Where(Sql::DELETE_TESTS, Sql::WHERE_TEST_ID, testId));
    db.Execute(Sql::Where(Sql::DELETE_WORD_ATTEMPTS, Sql::WHERE_TEST_ID, testId));
    transaction.Commit();
}
