#include "frmOptions.h"

#include "ErrorReport.h"
#include "FormHelpers.h"
#include "TestDefaultControls.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "OptionQueries.h"
#include "Twips.h"
#include "frmMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

namespace {

// Reading a settings column ignores its failure: the control keeps what it showed.
template <class F>
void IgnoringErrors(F&& read)
{
    try {
        read();
    } catch (const std::exception&) {
    }
}

// The shown text of a message time; its stored form (TimeComboText) is the English one.
QString TimeChoiceName(int messageTime)
{
    switch (messageTime) {
    case Opt::MESSAGE_TIME_NONE:
        return frmOptions::tr("None");
    case Opt::MESSAGE_TIME_INDEFINITE:
        return frmOptions::tr("Indefinately");
    case 2:
        return frmOptions::tr("1 Second");
    default:
        return frmOptions::tr("%1 Seconds").arg(QLocale::c().toString(messageTime / 2.0, 'g', 15));
    }
}

void AddTimeChoices(QComboBox* box)
{
    for (int time : {Opt::MESSAGE_TIME_NONE, Opt::MESSAGE_TIME_INDEFINITE, 2, 4, 6, 8, 10, 12, 14,
                     16, 18, 20, 30})
        AddStoredChoice(box, TimeChoiceName(time), TimeComboText(time));
}

void AddTestDayChoices(QComboBox* box)
{
    for (const char* day : Opt::TEST_DAYS)
        AddStoredChoice(box, StoredChoiceName(day), QString::fromLatin1(day));
}
} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent)
{
    InitModalDialog(this, "frmOptions", tr("Options"));

    BuildMenu();
    Tab1 = new QTabWidget(this);
    NameControl(Tab1, "Tab1", tr("Options"));
    Tab1->addTab(BuildTestDefaultsTab(), tr("Test Defaults"));
    Tab1->addTab(BuildGeneralDefaultsTab(), tr("General Defaults"));

    cmdSave = MakeButton(this, "cmdSave", tr("Sa&ve Settings"),
                         tr("Save these settings"));
    cmdRestoreDefaults = MakeButton(this, "cmdRestoreDefaults", tr("Restore Def&aults"),
                                    tr("Restore all settings to thier defaults"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Ca&ncel"),
                           tr("Do not save changes"));
    cmdSave->setDefault(true);
    setTabOrder(cmdRestoreDefaults, cmdSave); // left to right, as they stand
    setTabOrder(cmdSave, cmdCancel);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRestoreDefaults);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);
    layout->addWidget(Tab1);
    layout->addLayout(buttons);

    ConnectCommands();
    Tab1->setCurrentIndex(0);
    LoadOptions();
}

void frmOptions::BuildMenu()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    mnuFile = menuBar_->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = MakeMenuItem(mnuFile, "mnuSave", tr("&Save Settings"));
    mnuExit = MakeMenuItem(mnuFile, "mnuExit", tr("E&xit"));
}

QWidget* frmOptions::BuildTestDefaultsTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabTestDefaults"));
    BuildTestDefaultFrames(page, *this, tr("practice tests"), true);
    chkSkipIndividualTestSetup = MakeCheckBox(
        page, "chkSkipIndividualTestSetup", tr("S&kip Individual Test Setup"),
        tr("Always use these defaults when starting a practice test"));

    auto* layout = new QVBoxLayout(page);
    for (QWidget* part : {static_cast<QWidget*>(frameDisplay), static_cast<QWidget*>(frameWrong),
                          static_cast<QWidget*>(frameSounds),
                          static_cast<QWidget*>(chkSkipIndividualTestSetup)})
        layout->addWidget(part);
    layout->addStretch();
    return page;
}

QWidget* frmOptions::BuildGeneralDefaultsTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabGeneralDefaults"));
    auto* dayLabel = MakeLabel(page, "lblTestDay", tr("School tests are normally on"));
    txtTestDay = MakeChoiceBox(
        page, "txtTestDay", dayLabel, {},
        tr("The day of the week that the student normally has spelling tests at school"),
        true);
    AddTestDayChoices(txtTestDay);
    chkPromptToDeleteOldTests = MakeCheckBox(
        page, "chkPromptToDeleteOldTests",
        tr("Prompt &me to delete word lists after thier test dates"),
        tr("Alerts you when lists are past thier scheduled school test date"));
    chkSpeakWords = MakeCheckBox(
        page, "chkSpeakWords", tr("Speak &words that have no recording"),
        tr("The computer's voice says a word that has no recording of its own, in "
                       "practice tests and when a word is pronounced in the word lists"));
    chkSpeakWords->setChecked(true);
    auto* timeLabel = MakeLabel(page, "lblTempMessages", tr("Temporary Messages"));
    txtTempMessages = MakeChoiceBox(page, "txtTempMessages", timeLabel, {},
                                    tr("The amount of time to display messages"), true);
    AddTimeChoices(txtTempMessages);
    cmdTestMessageTime = MakeButton(page, "cmdTestMessageTime", tr("T&est"),
                                    tr("Test the selected message time"));
    cmdTestMessageTime->setAutoDefault(false);

    // Shown, and reached by Tab, in the order the controls were made.
    auto* grid = new QGridLayout;
    grid->addWidget(dayLabel, 0, 0);
    grid->addWidget(txtTestDay, 0, 1);
    grid->addWidget(chkPromptToDeleteOldTests, 1, 0, 1, 3);
    grid->addWidget(chkSpeakWords, 2, 0, 1, 3);
    grid->addWidget(timeLabel, 3, 0);
    grid->addWidget(txtTempMessages, 3, 1);
    grid->addWidget(cmdTestMessageTime, 3, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

void frmOptions::ConnectCommands()
{
    connect(cmdSave, &QPushButton::clicked, this, &frmOptions::SaveClicked);
    connect(mnuSave, &QAction::triggered, this, &frmOptions::SaveClicked);
    connect(cmdRestoreDefaults, &QPushButton::clicked, this, &frmOptions::RestoreDefaultsClicked);
    connect(cmdTestMessageTime, &QPushButton::clicked, this, &frmOptions::TestMessageTimeClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mnuExit, &QAction::triggered, this, &QDialog::reject);
}

void frmOptions::LoadOptions()
{
    IgnoringErrors([this] {
        const StoredOptions rs;
        if (!rs.HasRow()) {
            RestoreDefaults();
            return;
        }
        auto check = [&rs](QCheckBox* box, const char* column) {
            IgnoringErrors([&] { SetCheckFromText(box, rs.Field(column).toText()); });
        };
        auto text = [&rs](QComboBox* box, const char* column) {
            IgnoringErrors([&] { ShowStoredChoice(box, rs.Field(column).toText()); });
        };
        check(chkSkipIndividualTestSetup, Opt::SKIP_TEST_SETUP);
        check(chkPronounce, Opt::PRONOUNCE);
        check(chkDefinition, Opt::SHOW_DEFINITION);
        check(chkSentence, Opt::SHOW_CONTEXT);
        text(txtTestOrder, Opt::TEST_ORDER);
        text(cmbMoveOn, Opt::MOVE_ON_AFTER);
        check(chkRevealAnswers, Opt::REVEAL_ANSWERS);
        check(chkForceEcho, Opt::REQUIRE_ECHO);
        check(chkClearWrongAnswer, Opt::CLEAR_WRONG_ANSWER);
        check(chkPlayRight, Opt::PLAY_CORRECT_SOUND);
        check(chkPlayWrong, Opt::PLAY_INCORRECT_SOUND);
        IgnoringErrors([&] { SetTimeCombo(rs.Field(Opt::MESSAGE_TIME).toLong()); });
        text(txtTestDay, Opt::TEST_DAY);
        check(chkPromptToDeleteOldTests, Opt::PROMPT_TO_DELETE_LISTS);
        chkSpeakWords->setChecked(SpeakWordsSetting());
    });
}

void frmOptions::SaveOptions()
{
    OptionValues values{{Opt::SKIP_TEST_SETUP, CheckText(chkSkipIndividualTestSetup)}};
    for (auto& value : TestDefaultValues(*this))
        values.push_back(std::move(value));
    values.insert(values.end(),
                  {{Opt::MESSAGE_TIME, Variant(static_cast<int32_t>(
                                           TimeComboValue(StoredChoice(txtTempMessages))))},
                   {Opt::TEST_DAY, Variant(StoredChoice(txtTestDay))},
                   {Opt::PROMPT_TO_DELETE_LISTS, CheckText(chkPromptToDeleteOldTests)},
                   {Opt::SPEAK_WORDS, CheckText(chkSpeakWords)}});
    WriteOptions(values, true);
}

void frmOptions::RestoreDefaults()
{
    chkPronounce->setChecked(true);
    chkDefinition->setChecked(true);
    chkSentence->setChecked(true);
    cmbMoveOn->setCurrentText(QString::fromLatin1(Opt::DEFAULT_MOVE_ON_AFTER));
    ShowStoredChoice(txtTestDay, QString::fromLatin1(Opt::DEFAULT_TEST_DAY));
    chkPromptToDeleteOldTests->setChecked(true);
    chkSpeakWords->setChecked(true);
    SetTimeCombo(Opt::DEFAULT_MESSAGE_TIME);
    ShowStoredChoice(txtTestOrder, QString::fromLatin1(Opt::DEFAULT_TEST_ORDER));
    chkSkipIndividualTestSetup->setChecked(false);
    chkRevealAnswers->setChecked(true);
    chkForceEcho->setChecked(true);
    chkClearWrongAnswer->setChecked(false);
    chkPlayRight->setChecked(true);
    chkPlayWrong->setChecked(true);
    SaveOptions();
}

void frmOptions::SetTimeCombo(int messageTime)
{
    ShowStoredChoice(txtTempMessages, TimeComboText(messageTime), TimeChoiceName(messageTime));
}

void frmOptions::SaveClicked()
{
    if (!AnyClueChecked(*this)) {
        Tab1->setCurrentIndex(0);
        MsgBox(MissingClueMessage(tr(
                   "You must check at least one of the following boxes to save these defaults:")),
               MsgButtons::OK, MsgIcon::None, this);
        chkPronounce->setFocus();
        return;
    }
    Guarded([this] {
        SaveOptions();
        ShowTempMessage(tr("Settings Saved"), QString());
        accept();
    });
}

void frmOptions::RestoreDefaultsClicked()
{
    if (MsgBox(tr("Are you sure you want to restore all defaults?"), MsgButtons::YesNo,
               MsgIcon::None, this, MsgDefault::No) != MsgResult::Yes)
        return;
    Guarded([this] {
        RestoreDefaults();
        ShowTempMessage(tr("Defaults Restored"), QString());
    });
}

void frmOptions::TestMessageTimeClicked()
{
    const int32_t remembered = Globals::MessageTime;
    Globals::MessageTime = TimeComboValue(StoredChoice(txtTempMessages));
    ShowTempMessage(tr("Testing"), tr("Click To Close"));
    Globals::MessageTime = remembered;
}
