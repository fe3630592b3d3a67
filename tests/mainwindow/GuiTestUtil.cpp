#include "GuiTestUtil.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"

#include <QAbstractButton>
#include <QTest>

void Exec(const QString& sql) { Globals::DbConnection().Execute(sql); }

void AddList(int32_t id, const QDate& testDate, const QString& status, const QDate& created)
{
    Exec(QStringLiteral("INSERT INTO LISTS VALUES (%1, '%2', '%3', '%3', '%4 10:00:00', '%5')")
             .arg(id)
             .arg(testDate.addDays(-4).toString(Qt::ISODate), testDate.toString(Qt::ISODate),
                  created.toString(Qt::ISODate), status));
}

void AddWord(int32_t wordId, int32_t listId, const QString& word)
{
    Exec(QStringLiteral("INSERT INTO WORDS VALUES (%1, %2, '%3', '', '', 'FALSE')")
             .arg(wordId)
             .arg(listId)
             .arg(word));
}

void AddTest(int32_t testId, int32_t listId)
{
    Exec(QStringLiteral("INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, END_TIME) "
                        "VALUES (%1, %2, 3, '2004-06-08 10:00:00', "
                        "'2004-06-08 10:05:00')")
             .arg(testId)
             .arg(listId));
}

void AddOptionsRow(int messageTime, const QString& promptToDelete, const QString& testDay)
{
    Exec(QStringLiteral("INSERT INTO OPTIONS (SKIP_TEST_SETUP, PRONOUNCE, SHOW_DEFINITION, "
                        "SHOW_CONTEXT, TEST_ORDER, MOVE_ON_AFTER, REVEAL_ANSWERS, REQUIRE_ECHO, "
                        "CLEAR_WRONG_ANSWER, PLAY_CORRECT_SOUND, PLAY_INCORRECT_SOUND, "
                        "MESSAGE_TIME, TEST_DAY, PROMPT_TO_DELETE_LISTS) VALUES ('FALSE', 'TRUE', "
                        "'TRUE', 'TRUE', 'Alphabetical', 3, 'TRUE', 'TRUE', 'FALSE', 'TRUE', "
                        "'TRUE', %1, '%2', '%3')")
             .arg(messageTime)
             .arg(testDay, promptToDelete));
}

QString OptionText(const char* column)
{
    Recordset rs(QStringLiteral(" SELECT * FROM OPTIONS "), Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(QString::fromLatin1(column)).toText();
}

int RowsReturnedBy(const QString& sql)
{
    Recordset rs(sql, Globals::DbConnection());
    return rs.RecordCount();
}

MsgBoxRecorder::MsgBoxRecorder(MsgResult a) : answer(a)
{
    SetMsgBoxHook([this](const QString& text, MsgButtons, MsgIcon) {
        texts << text;
        return answer;
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { SetMsgBoxHook({}); }

ModalHandler::ModalHandler(const char* className, Action action)
{
    const QByteArray wanted(className);
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this, wanted, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("handledByTest").toBool())
            return;
        if (wanted != modal->metaObject()->className())
            return;
        modal->setProperty("handledByTest", true);
        ++handled_;
        action(modal);
    });
    timer_.start();
}

ModalHandler::~ModalHandler() { timer_.stop(); }

void ClickButton(QWidget* window, const char* name)
{
    auto* button = Child<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton);
}
