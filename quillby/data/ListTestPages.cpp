#include "ListTestPages.h"

#include "Connection.h"
#include "DbError.h"
#include "Globals.h"
#include "Variant.h"

#include <sqlite3.h>

namespace {
// The tests a page cannot show as read: the condition of the index TESTS_ODD, word for word,
// so that the statement below finds them in that index alone.
constexpr const char* kOddTest =
    "(typeof(TEST_ID) <> 'integer' OR TEST_ID < 1 OR TEST_ID > 2147483647"
    " OR typeof(START_TIME) <> 'text'"
    " OR typeof(PRACTICE_OF) NOT IN ('null', 'integer')"
    " OR PRACTICE_OF < 1 OR PRACTICE_OF > 2147483647)";

// A statement with its whole-number parameters bound, finalized when it goes.
class Statement {
public:
    Statement(const char* sql, std::initializer_list<int64_t> numbers) : sql_(sql)
    {
        Connection& db = Globals::DbConnection();
        db.NotifyStatement(QString::fromLatin1(sql));
        db.RequireOpen(sql_);
        if (sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK)
            Fail();
        int index = 0;
        for (const int64_t number : numbers)
            sqlite3_bind_int64(stmt_, ++index, number);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(stmt_); }

    // True with a row to read, false at the end.
    bool Step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            Fail();
        return rc == SQLITE_ROW;
    }
    int64_t Number(int column) const { return sqlite3_column_int64(stmt_, column); }
    bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    QByteArray Bytes(int column) const
    {
        return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                          sqlite3_column_bytes(stmt_, column));
    }

private:
    [[noreturn]] void Fail() const { throw DbError(sql_, Globals::DbConnection().LastError()); }

    QString sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

int64_t Single(const char* sql, std::initializer_list<int64_t> numbers)
{
    Statement query(sql, numbers);
    return query.Step() ? query.Number(0) : 0;
}

QDate StoredDate(const QByteArray& text)
{
    QDate date;
    QTime time;
    bool hasTime = false;
    if (ParseIsoDate(text.constData(), text.size(), date, time, hasTime))
        return date;
    return Variant(QString::fromUtf8(text)).toDate();
}

bool IsWholeList(const StoredTest& test) { return !test.practiceOf && !test.unfinished; }

// Whole-list tests of the list up to that row in the order of its tests, through the index of
// a list's tests by time.
int32_t WholeTestsUpTo(int32_t listId, int64_t rowid)
{
    return static_cast<int32_t>(
        Single("SELECT COUNT(*) FROM TESTS WHERE LIST_ID = ?1 AND PRACTICE_OF IS NULL"
               " AND UNFINISHED IS NULL AND (START_TIME, _rowid_) <="
               " (SELECT START_TIME, _rowid_ FROM TESTS WHERE _rowid_ = ?2)",
               {listId, rowid}));
}

bool Before(const PagedTest& a, const PagedTest& b)
{
    return a.startTime < b.startTime || (a.startTime == b.startTime && a.rowid < b.rowid);
}

// The test with that key in the list, as a page row (its place not yet known).
std::optional<PagedTest> ReadListTest(int32_t listId, int32_t testId)
{
    Statement query("SELECT START_TIME, _rowid_, PRACTICE_OF, UNFINISHED FROM TESTS"
                    " WHERE TEST_ID = ?1 AND LIST_ID = ?2",
                    {testId, listId});
    if (!query.Step())
        return std::nullopt;
    PagedTest found;
    found.test.testId = testId;
    found.startTime = query.Bytes(0);
    found.rowid = query.Number(1);
    if (!query.IsNull(2))
        found.test.practiceOf = static_cast<int32_t>(query.Number(2));
    found.test.unfinished = !query.IsNull(3);
    return found;
}

TestPlace PlaceOf(int32_t listId, const PagedTest& row, KnownPlaces& known);

// A round's place: one more than the round it practised, with the number of the test that
// began the chain; round 1 of no number when what it practised is not an earlier test of the
// list (TestPlaces' rule).
TestPlace RoundPlace(int32_t listId, const PagedTest& row, KnownPlaces& known)
{
    const int32_t practised = *row.test.practiceOf;
    auto found = known.tests.find(practised);
    std::optional<PagedTest> read;
    if (found == known.tests.end()) {
        read = ReadListTest(listId, practised);
        if (read)
            read->place = PlaceOf(listId, *read, known);
    }
    const PagedTest* parent = found != known.tests.end() ? &found->second : read ? &*read : nullptr;
    if (!parent || !Before(*parent, row))
        return {0, 1};
    if (read)
        known.tests.emplace(practised, *read);
    return {parent->place.number, parent->place.round + 1};
}

TestPlace PlaceOf(int32_t listId, const PagedTest& row, KnownPlaces& known)
{
    if (row.test.unfinished)
        return {0, 1};
    if (!row.test.practiceOf)
        return {WholeTestsUpTo(listId, row.rowid), 0};
    return RoundPlace(listId, row, known);
}
} // namespace

bool ListHasOddTests(int32_t listId)
{
    static const QByteArray sql =
        QByteArray("SELECT EXISTS (SELECT 1 FROM TESTS WHERE LIST_ID = ?1 AND ") + kOddTest + ")";
    return Single(sql.constData(), {listId}) != 0;
}

int32_t CountAllListTests(int32_t listId)
{
    return static_cast<int32_t>(Single("SELECT COUNT(*) FROM TESTS WHERE LIST_ID = ?1", {listId}));
}

int32_t CountListRoundsAndUnfinished(int32_t listId)
{
    // The condition of the index TESTS_NOT_WHOLE, word for word.
    return static_cast<int32_t>(Single("SELECT COUNT(*) FROM TESTS WHERE LIST_ID = ?1"
                                       " AND (PRACTICE_OF IS NOT NULL OR UNFINISHED IS NOT NULL)",
                                       {listId}));
}

std::vector<int32_t> ReadWholeListFirstTries(int32_t listId)
{
    // One walk of the list's part of an index, in order: no lookup per test.
    Statement query("SELECT FIRST_TRY FROM LIST_FIRST_TRIES WHERE LIST_ID = ?1"
                    " ORDER BY START_TIME, TEST_ROWID",
                    {listId});
    std::vector<int32_t> firstTries;
    while (query.Step())
        firstTries.push_back(static_cast<int32_t>(query.Number(0)));
    return firstTries;
}

std::vector<PagedTest> ReadListTestPage(int32_t listId, int first, int count, KnownPlaces& known)
{
    std::vector<PagedTest> page;
    {
        // The page's keys from the index alone, then their rows and tallies.
        Statement query("SELECT T.TEST_ID, T.START_TIME, T.PRACTICE_OF, T.UNFINISHED,"
                        " IFNULL(A.FIRST_TRY, 0), IFNULL(A.WORDS_ASKED, 0), T._rowid_"
                        " FROM (SELECT _rowid_ AS R FROM TESTS WHERE LIST_ID = ?1"
                        " ORDER BY START_TIME, _rowid_ LIMIT ?2 OFFSET ?3) K"
                        " JOIN TESTS T ON T._rowid_ = K.R"
                        " LEFT JOIN TEST_TALLIES A ON A.TEST_ID = T.TEST_ID"
                        " ORDER BY T.START_TIME, T._rowid_",
                        {listId, count, first});
        while (query.Step()) {
            PagedTest row;
            row.test.testId = static_cast<int32_t>(query.Number(0));
            row.startTime = query.Bytes(1);
            row.test.date = StoredDate(row.startTime);
            if (!query.IsNull(2))
                row.test.practiceOf = static_cast<int32_t>(query.Number(2));
            row.test.unfinished = !query.IsNull(3);
            row.test.firstTry = static_cast<int32_t>(query.Number(4));
            row.test.wordsAsked = static_cast<int32_t>(query.Number(5));
            row.rowid = query.Number(6);
            page.push_back(std::move(row));
        }
    }
    // Whole-list tests are numbered on from those before the page, known from the page before
    // it or counted at the page's first one.
    const auto before = known.wholeBefore.find(first);
    int32_t whole = first == 0 ? 0 : before != known.wholeBefore.end() ? before->second : -1;
    for (PagedTest& row : page) {
        if (IsWholeList(row.test)) {
            whole = whole < 0 ? WholeTestsUpTo(listId, row.rowid) : whole + 1;
            row.place = {whole, 0};
        } else {
            row.place = PlaceOf(listId, row, known);
        }
        known.tests[row.test.testId] = row;
    }
    if (whole >= 0)
        known.wholeBefore[first + static_cast<int>(page.size())] = whole;
    return page;
}
