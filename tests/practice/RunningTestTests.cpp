// Whole practice tests driven through the test window, checked against the stored rows.
#include "PracticeFixture.h"

#include "ListQueries.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"
#include "WavFiles.h"
#include "WavWriter.h"
#include "GuiTestSupport.h"
#include "Options.h"
#include "Speech.h"
#include "frmRevealAnswer.h"
#include "frmTest.h"
#include "frmTestResults.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {
QString Id(int32_t v) { return QString::number(v); }
} // namespace

class RunningTest : public PracticeTest {
protected:
    int32_t list = 0;
};

TEST_F(RunningTest, ListWithoutWordsDoesNotStart)
{
    list = AddList();
    EXPECT_EQ(Begin(list, Quiet()), nullptr);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("This list has no words yet.")));
    QApplication::processEvents();
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_EQ(
        StoredRowCount(QString(Sql::SELECT_IDS) + Sql::WHERE_CODE + "TEST_ID" + Sql::CODE_END), 0)
        << "no identifier used up";
}

// The window says how far the test has gone; a miss stays on the word.
TEST_F(RunningTest, TheWindowSaysHowFarTheTestHasGone)
{
    list = AddList();
    for (const char* word : {"alpha", "beta", "gamma"})
        AddWord(list, QString::fromLatin1(word));
    frmTest* test = Begin(list, Quiet(3));
    EXPECT_TRUE(test->lblProgress->isVisible());
    QStringList shown{test->lblProgress->text()};
    for (const char* answer : {"alpha", "bta", "beta"}) {
        Answer(test, QString::fromLatin1(answer));
        shown << test->lblProgress->text();
    }
    EXPECT_EQ(shown, QStringList({"Word 1 of 3", "Word 2 of 3", "Word 2 of 3", "Word 3 of 3"}));
    EXPECT_EQ(SpokenName(test->lblProgress), QStringLiteral("Word 3 of 3"));
    EXPECT_LT(test->lblProgress->geometry().bottom(), test->frameMain->geometry().top())
        << "above the clues";
}

// What follows each answer is the session's (tests/practice/SessionTests.cpp); here the
// answer box shows it.
TEST_F(RunningTest, AfterAMissTheAnswerBoxKeepsTheTrimmedMissOrIsCleared)
{
    list = AddList();
    AddWord(list, QStringLiteral("alpha"));
    frmTest* test = Begin(list, Quiet(3));
    Answer(test, QStringLiteral("    "));
    EXPECT_EQ(test->txtWord->text(), QString());
    EXPECT_EQ(test->AttemptCount(), 0);
    Answer(test, QStringLiteral("  alfa "));
    EXPECT_EQ(test->txtWord->text(), QStringLiteral("alfa")) << "the miss stays to be corrected";
    EXPECT_EQ(test->txtWord->cursorPosition(), 4);
    EXPECT_FALSE(test->txtWord->hasSelectedText());
    CloseTestWindows();

    TestSettings s = Quiet(3);
    s.ClearWrongAnswer = true;
    test = Begin(list, s);
    Answer(test, QStringLiteral("gama"));
    EXPECT_EQ(test->txtWord->text(), QString());
    EXPECT_EQ(test->AttemptCount(), 1);
}

TEST_F(RunningTest, RevealWithoutRetypingClosesWithOK)
{
    list = AddList();
    AddWord(list, QStringLiteral("delta"));
    const int32_t e = AddWord(list, QStringLiteral("echo"));
    TestSettings s = Quiet(1);
    s.RevealAnswers = true;
    s.ForceEcho = false;
    QString shown;
    QString spoken;
    bool echoVisible = true;
    revealSteps.push_back([&](frmRevealAnswer* r) {
        shown = r->lblWord->text();
        spoken = SpokenName(r->lblWord);
        echoVisible = r->txtEcho->isVisible();
        QTest::keyClick(r, Qt::Key_Return);
    });
    frmTest* test = Begin(list, s);
    Answer(test, QStringLiteral("delt"));
    EXPECT_EQ(revealsSeen, 1);
    EXPECT_EQ(shown, QStringLiteral("delta"));
    EXPECT_EQ(spoken, QStringLiteral("delta")) << "a screen reader reads the correct spelling";
    EXPECT_FALSE(echoVisible);
    EXPECT_EQ(test->CurrentWord(), QStringLiteral("echo"));
    const int32_t testId = test->TestID();
    Answer(test, QStringLiteral("echo"));
    EXPECT_EQ(Attempts(testId).back(), (AttemptRow{e, "echo", "CORRECT", 1}))
        << "the reveal window stores nothing";
    EXPECT_EQ(Attempts(testId).size(), 2u);
}

TEST_F(RunningTest, RetypingInsistsOnTheWordAndItsCase)
{
    Globals::MessageTime = 9999;
    list = AddList();
    AddWord(list, QStringLiteral("Paris"), {.caseSensitive = true});
    AddWord(list, QStringLiteral("tango"));
    TestSettings s = Quiet(1);
    s.RevealAnswers = true;
    s.ForceEcho = true;
    const auto type = [](const QString& text) {
        return [text](frmRevealAnswer* r) {
            r->txtEcho->setText(text);
            QTest::keyClick(r->txtEcho, Qt::Key_Return);
        };
    };
    // Paris: the close box and Escape do not skip the retyping, the wrong case is named,
    // a blank retyping is "Incorrect", then the right spelling closes the window.
    revealSteps.push_back([](frmRevealAnswer* r) { r->close(); });
    revealSteps.push_back([](frmRevealAnswer* r) { QTest::keyClick(r, Qt::Key_Escape); });
    revealSteps.push_back(type(QStringLiteral("paris")));
    revealSteps.push_back(type(QString()));
    revealSteps.push_back(type(QStringLiteral(" Paris ")));
    // tango: a blank retyping is refused with its message, a wrong one is "Incorrect".
    revealSteps.push_back(type(QStringLiteral("   ")));
    revealSteps.push_back(type(QStringLiteral("tanga")));
    revealSteps.push_back(type(QStringLiteral("TANGO")));

    frmTest* test = Begin(list, s);
    const int32_t testId = test->TestID();
    Answer(test, QStringLiteral("Pari"));
    EXPECT_EQ(test->CurrentWord(), QStringLiteral("tango"));
    Answer(test, QStringLiteral("tang"));
    QApplication::processEvents();
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_EQ(revealsSeen, 8);
    const QString mustType = QStringLiteral("You must type the word correctly before moving on");
    EXPECT_EQ(messages, (QStringList{mustType, mustType,
                                     "This word is case sensitive.\rPlease tray again.",
                                     mustType}));
    EXPECT_EQ(tempMessages,
              (QStringList{"Incorrect|", "Incorrect|Try Again", "Correct|", "Incorrect|",
                           "Incorrect|Try Again", "Correct|"}));
    EXPECT_EQ(Attempts(testId).size(), 2u) << "retyping is never stored";
}

TEST_F(RunningTest, QuittingAsksAndYesDiscardsTheAttempts)
{
    list = AddList();
    AddWord(list, QStringLiteral("one"));
    AddWord(list, QStringLiteral("two"));
    frmTest* test = Begin(list, Quiet());
    const int32_t testId = test->TestID();
    Answer(test, QStringLiteral("one"));
    Answer(test, QStringLiteral("tw"));

    answers = {MsgResult::No};
    test->close();
    EXPECT_EQ(messages.last(),
              QStringLiteral("You have not completed the test.\rDo you really want to quit?"));
    ASSERT_EQ(frmTest::instance(), test);
    EXPECT_TRUE(test->isVisible());
    EXPECT_EQ(test->CurrentWord(), QStringLiteral("two"));
    EXPECT_EQ(test->AttemptCount(), 1) << "the test goes on with the same word";
    Answer(test, QStringLiteral("twoo"));
    EXPECT_EQ(Attempts(testId).back().number, 2);

    answers = {MsgResult::Yes};
    test->close();
    QApplication::processEvents();
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_TRUE(Attempts(testId).empty());
    EXPECT_EQ(CountListTests(list), 0);
    EXPECT_EQ(frmTestResults::instance(), nullptr);
}

TEST_F(RunningTest, QuitButtonAndEscapeAskTheSameQuestion)
{
    list = AddList();
    AddWord(list, QStringLiteral("one"));
    frmTest* test = Begin(list, Quiet());
    const int32_t testId = test->TestID();
    Answer(test, QStringLiteral("on"));
    EXPECT_TRUE(test->cmdQuit->isVisible());
    EXPECT_TRUE(test->rect().contains(test->cmdQuit->geometry()));

    answers = {MsgResult::No};
    QTest::mouseClick(test->cmdQuit, Qt::LeftButton);
    EXPECT_EQ(messages.last(),
              QStringLiteral("You have not completed the test.\rDo you really want to quit?"));
    ASSERT_EQ(frmTest::instance(), test) << "No keeps the test";

    answers = {MsgResult::Yes};
    QTest::keyClick(test->txtWord, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_TRUE(Attempts(testId).empty());
}

TEST_F(RunningTest, EndingStoresTheTestAndOpensItsResults)
{
    list = AddList();
    AddWord(list, QStringLiteral("one"));
    AddWord(list, QStringLiteral("two"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    frmTest* test = Begin(list, Quiet(4));
    const int32_t testId = test->TestID();
    Answer(test, QStringLiteral("one"));
    Answer(test, QStringLiteral("two"));
    Recordset rs(QString(Sql::SELECT_TESTS) + Sql::WHERE_TEST_ID + Id(testId) + " ",
                 Globals::DbConnection());
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Field("LIST_ID").toLong(), list);
    EXPECT_EQ(rs.Field("MOVE_ON_AFTER").toLong(), 4);
    EXPECT_GE(rs.Field("START_TIME").toDateTime(), before);
    EXPECT_GE(rs.Field("END_TIME").toDateTime(), rs.Field("START_TIME").toDateTime());
    QApplication::processEvents();
    EXPECT_EQ(frmTest::instance(), nullptr);
    ASSERT_NE(frmTestResults::instance(), nullptr);
    EXPECT_EQ(frmTestResults::instance()->TestID(), testId);
    EXPECT_EQ(frmTestResults::instance()->txtScore->text(), QStringLiteral("100 %"));
}

TEST_F(RunningTest, TheKeyboardAloneRunsATest)
{
    Globals::MessageTime = 9999; // each feedback message is answered, as a child would
    list = AddList();
    AddWord(list, QStringLiteral("cat"));
    AddWord(list, QStringLiteral("dog"));
    frmTest* test = Begin(list, Quiet());
    test->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), test->txtWord);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("kat"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), test->txtWord) << "after a miss";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("cat"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(test->CurrentWord(), QStringLiteral("dog"));
    EXPECT_EQ(QApplication::focusWidget(), test->txtWord) << "on the next word";
    EXPECT_EQ(test->txtWord->text(), QString());
    EXPECT_EQ(tempMessages, (QStringList{"Incorrect|Try Again", "Correct|cat"}));
}

TEST_F(RunningTest, CluesAndPronounceFollowTheSettings)
{
    list = AddList();
    AddWord(list, QStringLiteral("echo"),
            {QStringLiteral("a sound that comes back"),
             QStringLiteral("We heard an echo in the cave.")});
    AddWord(list, QStringLiteral("fox"));
    ASSERT_TRUE(WriteWavFile(WordWavFile(QStringLiteral("echo")), QByteArray(400, char(0x80))));

    TestSettings s = Quiet();
    frmTest* test = Begin(list, s);
    EXPECT_EQ(test->txtDefinition->toPlainText(), QStringLiteral("a sound that comes back"));
    EXPECT_EQ(test->txtContext->toPlainText(), QStringLiteral("We heard an echo in the cave."));
    EXPECT_TRUE(test->frameDefinition->isVisible());
    EXPECT_TRUE(test->frameContext->isVisible());
    EXPECT_TRUE(test->cmdPronounce->isEnabled()) << "echo has a recording";
    Answer(test, QStringLiteral("echo"));
    EXPECT_FALSE(test->cmdPronounce->isEnabled()) << "fox has none";
    CloseTestWindows();

    // With the desktop's voice on, a word without a recording can be heard too.
    SetSetting(Opt::SPEAK_WORDS, QStringLiteral("TRUE"));
    if (SpeechAvailable()) {
        test = Begin(list, s);
        Answer(test, QStringLiteral("echo"));
        EXPECT_TRUE(test->cmdPronounce->isEnabled()) << "fox can be spoken";
        CloseTestWindows();
    }
    SetSetting(Opt::SPEAK_WORDS, QStringLiteral("FALSE"));

    s.ShowDefinition = false;
    s.ShowContext = false;
    s.Pronounce = false;
    test = Begin(list, s);
    EXPECT_FALSE(test->frameDefinition->isVisible());
    EXPECT_FALSE(test->frameContext->isVisible());
    EXPECT_FALSE(test->cmdPronounce->isVisible());
    EXPECT_EQ(test->frameBottom->y(), test->frameDefinition->y());
    // The frame stays centred in the window.
    const QRect frame = test->frameMain->geometry();
    EXPECT_NEAR(frame.center().x(), test->rect().center().x(), 2);
    EXPECT_NEAR(frame.center().y(), test->rect().center().y(), 2);
}

TEST_F(RunningTest, AnAnswerThatCannotBeStoredIsReportedAndAskedAgain)
{
    list = AddList();
    const int32_t word = AddWord(list, QStringLiteral("quiet"));
    frmTest* test = Begin(list, Quiet());
    const int32_t testId = test->TestID();
    RefuseInserts("WORD_ATTEMPTS");
    Answer(test, QStringLiteral("quite"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("disk full")));
    EXPECT_EQ(test->AttemptCount(), 0) << "an answer not stored is not counted";
    EXPECT_EQ(test->CurrentWord(), QStringLiteral("quiet"));

    AllowInserts();
    Answer(test, QStringLiteral("quiet"));
    EXPECT_EQ(Attempts(testId), (std::vector<AttemptRow>{{word, "quiet", "CORRECT", 1}}));
}

// A finished test the disk refused once is saved when the child tries again, and its results
// follow as usual.
TEST_F(RunningTest, ATestRefusedOnceIsSavedWhenTriedAgain)
{
    list = AddList();
    const int32_t word = AddWord(list, QStringLiteral("last"));
    frmTest* test = Begin(list, Quiet());
    const int32_t testId = test->TestID();
    RefuseInserts("TESTS");
    MessageBoxes question(MsgResult::Yes);
    question.whileShown = [](const QString&) { AllowInserts(); }; // room was made on the disk
    Answer(test, QStringLiteral("last"));
    QApplication::processEvents();
    EXPECT_EQ(question.texts.size(), 1);
    EXPECT_EQ(CountListTests(list), 1);
    EXPECT_EQ(Attempts(testId), (std::vector<AttemptRow>{{word, "last", "CORRECT", 1}}));
    ASSERT_NE(frmTestResults::instance(), nullptr) << "the results follow as usual";
    EXPECT_EQ(StoredRowCount("SELECT * FROM RUNNING_TESTS"), 0);
}

TEST_F(RunningTest, AnEnterPressedTwiceOnTheLastWordCountsOnce)
{
    list = AddList();
    const int32_t word = AddWord(list, QStringLiteral("last"));
    frmTest* test = Begin(list, Quiet());
    const int32_t testId = test->TestID();
    // The second press waits in the queue while the first one ends the test.
    QCoreApplication::postEvent(test->txtWord,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    Answer(test, QStringLiteral("last"));
    QApplication::processEvents();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Attempts(testId), (std::vector<AttemptRow>{{word, "last", "CORRECT", 1}}));
    EXPECT_EQ(CountListTests(list), 1);
    ASSERT_NE(frmTestResults::instance(), nullptr);
    EXPECT_EQ(frmTestResults::instance()->txtScore->text(), QStringLiteral("100 %"));
}

