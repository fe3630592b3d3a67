#include "GuiTestUtil.h"

#include "Globals.h"
#include "Options.h"
#include "TestDb.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
using Stored = std::pair<QString, QString>;

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddOptionsRow(0);
        Globals::MessageTime = 0;
    }
    QCheckBox* Check(frmOptions& w, const char* name) { return Child<QCheckBox>(&w, name); }
    QComboBox* Combo(frmOptions& w, const char* name) { return Child<QComboBox>(&w, name); }

    // Types a time choice, saves, and returns the stored MESSAGE_TIME and the text a fresh
    // window shows for it.
    std::pair<QString, QString> SaveTime(const QString& typed)
    {
        {
            frmOptions window;
            Combo(window, "txtTempMessages")->setCurrentText(typed);
            ClickButton(&window, "cmdSave");
        }
        frmOptions reopened;
        return {Setting(Opt::MESSAGE_TIME), Combo(reopened, "txtTempMessages")->currentText()};
    }

    TestAppFolder folder;
};
} // namespace

TEST_F(OptionsWindow, TimeChoicesAreStoredAsHalfSecondsAndShownAgain)
{
    EXPECT_EQ(SaveTime(QStringLiteral("7 Seconds")), Stored("14", "7 Seconds"));
    EXPECT_EQ(SaveTime(QStringLiteral("20 Seconds")), Stored("40", "20 Seconds"));
    EXPECT_EQ(SaveTime(QStringLiteral("abc")).first, "6");
    EXPECT_EQ(SaveTime(QString()).first, "6");
    EXPECT_EQ(SaveTime(QStringLiteral("Indef...")),
              Stored("9999", "Indefinately"));
    EXPECT_EQ(SaveTime(QStringLiteral("None")), Stored("0", "None"));
    EXPECT_EQ(SaveTime(QStringLiteral("1 Second")), Stored("2", "1 Second"));
}

TEST_F(OptionsWindow, TheTimeListOffersThirteenChoicesInOrder)
{
    frmOptions window;
    QComboBox* times = Combo(window, "txtTempMessages");
    ASSERT_EQ(times->count(), 13);
    EXPECT_EQ(times->itemText(0), "None");
    EXPECT_EQ(times->itemText(1), "Indefinately");
    EXPECT_EQ(times->itemText(2), "1 Second");
    EXPECT_EQ(times->itemText(11), "10 Seconds");
    EXPECT_EQ(times->itemText(12), "15 Seconds");
    EXPECT_EQ(Combo(window, "txtTestDay")->itemText(0), "Sundays");
    EXPECT_EQ(Combo(window, "cmbMoveOn")->count(), 10);
}

TEST_F(OptionsWindow, TheRevealBoxesAreCoupledOneWay)
{
    frmOptions window;
    QCheckBox* reveal = Check(window, "chkRevealAnswers");
    QCheckBox* echo = Check(window, "chkForceEcho");
    reveal->setChecked(false);
    EXPECT_FALSE(echo->isChecked());
    echo->setChecked(true);
    EXPECT_TRUE(reveal->isChecked());
    echo->setChecked(false);
    reveal->setChecked(false);
    reveal->setChecked(true);
    EXPECT_FALSE(echo->isChecked()); // checking reveal alone leaves echo as it was
}

TEST_F(OptionsWindow, AStoredEchoWithoutRevealLoadsWithBothChecked)
{
    Exec(QStringLiteral("UPDATE OPTIONS SET REVEAL_ANSWERS = 'FALSE', REQUIRE_ECHO = 'true'"));
    frmOptions window;
    EXPECT_TRUE(Check(window, "chkRevealAnswers")->isChecked());
    EXPECT_TRUE(Check(window, "chkForceEcho")->isChecked());
}

TEST_F(OptionsWindow, SavingWithoutAnyClueIsRefusedOnTheTestDefaultsTab)
{
    frmOptions window;
    window.show();
    for (const char* name : {"chkPronounce", "chkDefinition", "chkSentence"})
        Check(window, name)->setChecked(false);
    Combo(window, "txtTestDay")->setCurrentText(QStringLiteral("Mondays"));
    Child<QTabWidget>(&window, "Tab1")->setCurrentIndex(1);
    MessageBoxes boxes(MsgResult::OK);
    ClickButton(&window, "cmdSave");
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
              "You must check at least one of the following boxes to save these defaults:\r\r"
              "    1. Pronounce\r    2. Definition\r    3. Context Sentence");
    EXPECT_EQ(Child<QTabWidget>(&window, "Tab1")->currentIndex(), 0);
    EXPECT_EQ(Setting(Opt::TEST_DAY), "Fridays"); // nothing saved
    EXPECT_TRUE(window.isVisible());
}

TEST_F(OptionsWindow, FreeTextAndChecksAreStoredAsTyped)
{
    Globals::PromptToDeleteLists = true;
    {
        frmOptions window;
        Combo(window, "txtTestOrder")->setCurrentText(QStringLiteral("Backwards"));
        Combo(window, "txtTestDay")->setCurrentText(QStringLiteral("Tuesdays"));
        Check(window, "chkClearWrongAnswer")->setChecked(true);
        Check(window, "chkPromptToDeleteOldTests")->setChecked(false);
        ClickButton(&window, "cmdSave");
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(Setting(Opt::TEST_ORDER), "Backwards");
    EXPECT_EQ(Setting(Opt::TEST_DAY), "Tuesdays");
    EXPECT_EQ(Setting(Opt::CLEAR_WRONG_ANSWER), "TRUE");
    EXPECT_EQ(Setting(Opt::PROMPT_TO_DELETE_LISTS), "FALSE");
    EXPECT_EQ(Globals::PromptToDeleteLists, true); // takes effect at the next start
}

TEST_F(OptionsWindow, RestoreDefaultsSavesAtOnceAndCancelDoesNotUndoIt)
{
    Exec(QStringLiteral("UPDATE OPTIONS SET TEST_DAY = 'Mondays', MESSAGE_TIME = 30"));
    {
        frmOptions window;
        EXPECT_EQ(Combo(window, "txtTempMessages")->currentText(), "15 Seconds");
        MessageBoxes boxes(MsgResult::Yes);
        ClickButton(&window, "cmdRestoreDefaults");
        EXPECT_EQ(boxes.texts, QStringList{"Are you sure you want to restore all defaults?"});
        ClickButton(&window, "cmdCancel");
    }
    EXPECT_EQ(Setting(Opt::TEST_DAY), "Fridays");
    EXPECT_EQ(Setting(Opt::MESSAGE_TIME), "6");
}

TEST_F(OptionsWindow, TheMessageTimeTestUsesTheBoxAndPutsTheSettingBack)
{
    frmOptions window;
    Combo(window, "txtTempMessages")->setCurrentText(QStringLiteral("2 Seconds"));
    int shownFor = -1;
    ModalHandler message("frmMessage", [&](QWidget* w) {
        shownFor = Globals::MessageTime;
        QTest::mouseClick(Child<QWidget>(w, "lblTop"), Qt::LeftButton);
    });
    ClickButton(&window, "cmdTestMessageTime");
    EXPECT_EQ(shownFor, 4);
    EXPECT_EQ(Globals::MessageTime, 0);
    EXPECT_EQ(Setting(Opt::MESSAGE_TIME), "0"); // nothing saved
}

// "Speak words that have no recording": on by default, saved and shown again, restored; a
// database that could not gain its column still saves everything else.
TEST_F(OptionsWindow, SpeakWordsIsSavedShownAgainAndRestored)
{
    {
        frmOptions window;
        QCheckBox* speak = Check(window, "chkSpeakWords");
        EXPECT_EQ(speak->text(), "Speak &words that have no recording"); // Alt+W
        EXPECT_EQ(speak->accessibleName(), "Speak words that have no recording");
        EXPECT_TRUE(speak->isChecked()) << "an older settings row reads as on";
        speak->setChecked(false);
        ClickButton(&window, "cmdSave");
    }
    EXPECT_EQ(Setting(Opt::SPEAK_WORDS), "FALSE");
    EXPECT_FALSE(SpeakWordsSetting());
    {
        frmOptions window;
        EXPECT_FALSE(Check(window, "chkSpeakWords")->isChecked());
        MessageBoxes boxes(MsgResult::Yes);
        ClickButton(&window, "cmdRestoreDefaults");
        EXPECT_TRUE(Check(window, "chkSpeakWords")->isChecked());
        ClickButton(&window, "cmdCancel");
    }
    EXPECT_EQ(Setting(Opt::SPEAK_WORDS), "TRUE");
}

TEST_F(OptionsWindow, ADatabaseWithoutTheSpeechColumnStillSaves)
{
    Exec(QStringLiteral("ALTER TABLE OPTIONS DROP COLUMN SPEAK_WORDS"));
    {
        frmOptions window;
        EXPECT_TRUE(Check(window, "chkSpeakWords")->isChecked());
        Check(window, "chkSpeakWords")->setChecked(false);
        Combo(window, "txtTestDay")->setCurrentText(QStringLiteral("Mondays"));
        ClickButton(&window, "cmdSave");
        EXPECT_FALSE(window.isVisible()) << "saved and closed";
    }
    EXPECT_EQ(Setting(Opt::TEST_DAY), "Mondays");
    EXPECT_TRUE(SpeakWordsSetting()) << "without the column words are spoken, the default";
}
