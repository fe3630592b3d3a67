#include "PracticeFixture.h"

#include "GuiTestSupport.h"

#include "Globals.h"
#include "Ids.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"
#include "frmPastTests.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

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

void CloseTestWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* test = qobject_cast<frmTest*>(w)) {
            // Closing as the program does, without the quit question.
            test->setAttribute(Qt::WA_DeleteOnClose);
            test->hide();
            test->deleteLater();
        }
    }
    for (QWidget* w : {static_cast<QWidget*>(frmTestResults::instance()),
                       static_cast<QWidget*>(frmPastTests::instance()),
                       static_cast<QWidget*>(frmTestSetup::instance())})
        if (w)
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void PracticeTest::SetUp()
{
    folder = std::make_unique<TestAppFolder>();
    Globals::MessageTime = 0;
    SetSetting(Opt::PRONOUNCE, QStringLiteral("TRUE"));
    AnswerMessageBoxes(messages, answers);
    pump_.setInterval(5);
    QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
    pump_.start();
}

void PracticeTest::TearDown()
{
    pump_.stop();
    CloseTestWindows();
    SetMsgBoxHook({});
    TestOptions = TestSettings();
    folder.reset();
}

// Answers the modal window in front. Reveal steps run from the event loop, not from inside
// the timer, so that the windows they open in turn are answered too.
void PracticeTest::Pump()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal->objectName() == QLatin1String("frmMessage")) {
        const auto* top = modal->findChild<QLabel*>(QStringLiteral("lblTop"));
        const auto* bottom = modal->findChild<QLabel*>(QStringLiteral("lblBottom"));
        tempMessages << (top ? top->text() : QString()) + QLatin1Char('|') +
                            (bottom ? bottom->text() : QString());
        modal->close();
        return;
    }
    auto* reveal = qobject_cast<frmRevealAnswer*>(modal);
    if (!reveal || stepPending_ || revealSteps.empty())
        return;
    stepPending_ = true;
    QTimer::singleShot(0, reveal, [this, reveal] {
        auto step = revealSteps.front();
        revealSteps.pop_front();
        ++revealsSeen;
        stepPending_ = false;
        step(reveal);
    });
}

int32_t PracticeTest::AddList()
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

int32_t PracticeTest::AddWord(int32_t listId, const QString& text, bool caseSensitive,
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

int32_t PracticeTest::AddStoredTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start,
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

void PracticeTest::AddAttempt(int32_t testId, int32_t listId, int32_t wordId,
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
void PracticeTest::SetSetting(const char* column, const QString& value)
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

QString PracticeTest::Setting(const char* column) const
{
    Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(column).toText();
}

int PracticeTest::CountRows(const QString& sql) const
{
    Recordset rs(sql, Globals::DbConnection());
    int n = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++n;
    return n;
}

std::vector<AttemptRow> PracticeTest::Attempts(int32_t testId) const
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

frmTest* PracticeTest::Begin(int32_t listId, const TestSettings& settings)
{
    auto* test = new frmTest;
    TestOptions = settings;
    test->UsePreviousTestOptions();
    if (!test->Start(listId))
        return nullptr;
    test->show();
    QApplication::processEvents();
    return test;
}

void PracticeTest::Answer(frmTest* test, const QString& text)
{
    test->txtWord->setText(text);
    QTest::keyClick(test->txtWord, Qt::Key_Return);
}
