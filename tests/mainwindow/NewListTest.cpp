#include "GuiTestUtil.h"

#include "Globals.h"
#include "Recordset.h"
#include "Startup.h"
#include "Tasks.h"
#include "TestDb.h"
#include "frmLists.h"
#include "frmNewList.h"

#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
struct ProposedDates {
    QString today, start, end, test;
};

ProposedDates OpenNewListOn(const QDate& day)
{
    SetAppToday(day);
    frmNewList window;
    ProposedDates dates{Child<QLabel>(&window, "lblToday")->text(),
                        Child<QLineEdit>(&window, "txtStart")->text(),
                        Child<QLineEdit>(&window, "txtEnd")->text(),
                        Child<QLineEdit>(&window, "txtTestDate")->text()};
    SetAppToday(QDate());
    return dates;
}

class NewList : public ::testing::Test {
protected:
    void TearDown() override { SetAppToday(QDate()); }
    TestAppFolder folder;
};

struct WeekCase {
    QDate today;
    const char* start;
    const char* test;
};
} // namespace

TEST_F(NewList, FridayTestsGiveTheSchoolWeekOfEveryWeekday)
{
    AddOptionsRow(0);
    const WeekCase cases[] = {{QDate(2004, 6, 7), "6/7/2004", "6/11/2004"},
                              {QDate(2004, 6, 10), "6/7/2004", "6/11/2004"},
                              {QDate(2004, 6, 11), "6/7/2004", "6/18/2004"},
                              {QDate(2004, 6, 12), "6/7/2004", "6/18/2004"},
                              {QDate(2004, 6, 13), "6/7/2004", "6/18/2004"}};
    for (const WeekCase& c : cases) {
        const ProposedDates dates = OpenNewListOn(c.today);
        EXPECT_EQ(dates.start, c.start) << c.today.toString().toStdString();
        EXPECT_EQ(dates.test, c.test) << c.today.toString().toStdString();
        EXPECT_EQ(dates.end, c.test) << c.today.toString().toStdString();
    }
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 2)).today, "Today is Wednesday 6/2/2004");
}

TEST_F(NewList, ATuesdayTestDayNeverFallsOnToday)
{
    AddOptionsRow(0, QStringLiteral("TRUE"), QStringLiteral("Tuesdays"));
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 8)).test, "6/15/2004"); // a Tuesday
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 7)).test, "6/8/2004");  // a Monday
}

TEST_F(NewList, WithoutASettingsRowOrWithAnUnknownDayTheTestIsOnFriday)
{
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 8)).test, "6/11/2004");
    AddOptionsRow(0, QStringLiteral("TRUE"), QStringLiteral("Someday"));
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 8)).test, "6/11/2004");
    Exec(QStringLiteral("UPDATE OPTIONS SET TEST_DAY = ''"));
    EXPECT_EQ(OpenNewListOn(QDate(2004, 6, 8)).test, "6/11/2004");
}

TEST(ComputeTestDate, AcceptsAnyLetterCaseWithOrWithoutTheFinalS)
{
    const QDate monday(2004, 6, 7);
    EXPECT_EQ(ComputeTestDate(QStringLiteral("WEDNESDAY"), monday), QDate(2004, 6, 9));
    EXPECT_EQ(ComputeTestDate(QStringLiteral("sundays"), monday), QDate(2004, 6, 13));
    EXPECT_EQ(ComputeTestDate(QStringLiteral("Mondays"), monday), QDate(2004, 6, 14));
    EXPECT_EQ(StartMonday(QDate(2004, 6, 13)), monday);
}

namespace {
// Opens New List from the main window and answers the new-list window by setting the three
// boxes (a null text leaves the proposal) and pressing the button.
void CreateFromMainWindow(frmLists& window, const char* button, const QString& start = {},
                          const QString& test = {}, const QString& end = {})
{
    ModalHandler newList("frmNewList", [&](QWidget* w) {
        if (!start.isNull())
            Child<QLineEdit>(w, "txtStart")->setText(start);
        if (!test.isNull())
            Child<QLineEdit>(w, "txtTestDate")->setText(test);
        if (!end.isNull())
            Child<QLineEdit>(w, "txtEnd")->setText(end);
        ClickButton(w, button);
    });
    ClickButton(&window, "cmdNewList");
}

QString ListDate(int32_t id, const char* column)
{
    Recordset rs(QStringLiteral(" SELECT * FROM LISTS  WHERE LIST_ID = %1 ").arg(id),
                 Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(QString::fromLatin1(column)).toText();
}
} // namespace

TEST_F(NewList, CreatingTheFirstListSelectsItsRowAndEnablesTheCommands)
{
    AddOptionsRow(0, QStringLiteral("FALSE"));
    SetAppToday(QDate(2004, 6, 9));
    frmLists window;
    Tasks tasks(&window); // a new list goes on to the list editor
    ASSERT_TRUE(window.LoadForm(folder.path()));
    window.show();
    CreateFromMainWindow(window, "cmdCreate");
    EXPECT_EQ(window.CurrentListID(), 1);
    ASSERT_EQ(window.ListRowCount(), 1);
    EXPECT_EQ(window.CurrentRow(), 0);
    EXPECT_EQ(window.CellText(0, 0), QLocale().toString(QDate(2004, 6, 11), QLocale::ShortFormat));
    EXPECT_EQ(window.CellText(0, 1), "0");
    EXPECT_TRUE(Child<QWidget>(&window, "cmdTest")->isEnabled());
    EXPECT_EQ(ListDate(1, "WEEK_START"), "6/7/2004");
    EXPECT_EQ(ListDate(1, "WEEK_END"), "6/11/2004");
    EXPECT_EQ(ListDate(1, "TEST_DATE"), "6/11/2004");
    EXPECT_EQ(ListDate(1, "STATUS"), "CREATED");
}

TEST_F(NewList, ANewListGoesToTheBottomHighlightedUntilTheNextReload)
{
    AddOptionsRow(0, QStringLiteral("FALSE"));
    AddList(5, QDate(2004, 6, 4));
    Exec(QStringLiteral("INSERT INTO IDS VALUES ('LIST_ID', 5)"));
    frmLists window;
    Tasks tasks(&window); // a new list goes on to the list editor
    ASSERT_TRUE(window.LoadForm(folder.path()));
    window.show();
    CreateFromMainWindow(window, "cmdCreate");
    CreateFromMainWindow(window, "cmdCreate");
    ASSERT_EQ(window.ListRowCount(), 3);
    EXPECT_EQ(window.RowKey(1), "6");
    EXPECT_EQ(window.RowKey(2), "7"); // consecutive identifiers
    // The highlighted row is the new list, the one the commands now act on.
    EXPECT_EQ(window.CurrentRow(), 2);
    EXPECT_EQ(window.CurrentListID(), 7);
    window.LoadWordLists();
    EXPECT_EQ(window.RowKey(0), "7");
}

TEST_F(NewList, InvalidDatesAreRepairedWhenCreating)
{
    AddOptionsRow(0, QStringLiteral("FALSE"), QStringLiteral("Tuesdays"));
    SetAppToday(QDate(2004, 6, 9)); // a Wednesday
    frmLists window;
    Tasks tasks(&window); // a new list goes on to the list editor
    ASSERT_TRUE(window.LoadForm(folder.path()));
    CreateFromMainWindow(window, "cmdCreate", QString(""), QStringLiteral("next week"),
                         QStringLiteral("6/20/2004"));
    EXPECT_EQ(ListDate(1, "WEEK_START"), "6/9/2004");  // today, not the Monday
    EXPECT_EQ(ListDate(1, "TEST_DATE"), "6/11/2004");  // Friday whatever TEST_DAY says
    EXPECT_EQ(ListDate(1, "WEEK_END"), "6/20/2004");   // valid, kept

    CreateFromMainWindow(window, "cmdCreate", {}, QStringLiteral("6/1/2004"), QStringLiteral("x"));
    EXPECT_EQ(ListDate(2, "TEST_DATE"), "6/1/2004"); // before the week: accepted
    EXPECT_EQ(ListDate(2, "WEEK_END"), "6/1/2004");
}

TEST_F(NewList, CancelStoresNothingAndShowsTheMainWindowAgain)
{
    AddOptionsRow(0, QStringLiteral("FALSE"));
    frmLists window;
    Tasks tasks(&window); // a new list goes on to the list editor
    ASSERT_TRUE(window.LoadForm(folder.path()));
    window.show();
    CreateFromMainWindow(window, "cmdCancel");
    EXPECT_EQ(window.CurrentListID(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(StoredRowCount(QStringLiteral(" SELECT * FROM LISTS ")), 0);
    EXPECT_EQ(window.ListRowCount(), 0);
}
