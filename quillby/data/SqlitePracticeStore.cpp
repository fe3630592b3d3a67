#include "SqlitePracticeStore.h"

#include "Connection.h"
#include "Globals.h"
#include "Ids.h"
#include "Recordset.h"
#include "Statements.h"
#include "StoredText.h"
#include "TestQueries.h"

namespace {
QString Number(int32_t value) { return QString::number(value); }
} // namespace

QStringList SqlitePracticeStore::TestWordIds(int32_t listId, int32_t missedIn, WordSort sort,
                                             SkippedRows& skipped)
{
    QString sql = QLatin1String(Sql::SELECT_WORDS_NO_LEADING_BLANK) + Sql::WHERE_LIST_ID +
                  Number(listId) + Sql::VALUE_END;
    if (missedIn != 0)
        sql += QLatin1String(Sql::AND_MISSED_IN_TEST) + Number(missedIn) + Sql::CLOSE_SUBQUERY;
    if (sort == WordSort::ByWordId)
        sql += QLatin1String(Sql::ORDER_BY_WORD_ID);
    else if (sort == WordSort::ByWord)
        sql += QLatin1String(Sql::ORDER_BY_WORD);
    QStringList ids;
    Recordset rs(sql, db_);
    for (; !rs.Eof(); rs.MoveNext()) {
        if (const auto id = RowKey(rs, QStringLiteral("WORD_ID")))
            ids.append(Number(*id));
        else
            skipped.Add(QStringLiteral("WORDS"), rs);
    }
    return ids;
}

std::optional<PracticeWord> SqlitePracticeStore::ReadWord(const QString& wordId)
{
    Recordset rs(QLatin1String(Sql::SELECT_WORDS) + Sql::WHERE_WORD_ID + wordId + Sql::VALUE_END,
                 db_);
    if (rs.Eof())
        return std::nullopt;
    PracticeWord word;
    word.wordId = rs.Field(QStringLiteral("WORD_ID")).toLong();
    word.word = rs.Field(QStringLiteral("WORD")).toText();
    word.definition = rs.Field(QStringLiteral("DEFINITION")).toText();
    word.sentence = rs.Field(QStringLiteral("SENTENCE")).toText();
    word.caseSensitive = TextToBoolean(rs.Field(QStringLiteral("CASE_SENSITIVE")).toText());
    return word;
}

int32_t SqlitePracticeStore::NewTestId() { return GetNextID(db_, QLatin1String(IdCode::TEST_ID)); }

void SqlitePracticeStore::MarkRunning(const RunningTest& test) { MarkTestRunning(db_, test); }

void SqlitePracticeStore::StoreAttempt(int32_t testId, int32_t listId, int32_t wordId,
                                       const QString& guess, const QString& result,
                                       int32_t attemptNumber)
{
    // An answer is stored at each Enter: the child must not wait on the disk for it. It is
    // safe from a killed program at once, and on the disk with the test's row at the end.
    const Connection::RelaxedSync relaxed(db_);
    RecordAttempt(db_, testId, listId, wordId, guess, result, attemptNumber);
}

void SqlitePracticeStore::StoreTest(const RunningTest& test, const QDateTime& endTime)
{
    // The row and the end of the running mark go together: a crash between them can neither
    // lose a stored test's answers nor leave answers counted for ever.
    Transaction transaction(db_);
    Recordset rs(QLatin1String(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID + Number(test.testId) +
                     Sql::VALUE_END,
                 db_);
    rs.AddNew();
    rs.SetField(QStringLiteral("TEST_ID"), Variant(test.testId));
    rs.SetField(QStringLiteral("LIST_ID"), Variant(test.listId));
    rs.SetField(QStringLiteral("MOVE_ON_AFTER"), Variant(test.moveOnAfter));
    rs.SetField(QStringLiteral("START_TIME"), Variant(test.startTime));
    rs.SetField(QStringLiteral("END_TIME"), Variant(endTime));
    if (test.practiceOf != 0)
        rs.SetField(QStringLiteral("PRACTICE_OF"), Variant(test.practiceOf));
    rs.Update();
    rs.Close();
    MarkTestEnded(db_, test.testId);
    transaction.Commit();
}

void SqlitePracticeStore::DiscardTest(int32_t testId)
{
    DeleteTest(db_, testId);
    MarkTestEnded(db_, testId);
}

std::unique_ptr<PracticeStore> ProgramPracticeStore()
{
    return std::make_unique<SqlitePracticeStore>(Globals::DbConnection());
}
