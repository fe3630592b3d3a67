#include "TestDefaultControls.h"

#include "FormHelpers.h"
#include "Options.h"
#include "StoredText.h"
#include "Variant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The texts of the test-default frames, translated as one group.
struct TestDefaults {
    Q_DECLARE_TR_FUNCTIONS(TestDefaults)
};

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    NameControl(frame, name, caption);
    return frame;
}

void BuildDisplayFrame(QWidget* parent, TestDefaultControls& c, const QString& scope,
                       bool editableChoices)
{
    c.frameDisplay = MakeFrame(parent, "frameDisplay", TestDefaults::tr("Display"));
    QWidget* frame = c.frameDisplay;
    // Created in the order they are shown, which is also the Tab order.
    c.chkPronounce = MakeCheckBox(
        frame, "chkPronounce", TestDefaults::tr("&Pronounce"),
        TestDefaults::tr("The word will be pronounced during %1").arg(scope));
    c.chkDefinition = MakeCheckBox(
        frame, "chkDefinition", TestDefaults::tr("Show &Definition"),
        TestDefaults::tr("The definition will be displayed during %1").arg(scope));
    c.chkSentence = MakeCheckBox(
        frame, "chkSentence", TestDefaults::tr("Show Context &Sentence"),
        TestDefaults::tr("The context sentence will be show during %1").arg(scope));
    auto* label5 = MakeLabel(frame, "Label5", TestDefaults::tr("Word Order"));
    c.txtTestOrder = MakeChoiceBox(
        frame, "txtTestOrder", label5, {},
        TestDefaults::tr("The order that the words will appear on %1").arg(scope), editableChoices);
    for (const char* order : {Opt::ORDER_ALPHABETICAL, Opt::ORDER_CREATED, Opt::ORDER_RANDOM})
        AddStoredChoice(c.txtTestOrder, StoredChoiceName(order), QString::fromLatin1(order));
    auto* layout = new QGridLayout(frame);
    layout->addWidget(c.chkPronounce, 0, 0);
    layout->addWidget(c.chkDefinition, 1, 0);
    layout->addWidget(c.chkSentence, 2, 0);
    layout->addWidget(label5, 0, 1);
    layout->addWidget(c.txtTestOrder, 1, 1);
    layout->setColumnStretch(0, 1);
}

void BuildWrongAnswerFrame(QWidget* parent, TestDefaultControls& c, bool editableChoices)
{
    c.frameWrong = MakeFrame(parent, "frameWrong", TestDefaults::tr("Incorrect Answer Behavior"));
    QWidget* frame = c.frameWrong;
    auto* label1 = MakeLabel(frame, "Label1", TestDefaults::tr("Go to the next word after"));
    QStringList counts;
    for (int n = 1; n <= 10; ++n)
        counts << QString::number(n);
    c.cmbMoveOn = MakeChoiceBox(
        frame, "cmbMoveOn", label1, counts,
        TestDefaults::tr("The number of chances given to spell a word correctly before moving on "
                         "to the next word"),
        editableChoices);
    c.cmbMoveOn->setAccessibleName(TestDefaults::tr("Go to the next word after incorrect answers"));
    c.cmbMoveOn->setMinimumContentsLength(3);
    auto* label2 = MakeLabel(frame, "Label2", TestDefaults::tr("incorrect answers"));
    c.chkRevealAnswers = MakeCheckBox(
        frame, "chkRevealAnswers", TestDefaults::tr("&Reveal answers before moving on"),
        TestDefaults::tr("Show the correct answer if the word is not spelled correctly after the "
                         "specified number of chances"));
    c.chkForceEcho = MakeCheckBox(
        frame, "chkForceEcho",
        TestDefaults::tr("Require the student to &type the correct answer after it is revealed"),
        TestDefaults::tr("Require the student to correctly spell the word after it is show"));
    c.chkClearWrongAnswer = MakeCheckBox(
        frame, "chkClearWrongAnswer", TestDefaults::tr("C&lear Incorrect Answers"),
        TestDefaults::tr("Clear the entire mispelled when an answer is incorrect"));
    auto* moveOn = new QHBoxLayout;
    moveOn->addWidget(label1);
    moveOn->addWidget(c.cmbMoveOn);
    moveOn->addWidget(label2);
    moveOn->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(moveOn);
    for (QCheckBox* box : {c.chkRevealAnswers, c.chkForceEcho, c.chkClearWrongAnswer})
        layout->addWidget(box);

    QObject::connect(c.chkForceEcho, &QCheckBox::toggled, frame,
                     [reveal = c.chkRevealAnswers](bool on) {
        if (on)
            reveal->setChecked(true);
    });
    QObject::connect(c.chkRevealAnswers, &QCheckBox::toggled, frame,
                     [echo = c.chkForceEcho](bool on) {
        if (!on)
            echo->setChecked(false);
    });
}

void BuildSoundsFrame(QWidget* parent, TestDefaultControls& c)
{
    c.frameSounds = MakeFrame(parent, "frameSounds", TestDefaults::tr("Sounds"));
    c.chkPlayRight = MakeCheckBox(
        c.frameSounds, "chkPlayRight", TestDefaults::tr("Play Sound After &Correct Answers"),
        TestDefaults::tr("Play a notification sound when a word is spelled correctly"));
    c.chkPlayWrong = MakeCheckBox(
        c.frameSounds, "chkPlayWrong", TestDefaults::tr("Play Sound After &Incorrect Answers"),
        TestDefaults::tr("Play a notification sound when a word is spelled incorrectly"));
    auto* layout = new QVBoxLayout(c.frameSounds);
    layout->addWidget(c.chkPlayRight);
    layout->addWidget(c.chkPlayWrong);
}
} // namespace

void BuildTestDefaultFrames(QWidget* parent, TestDefaultControls& controls, const QString& scope,
                            bool editableChoices)
{
    BuildDisplayFrame(parent, controls, scope, editableChoices);
    BuildWrongAnswerFrame(parent, controls, editableChoices);
    BuildSoundsFrame(parent, controls);
}

bool AnyClueChecked(const TestDefaultControls& c)
{
    return c.chkDefinition->isChecked() || c.chkSentence->isChecked() ||
           c.chkPronounce->isChecked();
}

QString MissingClueMessage(const QString& leadText)
{
    return leadText +
           TestDefaults::tr("\r\r    1. Pronounce\r    2. Definition\r    3. Context Sentence");
}

void SetCheckFromText(QCheckBox* box, const QString& stored)
{
    box->setChecked(TextToCheckValue(stored) == 1);
}

Variant CheckText(const QCheckBox* box)
{
    return Variant(CheckValueToText(box->isChecked() ? 1 : 0));
}

OptionValues TestDefaultValues(const TestDefaultControls& c)
{
    const auto flag = CheckText;
    return {{Opt::PRONOUNCE, flag(c.chkPronounce)},
            {Opt::SHOW_DEFINITION, flag(c.chkDefinition)},
            {Opt::SHOW_CONTEXT, flag(c.chkSentence)},
            {Opt::TEST_ORDER, Variant(StoredChoice(c.txtTestOrder))},
            {Opt::MOVE_ON_AFTER, Variant(c.cmbMoveOn->currentText())},
            {Opt::REVEAL_ANSWERS, flag(c.chkRevealAnswers)},
            {Opt::REQUIRE_ECHO, flag(c.chkForceEcho)},
            {Opt::CLEAR_WRONG_ANSWER, flag(c.chkClearWrongAnswer)},
            {Opt::PLAY_CORRECT_SOUND, flag(c.chkPlayRight)},
            {Opt::PLAY_INCORRECT_SOUND, flag(c.chkPlayWrong)}};
}
