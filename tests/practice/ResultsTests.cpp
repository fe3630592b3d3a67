// The results of one test and the attempts of one word, from stored rows.
#include "PracticeFixture.h"

#include "ListQueries.h"
#include "TestQueries.h"
#include "Globals.h"
#include "GuiTestSupport.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestWordDetails.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTableWidget>
#include <QPointer>

#include <functional>

namespace {
const QDateTime kStart(QDate(2026, 3, 4), QTime(14, 5, 59));
const QDateTime kEnd(QDate(2026, 3, 4), QTime(14, 12, 1));

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}
} // namespace

class Results : public PracticeTest {
protected:
    // A list of n words w1..wn; `firstTry` of them right at the first attempt.
    int32_t TestWithFirstTries(int words, int firstTry)
    {
        list = AddList();
        const int32_t test = AddTest(list, 3, kStart, kEnd);
        for (int i = 1; i <= words; ++i) {
            const int32_t word = AddWord(list, QStringLiteral("w%1").arg(i));
            if (i <= firstTry) {
                AddAttempt(test, list, word, QStringLiteral("w%1").arg(i), true, 1);
            } else {
                AddAttempt(test, list, word, QStringLiteral("x"), false, 1);
                AddAttempt(test, list, word, QStringLiteral("w%1").arg(i), true, 2);
            }
        }
        return test;
    }
    frmTestResults* Open(int32_t testId)
    {
        auto* results = new frmTestResults;
        results->SetTestID(testId);
        results->show();
        QApplication::processEvents();
        return results;
    }
    // A test of a new list of these words from the main window's selection: order of
    // creation, two tries, nothing revealed.
    frmTest* BeginTwoTriesInCreatedOrder(const QStringList& words)
    {
        list = AddList();
        for (const QString& word : words)
            AddWord(list, word);
        TestSettings s;
        s.TestOrder = QStringLiteral("Order Created");
        s.MoveOnAfter = 2;
        s.RevealAnswers = s.ForceEcho = false;
        return Begin(list, s);
    }
    int32_t list = 0;
};

TEST_F(Results, ScoreRoundsHalvesToEven)
{
    struct Case { int firstTry; const char* score; };
    for (const Case c : {Case{6, "75 %"}, Case{1, "12 %"}, Case{3, "38 %"}, Case{0, "0 %"}}) {
        frmTestResults* results = Open(TestWithFirstTries(8, c.firstTry));
        EXPECT_EQ(results->txtScore->text(), QString::fromLatin1(c.score));
        EXPECT_EQ(results->txtCorrectOnFirstTry->text(), QString::number(c.firstTry));
        EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("8"));
        EXPECT_EQ(results->txtMovedOn->text(), QStringLiteral("0"));
        EXPECT_EQ(results->txtDate->text(), QStringLiteral("3/4/2026"));
        EXPECT_EQ(results->txtStartTime->text(), QStringLiteral("2:05 PM"));
        EXPECT_EQ(results->txtTotalTime->text(), QStringLiteral("7"));
        CloseTestWindows();
    }
}

// The results and the past tests compute the score in whole numbers, so both show the same
// number even where floating point lands just below a half (23 / 40 * 100 = 57.4999...).
TEST_F(Results, ResultsPastTestsAndGetTestScoreAgree)
{
    struct Case { int words; int firstTry; int score; };
    for (const Case c : {Case{40, 23, 58}, Case{80, 46, 58}, Case{8, 1, 12}, Case{8, 3, 38},
                         Case{8, 5, 62}}) {
        const int32_t test = TestWithFirstTries(c.words, c.firstTry);
        const QString shown = QString::number(c.score) + QStringLiteral(" %");
        EXPECT_EQ(Open(test)->txtScore->text(), shown) << c.firstTry << "/" << c.words;
        EXPECT_EQ(GetTestScore(test), c.score) << c.firstTry << "/" << c.words;
        CloseTestWindows();
        auto* past = new frmPastTests;
        past->SetListID(list);
        ASSERT_EQ(RowCount(past->MSFlexGrid1), 1);
        EXPECT_EQ(CellText(past->MSFlexGrid1, 0, 1), shown) << c.firstTry << "/" << c.words;
        EXPECT_EQ(past->txtAverageScore->text(), shown);
        CloseTestWindows(); // deletes the past-tests window too
    }
}

TEST_F(Results, RowsAreColouredByMissesAndShowTheirAttempts)
{
    list = AddList();
    const int32_t test = AddTest(list, 3, kStart, kEnd);
    const int32_t clean = AddWord(list, QStringLiteral("ant"));
    const int32_t once = AddWord(list, QStringLiteral("bee"));
    const int32_t twice = AddWord(list, QStringLiteral("cow"));
    const int32_t never = AddWord(list, QStringLiteral("dog"));
    AddAttempt(test, list, clean, "ant", true, 1);
    AddAttempt(test, list, once, "be", false, 1);
    AddAttempt(test, list, once, "bee", true, 2);
    AddAttempt(test, list, twice, "co", false, 1);
    AddAttempt(test, list, twice, "kow", false, 2);
    AddAttempt(test, list, twice, "cow", true, 3);
    AddAttempt(test, list, never, "dg", false, 1);
    AddAttempt(test, list, never, "dgo", false, 2);
    AddAttempt(test, list, never, "dogg", false, 3);
    frmTestResults* results = Open(test);
    QTableWidget* grid = results->MSFlexGrid1;
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Word"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Attempts"));
    ASSERT_EQ(RowCount(grid), 4);
    const QStringList attempts = {"1", "2", "3", "3"};
    const QList<QColor> colours = {QColor(255, 255, 255), QColor(255, 255, 0),
                                   QColor(255, 255, 0), QColor(255, 0, 0)};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CellText(grid, row, 1), attempts[row]) << row;
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(grid->item(row, column)->background().color(), colours[row]) << row;
            EXPECT_EQ(grid->item(row, column)->foreground().color(), QColor(Qt::black))
                << "readable on the light colours in a dark palette too";
        }
    }
    EXPECT_EQ(results->txtMovedOn->text(), QStringLiteral("1"));
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("25 %"));

    // The first word's attempts open at once, beside the results.
    frmTestWordDetails* details = results->WordDetails();
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
    EXPECT_GE(details->x(), results->frameGeometry().right());
    EXPECT_EQ(details->lblWord->text(), QStringLiteral("ant"));
    EXPECT_EQ(Items(details->List1), QStringList{"ant"});
    EXPECT_EQ(details->lblResult->text(), QStringLiteral("Correct on the first attempt"));

    SelectRow(grid, 1);
    EXPECT_EQ(Items(details->List1), (QStringList{"be", "bee"}));
    EXPECT_EQ(details->lblResult->text(), QStringLiteral("Correct on 2nd attempt"));
    SelectRow(grid, 2);
    EXPECT_EQ(Items(details->List1), (QStringList{"co", "kow", "cow"}));
    EXPECT_EQ(details->lblResult->text(), QStringLiteral("Correct after 2 incorrect attempts"));
    // Screen readers read the word and the outcome themselves, not the labels' names.
    EXPECT_EQ(SpokenName(details->lblWord), QStringLiteral("cow"));
    EXPECT_EQ(SpokenName(details->lblResult), QStringLiteral("Correct after 2 incorrect attempts"));
    SelectRow(grid, 3);
    EXPECT_EQ(Items(details->List1), (QStringList{"dg", "dgo", "dogg"}));
    EXPECT_EQ(details->lblResult->text(), QStringLiteral("Not correct after 3 attempts"));
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("dog"));
    results->SetFocusToWord(QStringLiteral("Bee")); // letter case counts: no match
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("dog"));
    results->SetFocusToWord(QStringLiteral("bee"));
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("bee"));
    EXPECT_EQ(details->lblWord->text(), QStringLiteral("bee"));
}

TEST_F(Results, TheListAsItIsNowCounts)
{
    const int32_t test = TestWithFirstTries(4, 2);
    AddWord(list, QStringLiteral("added"));
    frmTestResults* results = Open(test);
    EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("5"));
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("40 %"));
    const auto found = results->MSFlexGrid1->findItems(QStringLiteral("added"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(results->MSFlexGrid1->item(found[0]->row(), 1)->text(), QStringLiteral("1"));
    CloseTestWindows();

    DeleteList(list);
    const int32_t emptied = AddTest(list, 3, kStart, kEnd);
    results = Open(emptied);
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("100 %"));
    EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("0"));
    EXPECT_EQ(results->MSFlexGrid1->rowCount(), 0);
    EXPECT_EQ(results->WordDetails(), nullptr);
}

TEST_F(Results, ATestWithoutItsRowShowsAnEmptyWindow)
{
    frmTestResults* results = Open(4711);
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("0 %"));
    EXPECT_EQ(results->txtTotalWords->text(), QString());
    EXPECT_EQ(results->MSFlexGrid1->rowCount(), 0);
}

TEST_F(Results, ClosingAfterATestOffersAnotherWithTheSameSettings)
{
    frmTest* test = BeginTwoTriesInCreatedOrder({"sun", "moon"});
    Answer(test, QStringLiteral("sun"));
    Answer(test, QStringLiteral("moon"));
    QApplication::processEvents();
    ASSERT_NE(frmTestResults::instance(), nullptr);

    answers = {MsgResult::Yes};
    frmTestResults::instance()->close();
    QApplication::processEvents();
    EXPECT_EQ(messages.last(), QStringLiteral("Test Again?"));
    frmTest* again = frmTest::instance();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->CurrentWord(), QStringLiteral("sun")) << "order of creation kept";
    EXPECT_EQ(again->Session().Settings().MoveOnAfter, 2);
    EXPECT_EQ(again->ListID(), list);
    Answer(again, QStringLiteral("sn"));
    Answer(again, QStringLiteral("sn"));
    EXPECT_EQ(again->CurrentWord(), QStringLiteral("moon")) << "moved on after 2 misses";
    Answer(again, QStringLiteral("moon"));
    QApplication::processEvents();

    answers = {MsgResult::No};
    frmTestResults::instance()->close();
    QApplication::processEvents();
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_EQ(CountListTests(list), 2);
}

// After a test that missed words, Alt+M practises those words alone with the same settings;
// the round's results are scored on its words, marked, and offer its own misses again. The
// list still counts one test, and "Test Again?" then runs the same round again.
TEST_F(Results, PractisingTheMissedWordsRunsARoundOnThemWithTheSameSettings)
{
    frmTest* test = BeginTwoTriesInCreatedOrder({"sun", "moon", "star", "comet"});
    const int32_t wholeList = test->TestID();
    for (const char* answer : {"sun", "mon", "moon", "star", "comit", "comt"})
        Answer(test, QString::fromLatin1(answer));
    QApplication::processEvents();
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->cmdPractiseMissed->isVisible());
    EXPECT_TRUE(results->cmdPractiseMissed->isEnabled());
    EXPECT_FALSE(results->lblPracticeRound->isVisible());

    QApplication::setActiveWindow(results);
    QTest::keyClick(results, Qt::Key_M, Qt::AltModifier);
    // The access key presses the button as a click does, once its press has shown.
    for (int i = 0; i < 50 && !frmTest::instance(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(messages.contains(QStringLiteral("Test Again?"))) << "no question on the way";
    frmTest* round = frmTest::instance();
    ASSERT_NE(round, nullptr);
    EXPECT_TRUE(round->isVisible());
    EXPECT_EQ(round->TestWords().size(), 2);
    EXPECT_EQ(round->CurrentWord(), QStringLiteral("moon")) << "order of creation kept";
    for (const char* answer : {"moon", "comt", "comt"})
        Answer(round, QString::fromLatin1(answer));
    EXPECT_EQ(round->CurrentWord(), QStringLiteral("comet")) << "moved on after 2 misses";
    QApplication::processEvents();

    results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("2"));
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("50 %"));
    EXPECT_EQ(results->txtMovedOn->text(), QStringLiteral("1"));
    ASSERT_EQ(results->MSFlexGrid1->rowCount(), 2) << "only the words it asked";
    EXPECT_EQ(results->MSFlexGrid1->item(0, 0)->text(), QStringLiteral("comet"));
    EXPECT_EQ(results->MSFlexGrid1->item(1, 0)->text(), QStringLiteral("moon"));
    EXPECT_TRUE(results->lblPracticeRound->isVisible());
    EXPECT_EQ(SpokenName(results->lblPracticeRound), QStringLiteral("Missed words of test 1"));
    EXPECT_TRUE(results->cmdPractiseMissed->isEnabled()) << "comet was missed again";
    EXPECT_EQ(CountListTests(list), 1);

    answers = {MsgResult::Yes};
    results->close();
    QApplication::processEvents();
    EXPECT_EQ(messages.last(), QStringLiteral("Test Again?"));
    ASSERT_NE(frmTest::instance(), nullptr);
    EXPECT_EQ(frmTest::instance()->TestWords().size(), 2) << "the same round again";
    EXPECT_EQ(frmTest::instance()->Session().PracticeOf(), wholeList);
    EXPECT_EQ(frmTest::instance()->CurrentWord(), QStringLiteral("moon"));
}

// A click on the selected word, or Enter on it, opens its attempts again once they were
// closed, also when the grid has one word; the attempts close with the results, before
// "Test Again?" is asked.
TEST_F(Results, TheSelectedWordOpensItsAttemptsAgainAndTheyCloseWithTheResults)
{
    const int32_t test = TestWithFirstTries(1, 0);
    frmTestResults* results = Open(test);
    QTableWidget* grid = results->MSFlexGrid1;
    const QPoint selected = grid->visualItemRect(grid->item(0, 0)).center();
    const std::vector<std::pair<const char*, std::function<void()>>> reopeners = {
        {"a click", [&] { QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, selected); }},
        {"Enter", [&] { QTest::keyClick(grid, Qt::Key_Return); }},
    };
    for (const auto& [how, reopen] : reopeners) {
        ASSERT_NE(results->WordDetails(), nullptr);
        results->WordDetails()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(results->WordDetails(), nullptr);
        QApplication::setActiveWindow(results);
        reopen();
        QApplication::processEvents();
        ASSERT_NE(results->WordDetails(), nullptr) << how << " opens the attempts again";
        EXPECT_TRUE(results->WordDetails()->isVisible()) << how;
        EXPECT_EQ(results->WordDetails()->lblWord->text(), QStringLiteral("w1"));
    }

    QPointer<frmTestWordDetails> details = results->WordDetails();
    results->SetOpener(ResultsOpener::Test);
    bool attemptsShownDuringQuestion = true;
    MessageBoxes question(MsgResult::No);
    question.whileShown = [&](const QString&) {
        attemptsShownDuringQuestion = details && details->isVisible();
    };
    results->close();
    EXPECT_FALSE(attemptsShownDuringQuestion) << "no word attempts alone beside the question";
}

// The command is offered after a test and from the past tests, usable only when a word was
// missed.
TEST_F(Results, PractiseMissedWordsIsOfferedAfterATestThatMissedAWord)
{
    struct Case {
        ResultsOpener opener;
        int firstTry;
        bool visible, enabled;
    };
    using enum ResultsOpener;
    for (const Case c :
         {Case{Test, 2, true, true}, Case{Test, 3, true, false}, Case{PastTests, 2, true, true},
          Case{PastTests, 3, true, false}, Case{None, 2, false, true}}) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.opener)) + " " + std::to_string(c.firstTry));
        frmTestResults* results = Open(TestWithFirstTries(3, c.firstTry));
        results->SetOpener(c.opener);
        EXPECT_EQ(results->cmdPractiseMissed->isVisible(), c.visible);
        EXPECT_EQ(results->cmdPractiseMissed->isEnabled(), c.enabled);
        EXPECT_EQ(SpokenName(results->cmdPractiseMissed), QStringLiteral("Practise Missed Words"));
        delete results;
    }
}

// Results made ready while the last word was asked show exactly what results made at the end
// show, and until they are handed out they leave the open results window the open one.
TEST_F(Results, ResultsMadeAheadShowWhatResultsMadeAtTheEndShow)
{
    list = AddList();
    const int32_t test = AddTest(list, 2, kStart, kEnd);
    const int32_t clean = AddWord(list, QStringLiteral("ant"));
    const int32_t once = AddWord(list, QStringLiteral("bee"));
    const int32_t never = AddWord(list, QStringLiteral("cow"));
    AddAttempt(test, list, clean, "ant", true, 1);
    AddAttempt(test, list, once, "be", false, 1);
    AddAttempt(test, list, once, "bee", true, 2);
    AddAttempt(test, list, never, "co", false, 1);
    AddAttempt(test, list, never, "kow", false, 2);

    frmTestResults* atTheEnd = Open(test);
    QPointer<frmTestResults> ahead = frmTestResults::MakeAhead();
    EXPECT_FALSE(ahead->isVisible());
    EXPECT_EQ(frmTestResults::instance(), atTheEnd) << "the open results stay the open ones";
    delete atTheEnd;
    ahead->TakeAhead();
    EXPECT_EQ(frmTestResults::instance(), ahead.data());
    ahead->SetTestID(test);
    ahead->show();
    QApplication::processEvents();
    frmTestResults* made = Open(test);

    const auto shown = [](frmTestResults* results) {
        QStringList texts;
        for (QLineEdit* box : results->findChildren<QLineEdit*>())
            texts << box->objectName() + "=" + box->text() + "/" + box->accessibleName();
        QTableWidget* grid = results->MSFlexGrid1;
        for (int row = 0; row < RowCount(grid); ++row)
            for (int column = 0; column < 3; ++column)
                texts << CellText(grid, row, column) + "/" +
                             grid->item(row, column)->background().color().name();
        frmTestWordDetails* details = results->WordDetails();
        texts << (details && details->isVisible() ? details->lblWord->text() : "no attempts");
        texts << details->lblResult->text() << QString::number(details->List1->count());
        const QRect place = results->geometry();
        texts << QStringLiteral("%1,%2 %3x%4")
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height());
        return texts;
    };
    ASSERT_FALSE(ahead.isNull());
    EXPECT_EQ(shown(ahead), shown(made));
    // The word attempts beside the results, at the grid's top: within the frame a window gets
    // once it is made, which the test platform counts in a pixel or two.
    const auto beside = [](frmTestResults* results) {
        return results->WordDetails()->pos() - results->pos();
    };
    EXPECT_NEAR(beside(ahead).x(), beside(made).x(), 2);
    EXPECT_NEAR(beside(ahead).y(), beside(made).y(), 2);
    EXPECT_EQ(ahead->txtScore->text(), QStringLiteral("33 %"));
    EXPECT_EQ(ahead->WordDetails()->lblWord->text(), QStringLiteral("ant"));
    delete ahead.data();
}
