#include "PracticeRows.h"

#include "Connection.h"
#include "Globals.h"
#include "Ids.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"

namespace {
QString Id(int32_t value) { return QString::number(value); }

// Adds one row under a new identifier of the given counter; fill sets its columns.
template <class Fill>
int32_t AddRow(const char* idCode, const char* select, const char* whereId, Fill fill)
{
    const int32_t id = GetNextID(idCode);
    Recordset rs(QString(select) + whereId + Id(id) + " ", Globals::DbConnection());
    rs.AddNew();
    fill(rs, id);
    rs.Update();
    return id;
}
} // namespace

// Temporary messages off and pronunciation on, whatever the defaults say.
void PracticeRows::OpenFolder()
{
    folder = std::make_unique<TestAppFolder>();
    Globals::MessageTime = 0;
    SetSetting(Opt::PRONOUNCE, QStringLiteral("TRUE"));
    // The desktop's voice is for the tests about it; the others hear recordings only.
    SetSetting(Opt::SPEAK_WORDS, QStringLiteral("FALSE"));
}

void PracticeRows::CloseFolder() { folder.reset(); }

int32_t PracticeRows::AddList()
{
    return AddRow(IdCode::LIST_ID, Sql::SELECT_LISTS, Sql::WHERE_LIST_ID,
                  [](Recordset& rs, int32_t id) {
                      rs.SetField("LIST_ID", id);
                      rs.SetField("WEEK_START", QDate(2026, 12, 7));
                      rs.SetField("WEEK_END", QDate(2026, 12, 13));
                      rs.SetField("TEST_DATE", QDate(2026, 12, 11));
                      rs.SetField("CREATED_DATE", QDateTime(QDate(2026, 12, 6), QTime(9, 0)));
                      rs.SetField("STATUS", "ACTIVE");
                  });
}

int32_t PracticeRows::AddWord(int32_t listId, const QString& text, bool caseSensitive,
                              const QString& definition, const QString& sentence)
{
    return AddRow(IdCode::WORD_ID, Sql::SELECT_WORDS, Sql::WHERE_WORD_ID,
                  [&](Recordset& rs, int32_t id) {
                      rs.SetField("WORD_ID", id);
                      rs.SetField("LIST_ID", listId);
                      rs.SetField("WORD", text);
                      rs.SetField("DEFINITION", definition);
                      rs.SetField("SENTENCE", sentence);
                      rs.SetField("CASE_SENSITIVE", caseSensitive ? "TRUE" : "FALSE");
                  });
}

int32_t PracticeRows::AddStoredTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start,
                                    const QDateTime& end)
{
    return AddRow(IdCode::TEST_ID, Sql::SELECT_TESTS, Sql::WHERE_TEST_ID,
                  [&](Recordset& rs, int32_t id) {
                      rs.SetField("TEST_ID", id);
                      rs.SetField("LIST_ID", listId);
                      rs.SetField("MOVE_ON_AFTER", moveOnAfter);
                      rs.SetField("START_TIME", start);
                      rs.SetField("END_TIME", end);
                  });
}

void PracticeRows::AddAttempt(int32_t testId, int32_t listId, int32_t wordId,
                              const QString& guess, bool correct, int32_t number)
{
    Recordset rs(QString(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_WORD_ID + Id(wordId) + " ",
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

// The settings row with its defaults, made on first use.
void PracticeRows::SetSetting(const char* column, const QString& value)
{
    Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
    if (rs.Eof()) {
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
        rs.Close();
        rs.Open(Sql::SELECT_OPTIONS, Globals::DbConnection());
    }
    rs.SetField(column, value);
    rs.Update();
}

QString PracticeRows::Setting(const char* column) const
{
    Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(column).toText();
}

int PracticeRows::CountRows(const QString& sql) const
{
    Recordset rs(sql, Globals::DbConnection());
    int n = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++n;
    return n;
}

std::vector<AttemptRow> PracticeRows::Attempts(int32_t testId) const
{
    std::vector<AttemptRow> rows;
    Recordset rs(QString(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_TEST_ID + Id(testId) +
                     " ORDER BY rowid",
                 Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        rows.push_back({rs.Field("WORD_ID").toLong(), rs.Field("GUESS").toText(),
                        rs.Field("RESULT").toText(), rs.Field("ATTEMPT_NUMBER").toLong()});
    return rows;
}


void PracticeRows::RefuseInserts(const char* table)
{
    Globals::DbConnection().Execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON ") +
                                    table +
                                    " BEGIN SELECT RAISE(ABORT, 'disk full'); END");
}

void PracticeRows::AllowInserts()
{
    Globals::DbConnection().Execute(QStringLiteral("DROP TRIGGER refuse"));
}

TestSettings Quiet(int moveOnAfter, const QString& order)
{
    TestSettings s;
    s.TestOrder = order;
    s.MoveOnAfter = moveOnAfter;
    s.RevealAnswers = false;
    s.ForceEcho = false;
    s.PlayCorrectSound = false;
    s.PlayIncorrectSound = false;
    return s;
}
