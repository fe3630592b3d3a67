#include "TestRows.h"

#include "Connection.h"
#include "Globals.h"
#include "Ids.h"
#include "Options.h"
#include "Recordset.h"

#include <functional>

namespace {
const QDate kTestDay(2026, 12, 11);
const QDateTime kTestStart(QDate(2026, 12, 8), QTime(17, 0));

// Adds one row of `table` keyed by `id` in `keyColumn`; fill sets the other columns.
int32_t AddRow(const char* table, const char* keyColumn, int32_t id,
               const std::function<void(Recordset&)>& fill)
{
    Recordset rs(QStringLiteral(" SELECT * FROM %1 WHERE %2 = %3 ")
                     .arg(QLatin1String(table), QLatin1String(keyColumn))
                     .arg(id),
                 Globals::DbConnection());
    rs.AddNew();
    rs.SetField(keyColumn, id);
    fill(rs);
    rs.Update();
    return id;
}

void FillList(Recordset& rs, const QDate& testDate, const QString& status)
{
    rs.SetField("WEEK_START", testDate.addDays(-4));
    rs.SetField("WEEK_END", testDate);
    rs.SetField("TEST_DATE", testDate);
    rs.SetField("CREATED_DATE", QDateTime(testDate.addDays(-5), QTime(18, 30, 5)));
    rs.SetField("STATUS", status);
}
} // namespace

int32_t AddList()
{
    return AddRow("LISTS", "LIST_ID", GetNextID(IdCode::LIST_ID),
                  [](Recordset& rs) { FillList(rs, kTestDay, QStringLiteral("ACTIVE")); });
}

int32_t AddList(int32_t listId, const QDate& testDate, const QString& status)
{
    return AddRow("LISTS", "LIST_ID", listId,
                  [&](Recordset& rs) { FillList(rs, testDate, status); });
}

int32_t AddWord(int32_t listId, const QString& text, const WordFields& fields)
{
    return AddWord(GetNextID(IdCode::WORD_ID), listId, text, fields);
}

int32_t AddWord(int32_t wordId, int32_t listId, const QString& text, const WordFields& fields)
{
    return AddRow("WORDS", "WORD_ID", wordId, [&](Recordset& rs) {
        rs.SetField("LIST_ID", listId);
        rs.SetField("WORD", text);
        rs.SetField("DEFINITION", fields.definition);
        rs.SetField("SENTENCE", fields.sentence);
        rs.SetField("CASE_SENSITIVE", fields.caseSensitive ? "TRUE" : "FALSE");
    });
}

int32_t AddTest(int32_t listId) { return AddTest(listId, 3, kTestStart, kTestStart.addSecs(300)); }

int32_t AddTest(int32_t testId, int32_t listId)
{
    return AddRow("TESTS", "TEST_ID", testId, [&](Recordset& rs) {
        rs.SetField("LIST_ID", listId);
        rs.SetField("MOVE_ON_AFTER", 3);
        rs.SetField("START_TIME", kTestStart);
        rs.SetField("END_TIME", kTestStart.addSecs(300));
    });
}

int32_t AddTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start, const QDateTime& end)
{
    return AddRow("TESTS", "TEST_ID", GetNextID(IdCode::TEST_ID), [&](Recordset& rs) {
        rs.SetField("LIST_ID", listId);
        rs.SetField("MOVE_ON_AFTER", moveOnAfter);
        rs.SetField("START_TIME", start);
        rs.SetField("END_TIME", end);
    });
}

void AddAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess, bool correct,
                int32_t number)
{
    Recordset rs(QStringLiteral(" SELECT * FROM WORD_ATTEMPTS WHERE TEST_ID = %1 ").arg(testId),
                 Globals::DbConnection());
    rs.AddNew();
    rs.SetField("TEST_ID", testId);
    rs.SetField("LIST_ID", listId);
    rs.SetField("WORD_ID", wordId);
    rs.SetField("GUESS", guess);
    rs.SetField("RESULT", correct ? "CORRECT" : "INCORRECT");
    rs.SetField("ATTEMPT_NUMBER", number);
    rs.Update();
}

std::vector<AttemptRow> Attempts(int32_t testId)
{
    std::vector<AttemptRow> rows;
    Recordset rs(QStringLiteral(" SELECT * FROM WORD_ATTEMPTS WHERE TEST_ID = %1 ORDER BY rowid")
                     .arg(testId),
                 Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        rows.push_back({rs.Field("WORD_ID").toLong(), rs.Field("GUESS").toText(),
                        rs.Field("RESULT").toText(), rs.Field("ATTEMPT_NUMBER").toLong()});
    return rows;
}

namespace {
const QString kSelectOptions = QStringLiteral(" SELECT * FROM OPTIONS ");

void AddDefaultSettingsRow()
{
    Recordset rs(kSelectOptions, Globals::DbConnection());
    if (!rs.Eof())
        return;
    rs.AddNew();
    rs.SetField(Opt::SKIP_TEST_SETUP, Opt::DEFAULT_SKIP_TEST_SETUP);
    rs.SetField(Opt::PRONOUNCE, Opt::DEFAULT_PRONOUNCE);
    rs.SetField(Opt::SHOW_DEFINITION, Opt::DEFAULT_SHOW_DEFINITION);
    rs.SetField(Opt::SHOW_CONTEXT, Opt::DEFAULT_SHOW_CONTEXT);
    rs.SetField(Opt::TEST_ORDER, Opt::DEFAULT_TEST_ORDER);
    rs.SetField(Opt::MOVE_ON_AFTER, Opt::DEFAULT_MOVE_ON_AFTER_NUMBER);
    rs.SetField(Opt::REVEAL_ANSWERS, Opt::DEFAULT_REVEAL_ANSWERS);
    rs.SetField(Opt::REQUIRE_ECHO, Opt::DEFAULT_REQUIRE_ECHO);
    rs.SetField(Opt::CLEAR_WRONG_ANSWER, Opt::DEFAULT_CLEAR_WRONG_ANSWER);
    rs.SetField(Opt::PLAY_CORRECT_SOUND, Opt::DEFAULT_PLAY_CORRECT_SOUND);
    rs.SetField(Opt::PLAY_INCORRECT_SOUND, Opt::DEFAULT_PLAY_INCORRECT_SOUND);
    rs.SetField(Opt::MESSAGE_TIME, Opt::DEFAULT_MESSAGE_TIME);
    rs.SetField(Opt::TEST_DAY, Opt::DEFAULT_TEST_DAY);
    rs.SetField(Opt::PROMPT_TO_DELETE_LISTS, Opt::DEFAULT_PROMPT_TO_DELETE_LISTS);
    rs.Update();
}
} // namespace

void SetSetting(const char* column, const QString& value)
{
    AddDefaultSettingsRow();
    Recordset rs(kSelectOptions, Globals::DbConnection());
    rs.SetField(column, value);
    rs.Update();
}

QString Setting(const char* column)
{
    Recordset rs(kSelectOptions, Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(column).toText();
}

void AddOptionsRow(int messageTime, const QString& promptToDelete, const QString& testDay)
{
    AddDefaultSettingsRow();
    Recordset rs(kSelectOptions, Globals::DbConnection());
    rs.SetField(Opt::MESSAGE_TIME, messageTime);
    rs.SetField(Opt::PROMPT_TO_DELETE_LISTS, promptToDelete);
    rs.SetField(Opt::TEST_DAY, testDay);
    rs.Update();
}

void Exec(const QString& sql) { Globals::DbConnection().Execute(sql); }

int StoredRowCount(const QString& sql)
{
    Recordset rs(sql, Globals::DbConnection());
    int count = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++count;
    return count;
}

void RefuseInserts(const char* table)
{
    Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
             .arg(QLatin1String(table)));
}

void AllowInserts() { Exec(QStringLiteral("DROP TRIGGER refuse")); }
