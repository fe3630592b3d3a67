// The history of tests of a list.
#include "PracticeFixture.h"

#include "ListQueries.h"
#include "ListTestPages.h"
#include "TestReport.h"
#include "TestQueries.h"
#include "Connection.h"
#include "Globals.h"

#include "Twips.h"

#include "ListProgressPanel.h"
#include "TaskNotices.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestWordDetails.h"

#include <QAccessible>
#include <QApplication>
#include "ScoreChart.h"
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QLabel>
#include <QSignalSpy>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

class PastTests : public PracticeTest {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        list = AddList();
        for (int i = 1; i <= 20; ++i)
            words.push_back(AddWord(list, QStringLiteral("word%1").arg(i, 2, 10, QLatin1Char('0'))));
    }
    // A test on the 20 words with `firstTry` of them right at once, the rest after one miss.
    int32_t StoredTest(const QDateTime& start, int firstTry)
    {
        const int32_t test = AddTest(list, 3, start, start.addSecs(300));
        for (int i = 0; i < 20; ++i) {
            const QString word = QStringLiteral("word%1").arg(i + 1, 2, 10, QLatin1Char('0'));
            if (i >= firstTry)
                AddAttempt(test, list, words[i], QStringLiteral("wrd"), false, 1);
            AddAttempt(test, list, words[i], word, true, i < firstTry ? 1 : 2);
        }
        return test;
    }
    frmPastTests* Open()
    {
        auto* past = new frmPastTests;
        past->SetListID(list);
        past->show();
        QApplication::processEvents();
        return past;
    }
    static QDateTime Day(int day, int hour) { return {QDate(2026, 11, day), QTime(hour, 0)}; }
    int32_t list = 0;
    std::vector<int32_t> words;
};

TEST_F(PastTests, NeverTestedListShowsZeros)
{
    frmPastTests* past = Open();
    EXPECT_EQ(RowCount(past->MSFlexGrid1), 0);
    EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("0"));
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("0 %"));
    EXPECT_EQ(frmTestResults::instance(), nullptr);
}

TEST_F(PastTests, AveragesRoundHalvesToEven)
{
    StoredTest(Day(2, 9), 14); // 70
    StoredTest(Day(3, 9), 15); // 75
    frmPastTests* past = Open();
    EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("2"));
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("72 %"));
    EXPECT_EQ(CellText(past->MSFlexGrid1, 0, 1), QStringLiteral("70 %"));
    EXPECT_EQ(CellText(past->MSFlexGrid1, 1, 1), QStringLiteral("75 %"));
    CloseTestWindows();

    StoredTest(Day(4, 9), 16); // 80: 70, 75, 80 average 75
    past = Open();
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("75 %"));
}

TEST_F(PastTests, AverageOfSeventyFiveAndEightyIsSeventyEight)
{
    StoredTest(Day(2, 9), 15);
    StoredTest(Day(3, 9), 16);
    EXPECT_EQ(Open()->txtAverageScore->text(), QStringLiteral("78 %"));
}

TEST_F(PastTests, AllZeroScoresAverageZero)
{
    StoredTest(Day(2, 9), 0);
    StoredTest(Day(3, 9), 0);
    frmPastTests* past = Open();
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("0 %"));
    EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("2"));
}

TEST_F(PastTests, OldestFirstAndItsResultsOpenBeside)
{
    const int32_t later = StoredTest(Day(5, 16), 20);
    const int32_t morning = StoredTest(Day(5, 8), 10);
    const int32_t oldest = StoredTest(Day(1, 12), 5);
    frmPastTests* past = Open();
    QTableView* grid = past->MSFlexGrid1;
    ASSERT_EQ(RowCount(grid), 3);
    EXPECT_EQ(CellText(grid, 0, 0), QStringLiteral("11/1/2026"));
    EXPECT_EQ(CellText(grid, 1, 0), QStringLiteral("11/5/2026"));
    EXPECT_EQ(CellText(grid, 2, 0), QStringLiteral("11/5/2026"));
    EXPECT_EQ(CellText(grid, 1, 2).toInt(), morning);
    EXPECT_EQ(CellText(grid, 2, 2).toInt(), later);
    EXPECT_TRUE(grid->isColumnHidden(2));

    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->TestID(), oldest);
    EXPECT_TRUE(results->isVisible());
    EXPECT_GE(results->x(), past->frameGeometry().right());
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("25 %"));
}

// A click on the selected test, or Enter on it, opens its results again once they were
// closed, also when the list has one test.
TEST_F(PastTests, TheSelectedTestOpensItsResultsAgain)
{
    const int32_t only = StoredTest(Day(1, 12), 5);
    frmPastTests* past = Open();
    QTableView* grid = past->MSFlexGrid1;
    const QPoint selected = grid->visualRect(grid->model()->index(0, 0)).center();
    const std::vector<std::pair<const char*, std::function<void()>>> reopeners = {
        {"a click", [&] { QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, selected); }},
        {"Enter", [&] { QTest::keyClick(grid, Qt::Key_Return); }},
    };
    for (const auto& [how, reopen] : reopeners) {
        ASSERT_NE(frmTestResults::instance(), nullptr);
        frmTestResults::instance()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(frmTestResults::instance(), nullptr);
        QApplication::setActiveWindow(past);
        reopen();
        QApplication::processEvents();
        ASSERT_NE(frmTestResults::instance(), nullptr) << how << " opens the results again";
        EXPECT_TRUE(frmTestResults::instance()->isVisible()) << how;
        EXPECT_EQ(frmTestResults::instance()->TestID(), only);
    }
}

// The visible columns of both grids reach the right edge: no empty band beside them.
TEST_F(PastTests, GridColumnsFillTheirGrids)
{
    StoredTest(Day(1, 12), 5);
    frmPastTests* past = Open();
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    for (QTableView* grid : std::initializer_list<QTableView*>{past->MSFlexGrid1, results->MSFlexGrid1}) {
        const int filled = grid->columnWidth(0) + grid->columnWidth(1);
        EXPECT_NEAR(filled, grid->viewport()->width(), 2) << grid->window()->objectName().toStdString();
    }
    EXPECT_EQ(results->MSFlexGrid1->columnWidth(1), Twips(1200))
        << "the Attempts column keeps its width; the words take the rest";
}

TEST_F(PastTests, TheSelectedWordStaysFromTestToTest)
{
    StoredTest(Day(1, 9), 5);
    const int32_t second = StoredTest(Day(2, 9), 10);
    frmPastTests* past = Open();
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    results->MSFlexGrid1->setCurrentCell(11, 0); // word12: missed once in both tests
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("word12"));

    SelectRow(past->MSFlexGrid1, 1);
    EXPECT_EQ(frmTestResults::instance(), results) << "the same results window is refilled";
    EXPECT_EQ(results->TestID(), second);
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("word12"));
    EXPECT_EQ(results->WordDetails()->lblWord->text(), QStringLiteral("word12"));
    EXPECT_EQ(results->WordDetails()->lblResult->text(),
              QStringLiteral("Correct on 2nd attempt"));

    // Closing the results brings the past tests back; nothing else is asked.
    results->close();
    QApplication::processEvents();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(frmPastTests::instance(), past);
}

TEST_F(PastTests, WordsAddedLaterLowerTheScore)
{
    StoredTest(Day(1, 9), 20);
    for (int i = 0; i < 5; ++i)
        AddWord(list, QStringLiteral("extra%1").arg(i));
    EXPECT_EQ(CellText(Open()->MSFlexGrid1, 0, 1), QStringLiteral("80 %"));
}

// A damaged test row (no TEST_ID) or word row (a broken WORD_ID) hides nothing else: the past
// tests and the results show every good row, and each view names what it left out once.
TEST_F(PastTests, DamagedRowsAreLeftOutAndNamedOnce)
{
    const int32_t good = StoredTest(Day(2, 10), 15);
    Globals::DbConnection().Execute(QStringLiteral(
        "INSERT INTO TESTS (TEST_ID, LIST_ID, START_TIME) VALUES (NULL, %1, '2026-11-03 10:00:00')")
                                        .arg(list));
    Globals::DbConnection().Execute(
        QStringLiteral("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD) VALUES ('1 OR 1=1', %1, 'x')")
            .arg(list));
    frmPastTests* past = Open();
    ASSERT_EQ(RowCount(past->MSFlexGrid1), 1);
    EXPECT_EQ(CellText(past->MSFlexGrid1, 0, 2), QString::number(good));
    ASSERT_EQ(messages.size(), 2) << messages.join("|").toStdString();
    EXPECT_TRUE(messages[0].contains("TESTS row ")) << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains("WORDS row ")) << messages[1].toStdString();
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->MSFlexGrid1->rowCount(), 20) << "the 20 good words";
}

// The progress of the list beside the history: the chart of the scores and the hardest words.
TEST_F(PastTests, WithoutTestsTheChartAndTheHardestWordsAreEmptyAndSaySo)
{
    frmPastTests* past = Open();
    EXPECT_TRUE(past->progress->ScorePoints().isEmpty());
    EXPECT_TRUE(past->progress->chartScores->SpokenText().startsWith("No tests yet"));
    EXPECT_EQ(past->progress->gridHardestWords->rowCount(), 0);
    EXPECT_TRUE(past->progress->lblNoMisses->isVisible());
    EXPECT_TRUE(past->progress->lblNoMisses->text().startsWith("No tests yet"));
}

TEST_F(PastTests, TheChartShowsExactlyTheGridsScoresInOrder)
{
    StoredTest(Day(3, 9), 18); // 90
    StoredTest(Day(1, 9), 3);  // 15, the oldest
    StoredTest(Day(2, 9), 11); // 55
    AddWord(list, QStringLiteral("late")); // every score now divides by 21
    frmPastTests* past = Open();
    const QList<QPointF> points = past->progress->ScorePoints();
    ASSERT_EQ(points.size(), RowCount(past->MSFlexGrid1));
    for (int row = 0; row < points.size(); ++row) {
        EXPECT_EQ(points[row].x(), row + 1);
        EXPECT_EQ(QStringLiteral("%1 %").arg(points[row].y()),
                  CellText(past->MSFlexGrid1, row, 1))
            << "row " << row;
    }
    EXPECT_EQ(points[0].y(), 14) << "3 of 21 words";
    // What a screen reader hears of the chart.
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(
        past->progress->chartScores);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->text(QAccessible::Description),
              QStringLiteral("test 1: 14 %, test 2: 52 %, test 3: 86 %"));
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Scores"));
}

// Years of tests: past 400 the chart draws each group of neighbouring tests by its lowest and
// highest score, so no dip or peak is lost, and a screen reader still hears every test.
TEST_F(PastTests, AChartOfThousandsOfTestsKeepsEveryLowAndHigh)
{
    ListProgressPanel panel;
    for (const int count : {400, 401, 2000, 2017, 3}) {
        QList<int> scores;
        for (int i = 0; i < count; ++i)
            scores << 40 + (i * 37) % 50;
        scores[count / 3] = 0;
        scores[count - 1] = 100;
        panel.ShowProgress(scores, {});
        const QList<QPointF> points = panel.ScorePoints();
        ASSERT_LE(points.size(), 400) << count;
        // A dot stands for a test: a thinned line has none.
        EXPECT_EQ(panel.DotsShown(), count <= 400) << count;
        if (count <= 400) {
            EXPECT_EQ(points.size(), count);
        }
        for (qsizetype i = 1; i < points.size(); ++i)
            ASSERT_LT(points[i - 1].x(), points[i].x()) << count << " point " << i;
        for (const QPointF& p : points)
            ASSERT_EQ(p.y(), scores[qsizetype(p.x()) - 1]) << count << " test " << p.x();
        EXPECT_TRUE(points.contains(QPointF(count / 3 + 1, 0))) << count;
        EXPECT_EQ(points.last(), QPointF(count, 100)) << count;
        const QString spoken = panel.chartScores->SpokenText();
        EXPECT_EQ(spoken.count(QStringLiteral("test ")), count);
        EXPECT_TRUE(spoken.endsWith(QStringLiteral("test %1: 100 %").arg(count))) << count;
    }
}

TEST_F(PastTests, HardestWordsComeFirstAndChoosingOneSelectsItInTheResults)
{
    StoredTest(Day(1, 9), 18); // word19 and word20 missed
    StoredTest(Day(2, 9), 17); // word18 to word20
    StoredTest(Day(3, 9), 19); // word20
    frmPastTests* past = Open();
    QTableWidget* hardest = past->progress->gridHardestWords;
    ASSERT_EQ(hardest->rowCount(), 3);
    const QStringList expected[] = {{"word20", "3", "wrd (3)"},
                                    {"word19", "2", "wrd (2)"},
                                    {"word18", "1", "wrd"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(hardest->item(row, column)->text(), expected[row][column]);
    EXPECT_FALSE(past->progress->lblNoMisses->isVisible());

    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    hardest->setCurrentCell(1, 0);
    EXPECT_EQ(results->SelectedWord(), QStringLiteral("word19"));
    EXPECT_EQ(results->WordDetails()->lblWord->text(), QStringLiteral("word19"));

    // With the results closed, choosing a word opens them again on the selected test.
    results->close();
    QApplication::processEvents();
    hardest->setCurrentCell(2, 0);
    ASSERT_NE(frmTestResults::instance(), nullptr);
    EXPECT_EQ(frmTestResults::instance()->SelectedWord(), QStringLiteral("word18"));
}

TEST_F(PastTests, TestsWithoutAMissLeaveTheHardestWordsEmptyAndSaySo)
{
    StoredTest(Day(1, 9), 20);
    frmPastTests* past = Open();
    EXPECT_EQ(past->progress->ScorePoints(), QList<QPointF>{QPointF(1, 100)});
    EXPECT_EQ(past->progress->gridHardestWords->rowCount(), 0);
    EXPECT_EQ(past->progress->lblNoMisses->text(),
              QStringLiteral("No word has been missed on a test yet."));
}

// Practice rounds of missed words are listed in their place, marked and scored on the words
// they asked; the totals, the average, the chart and the hardest words stay the whole-list
// tests' own.
TEST_F(PastTests, PracticeRoundsAreMarkedAndLeaveTheListsFiguresAlone)
{
    const int32_t first = StoredTest(Day(1, 9), 14); // 70: word15 to word20 missed
    const auto round = [this](const QDateTime& start, int32_t of, int from, int firstTry) {
        const int32_t test = AddTest(list, 3, start, start.addSecs(120));
        Globals::DbConnection().Execute(
            QStringLiteral("UPDATE TESTS SET PRACTICE_OF = %1 WHERE TEST_ID = %2").arg(of).arg(test));
        for (int i = from; i < 20; ++i) {
            if (i >= from + firstTry)
                AddAttempt(test, list, words[i], QStringLiteral("wrd"), false, 1);
            AddAttempt(test, list, words[i], QStringLiteral("word"), true, i < from + firstTry ? 1 : 2);
        }
        return test;
    };
    const int32_t practice = round(Day(1, 10), first, 14, 3); // 3 of 6: 50
    round(Day(1, 11), practice, 17, 3);                       // 3 of 3: 100
    StoredTest(Day(2, 9), 15);                                // 75
    frmPastTests* past = Open();
    QTableView* grid = past->MSFlexGrid1;
    ASSERT_EQ(RowCount(grid), 4);
    EXPECT_EQ(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Test"));
    EXPECT_FALSE(grid->isColumnHidden(3));
    const QStringList scores = {"70 %", "50 %", "100 %", "75 %"};
    const QStringList marks = {"1", "Missed words of test 1", "Missed words of test 1, round 2", "2"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CellText(grid, row, 1), scores[row]) << row;
        EXPECT_EQ(CellText(grid, row, 3), marks[row]) << row;
    }
    EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("2"));
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("72 %"));
    EXPECT_EQ(past->progress->ScorePoints(), (QList<QPointF>{QPointF(1, 70), QPointF(2, 75)}));
    // word18 to word20 were missed again in the first round: they count the two tests alone.
    QTableWidget* hardest = past->progress->gridHardestWords;
    ASSERT_EQ(hardest->rowCount(), 6);
    EXPECT_EQ(hardest->item(0, 0)->text(), QStringLiteral("word16"));
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(hardest->item(row, 1)->text(), QStringLiteral("2")) << row;
    EXPECT_EQ(GetTestScore(practice), 50);
    EXPECT_EQ(CountListTests(list), 2);

    SelectRow(grid, 1);
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("6"));
    EXPECT_EQ(results->txtScore->text(), QStringLiteral("50 %"));
    EXPECT_EQ(results->lblPracticeRound->text(), QStringLiteral("Missed words of test 1"));
    EXPECT_TRUE(results->cmdPractiseMissed->isVisible());
    EXPECT_TRUE(results->cmdPractiseMissed->isEnabled()) << "word18 to word20 were missed again";
}

// The results of a past test offer its missed words; choosing them closes Past Tests and
// its results without showing the main window and runs the round with the stored defaults,
// not the settings of the last test taken.
TEST_F(PastTests, PractisingAPastTestsMissedWordsRunsARoundWithTheDefaults)
{
    const int32_t first = StoredTest(Day(1, 9), 17); // word18 to word20 missed
    StoredTest(Day(2, 9), 20);                       // none missed
    Globals::DbConnection().Execute(
        QStringLiteral("UPDATE OPTIONS SET MOVE_ON_AFTER = 2, REVEAL_ANSWERS = 'TRUE'"));
    Begin(list, Quiet(1)); // a test taken before, with other settings
    CloseTestWindows();
    QSignalSpy returned(&TaskNotices(), &TaskNoticeBoard::TaskEnded);
    frmPastTests* past = tasks.OpenPastTests(list); // as the main window's Past Tests does
    ASSERT_NE(past, nullptr);
    frmTestResults* results = frmTestResults::instance();
    ASSERT_NE(results, nullptr);
    SelectRow(past->MSFlexGrid1, 1);
    EXPECT_TRUE(results->cmdPractiseMissed->isVisible());
    EXPECT_FALSE(results->cmdPractiseMissed->isEnabled()) << "the second test missed nothing";
    SelectRow(past->MSFlexGrid1, 0);
    ASSERT_TRUE(results->cmdPractiseMissed->isEnabled());

    results->cmdPractiseMissed->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(frmPastTests::instance(), nullptr);
    EXPECT_EQ(frmTestResults::instance(), nullptr);
    EXPECT_EQ(returned.count(), 0) << "the main window stays hidden during the hand-over";
    frmTest* round = frmTest::instance();
    ASSERT_NE(round, nullptr);
    EXPECT_TRUE(round->isVisible());
    EXPECT_EQ(round->TestWords(), (QStringList{QString::number(words[17]), QString::number(words[18]),
                                               QString::number(words[19])}));
    EXPECT_EQ(round->CurrentWord(), QStringLiteral("word18"));
    EXPECT_EQ(round->Session().PracticeOf(), first);
    EXPECT_EQ(round->Session().Settings().MoveOnAfter, 2);
    EXPECT_TRUE(round->Session().Settings().RevealAnswers);
    EXPECT_EQ(round->ListID(), list);
}

// A list's tests read a page at a time, pages of any size in any order, equal a plain read of
// them all: ties in start time, chains of practice rounds, rounds of another list's test or of
// a later one, tests never finished; the grid shows what the plain read's history says, and
// Ctrl+End reaches the last test at once.
TEST_F(PastTests, PagesReadInAnyOrderMatchAPlainReadOfTheTests)
{
    Connection& db = Globals::DbConnection();
    const auto set = [&db](const char* column, const QString& value, int32_t test) {
        db.Execute(QStringLiteral("UPDATE TESTS SET %1 = %2 WHERE TEST_ID = %3")
                       .arg(QLatin1String(column), value)
                       .arg(test));
    };
    const int32_t elsewhere = AddTest(AddList(), 3, Day(1, 8), Day(1, 9));
    std::vector<int32_t> tests;
    const QDateTime first(QDate(2026, 1, 1), QTime(8, 0));
    for (int i = 0; i < 150; ++i) {
        const QDateTime start = first.addSecs(600 * (i / 2)); // two tests a start time
        tests.push_back(AddTest(list, 3, start, start.addSecs(60)));
        if (i % 10 == 0) {
            AddAttempt(tests.back(), list, words[0], QStringLiteral("word01"), true, 1);
            AddAttempt(tests.back(), list, words[1], QStringLiteral("wrd"), false, 1);
        }
        if (i % 7 == 4 || i % 7 == 5) // a round of the test before: rounds 1 and 2
            set("PRACTICE_OF", QString::number(tests[tests.size() - 2]), tests.back());
        if (i % 14 == 6)
            set("UNFINISHED", QStringLiteral("1"), tests.back());
        if (i % 14 == 13)
            set("PRACTICE_OF", QString::number(elsewhere), tests.back());
        if (i % 14 == 12 && i > 0) // a round of the test never finished before it
            set("PRACTICE_OF", QString::number(tests[tests.size() - 7]), tests.back());
    }
    set("PRACTICE_OF", QString::number(tests.back()), tests[20]); // of a later test
    ASSERT_FALSE(ListHasOddTests(list));
    EXPECT_EQ(CountAllListTests(list), 150);

    SkippedRows skipped;
    const std::vector<::StoredTest> plain = ReadListTests(list, skipped);
    const ListHistory history = HistoryOfList(plain, 20);
    ASSERT_EQ(plain.size(), 150u);
    std::vector<int> forward(150), backward, shuffled;
    std::iota(forward.begin(), forward.end(), 0);
    backward.assign(forward.rbegin(), forward.rend());
    shuffled = forward;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(25));
    for (const int size : {64, 7, 1}) {
        for (const auto* order : {&forward, &backward, &shuffled}) {
            KnownPlaces known;
            std::vector<PagedTest> read(150);
            for (const int page : *order) {
                if (page * size >= 150)
                    continue;
                const auto rows = ReadListTestPage(list, page * size, size, known);
                ASSERT_EQ(int(rows.size()), std::min(size, 150 - page * size));
                std::copy(rows.begin(), rows.end(), read.begin() + page * size);
            }
            for (size_t i = 0; i < 150; ++i) {
                const ::StoredTest& a = read[i].test;
                const ::StoredTest& b = plain[i];
                const std::string where = "row " + std::to_string(i) + " page size " +
                                          std::to_string(size);
                EXPECT_EQ(a.testId, b.testId) << where;
                EXPECT_EQ(a.date, b.date) << where;
                EXPECT_EQ(a.practiceOf, b.practiceOf) << where;
                EXPECT_EQ(a.unfinished, b.unfinished) << where;
                EXPECT_EQ(a.firstTry, b.firstTry) << where;
                EXPECT_EQ(a.wordsAsked, b.wordsAsked) << where;
                EXPECT_EQ(read[i].place.number, history.tests[i].place.number) << where;
                EXPECT_EQ(read[i].place.round, history.tests[i].place.round) << where;
            }
        }
    }

    frmPastTests* past = Open();
    QTableView* grid = past->MSFlexGrid1;
    ASSERT_EQ(RowCount(grid), 150);
    // The figures and the chart come from the stored first tries, the grid's rows a page at a
    // time: the Test column is fitted to the rows shown without reading the others.
    EXPECT_EQ(static_cast<const PastTestsModel*>(grid->model())->PagesRead(), 1);
    EXPECT_EQ(past->txtTotalTests->text(), QString::number(history.scores.size()));
    EXPECT_EQ(past->txtAverageScore->text(), PercentText(history.average));
    const QList<QPointF> points = past->progress->ScorePoints();
    ASSERT_EQ(points.size(), history.scores.size());
    for (qsizetype i = 0; i < points.size(); ++i)
        EXPECT_EQ(points[i].y(), history.scores[i]) << "whole-list test " << i + 1;
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->currentIndex().row(), 149);
    for (int row = 149; row >= 0; --row) {
        const PastTest& test = history.tests[size_t(row)];
        EXPECT_EQ(CellText(grid, row, 1), PercentText(test.score)) << row;
        EXPECT_EQ(CellText(grid, row, 2), QString::number(test.testId)) << row;
        EXPECT_EQ(CellText(grid, row, 3), TestNameText(test.place, test.unfinished)) << row;
    }
    // Once the pages read have been told, every text read shows whole.
    QApplication::processEvents();
    for (int row = 0; row < 150; ++row)
        EXPECT_LE(grid->sizeHintForIndex(grid->model()->index(row, 3)).width(),
                  grid->columnWidth(3))
            << CellText(grid, row, 3).toStdString();
    // ... and the Score column keeps its width beside them: the window widens instead.
    QApplication::processEvents();
    EXPECT_GE(grid->columnWidth(1), Twips(1400));
}

// A test whose key or start time is not in the stored form sends the whole list through the
// plain read, which names the rows it leaves out.
TEST_F(PastTests, AnOddTestIsFoundThroughItsIndex)
{
    const struct {
        const char* what;
        const char* change;
    } cases[] = {
        {"a key in text", "TEST_ID = 'x'"},
        {"a key of 0", "TEST_ID = 0"},
        {"a key beyond 32 bits", "TEST_ID = 4294967296"},
        {"no start time", "START_TIME = NULL"},
        {"a start time as a number", "START_TIME = 20260101"},
        {"a practised test in text", "PRACTICE_OF = 'y'"},
        {"a practised test of -1", "PRACTICE_OF = -1"},
    };
    for (const auto& c : cases) {
        const int32_t odd = AddList();
        const int32_t test = AddTest(odd);
        AddTest(odd);
        EXPECT_FALSE(ListHasOddTests(odd)) << c.what;
        Globals::DbConnection().Execute(QStringLiteral("UPDATE TESTS SET %1 WHERE TEST_ID = %2")
                                            .arg(QLatin1String(c.change))
                                            .arg(test));
        EXPECT_TRUE(ListHasOddTests(odd)) << c.what;
        EXPECT_FALSE(ListHasOddTests(list)) << c.what;
    }
}
