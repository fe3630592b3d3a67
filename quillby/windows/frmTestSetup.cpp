#include "frmTestSetup.h"

#include "AppFunctions.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"
#include "Tasks.h"
#include "frmLists.h"
#include "frmMessage.h"
#include "frmTest.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
frmTestSetup* g_instance = nullptr;

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    NameControl(frame, name, caption);
    return frame;
}

void SetChecked(QCheckBox* box, const Variant& stored)
{
    box->setChecked(TextToCheckValue(stored.toText()) == 1);
}

const QString kClueList = QStringLiteral(
    "\r\r    1. Pronounce\r    2. Definition\r    3. Context Sentence");
} // namespace

frmTestSetup::frmTestSetup(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmTestSetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Test Setup"));
    g_instance = this;
    BuildControls();

    // A checked retyping box always comes with a checked reveal box.
    connect(chkForceEcho, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkRevealAnswers->setChecked(true);
    });
    connect(chkRevealAnswers, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            chkForceEcho->setChecked(false);
    });
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdSetAsDefault, &QPushButton::clicked, this, [this] { cmdSetAsDefault_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

frmTestSetup::~frmTestSetup()
{
    if (g_instance == this)
        g_instance = nullptr;
}

frmTestSetup* frmTestSetup::instance() { return g_instance; }

void frmTestSetup::BuildControls()
{
    auto* frameDisplay = MakeFrame(this, "frameDisplay", QStringLiteral("Display"));
    chkPronounce = MakeCheckBox(frameDisplay, "chkPronounce", QStringLiteral("Pronounce"),
                             QStringLiteral("The word will be pronounced during this test"));
    chkSentence = MakeCheckBox(frameDisplay, "chkSentence", QStringLiteral("Show Context Sentence"),
                            QStringLiteral("The context sentence will be show during this test"));
    chkDefinition = MakeCheckBox(frameDisplay, "chkDefinition", QStringLiteral("Show Definition"),
                              QStringLiteral("The definition will be displayed during this test"));
    auto* label5 = MakeLabel(frameDisplay, "Label5", QStringLiteral("Word Order"));
    txtTestOrder = new QComboBox(frameDisplay);
    NameControl(txtTestOrder, "txtTestOrder", PlainLabelText(label5->text()));
    txtTestOrder->addItems({QLatin1String(Opt::ORDER_ALPHABETICAL),
                            QLatin1String(Opt::ORDER_CREATED), QLatin1String(Opt::ORDER_RANDOM)});
    txtTestOrder->setToolTip(QStringLiteral("The order that the words will appear on this test"));
    label5->setBuddy(txtTestOrder);
    auto* orderRow = new QHBoxLayout;
    orderRow->addWidget(label5);
    orderRow->addWidget(txtTestOrder);
    orderRow->addStretch();
    auto* displayLayout = new QVBoxLayout(frameDisplay);
    displayLayout->addWidget(chkPronounce);
    displayLayout->addWidget(chkDefinition);
    displayLayout->addWidget(chkSentence);
    displayLayout->addLayout(orderRow);

    auto* frameWrong = MakeFrame(this, "frameWrong", QStringLiteral("Incorrect Answer Behavior"));
    auto* label1 = MakeLabel(frameWrong, "Label1", QStringLiteral("Go to the next word after"));
    cmbMoveOn = new QComboBox(frameWrong);
    NameControl(cmbMoveOn, "cmbMoveOn", PlainLabelText(label1->text()));
    for (int n = 1; n <= 10; ++n)
        cmbMoveOn->addItem(QString::number(n));
    cmbMoveOn->setToolTip(QStringLiteral("The number of chances given to spell a word correctly "
                                         "before moving on to the next word"));
    label1->setBuddy(cmbMoveOn);
    auto* label2 = MakeLabel(frameWrong, "Label2", QStringLiteral("incorrect answers"));
    auto* moveOnRow = new QHBoxLayout;
    moveOnRow->addWidget(label1);
    moveOnRow->addWidget(cmbMoveOn);
    moveOnRow->addWidget(label2);
    moveOnRow->addStretch();
    chkRevealAnswers = MakeCheckBox(
        frameWrong, "chkRevealAnswers", QStringLiteral("Reveal answers before moving on"),
        QStringLiteral("Show the correct answer if the word is not spelled correctly after the "
                       "specified number of chances"));
    chkForceEcho = MakeCheckBox(
        frameWrong, "chkForceEcho",
        QStringLiteral("Require the student to type the correct answer after it is revealed"),
        QStringLiteral("Require the student to correctly spell the word after it is show"));
    chkClearWrongAnswer = MakeCheckBox(
        frameWrong, "chkClearWrongAnswer", QStringLiteral("Clear Incorrect Answers"),
        QStringLiteral("Clear the entire mispelled when an answer is incorrect"));
    auto* wrongLayout = new QVBoxLayout(frameWrong);
    wrongLayout->addLayout(moveOnRow);
    wrongLayout->addWidget(chkRevealAnswers);
    wrongLayout->addWidget(chkForceEcho);
    wrongLayout->addWidget(chkClearWrongAnswer);

    auto* frameSounds = MakeFrame(this, "frameSounds", QStringLiteral("Sounds"));
    chkPlayRight = MakeCheckBox(frameSounds, "chkPlayRight",
                             QStringLiteral("Play Sound After Correct Answers"),
                             QStringLiteral("Play a notification sound when a word is spelled "
                                            "correctly"));
    chkPlayWrong = MakeCheckBox(frameSounds, "chkPlayWrong",
                             QStringLiteral("Play Sound After Incorrect Answers"),
                             QStringLiteral("Play a notification sound when a word is spelled "
                                            "incorrectly"));
    auto* soundsLayout = new QVBoxLayout(frameSounds);
    soundsLayout->addWidget(chkPlayRight);
    soundsLayout->addWidget(chkPlayWrong);

    cmdSetAsDefault = MakeButton(this, "cmdSetAsDefault", QStringLiteral("Set as Default"),
                                 QStringLiteral("Save these settings as the defaults settings for "
                                                "all practice tests"));
    cmdCancel = MakeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    cmdContinue = MakeButton(this, "cmdContinue", QStringLiteral("Continue"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSetAsDefault);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdContinue);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameDisplay);
    layout->addWidget(frameWrong);
    layout->addWidget(frameSounds);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cmdContinue->setFocus();
}

void frmTestSetup::PresetControls()
{
    chkPronounce->setChecked(true);
    chkDefinition->setChecked(true);
    chkSentence->setChecked(true);
    txtTestOrder->setCurrentIndex(0);
    cmbMoveOn->setCurrentIndex(cmbMoveOn->findText(QStringLiteral("3")));
}

// A stored order that is none of the three choices runs alphabetically, so it shows as such.
void frmTestSetup::SetOrderText(const QString& stored)
{
    const int index = txtTestOrder->findText(stored, Qt::MatchFixedString);
    txtTestOrder->setCurrentIndex(index >= 0 ? index : 0);
}

// A stored count outside the choices is offered as an extra choice when it is a usable
// number; anything else keeps the preset.
void frmTestSetup::SetMoveOnText(const QString& stored)
{
    int index = cmbMoveOn->findText(stored.trimmed());
    bool isNumber = false;
    const int value = stored.trimmed().toInt(&isNumber);
    if (index < 0 && isNumber && value >= 1) {
        cmbMoveOn->addItem(QString::number(value));
        index = cmbMoveOn->count() - 1;
    }
    if (index >= 0)
        cmbMoveOn->setCurrentIndex(index);
}

void frmTestSetup::LoadDefaults()
{
    PresetControls();
    Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
    if (rs.Eof()) {
        rs.Close();
        MsgBox(QStringLiteral("There was a problem loading the default settings.\r"
                              "Please use the Options screen to set defaults."));
        return;
    }
    SetChecked(chkPronounce, rs.Field(Opt::PRONOUNCE));
    SetChecked(chkDefinition, rs.Field(Opt::SHOW_DEFINITION));
    SetChecked(chkSentence, rs.Field(Opt::SHOW_CONTEXT));
    SetOrderText(rs.Field(Opt::TEST_ORDER).toText());
    SetMoveOnText(rs.Field(Opt::MOVE_ON_AFTER).toText());
    SetChecked(chkRevealAnswers, rs.Field(Opt::REVEAL_ANSWERS));
    SetChecked(chkForceEcho, rs.Field(Opt::REQUIRE_ECHO));
    SetChecked(chkClearWrongAnswer, rs.Field(Opt::CLEAR_WRONG_ANSWER));
    SetChecked(chkPlayRight, rs.Field(Opt::PLAY_CORRECT_SOUND));
    SetChecked(chkPlayWrong, rs.Field(Opt::PLAY_INCORRECT_SOUND));
    rs.Close();
}

TestSettings frmTestSetup::ChosenSettings() const
{
    TestSettings s;
    s.Pronounce = chkPronounce->isChecked();
    s.ShowDefinition = chkDefinition->isChecked();
    s.ShowContext = chkSentence->isChecked();
    s.TestOrder = txtTestOrder->currentText().toUpper();
    s.MoveOnAfter = cmbMoveOn->currentText().toInt();
    s.RevealAnswers = chkRevealAnswers->isChecked();
    s.ForceEcho = chkForceEcho->isChecked();
    s.ClearWrongAnswer = chkClearWrongAnswer->isChecked();
    s.PlayCorrectSound = chkPlayRight->isChecked();
    s.PlayIncorrectSound = chkPlayWrong->isChecked();
    return s;
}

bool frmTestSetup::CluesChosen(const QString& leadText)
{
    if (chkDefinition->isChecked() || chkSentence->isChecked() || chkPronounce->isChecked())
        return true;
    MsgBox(leadText + kClueList, MsgButtons::OK, MsgIcon::None, this);
    ProcessEvents(3);
    chkPronounce->setFocus();
    return false;
}

bool frmTestSetup::SaveDefaults()
{
    Recordset rs(Sql::SELECT_OPTIONS, Globals::DbConnection());
    if (rs.Eof()) {
        rs.Close();
        MsgBox(QStringLiteral("There was a problem saving these settings.\r"
                              "Please use the Options screen to set defaults."));
        return false;
    }
    const auto flag = [](QCheckBox* box) { return CheckValueToText(box->isChecked() ? 1 : 0); };
    rs.SetField(Opt::PRONOUNCE, flag(chkPronounce));
    rs.SetField(Opt::SHOW_DEFINITION, flag(chkDefinition));
    rs.SetField(Opt::SHOW_CONTEXT, flag(chkSentence));
    rs.SetField(Opt::TEST_ORDER, txtTestOrder->currentText());
    rs.SetField(Opt::MOVE_ON_AFTER, cmbMoveOn->currentText());
    rs.SetField(Opt::REVEAL_ANSWERS, flag(chkRevealAnswers));
    rs.SetField(Opt::REQUIRE_ECHO, flag(chkForceEcho));
    rs.SetField(Opt::CLEAR_WRONG_ANSWER, flag(chkClearWrongAnswer));
    rs.SetField(Opt::PLAY_CORRECT_SOUND, flag(chkPlayRight));
    rs.SetField(Opt::PLAY_INCORRECT_SOUND, flag(chkPlayWrong));
    rs.Update();
    rs.Close();
    return true;
}

void frmTestSetup::cmdContinue_Click()
{
    if (!CluesChosen(QStringLiteral("You must check at least one of the following boxes to "
                                    "proceed with the test:")))
        return;
    StartTest(true);
    close();
}

void frmTestSetup::cmdSetAsDefault_Click()
{
    if (!CluesChosen(QStringLiteral("You must check at least one of the following boxes to "
                                    "save these defaults:")))
        return;
    // Without a settings row nothing was stored: say so once and go no further.
    bool saved = false;
    Guarded([&] { saved = SaveDefaults(); });
    if (!saved)
        return;
    ShowTempMessage(QStringLiteral("Settings Saved"), QString());
    if (MsgBox(QStringLiteral("Start the test now?"), MsgButtons::YesNo, MsgIcon::None, this) ==
        MsgResult::Yes)
        cmdContinue_Click();
}

void frmTestSetup::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (g_instance == this)
        g_instance = nullptr;
    if (!frmTest::instance())
        if (auto* main = frmLists::instance())
            main->SetFocusHere();
}
