// The set-up window and the settings a test starts with.
#include "PracticeFixture.h"

#include "Connection.h"
#include "Globals.h"
#include "Options.h"
#include "frmTest.h"
#include "frmTestSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

class Setup : public PracticeTest {
protected:
    frmTestSetup* OpenSetup(int32_t list = 0)
    {
        tasks.OpenTestSetup(list);
        QApplication::processEvents();
        return frmTestSetup::instance();
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(Setup, ControlsComeFromTheSettingsRow)
{
    SetSetting(Opt::PRONOUNCE, "false");
    SetSetting(Opt::SHOW_DEFINITION, "true");
    SetSetting(Opt::SHOW_CONTEXT, "FALSE");
    SetSetting(Opt::TEST_ORDER, "random");
    SetSetting(Opt::MOVE_ON_AFTER, "7");
    SetSetting(Opt::REVEAL_ANSWERS, "FALSE");
    SetSetting(Opt::REQUIRE_ECHO, "TRUE");
    SetSetting(Opt::CLEAR_WRONG_ANSWER, "TRUE");
    SetSetting(Opt::PLAY_CORRECT_SOUND, "FALSE");
    SetSetting(Opt::PLAY_INCORRECT_SOUND, "TRUE");
    frmTestSetup* setup = OpenSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Test Setup"));
    EXPECT_FALSE(setup->chkPronounce->isChecked());
    EXPECT_TRUE(setup->chkDefinition->isChecked());
    EXPECT_FALSE(setup->chkSentence->isChecked());
    EXPECT_EQ(setup->txtTestOrder->currentText(), QStringLiteral("Random"));
    EXPECT_EQ(setup->cmbMoveOn->currentText(), QStringLiteral("7"));
    // Reveal is read before retyping, and checking retyping checks reveal.
    EXPECT_TRUE(setup->chkRevealAnswers->isChecked());
    EXPECT_TRUE(setup->chkForceEcho->isChecked());
    EXPECT_TRUE(setup->chkClearWrongAnswer->isChecked());
    EXPECT_FALSE(setup->chkPlayRight->isChecked());
    EXPECT_TRUE(setup->chkPlayWrong->isChecked());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Setup, WithoutASettingsRowThePresetsStay)
{
    Globals::DbConnection().Execute(QStringLiteral("DELETE FROM OPTIONS"));
    frmTestSetup* setup = OpenSetup();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], QStringLiteral("There was a problem loading the default settings.\r"
                                          "Please use the Options screen to set defaults."));
    EXPECT_TRUE(setup->chkPronounce->isChecked());
    EXPECT_TRUE(setup->chkDefinition->isChecked());
    EXPECT_TRUE(setup->chkSentence->isChecked());
    EXPECT_EQ(setup->txtTestOrder->currentText(), QStringLiteral("Alphabetical"));
    EXPECT_EQ(setup->cmbMoveOn->currentText(), QStringLiteral("3"));
    for (QCheckBox* box : {setup->chkRevealAnswers, setup->chkForceEcho,
                           setup->chkClearWrongAnswer, setup->chkPlayRight, setup->chkPlayWrong})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();

    // Saving finds no row: it says so once, stores nothing and asks nothing more.
    messages.clear();
    Click(setup->cmdSetAsDefault);
    EXPECT_EQ(messages, QStringList{"There was a problem saving these settings.\r"
                                    "Please use the Options screen to set defaults."});
    EXPECT_EQ(StoredRowCount(QStringLiteral(" SELECT * FROM OPTIONS ")), 0);
    EXPECT_EQ(frmTestSetup::instance(), setup);
}

TEST_F(Setup, TheRevealBoxesAreCoupled)
{
    frmTestSetup* setup = OpenSetup();
    setup->chkRevealAnswers->setChecked(false);
    EXPECT_FALSE(setup->chkForceEcho->isChecked());
    QTest::mouseClick(setup->chkForceEcho, Qt::LeftButton);
    EXPECT_TRUE(setup->chkForceEcho->isChecked());
    EXPECT_TRUE(setup->chkRevealAnswers->isChecked());
    QTest::mouseClick(setup->chkForceEcho, Qt::LeftButton);
    EXPECT_TRUE(setup->chkRevealAnswers->isChecked()) << "unchecking retyping leaves reveal";
    setup->chkForceEcho->setChecked(true);
    QTest::mouseClick(setup->chkRevealAnswers, Qt::LeftButton);
    EXPECT_FALSE(setup->chkForceEcho->isChecked());
}

TEST_F(Setup, WithoutAnyClueNothingStartsOrIsStored)
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("word"));
    frmTestSetup* setup = OpenSetup(list);
    setup->show();
    setup->activateWindow();
    setup->chkPronounce->setChecked(false);
    setup->chkDefinition->setChecked(false);
    setup->chkSentence->setChecked(false);
    setup->cmdContinue->setFocus();
    const QString clues = QStringLiteral(
        "\r\r    1. Pronounce\r    2. Definition\r    3. Context Sentence");

    Click(setup->cmdContinue);
    Click(setup->cmdSetAsDefault);
    EXPECT_EQ(messages, (QStringList{"You must check at least one of the following boxes to "
                                     "proceed with the test:" + clues,
                                     "You must check at least one of the following boxes to "
                                     "save these defaults:" + clues}));
    EXPECT_EQ(frmTest::instance(), nullptr);
    EXPECT_EQ(Setting(Opt::PRONOUNCE), QStringLiteral("TRUE"));
    EXPECT_EQ(QApplication::focusWidget(), setup->chkPronounce);
}

TEST_F(Setup, ContinueWithOnlyTheSentenceStartsTheTest)
{
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("word"));
    frmTestSetup* setup = OpenSetup(list);
    setup->chkPronounce->setChecked(false);
    setup->chkDefinition->setChecked(false);
    setup->txtTestOrder->setCurrentText(QStringLiteral("Random"));
    setup->cmbMoveOn->setCurrentText(QStringLiteral("5"));
    setup->chkForceEcho->setChecked(false);
    setup->chkClearWrongAnswer->setChecked(true);
    Click(setup->cmdContinue);
    QApplication::processEvents();
    EXPECT_EQ(frmTestSetup::instance(), nullptr);
    frmTest* test = frmTest::instance();
    ASSERT_NE(test, nullptr);
    EXPECT_TRUE(test->isVisible());
    const TestSettings& chosen = test->Session().Settings();
    EXPECT_EQ(test->ListID(), list);
    EXPECT_EQ(chosen.TestOrder, QStringLiteral("RANDOM"));
    EXPECT_EQ(chosen.MoveOnAfter, 5);
    EXPECT_FALSE(chosen.Pronounce);
    EXPECT_FALSE(chosen.ShowDefinition);
    EXPECT_TRUE(chosen.ShowContext);
    EXPECT_TRUE(chosen.RevealAnswers);
    EXPECT_FALSE(chosen.ForceEcho);
    EXPECT_TRUE(chosen.ClearWrongAnswer);
    EXPECT_FALSE(test->frameDefinition->isVisible());
    EXPECT_TRUE(test->frameContext->isVisible());
}

TEST_F(Setup, SetAsDefaultStoresAndNoKeepsTheWindow)
{
    frmTestSetup* setup = OpenSetup();
    setup->txtTestOrder->setCurrentText(QStringLiteral("Order Created"));
    setup->cmbMoveOn->setCurrentText(QStringLiteral("10"));
    setup->chkPlayRight->setChecked(false);
    setup->chkSentence->setChecked(false);
    answers = {MsgResult::No};
    Click(setup->cmdSetAsDefault);
    EXPECT_EQ(messages, QStringList{"Start the test now?"});
    EXPECT_EQ(Setting(Opt::TEST_ORDER), QStringLiteral("Order Created"));
    EXPECT_EQ(Setting(Opt::MOVE_ON_AFTER), QStringLiteral("10"));
    EXPECT_EQ(Setting(Opt::PLAY_CORRECT_SOUND), QStringLiteral("FALSE"));
    EXPECT_EQ(Setting(Opt::SHOW_CONTEXT), QStringLiteral("FALSE"));
    EXPECT_EQ(Setting(Opt::PRONOUNCE), QStringLiteral("TRUE"));
    EXPECT_EQ(frmTestSetup::instance(), setup);
    EXPECT_EQ(setup->cmbMoveOn->currentText(), QStringLiteral("10"));
    EXPECT_EQ(frmTest::instance(), nullptr);
}

TEST_F(Setup, StoredDefaultsReachTheTestAsStored)
{
    SetSetting(Opt::TEST_ORDER, "Random");
    SetSetting(Opt::MOVE_ON_AFTER, "0");
    SetSetting(Opt::REQUIRE_ECHO, "yes");
    SetSetting(Opt::PLAY_CORRECT_SOUND, "true");
    const TestSettings s = ReadDefaultTestSettings();
    EXPECT_EQ(s.TestOrder, QStringLiteral("Random"));
    EXPECT_EQ(OrderOf(s.TestOrder), WordOrder::Random);
    EXPECT_EQ(s.MoveOnAfter, 3) << "a count below 1 keeps the preset";
    EXPECT_FALSE(s.ForceEcho);
    EXPECT_TRUE(s.PlayCorrectSound);

    // Skipping the set-up starts the test with the stored defaults.
    const int32_t list = AddList();
    AddWord(list, QStringLiteral("word"));
    tasks.StartTest(list, ReadDefaultTestSettings());
    ASSERT_NE(frmTest::instance(), nullptr);
    EXPECT_EQ(frmTest::instance()->Session().Settings().TestOrder, QStringLiteral("Random"));
    EXPECT_EQ(frmTest::instance()->ListID(), list);
}

TEST_F(Setup, CancelClosesTheWindow)
{
    frmTestSetup* setup = OpenSetup();
    Click(setup->cmdCancel);
    QApplication::processEvents();
    EXPECT_EQ(frmTestSetup::instance(), nullptr);
    EXPECT_EQ(frmTest::instance(), nullptr);

    setup = OpenSetup();
    setup->activateWindow();
    QTest::keyClick(setup->chkPronounce, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(frmTestSetup::instance(), nullptr) << "Escape cancels";
    EXPECT_EQ(frmTest::instance(), nullptr);
}
