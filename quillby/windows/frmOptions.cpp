#include "frmOptions.h"

#include "AppFunctions.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"
#include "Twips.h"
#include "frmMessage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <exception>

namespace {
QString Col(const char* column) { return QString::fromLatin1(column); }

QComboBox* MakeComboBox(QWidget* parent, const char* name, QLabel* label, const QStringList& items,
                        const QString& toolTip)
{
    auto* box = new QComboBox(parent);
    NameControl(box, name, PlainLabelText(label->text()));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setToolTip(toolTip);
    label->setBuddy(box);
    return box;
}

// Reading a settings column ignores its failure: the control keeps what it showed.
template <class F>
void IgnoringErrors(F&& read)
{
    try {
        read();
    } catch (const std::exception&) {
    }
}

void SetCheck(QCheckBox* box, const Variant& stored)
{
    box->setChecked(TextToCheckValue(stored.toText()) == 1);
}

Variant CheckText(const QCheckBox* box) { return Variant(CheckValueToText(box->isChecked() ? 1 : 0)); }

QStringList TimeChoices()
{
    QStringList items{QStringLiteral("None"), QStringLiteral("Indefinately"),
                      QStringLiteral("1 Second")};
    for (int s = 2; s <= 10; ++s)
        items << QString::number(s) + QStringLiteral(" Seconds");
    items << QStringLiteral("15 Seconds");
    return items;
}

QStringList TestDayChoices()
{
    QStringList items;
    for (const char* day : Opt::TEST_DAYS)
        items << QString::fromLatin1(day);
    return items;
}
} // namespace

frmOptions::frmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setAccessibleName(windowTitle());
    setModal(true);

    BuildMenu();
    Tab1 = new QTabWidget(this);
    NameControl(Tab1, "Tab1", QStringLiteral("Options"));
    Tab1->addTab(BuildTestDefaultsTab(), QStringLiteral("Test Defaults"));
    Tab1->addTab(BuildGeneralDefaultsTab(), QStringLiteral("General Defaults"));

    cmdSave = MakeButton(this, "cmdSave", QStringLiteral("Save Settings"),
                         QStringLiteral("Save these settings"));
    cmdRestoreDefaults = MakeButton(this, "cmdRestoreDefaults", QStringLiteral("Restore Defaults"),
                                    QStringLiteral("Restore all settings to thier defaults"));
    cmdCancel = MakeButton(this, "cmdCancel", QStringLiteral("Cancel"),
                           QStringLiteral("Do not save changes"));
    cmdSave->setDefault(true);

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
    mnuFile = menuBar_->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = mnuFile->addAction(QStringLiteral("&Save Settings"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
}

QWidget* frmOptions::BuildTestDefaultsTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabTestDefaults"));

    frameDisplay = new QGroupBox(QStringLiteral("Display"), page);
    NameControl(frameDisplay, "frameDisplay", QStringLiteral("Display"));
    chkDefinition = MakeCheckBox(frameDisplay, "chkDefinition", QStringLiteral("Show Definition"),
                                 QStringLiteral("The definition will be displayed during practice tests"));
    chkSentence = MakeCheckBox(frameDisplay, "chkSentence", QStringLiteral("Show Context Sentence"),
                               QStringLiteral("The context sentence will be show during practice tests"));
    chkPronounce = MakeCheckBox(frameDisplay, "chkPronounce", QStringLiteral("Pronounce"),
                                QStringLiteral("The word will be pronounced during practice tests"));
    auto* orderLabel = MakeLabel(frameDisplay, "lblTestOrder", QStringLiteral("Word Order"));
    txtTestOrder = MakeComboBox(
        frameDisplay, "txtTestOrder", orderLabel,
        {QString::fromLatin1(Opt::ORDER_ALPHABETICAL), QString::fromLatin1(Opt::ORDER_CREATED),
         QString::fromLatin1(Opt::ORDER_RANDOM)},
        QStringLiteral("The order that the words will appear on practice tests"));
    auto* display = new QGridLayout(frameDisplay);
    display->addWidget(chkPronounce, 0, 0);
    display->addWidget(chkDefinition, 1, 0);
    display->addWidget(chkSentence, 2, 0);
    display->addWidget(orderLabel, 0, 1);
    display->addWidget(txtTestOrder, 1, 1);
    display->setColumnStretch(0, 1);

    frameWrong = new QGroupBox(QStringLiteral("Incorrect Answer Behavior"), page);
    NameControl(frameWrong, "frameWrong", QStringLiteral("Incorrect Answer Behavior"));
    auto* moveOnBefore = MakeLabel(frameWrong, "lblMoveOn", QStringLiteral("Go to the next word after"));
    QStringList counts;
    for (int n = 1; n <= 10; ++n)
        counts << QString::number(n);
    cmbMoveOn = MakeComboBox(
        frameWrong, "cmbMoveOn", moveOnBefore, counts,
        QStringLiteral("The number of chances given to spell a word correctly before moving on to the next word"));
    cmbMoveOn->setAccessibleName(QStringLiteral("Go to the next word after incorrect answers"));
    cmbMoveOn->setMinimumContentsLength(3);
    auto* moveOnAfter = MakeLabel(frameWrong, "lblMoveOnAfter", QStringLiteral("incorrect answers"));
    chkRevealAnswers = MakeCheckBox(
        frameWrong, "chkRevealAnswers", QStringLiteral("Reveal answers before moving on"),
        QStringLiteral("Show the correct answer if the word is not spelled correctly after the specified number of chances"));
    chkForceEcho = MakeCheckBox(
        frameWrong, "chkForceEcho",
        QStringLiteral("Require the student to type the correct answer after it is revealed"),
        QStringLiteral("Require the student to correctly spell the word after it is show"));
    chkClearWrongAnswer = MakeCheckBox(
        frameWrong, "chkClearWrongAnswer", QStringLiteral("Clear Incorrect Answers"),
        QStringLiteral("Clear the entire mispelled when an answer is incorrect"));
    auto* moveOn = new QHBoxLayout;
    moveOn->addWidget(moveOnBefore);
    moveOn->addWidget(cmbMoveOn);
    moveOn->addWidget(moveOnAfter);
    moveOn->addStretch();
    auto* wrong = new QVBoxLayout(frameWrong);
    wrong->addLayout(moveOn);
    wrong->addWidget(chkRevealAnswers);
    wrong->addWidget(chkForceEcho);
    wrong->addWidget(chkClearWrongAnswer);

    frameSounds = new QGroupBox(QStringLiteral("Sounds"), page);
    NameControl(frameSounds, "frameSounds", QStringLiteral("Sounds"));
    chkPlayRight = MakeCheckBox(frameSounds, "chkPlayRight", QStringLiteral("Play Sound After Correct Answers"),
                                QStringLiteral("Play a notification sound when a word is spelled correctly"));
    chkPlayWrong = MakeCheckBox(frameSounds, "chkPlayWrong", QStringLiteral("Play Sound After Incorrect Answers"),
                                QStringLiteral("Play a notification sound when a word is spelled incorrectly"));
    auto* sounds = new QVBoxLayout(frameSounds);
    sounds->addWidget(chkPlayRight);
    sounds->addWidget(chkPlayWrong);

    chkSkipIndividualTestSetup = MakeCheckBox(
        page, "chkSkipIndividualTestSetup", QStringLiteral("Skip Individual Test Setup"),
        QStringLiteral("Always use these defaults when starting a practice test"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frameDisplay);
    layout->addWidget(frameWrong);
    layout->addWidget(frameSounds);
    layout->addWidget(chkSkipIndividualTestSetup);
    layout->addStretch();
    return page;
}

QWidget* frmOptions::BuildGeneralDefaultsTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabGeneralDefaults"));
    auto* dayLabel = MakeLabel(page, "lblTestDay", QStringLiteral("School tests are normally on"));
    txtTestDay = MakeComboBox(
        page, "txtTestDay", dayLabel, TestDayChoices(),
        QStringLiteral("The day of the week that the student normally has spelling tests at school"));
    chkPromptToDeleteOldTests = MakeCheckBox(
        page, "chkPromptToDeleteOldTests",
        QStringLiteral("Prompt me to delete word lists after thier test dates"),
        QStringLiteral("Alerts you when lists are past thier scheduled school test date"));
    auto* timeLabel = MakeLabel(page, "lblTempMessages", QStringLiteral("Temporary Messages"));
    txtTempMessages = MakeComboBox(page, "txtTempMessages", timeLabel, TimeChoices(),
                                   QStringLiteral("The amount of time to display messages"));
    cmdTestMessageTime = MakeButton(page, "cmdTestMessageTime", QStringLiteral("Test"),
                                    QStringLiteral("Test the selected message time"));
    cmdTestMessageTime->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(dayLabel, 0, 0);
    grid->addWidget(txtTestDay, 0, 1);
    grid->addWidget(timeLabel, 1, 0);
    grid->addWidget(txtTempMessages, 1, 1);
    grid->addWidget(cmdTestMessageTime, 1, 2);
    grid->setColumnStretch(3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(chkPromptToDeleteOldTests);
    layout->addStretch();
    return page;
}

void frmOptions::ConnectCommands()
{
    // "Require the student to type the answer" is never on while "Reveal answers" is off.
    connect(chkForceEcho, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            chkRevealAnswers->setChecked(true);
    });
    connect(chkRevealAnswers, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            chkForceEcho->setChecked(false);
    });
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
        Recordset rs(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
        if (rs.Eof()) {
            rs.Close();
            RestoreDefaults();
            return;
        }
        auto check = [&rs](QCheckBox* box, const char* column) {
            IgnoringErrors([&] { SetCheck(box, rs.Field(Col(column))); });
        };
        auto text = [&rs](QComboBox* box, const char* column) {
            IgnoringErrors([&] { box->setCurrentText(rs.Field(Col(column)).toText()); });
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
        IgnoringErrors([&] { SetTimeCombo(rs.Field(Col(Opt::MESSAGE_TIME)).toLong()); });
        text(txtTestDay, Opt::TEST_DAY);
        check(chkPromptToDeleteOldTests, Opt::PROMPT_TO_DELETE_LISTS);
        rs.Close();
    });
}

void frmOptions::SaveOptions()
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
    if (rs.Eof())
        rs.AddNew();
    rs.SetField(Col(Opt::SKIP_TEST_SETUP), CheckText(chkSkipIndividualTestSetup));
    rs.SetField(Col(Opt::PRONOUNCE), CheckText(chkPronounce));
    rs.SetField(Col(Opt::SHOW_DEFINITION), CheckText(chkDefinition));
    rs.SetField(Col(Opt::SHOW_CONTEXT), CheckText(chkSentence));
    rs.SetField(Col(Opt::TEST_ORDER), Variant(txtTestOrder->currentText()));
    rs.SetField(Col(Opt::MOVE_ON_AFTER), Variant(cmbMoveOn->currentText()));
    rs.SetField(Col(Opt::REVEAL_ANSWERS), CheckText(chkRevealAnswers));
    rs.SetField(Col(Opt::REQUIRE_ECHO), CheckText(chkForceEcho));
    rs.SetField(Col(Opt::CLEAR_WRONG_ANSWER), CheckText(chkClearWrongAnswer));
    rs.SetField(Col(Opt::PLAY_CORRECT_SOUND), CheckText(chkPlayRight));
    rs.SetField(Col(Opt::PLAY_INCORRECT_SOUND), CheckText(chkPlayWrong));
    rs.SetField(Col(Opt::MESSAGE_TIME),
                Variant(static_cast<int32_t>(TimeComboValue(txtTempMessages->currentText()))));
    rs.SetField(Col(Opt::TEST_DAY), Variant(txtTestDay->currentText()));
    rs.SetField(Col(Opt::PROMPT_TO_DELETE_LISTS), CheckText(chkPromptToDeleteOldTests));
    rs.Update();
    rs.Close();
}

void frmOptions::RestoreDefaults()
{
    chkPronounce->setChecked(true);
    chkDefinition->setChecked(true);
    chkSentence->setChecked(true);
    cmbMoveOn->setCurrentText(QString::fromLatin1(Opt::DEFAULT_MOVE_ON_AFTER));
    txtTestDay->setCurrentText(QString::fromLatin1(Opt::DEFAULT_TEST_DAY));
    chkPromptToDeleteOldTests->setChecked(true);
    SetTimeCombo(Opt::DEFAULT_MESSAGE_TIME);
    txtTestOrder->setCurrentText(QString::fromLatin1(Opt::DEFAULT_TEST_ORDER));
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
    txtTempMessages->setCurrentText(TimeComboText(messageTime));
}

bool frmOptions::AnyClueChecked() const
{
    return chkDefinition->isChecked() || chkSentence->isChecked() || chkPronounce->isChecked();
}

void frmOptions::SaveClicked()
{
    if (!AnyClueChecked()) {
        Tab1->setCurrentIndex(0);
        MsgBox(QStringLiteral("You must check at least one of the following boxes to save these defaults:"
                              "\r\r    1. Pronounce\r    2. Definition\r    3. Context Sentence"),
               MsgButtons::OK, MsgIcon::None, this);
        chkPronounce->setFocus();
        return;
    }
    Guarded([this] {
        SaveOptions();
        ShowTempMessage(QStringLiteral("Settings Saved"), QString());
        accept();
    });
}

void frmOptions::RestoreDefaultsClicked()
{
    if (MsgBox(QStringLiteral("Are you sure you want to restore all defaults?"), MsgButtons::YesNo,
               MsgIcon::None, this) != MsgResult::Yes)
        return;
    Guarded([this] {
        RestoreDefaults();
        ShowTempMessage(QStringLiteral("Defaults Restored"), QString());
    });
}

void frmOptions::TestMessageTimeClicked()
{
    const int32_t remembered = Globals::MessageTime;
    Globals::MessageTime = TimeComboValue(txtTempMessages->currentText());
    ShowTempMessage(QStringLiteral("Testing"), QStringLiteral("Click To Close"));
    Globals::MessageTime = remembered;
}
