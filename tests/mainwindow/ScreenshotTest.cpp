#include "GuiTestUtil.h"

#include "Children.h"
#include "Globals.h"
#include "GuiTestSupport.h"
#include "Startup.h"
#include "TestDb.h"
#include "Translation.h"
#include "frmAbout.h"
#include "frmChildren.h"
#include "frmChooseChild.h"
#include "frmDeleteOldList.h"
#include "frmHelp.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "frmNewList.h"
#include "frmOptions.h"
#include "ShownText.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

// Saves a picture of every main-program window into the folder named by QUILLBY_SHOTS, so
// that a person can look at them; without it the test is skipped.
namespace {
QString ShotsFolder() { return qEnvironmentVariable("QUILLBY_SHOTS"); }

void Shot(QWidget* window, const QString& name)
{
    window->show();
    QTest::qWait(50);
    EXPECT_TRUE(window->grab().save(QDir(ShotsFolder()).filePath(name + ".png")));
}

// Shows every main-program window in turn, over a database of twelve lists, and hands each
// one, shown, to `look` with a name for it.
void ShowEveryWindow(const std::function<void(QWidget*, const QString&)>& look)
{
    TestAppFolder folder;
    AddOptionsRow(0, QStringLiteral("FALSE"));
    {
        frmLists empty;
        ASSERT_TRUE(empty.LoadForm(folder.path()));
        empty.show();
        look(&empty, "main-empty");
    }
    for (int id = 1; id <= 12; ++id) {
        AddList(id, QDate(2004, 6, 4).addDays(7 * id));
        for (int w = 0; w < id % 5; ++w)
            AddWord(id * 10 + w, id, QStringLiteral("word%1").arg(w));
    }
    AddWord(500, 1, QStringLiteral("café"));
    AddWord(501, 1, QStringLiteral("o'clock"));
    AddTest(1, 3);
    frmLists filled;
    ASSERT_TRUE(filled.LoadForm(folder.path()));
    filled.show();
    look(&filled, "main-lists");

    SetAppToday(QDate(2004, 6, 2));
    frmNewList newList;
    newList.show();
    look(&newList, "new-list");
    SetAppToday(QDate());

    frmDeleteOldList prompt;
    prompt.SetListID(1);
    prompt.show();
    look(&prompt, "old-list-prompt");

    frmOptions options;
    options.show();
    look(&options, "options-test-defaults");
    Child<QTabWidget>(&options, "Tab1")->setCurrentIndex(1);
    look(&options, "options-general");

    frmHelp help;
    help.show();
    for (int topic = 0; topic < HelpTopicNames().size(); topic += 3) {
        Child<QComboBox>(&help, "txtTopic")->setCurrentIndex(topic);
        look(&help, QStringLiteral("help-%1").arg(topic));
    }
    frmAbout about;
    about.show();
    look(&about, "about");

    frmMessage message;
    message.SetLines(QCoreApplication::translate("frmDeleteOldList", "List Ignored"),
                     QCoreApplication::translate(
                         "frmDeleteOldList", "You will not be prompted to delete this list again."));
    message.show();
    look(&message, "message");

    ChildRegistry family(folder.path(), QString());
    for (const char* name : {"Ben", "Cleo-Marie Lee"})
        ASSERT_EQ(family.Add(QString::fromLatin1(name), QStringLiteral("Ann")), QString());
    frmChooseChild chooser(
        {QStringLiteral("Ann"), QStringLiteral("Ben"), QStringLiteral("Cleo-Marie Lee")},
        QStringLiteral("Ben"));
    chooser.show();
    look(&chooser, "choose-child");
    frmChildren children(family);
    children.show();
    look(&children, "children");
}
} // namespace

// Pictures only in the shots program; the test suite keeps the checks below.
#ifdef QUILLBY_SHOTS_PROGRAM
TEST(Screenshots, EveryWindowOfTheMainProgram)
{
    if (ShotsFolder().isEmpty())
        GTEST_SKIP() << "QUILLBY_SHOTS not set";
    QDir().mkpath(ShotsFolder());
    InstallTranslations(*qApp, "quillby"); // the desktop's language, as the program shows it
    UseDarkPaletteIfAsked();
    ShowEveryWindow([](QWidget* window, const QString& name) {
        Shot(window, name);
        if (name == QLatin1String("about")) {
            window->activateWindow();
            Child<QWidget>(window, "lblEmail")->setFocus(); // reached with Tab
            Shot(window, "about-link-focused");
        }
    });
}
#endif

// In English and German, at the usual font and at 13 pt, no window cuts off a text: every
// label, caption, heading and choice has the room its font needs.
TEST(WindowTexts, EveryWindowOfTheMainProgramFitsItsTexts)
{
    for (const ShownAs& as : kEveryShownAs) {
        ShownLanguage language(as.locale, "quillby");
        ShownFont font(as.points);
        QStringList cut;
        ShowEveryWindow([&](QWidget* window, const QString& name) {
            cut << CutTextsOfShownWindow(window, name, as);
        });
        EXPECT_EQ(cut, QStringList());
    }
}
