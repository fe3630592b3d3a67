#include "GuiTestUtil.h"
#include "TaskNotices.h"

#include "Globals.h"
#include "Startup.h"
#include "Tasks.h"
#include "TestDb.h"
#include "frmHelp.h"
#include "frmLists.h"
#include "ListGridModel.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const char* const kListCommands[] = {"cmdEditList", "cmdTest", "cmdPastTests", "cmdDeleteList"};
const char* const kListMenuItems[] = {"mnuEditList", "mnuTest", "mnuPastTests", "mnuDeleteList"};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { AddOptionsRow(0, QStringLiteral("FALSE")); }
    // Task windows opened by a test go with it.
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isVisible() && w->windowType() != Qt::Popup)
                w->close();
    }

    // Three lists: 1 (2 words, 1 test), 2 (no words), 3 (1 word, 2 tests).
    void FillLists()
    {
        AddList(1, QDate(2004, 6, 11));
        AddList(2, QDate(2004, 6, 18));
        AddList(3, QDate(2004, 6, 25));
        AddWord(1, 1, QStringLiteral("cat"));
        AddWord(2, 1, QStringLiteral("dog"));
        AddWord(3, 3, QStringLiteral("emu"));
        AddTest(1, 1);
        AddTest(2, 3);
        AddTest(3, 3);
    }

    // Asks for the grid's pop-up menu at pos; true when the Lists menu opened (it is closed
    // again at once). The menu runs its own loop, so a timer keeps looking until it shows:
    // one look after a fixed delay could come before a slow machine shows it, leaving the
    // menu open for ever.
    bool ListsMenuOpensAt(const QPoint& pos)
    {
        auto* lists = window.findChild<QMenu*>("mnuLists");
        bool shown = false;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (lists->isVisible()) {
                shown = true;
                lists->close();
            }
        });
        look.start(20);
        emit grid->customContextMenuRequested(pos);
        look.stop();
        return shown;
    }

    void Start()
    {
        ASSERT_TRUE(window.LoadForm(folder.path()));
        window.show();
        grid = Child<QTableView>(&window, "MSFlexGrid1");
    }

    QString Cell(int row, int column) const { return window.CellText(row, column); }
    void SelectRow(int row) { grid->setCurrentIndex(grid->model()->index(row, 0)); }
    QPoint RowCentre(int row) const { return grid->visualRect(grid->model()->index(row, 0)).center(); }

    void ExpectListCommandsEnabled(bool enabled)
    {
        for (const char* name : kListCommands)
            EXPECT_EQ(Child<QPushButton>(&window, name)->isEnabled(), enabled) << name;
        for (const char* name : kListMenuItems)
            EXPECT_EQ(window.findChild<QAction*>(name)->isEnabled(), enabled) << name;
    }

    TestAppFolder folder;
    frmLists window;
    Tasks tasks{&window};
    QTableView* grid = nullptr;
};
} // namespace

TEST_F(MainWindow, AnEmptyDatabaseShowsOnlyTheHeadingAndDisablesTheListCommands)
{
    Start();
    EXPECT_EQ(window.windowTitle(), "Quillby");
    EXPECT_EQ(window.ListRowCount(), 0);
    ASSERT_EQ(grid->model()->columnCount(), 4);
    const auto heading = [this](int column) {
        return grid->model()->headerData(column, Qt::Horizontal).toString();
    };
    EXPECT_EQ(heading(0), "School Test Date");
    EXPECT_EQ(heading(1), "Words");
    EXPECT_EQ(heading(2), "Tests");
    EXPECT_TRUE(grid->isColumnHidden(3));
    ExpectListCommandsEnabled(false);
    EXPECT_TRUE(Child<QPushButton>(&window, "cmdNewList")->isEnabled());
}

TEST_F(MainWindow, AFilledDatabaseListsNewestFirstWithCountsAndSelectsTheFirstRow)
{
    FillLists();
    Start();
    ASSERT_EQ(window.ListRowCount(), 3);
    EXPECT_EQ(Cell(0, 0), QLocale().toString(QDate(2004, 6, 25), QLocale::ShortFormat));
    EXPECT_EQ(Cell(0, 1), "1");
    EXPECT_EQ(Cell(0, 2), "2");
    EXPECT_EQ(Cell(0, 3), "3");
    EXPECT_EQ(Cell(1, 1), "0");
    EXPECT_EQ(Cell(1, 2), "0");
    EXPECT_EQ(Cell(2, 0), QLocale().toString(QDate(2004, 6, 11), QLocale::ShortFormat));
    EXPECT_EQ(Cell(2, 1), "2");
    EXPECT_EQ(Cell(2, 2), "1");
    EXPECT_EQ(window.CurrentRow(), 0);
    EXPECT_EQ(window.CurrentListID(), 3);
    ExpectListCommandsEnabled(true);
}

TEST_F(MainWindow, MovingTheCurrentRowByKeyboardOrMouseSelectsThatList)
{
    FillLists();
    Start();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(window.CurrentListID(), 2);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window.CurrentListID(), 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(0));
    EXPECT_EQ(window.CurrentListID(), 3);
}

TEST_F(MainWindow, DeletingAListAfterYesReloadsTheGridAndSelectsTheFirstRow)
{
    FillLists();
    Start();
    SelectRow(1);
    MessageBoxes boxes(MsgResult::Yes);
    ClickButton(&window, "cmdDeleteList");
    ASSERT_EQ(boxes.texts, QStringList{"Do you want to delete this list and all of it's words?"});
    ASSERT_EQ(window.ListRowCount(), 2);
    EXPECT_EQ(Cell(0, 3), "3");
    EXPECT_EQ(Cell(1, 3), "1");
    EXPECT_EQ(window.CurrentRow(), 0);
    EXPECT_EQ(window.CurrentListID(), 3);
    EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM LISTS WHERE LIST_ID = 2")), 0);
}

TEST_F(MainWindow, DecliningTheDeleteQuestionChangesNothing)
{
    FillLists();
    Start();
    MessageBoxes boxes(MsgResult::No);
    window.findChild<QAction*>("mnuDeleteList")->trigger();
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(window.ListRowCount(), 3);
    EXPECT_EQ(StoredRowCount(QStringLiteral(" SELECT * FROM LISTS ")), 3);
}

TEST_F(MainWindow, CountsOfOneListAreRefreshedAndIncrementedInPlace)
{
    FillLists();
    Start();
    AddWord(4, 1, QStringLiteral("owl"));
    AddTest(4, 1);
    window.UpdateList(1);
    EXPECT_EQ(Cell(2, 1), "3");
    EXPECT_EQ(Cell(2, 2), "2");
    EXPECT_EQ(Cell(0, 1), "1"); // other rows untouched
    window.IncrementListTests(3);
    EXPECT_EQ(Cell(0, 2), "3");
    EXPECT_EQ(window.ListRowCount(), 3);
}

// The task windows do not know the main window: they post their notices and it listens.
TEST_F(MainWindow, TaskNoticesRefreshCountAndBringTheWindowBack)
{
    FillLists();
    Start();
    AddWord(4, 1, QStringLiteral("owl"));
    AddTest(4, 1);
    ListChanged(1);
    EXPECT_EQ(Cell(2, 1), "3");
    EXPECT_EQ(Cell(2, 2), "2");
    EXPECT_EQ(Cell(0, 2), "2");
    TestStored(3);
    EXPECT_EQ(Cell(0, 2), "3");
    window.hide();
    ReturnToLists();
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindow, ListTasksHideTheWindowAndTheTaskBringsItBack)
{
    FillLists();
    Start();
    SelectRow(2);
    bool hiddenDuringTask = false;
    // The task windows report back through SetFocusHere; until they exist the hand-over
    // shows the window again at once, so look at the visibility from inside the task.
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] { hiddenDuringTask |= window.isHidden(); });
    probe.start(0);
    ClickButton(&window, "cmdEditList");
    EXPECT_EQ(window.CurrentListID(), 1);
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible() || hiddenDuringTask);
}

TEST_F(MainWindow, RightClickOnADataRowSelectsItAndOpensTheListsMenu)
{
    FillLists();
    Start();
    EXPECT_TRUE(ListsMenuOpensAt(RowCentre(2)));
    EXPECT_EQ(window.CurrentRow(), 2);
    EXPECT_EQ(window.CurrentListID(), 1);
}

TEST_F(MainWindow, RightClickOnAnEmptyGridDoesNothing)
{
    Start();
    EXPECT_FALSE(ListsMenuOpensAt(QPoint(10, 10)));
}

TEST_F(MainWindow, ClosingClosesTheOtherWindowsButTheListEditor)
{
    Start();
    window.findChild<QAction*>("mnuHelp")->trigger();
    ASSERT_TRUE(IsFormLoaded(QStringLiteral("frmHelp")));
    QWidget editor;
    editor.setObjectName(QStringLiteral("frmEditList"));
    editor.show();
    window.close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmHelp")));
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(MainWindow, MenusCarryTheirAccessKeys)
{
    Start();
    EXPECT_EQ(window.findChild<QMenu*>("mnuFile")->title(), "&File");
    EXPECT_EQ(window.findChild<QMenu*>("mnuLists")->title(), "&Lists");
    EXPECT_EQ(window.findChild<QAction*>("mnuNewList")->text(), "&New List");
    EXPECT_EQ(window.findChild<QAction*>("mnuExit")->text(), "E&xit");
    EXPECT_EQ(window.findChild<QMenu*>("mnuH")->title(), "&Help");
    EXPECT_EQ(Child<QPushButton>(&window, "cmdOptions")->toolTip(),
              "Change configurations, settings, and defaults");
}

// The desktop's standard keys: F1 help, Escape or Ctrl+W closes a secondary window, Ctrl+Q
// leaves through the same path as Exit.
TEST_F(MainWindow, StandardKeysOpenHelpCloseWindowsAndQuit)
{
    Start();
    EXPECT_EQ(window.findChild<QAction*>("mnuNewList")->shortcut(), QKeySequence("Ctrl+N"));
    const auto press = [](QWidget* target, int key, Qt::KeyboardModifiers modifiers = {}) {
        QApplication::setActiveWindow(target->window());
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QApplication::processEvents();
    };
    const auto openHelp = [&]() -> QWidget* {
        press(&window, Qt::Key_F1);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmHelp") && w->isVisible())
                return w;
        return nullptr;
    };
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence("Ctrl+W")}) {
        QPointer<QWidget> help = openHelp();
        ASSERT_NE(help, nullptr) << "F1 opens the help";
        press(help, key[0].key(), key[0].keyboardModifiers());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(!help || !help->isVisible()) << key.toString().toStdString() << " closes it";
    }

    QSignalSpy closed(&window, &frmLists::Closed);
    press(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed.count(), 1) << "Ctrl+Q ends the program as Exit does";
}

TEST_F(MainWindow, ADatabaseFailureDuringDeleteGivesOneMessageAndTheProgramGoesOn)
{
    FillLists();
    Start();
    Exec(QStringLiteral("DROP TABLE WORD_ATTEMPTS")); // the last of the four deletions fails
    MessageBoxes boxes(MsgResult::Yes);
    ClickButton(&window, "cmdDeleteList");
    ASSERT_EQ(boxes.texts.size(), 2); // the question, then one failure message
    EXPECT_TRUE(boxes.texts[1].contains("WORD_ATTEMPTS")) << boxes.texts[1].toStdString();
    EXPECT_EQ(window.ListRowCount(), 3); // nothing half-deleted: the list and its words stay
    EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM WORDS WHERE LIST_ID = 3")), 1);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Child<QPushButton>(&window, "cmdDeleteList")->isEnabled());
}

// The grid reads the rows shown, a block at a time: rows far down a long grid must still show
// their own lists and counts, and a count added before its row was first read must not be
// counted twice.
TEST_F(MainWindow, RowsFarDownALongGridShowTheirOwnCounts)
{
    constexpr int kLists = 150;
    Exec(QStringLiteral("BEGIN"));
    for (int id = 1; id <= kLists; ++id)
        AddList(id, QDate(2004, 1, 1).addDays(id));
    AddWord(1, 1, QStringLiteral("first"));
    AddWord(2, 70, QStringLiteral("middle"));
    AddWord(3, 70, QStringLiteral("middle2"));
    AddTest(1, 20);
    Exec(QStringLiteral("COMMIT"));
    Start();
    ASSERT_EQ(window.ListRowCount(), kLists);
    // A list made after the grid was filled (the new-list window adds its row at the bottom)
    // moves no row that is read later.
    AddList(kLists + 1, QDate(2004, 1, 1));
    EXPECT_EQ(Cell(kLists - 1, 3), "1");
    EXPECT_EQ(Cell(kLists - 1, 1), "1"); // list 1, in the third block
    EXPECT_EQ(Cell(kLists - 70, 1), "2"); // list 70, in the second block
    EXPECT_EQ(Cell(kLists - 70, 2), "0");
    EXPECT_EQ(Cell(0, 1), "0");

    AddTest(2, 20); // the test that ends now; list 20's row has not been read yet
    window.IncrementListTests(20);
    EXPECT_EQ(Cell(kLists - 20, 2), "2");
    window.IncrementListTests(20); // now it has: counted on in place
    EXPECT_EQ(Cell(kLists - 20, 2), "3");
}

TEST_F(MainWindow, CountsThatCannotBeReadStayBlankWithOneMessage)
{
    FillLists();
    ASSERT_TRUE(window.LoadForm(folder.path()));
    grid = Child<QTableView>(&window, "MSFlexGrid1");
    Exec(QStringLiteral("DROP TABLE TESTS"));
    MessageBoxes boxes(MsgResult::OK);
    window.LoadWordLists(); // the grid read again: the counts fail, the lists show
    window.show();
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Cell(row, 1), "") << row;
        EXPECT_EQ(Cell(row, 2), "") << row;
    }
    EXPECT_EQ(Cell(0, 0), QLocale().toString(QDate(2004, 6, 25), QLocale::ShortFormat));
    // The message comes after painting.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("TESTS")) << boxes.texts[0].toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Child<QPushButton>(&window, "cmdTest")->isEnabled());
}

// Damaged list rows (a key that is empty, text, too large, negative or broken), one in the
// middle of a long grid's first block and others beyond it, hide no good list: each good list
// shows, and one message names the rows left out.
TEST_F(MainWindow, DamagedListRowsAreLeftOutAndNamedOnce)
{
    Exec(QStringLiteral("BEGIN"));
    for (int id = 1; id <= 100; ++id)
        AddList(id, QDate(2004, 1, 1).addDays(id));
    for (const char* key : {"NULL", "'abc'", "99999999999", "-3", "50.5"})
        Exec(QStringLiteral("INSERT INTO LISTS (LIST_ID, TEST_DATE) VALUES (%1, '2004-06-04')")
                 .arg(QString::fromLatin1(key)));
    Exec(QStringLiteral("COMMIT"));
    MessageBoxes boxes(MsgResult::OK);
    Start();
    ASSERT_EQ(window.ListRowCount(), 100);
    EXPECT_EQ(Cell(0, 3), "100");
    EXPECT_EQ(Cell(99, 3), "1");
    // The message comes after painting.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 10000));
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.texts.size(), 1) << boxes.texts.join("|").toStdString();
    EXPECT_TRUE(boxes.texts[0].contains("damaged")) << boxes.texts[0].toStdString();
    EXPECT_TRUE(boxes.texts[0].contains("LISTS row ")) << boxes.texts[0].toStdString();
}

// A list whose key the walk down the grid's key index never reaches (empty, text, a blob, a
// number beyond every identifier) is named as damaged like any other, even when it is the
// only damaged row and the good lists all show.
TEST_F(MainWindow, ListsBeyondTheKeyRangeAreNamedAsDamaged)
{
    AddList(1, QDate(2004, 6, 11));
    Start();
    for (const char* key : {"NULL", "'abc'", "''", "x'01'", "99999999999", "'7'||'x'"}) {
        Exec(QStringLiteral("INSERT INTO LISTS (rowid, LIST_ID, TEST_DATE) VALUES (50, %1, "
                            "'2004-06-04')")
                 .arg(QString::fromLatin1(key)));
        MessageBoxes boxes(MsgResult::OK);
        window.LoadWordLists();
        EXPECT_EQ(window.ListRowCount(), 1) << key;
        // The message comes after painting.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.texts.isEmpty(); }, 10000));
        QCoreApplication::processEvents();
        ASSERT_EQ(boxes.texts.size(), 1) << key;
        EXPECT_TRUE(boxes.texts[0].contains("Some rows of the database are damaged and were "
                                            "left out: LISTS row 50."))
            << key << ": " << boxes.texts[0].toStdString();
        Exec(QStringLiteral("DELETE FROM LISTS WHERE rowid = 50"));
    }
}

namespace {
// A family's file after many years: lists 1..count with a test date a week apart (list L on
// 2000-01-07 + 7*(L-1) days), made in one statement; never analysed.
void AddManyLists(int count)
{
    Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                        "WHERE i < %1) INSERT INTO LISTS (LIST_ID, TEST_DATE, STATUS) "
                        "SELECT i, date('2000-01-07', '+' || (7 * (i - 1)) || ' days'), "
                        "'IGNORED' FROM n")
             .arg(count));
}

QDate TestDateOfList(int listId) { return QDate(2000, 1, 7).addDays(7 * (listId - 1)); }
} // namespace

// The end of a long grid is one key press away, whatever way the user goes there: the grid
// knows its rows from the start and reads only the blocks it shows (never the rows between).
TEST_F(MainWindow, TheEndOfAHundredThousandListsIsReachedAtOnceByEveryWay)
{
    constexpr int kLists = 100000;
    AddManyLists(kLists);
    AddWord(1, 1, QStringLiteral("oldest"));
    AddTest(1, 1);
    AddTest(2, 1);
    struct Way {
        const char* name;
        std::function<void(QTableView*)> go;
    };
    const Way ways[] =
        {
            {"End", [](QTableView* g) { QTest::keyClick(g, Qt::Key_End); }},
            {"Ctrl+End",
             [](QTableView* g) { QTest::keyClick(g, Qt::Key_End, Qt::ControlModifier); }},
            {"scroll bar to the bottom, click the last row",
             [](QTableView* g) {
        g->verticalScrollBar()->setValue(g->verticalScrollBar()->maximum());
        QApplication::processEvents();
        const QModelIndex last = g->model()->index(g->model()->rowCount() - 1, 0);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(last).center());
             }},
    };
    Start();
    auto* rows = dynamic_cast<ListGridModel*>(grid->model());
    ASSERT_NE(rows, nullptr);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        window.LoadWordLists();
        QApplication::processEvents();
        ASSERT_EQ(window.ListRowCount(), kLists); // known before any row below is read
        grid->setFocus();
        way.go(grid);
        QApplication::processEvents();
        EXPECT_EQ(window.CurrentRow(), kLists - 1);
        EXPECT_EQ(window.CurrentListID(), 1);
        EXPECT_EQ(Cell(kLists - 1, 0), QLocale().toString(TestDateOfList(1), QLocale::ShortFormat));
        EXPECT_EQ(Cell(kLists - 1, 1), "1");
        EXPECT_EQ(Cell(kLists - 1, 2), "2");
        EXPECT_LE(rows->BlocksRead(), 4); // the first screen and the last, nothing between
        QTest::keyClick(grid, Qt::Key_Home);
        EXPECT_EQ(window.CurrentListID(), kLists);
    }
}

// Whatever order the blocks are read in (from the end, the middle, the top), every row shows
// the list a plain walk of the lists newest first gives, with its own counts; gaps in the keys
// and damaged keys between them move no row.
TEST_F(MainWindow, RowsReadInAnyOrderMatchAPlainWalkOfTheLists)
{
    Exec(QStringLiteral("BEGIN"));
    int wordId = 0, testId = 0;
    for (int id = 1; id <= 400; ++id) {
        if (id % 7 == 0)
            continue; // gaps left by deleted lists
        AddList(id * 3, QDate(2004, 1, 1).addDays(id));
        for (int w = 0; w < id % 4; ++w)
            AddWord(++wordId, id * 3, QStringLiteral("w%1").arg(wordId));
        for (int t = 0; t < id % 3; ++t)
            AddTest(++testId, id * 3);
    }
    for (const char* key : {"-3", "50.5", "NULL", "'abc'"})
        Exec(QStringLiteral("INSERT INTO LISTS (LIST_ID, TEST_DATE) VALUES (%1, '2004-06-04')")
                 .arg(QString::fromLatin1(key)));
    Exec(QStringLiteral("COMMIT"));
    struct Expected {
        QString key, words, tests;
    };
    std::vector<Expected> walk;
    for (int id = 400; id >= 1; --id)
        if (id % 7 != 0)
            walk.push_back(
                {QString::number(id * 3), QString::number(id % 4), QString::number(id % 3)});
    const int n = static_cast<int>(walk.size());
    const std::vector<std::vector<int>> orders = {{n - 1, n - 65, n - 64, 0, 63, 64, 200},
                                                  {200, 127, 128, n - 1, 0},
                                                  {0, 1, 64, 128, 192, 256, n - 1}};
    MessageBoxes boxes(MsgResult::OK);
    Start();
    for (const auto& order : orders) {
        window.LoadWordLists();
        QTest::qWait(50); // the damaged keys are named once per filling of the grid
        ASSERT_EQ(window.ListRowCount(), n);
        for (int row : order) {
            SCOPED_TRACE(row);
            const size_t r = static_cast<size_t>(row);
            EXPECT_EQ(window.RowKey(row), walk[r].key);
            EXPECT_EQ(Cell(row, 1), walk[r].words);
            EXPECT_EQ(Cell(row, 2), walk[r].tests);
        }
        for (int row = 0; row < n; ++row)
            ASSERT_EQ(window.RowKey(row), walk[static_cast<size_t>(row)].key) << row;
    }
    EXPECT_EQ(static_cast<size_t>(boxes.texts.size()), orders.size());
}

// The search box finds a list by its test date however far down the grid it is, typed in any
// form the program reads dates in; a date without a list and a text that is no date say so.
TEST_F(MainWindow, FindAListByDateSelectsItAndSaysWhenThereIsNone)
{
    constexpr int kLists = 20000;
    AddManyLists(kLists);
    Exec(QStringLiteral("INSERT INTO LISTS (LIST_ID, TEST_DATE, STATUS) VALUES (%1, '%2', "
                        "'IGNORED')")
             .arg(kLists + 1)
             .arg(TestDateOfList(5).toString(Qt::ISODate))); // two lists of one date
    Start();
    auto* box = Child<QLineEdit>(&window, "txtFindDate");
    EXPECT_EQ(box->accessibleName(), "Find a list by date");
    struct Case {
        QString typed;
        int32_t listId; // 0: a message, selection unchanged
        const char* message;
    };
    const QDate oldest = TestDateOfList(1);
    const Case cases[] = {
        {oldest.toString("M/d/yyyy"), 1, ""},
        {TestDateOfList(12345).toString(Qt::ISODate), 12345, ""},
        {QLocale().toString(TestDateOfList(777), QLocale::ShortFormat), 777, ""},
        {TestDateOfList(5).toString("M/d/yyyy"), kLists + 1, ""}, // the newer of the two
        {QStringLiteral("1/2/1999"), 0, "No list has the school test date"},
        {QStringLiteral("next week"), 0, "Please type a date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        window.LoadWordLists();
        const int32_t before = window.CurrentListID();
        MessageBoxes boxes(MsgResult::OK);
        box->setText(c.typed);
        QTest::keyClick(box, Qt::Key_Return);
        if (c.listId == 0) {
            ASSERT_EQ(boxes.texts.size(), 1);
            EXPECT_TRUE(boxes.texts[0].contains(c.message)) << boxes.texts[0].toStdString();
            EXPECT_EQ(window.CurrentListID(), before);
            continue;
        }
        EXPECT_TRUE(boxes.texts.isEmpty());
        EXPECT_EQ(window.CurrentListID(), c.listId);
        EXPECT_EQ(window.RowKey(window.CurrentRow()), QString::number(c.listId));
        EXPECT_TRUE(grid->viewport()->rect().contains(
            grid->visualRect(grid->model()->index(window.CurrentRow(), 0)).center()));
    }
}
