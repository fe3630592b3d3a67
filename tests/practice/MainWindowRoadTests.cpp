// The road of a practice test from the main window and back to it.
#include "PracticeFixture.h"

#include "ListQueries.h"
#include "Globals.h"
#include "Options.h"
#include "frmLists.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class MainWindowRoad : public PracticeTest {
protected:
    void SetUp() override
    {
        PracticeTest::SetUp();
        list = AddList();
        AddWord(list, QStringLiteral("stone"));
        AddWord(list, QStringLiteral("river"));
    }
    void TearDown() override
    {
        CloseTestWindows();
        mainTasks.reset();
        main.reset();
        PracticeTest::TearDown();
    }
    void OpenMainWindow()
    {
        main = std::make_unique<frmLists>();
        mainTasks = std::make_unique<Tasks>(main.get());
        ASSERT_TRUE(main->LoadForm(folder->path()));
        Globals::MessageTime = 0;
        main->show();
        QApplication::processEvents();
    }
    void Click(const char* name)
    {
        auto* button = main->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
    QString TestsShown() const
    {
        for (int r = 0; r < main->ListRowCount(); ++r)
            if (main->RowKey(r) == QString::number(list))
                return main->CellText(r, 2);
        return QStringLiteral("(no row)");
    }
    void AnswerAll()
    {
        while (frmTest* test = frmTest::instance())
            Answer(test, test->CurrentWord());
        QApplication::processEvents();
    }
    // Every window of a kind, shown or hidden (made ahead).
    template <class Window>
    static QList<Window*> WindowsOf()
    {
        QList<Window*> found;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* kind = qobject_cast<Window*>(window))
                found << kind;
        return found;
    }
    std::unique_ptr<frmLists> main;
    std::unique_ptr<Tasks> mainTasks; // serves the main window, as in the program
    int32_t list = 0;
};

TEST_F(MainWindowRoad, SetUpTestResultsAndBackCountsOneTest)
{
    OpenMainWindow();
    EXPECT_EQ(TestsShown(), QStringLiteral("0"));
    Click("cmdTest");
    EXPECT_FALSE(main->isVisible());
    ASSERT_NE(frmTestSetup::instance(), nullptr);
    QTest::mouseClick(frmTestSetup::instance()->cmdContinue, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_NE(frmTest::instance(), nullptr);
    EXPECT_FALSE(main->isVisible()) << "hidden while the test runs";
    AnswerAll();
    EXPECT_EQ(TestsShown(), QStringLiteral("1"));
    ASSERT_NE(frmTestResults::instance(), nullptr);
    EXPECT_FALSE(main->isVisible());

    answers = {MsgResult::No};
    frmTestResults::instance()->close();
    QApplication::processEvents();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(CountListTests(list), 1);
}

TEST_F(MainWindowRoad, CancelledSetUpAndQuitTestShowTheMainWindowAgain)
{
    OpenMainWindow();
    Click("cmdTest");
    QTest::mouseClick(frmTestSetup::instance()->cmdCancel, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(main->isVisible());

    SetSetting(Opt::SKIP_TEST_SETUP, "TRUE");
    Globals::SkipTestSetup = true;
    Click("cmdTest");
    EXPECT_EQ(frmTestSetup::instance(), nullptr) << "the stored defaults are used";
    frmTest* test = frmTest::instance();
    ASSERT_NE(test, nullptr);
    Answer(test, QStringLiteral("rivr"));
    answers = {MsgResult::Yes};
    test->close();
    QApplication::processEvents();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(TestsShown(), QStringLiteral("0"));
    EXPECT_EQ(CountListTests(list), 0);
}

TEST_F(MainWindowRoad, PastTestsOpenBesideAndCloseBackToTheMainWindow)
{
    OpenMainWindow();
    Click("cmdTest");
    QTest::mouseClick(frmTestSetup::instance()->cmdContinue, Qt::LeftButton);
    AnswerAll();
    answers = {MsgResult::No};
    frmTestResults::instance()->close();
    QApplication::processEvents();

    Click("cmdPastTests");
    EXPECT_FALSE(main->isVisible());
    frmPastTests* past = frmPastTests::instance();
    ASSERT_NE(past, nullptr);
    EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("1"));
    EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("100 %"));
    ASSERT_NE(frmTestResults::instance(), nullptr);
    past->close();
    QApplication::processEvents();
    EXPECT_TRUE(main->isVisible());
}

// The results are made, hidden, while a test's last word is asked. A finished test shows that
// window; a test left there shows none, and the window goes with the test.
TEST_F(MainWindowRoad, ResultsMadeAtTheLastWordShowOrGoWithALeftTest)
{
    const auto resultsWindows = [] { return WindowsOf<frmTestResults>(); };
    SetSetting(Opt::SKIP_TEST_SETUP, "TRUE");
    Globals::SkipTestSetup = true;
    OpenMainWindow();
    for (const bool finish : {false, true, false}) {
        SCOPED_TRACE(finish ? "finished" : "left");
        Click("cmdTest");
        frmTest* test = frmTest::instance();
        ASSERT_NE(test, nullptr);
        Answer(test, test->CurrentWord()); // the last of the two words is asked
        ASSERT_TRUE(QTest::qWaitFor([&] { return resultsWindows().size() == 1; }, 5000));
        const QPointer<frmTestResults> ahead = resultsWindows().first();
        EXPECT_FALSE(ahead->isVisible());
        if (finish) {
            Answer(test, test->CurrentWord());
        } else {
            answers = {MsgResult::Yes};
            test->close();
        }
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(resultsWindows().size(), finish ? 1 : 0);
        if (finish) {
            EXPECT_EQ(frmTestResults::instance(), ahead.data()) << "the one made ahead shows";
            EXPECT_TRUE(ahead->isVisible());
            answers = {MsgResult::No};
            ahead->close();
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_TRUE(main->isVisible());
    }
}

// The program keeps a Past Tests window made ahead while the main window shows. Opening Past
// Tests takes it (and its results window) and fills it as a new one would be; after it closes,
// the next one is made, and none is made while a task hides the main window.
TEST_F(MainWindowRoad, PastTestsMadeAheadOpenFilledAndAreMadeAgain)
{
    const auto pastWindows = [] { return WindowsOf<frmPastTests>(); };
    const auto madeAhead = [&] {
        return QTest::qWaitFor([&] { return pastWindows().size() == 1; }, 5000);
    };
    SetSetting(Opt::SKIP_TEST_SETUP, "TRUE");
    Globals::SkipTestSetup = true;
    OpenMainWindow();
    mainTasks->KeepPastTestsReady();
    ASSERT_TRUE(madeAhead());
    QPointer<frmPastTests> ahead = pastWindows().first();
    EXPECT_FALSE(ahead->isVisible());
    EXPECT_EQ(frmPastTests::instance(), nullptr) << "not the open one until taken";
    EXPECT_EQ(frmTestResults::instance(), nullptr);
    // Only the windows are native: a native control would be a window of its own on screen.
    for (QWidget* control : ahead->findChildren<QWidget*>())
        EXPECT_TRUE(control->isWindow() || !control->testAttribute(Qt::WA_NativeWindow))
            << control->metaObject()->className() << " " << control->objectName().toStdString();

    // A test hides the main window: nothing new is made meanwhile.
    Click("cmdTest");
    ASSERT_NE(frmTest::instance(), nullptr);
    AnswerAll();
    ASSERT_NE(frmTestResults::instance(), nullptr);
    answers = {MsgResult::No};
    frmTestResults::instance()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(600); // past the moment a second one would be made
    EXPECT_EQ(pastWindows(), QList<frmPastTests*>{ahead.data()});

    for (const char* round : {"made at the start", "made after the first closed"}) {
        SCOPED_TRACE(round);
        Click("cmdPastTests");
        frmPastTests* past = frmPastTests::instance();
        ASSERT_EQ(past, ahead.data()) << "the one made ahead shows";
        EXPECT_TRUE(past->isVisible());
        EXPECT_EQ(past->txtTotalTests->text(), QStringLiteral("1"));
        EXPECT_EQ(past->txtAverageScore->text(), QStringLiteral("100 %"));
        frmTestResults* results = frmTestResults::instance();
        ASSERT_NE(results, nullptr);
        EXPECT_EQ(results->parentWidget(), past) << "its own results, made with it";
        EXPECT_TRUE(results->isVisible());
        EXPECT_EQ(results->txtTotalWords->text(), QStringLiteral("2"));

        // The results close first, then Past Tests, back to the lists.
        results->close();
        QApplication::processEvents();
        EXPECT_EQ(frmTestResults::instance(), nullptr);
        past->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(ahead.isNull()) << "a used window goes when it closes";
        ASSERT_TRUE(madeAhead());
        ahead = pastWindows().first();
        EXPECT_FALSE(ahead->isVisible());
    }
    mainTasks.reset();
    EXPECT_TRUE(ahead.isNull()) << "the window made ahead goes with the tasks";
}
