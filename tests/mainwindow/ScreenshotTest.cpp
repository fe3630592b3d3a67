#include "GuiTestUtil.h"

#include "Globals.h"
#include "GuiTestSupport.h"
#include "Startup.h"
#include "TestDb.h"
#include "Translation.h"
#include "frmAbout.h"
#include "frmDeleteOldList.h"
#include "frmHelp.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "frmNewList.h"
#include "frmOptions.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

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
} // namespace

TEST(Screenshots, EveryWindowOfTheMainProgram)
{
    if (ShotsFolder().isEmpty())
        GTEST_SKIP() << "QUILLBY_SHOTS not set";
    QDir().mkpath(ShotsFolder());
    InstallTranslations(*qApp, "quillby"); // the desktop's language, as the program shows it
    UseDarkPaletteIfAsked();
    TestAppFolder folder;
    AddOptionsRow(0, QStringLiteral("FALSE"));
    {
        frmLists empty;
        ASSERT_TRUE(empty.LoadForm(folder.path()));
        Shot(&empty, "main-empty");
    }
    for (int id = 1; id <= 12; ++id) {
        AddList(id, QDate(2004, 6, 4).addDays(7 * id));
        for (int w = 0; w < id % 5; ++w)
            AddWord(id * 10 + w, id, QStringLiteral("word%1").arg(w));
    }
    AddWord(500, 1, QStringLiteral("café"));
    AddWord(501, 1, QStringLiteral("o''clock"));
    AddTest(1, 3);
    frmLists filled;
    ASSERT_TRUE(filled.LoadForm(folder.path()));
    Shot(&filled, "main-lists");

    SetAppToday(QDate(2004, 6, 2));
    frmNewList newList;
    Shot(&newList, "new-list");
    SetAppToday(QDate());

    frmDeleteOldList prompt;
    prompt.SetListID(1);
    Shot(&prompt, "old-list-prompt");

    frmOptions options;
    Shot(&options, "options-test-defaults");
    Child<QTabWidget>(&options, "Tab1")->setCurrentIndex(1);
    Shot(&options, "options-general");

    frmHelp help;
    Shot(&help, "help");
    frmAbout about;
    Shot(&about, "about");
    about.activateWindow();
    Child<QWidget>(&about, "lblEmail")->setFocus(); // reached with Tab
    Shot(&about, "about-link-focused");

    frmMessage message;
    message.SetLines(QStringLiteral("List Ignored"),
                     QStringLiteral("You will not be prompted to delete this list again."));
    Shot(&message, "message");
}
