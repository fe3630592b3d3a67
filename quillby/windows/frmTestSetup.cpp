#include "frmTestSetup.h"

#include "ProcessEvents.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "TestDefaultControls.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "OptionQueries.h"
#include "Sound.h"
#include "TaskNotices.h"
#include "frmMessage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {
void SetChecked(QCheckBox* box, const Variant& stored) { SetCheckFromText(box, stored.toText()); }
} // namespace

frmTestSetup::frmTestSetup(QWidget* parent) : QWidget(parent, Qt::Window), OneOpenWindow(this)
{
    setObjectName(QStringLiteral("frmTestSetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Test Setup"));
    setAccessibleName(windowTitle());
    BuildControls();
    // The test that follows says its words: sound gets ready while the options are chosen.
    PrepareSound();

    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdSetAsDefault, &QPushButton::clicked, this, [this] { cmdSetAsDefault_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    // Escape and Ctrl+W cancel, as in the program's dialogs.
    AddCloseKeys(this);
}

void frmTestSetup::BuildControls()
{
    BuildTestDefaultFrames(this, *this, tr("this test"), false);
    cmdSetAsDefault = MakeButton(this, "cmdSetAsDefault", tr("Set &as Default"),
                                 tr("Save these settings as the defaults settings for "
                                                "all practice tests"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Ca&ncel"));
    cmdContinue = MakeButton(this, "cmdContinue", tr("C&ontinue"));
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
    // Enter presses the button that has the focus, and Continue from anywhere else.
    for (QPushButton* button : {cmdSetAsDefault, cmdCancel, cmdContinue})
        button->setAutoDefault(true);
    cmdContinue->setDefault(true);
    cmdContinue->setFocus();
}

void frmTestSetup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdContinue->click();
        return;
    }
    QWidget::keyPressEvent(event);
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
    const int index = txtTestOrder->findData(stored, Qt::UserRole, Qt::MatchFixedString);
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
    const StoredOptions rs;
    if (!rs.HasRow()) {
        MsgBox(tr("There was a problem loading the default settings.\r"
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
}

TestSettings frmTestSetup::ChosenSettings() const
{
    TestSettings s;
    s.Pronounce = chkPronounce->isChecked();
    s.ShowDefinition = chkDefinition->isChecked();
    s.ShowContext = chkSentence->isChecked();
    s.TestOrder = StoredChoice(txtTestOrder).toUpper();
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
    if (AnyClueChecked(*this))
        return true;
    MsgBox(MissingClueMessage(leadText), MsgButtons::OK, MsgIcon::None, this);
    ProcessEvents(3);
    chkPronounce->setFocus();
    return false;
}

bool frmTestSetup::SaveDefaults()
{
    if (WriteOptions(TestDefaultValues(*this), false))
        return true;
    MsgBox(tr("There was a problem saving these settings.\r"
              "Please use the Options screen to set defaults."));
    return false;
}

void frmTestSetup::cmdContinue_Click()
{
    if (!CluesChosen(tr("You must check at least one of the following boxes to "
                                    "proceed with the test:")))
        return;
    continued_ = true;
    emit TestChosen(ChosenSettings());
    close();
}

void frmTestSetup::cmdSetAsDefault_Click()
{
    if (!CluesChosen(tr("You must check at least one of the following boxes to "
                                    "save these defaults:")))
        return;
    // Without a settings row nothing was stored: say so once and go no further.
    bool saved = false;
    Guarded([&] { saved = SaveDefaults(); });
    if (!saved)
        return;
    ShowTempMessage(tr("Settings Saved"), QString());
    if (MsgBox(tr("Start the test now?"), MsgButtons::YesNo, MsgIcon::None, this) ==
        MsgResult::Yes)
        cmdContinue_Click();
}

void frmTestSetup::closeEvent(QCloseEvent* event)
{
    event->accept();
    Forget();
    // After Continue the test window shows, or returns to the lists itself when the test
    // could not begin.
    if (!continued_)
        ReturnToLists();
}
