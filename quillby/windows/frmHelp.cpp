#include "frmHelp.h"

#include "FormHelpers.h"
#include "Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
// The topics in the order of the drop-down box. Each text is one message, so that a
// translation can word a whole topic freely.
struct Topic {
    const char* name;
    const char* text;
};

const std::vector<Topic>& Topics()
{
    static const std::vector<Topic> topics{
        {QT_TRANSLATE_NOOP("frmHelp", "Introduction"),
         QT_TRANSLATE_NOOP("frmHelp",
             "Quillby is a great way for children to leantheir weekly spelling words.  When your "
             "child gets their spelling words from the teacher at the beginning of the week, use "
             "the 'Create a New List' feature in Quillby to input each spelling word into the "
             "program.  You can also enter the word's definition, a context sentence, and record "
             "the pronounciation.  Once all the words are entered, your child can go through as "
             "many 'Practice Tests' as they need all week long to help get them ready for the "
             "school test.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Create a Word List"),
         QT_TRANSLATE_NOOP("frmHelp",
             "On the main screen, there are several buttons.  To create a new Word List, click the "
             "'New List' button. Two new screens will open, a large one in the background, and a "
             "smaller one in the foreground.  The smaller window is the 'New Word' window, where "
             "you can type the word, it's definition, a context sentence,  and record the word in "
             "your voice.  When you have entered all the information, click the 'Save' button.  "
             "The word will be added to the list in the large background window, and you can enter "
             "then next word into the smaller window.  When you have entered all the words, close "
             "the 'New Word' window.  The large window will still be visible.  From this window, "
             "you can review the words in the list, and make changes to any of them, or add new "
             "ones.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Take a Practice Test"),
         QT_TRANSLATE_NOOP("frmHelp",
             "Once you have created a word list, you can take a 'Practice Test' at any time by "
             "selecting the proper 'Word List', and clicking the 'Test' button on the Main screen. "
             " You may need to preform a 'Test Setup' to set some options for the test, such as "
             "how many incorrect answers to accept before moving on to the next word.  Once you "
             "have completed the test setup, the 'Practice Test' will begin.\r\n\r\nThe on-screen "
             "clues will tell your child which word to type into the answer box.  If your child "
             "types it correctly, the next word will be given.  If your child answers incorrectly, "
             "they will be notified, and and will be given another chance.  'Test Setup' options "
             "will determine exactly what happens when an incorrect answer is given.\r\n\r\nWhen "
             "the test has been completed, the result will be show to you automatically.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Test History"),
         QT_TRANSLATE_NOOP("frmHelp",
             "To view the test history for any word list, select the word list on the main screen, "
             "and click the 'Past Tests' button.  A list of all past tests for the selected Word "
             "List will appear, and you will be able to see which words have been giving your "
             "child difficulty. The incorrect answers your child has given for each word on each "
             "test can be displayed.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Options (Test Defaults)"),
         QT_TRANSLATE_NOOP("frmHelp",
             "Skip Individual Test Setup -- If this option is checked, all Practice Tests will use "
             "the default settings automatically.  If it is not checked, then you will be prompted "
             "to preform the 'Test Setup' each time.\r\n\r\nPronounce -- Use this option to enable "
             "the Practice Tests to speak the word to your child.\r\n\r\nShow Definition -- Use "
             "this option to display the word's definition on Practice Tests\r\n\r\nShow Context "
             "Sentence -- Use this option to display the word's context sentence on Practice "
             "Tests\r\n\r\nShow Definition -- Use this option to determine the order in which the "
             "words on a Practice Test are given\r\n\r\nIncorrect Answer Behavior -- Use these "
             "options to determine how to respond to incorrect answers on Practice "
             "Tests\r\n\r\nSounds -- Use these options to enable or disable sounds on Practice "
             "Tests")},
        {QT_TRANSLATE_NOOP("frmHelp", "Options (General)"),
         QT_TRANSLATE_NOOP("frmHelp",
             "Tempory Messages -- Temporary messages are notifications that Quillby periodically "
             "shows to the user.  These messages appear for a short time, and then dissaper "
             "automatically.  Use this option to determine how long these messages are displayed "
             "before disappearing.\r\n\r\nSchool Tests On -- Use this option to determine when a "
             "school test date is based on the date the word list is created.\r\n\r\nPrompt to "
             "Delete Old Word Lists -- Use this option to alert you when a Word List has past it's "
             "school test date, so it can be deleted.")},
        // The topics of what came after the first six: each one below them, so the six keep
        // their place in the list.
        {QT_TRANSLATE_NOOP("frmHelp", "The Computer's Voice"),
         QT_TRANSLATE_NOOP("frmHelp",
             "A word that has no recording is not silent: Quillby says it with the computer's own "
             "voice, on Practice Tests and when you click 'Pronounce' in the 'Edit Word List' "
             "window.  A recording always wins: a word you have recorded is always said in your "
             "own voice.\r\n\r\nIn the window where you type a word, the 'Speak' button lets you "
             "hear the word just as your child will hear it on a test.\r\n\r\nSpeak words that "
             "have no recording -- This option, on the 'General Defaults' page of the Options, "
             "turns the computer's voice on or off.  When it is off, or when the computer has no "
             "voice installed, words without a recording stay silent.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Practise Missed Words"),
         QT_TRANSLATE_NOOP("frmHelp",
             "When a test is over and some words were not right at the first try, the 'Test "
             "Results' window offers 'Practise Missed Words': a short round of only those words, "
             "with the same settings as the test.  Each round that still has missed words offers "
             "another one.\r\n\r\nThe results of an older test, opened from 'Past Tests', offer it "
             "too.  'Past Tests' then closes, and the round uses the default test "
             "settings.\r\n\r\n'Past Tests' lists each round as 'Missed words of test' with the "
             "number of the test it came from, scored on the words it asked.  The Total Tests, the "
             "Average Score, the chart and the hardest words count only tests of the whole list.")},
        {QT_TRANSLATE_NOOP("frmHelp", "Chart and Hardest Words"),
         QT_TRANSLATE_NOOP("frmHelp",
             "Below the list of tests, 'Past Tests' shows a chart of the scores of the list's "
             "tests in the order they were taken, so you can see how your child is getting on "
             "during the week.\r\n\r\nUnder the chart, 'Hardest words' lists the words that were "
             "missed on the most tests first, with the number of tests that missed each one and "
             "the wrong spellings your child tried most often.  Click a word there to find it in "
             "the results of the selected test.")},
    };
    return topics;
}

QString Translated(const char* text) { return QCoreApplication::translate("frmHelp", text); }
} // namespace

QStringList HelpTopicNames()
{
    QStringList names;
    for (const Topic& topic : Topics())
        names << Translated(topic.name);
    return names;
}

QString HelpTopicText(const QString& topicName)
{
    const QString wanted = topicName.toUpper();
    for (const Topic& topic : Topics())
        if (Translated(topic.name).toUpper() == wanted ||
            QString::fromLatin1(topic.name).toUpper() == wanted)
            return Translated(topic.text);
    return {};
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));
    AddCloseKeys(this);
    setAccessibleName(windowTitle());

    Label1 = MakeLabel(this, "Label1", tr("Help Topic:"));
    txtTopic = new QComboBox(this);
    NameControl(txtTopic, "txtTopic", tr("Help Topic"));
    Label1->setBuddy(txtTopic);
    txtHelp = new QPlainTextEdit(this);
    NameControl(txtHelp, "txtHelp", tr("Help text"));
    txtHelp->setReadOnly(true);
    txtHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* topicRow = new QHBoxLayout;
    topicRow->addWidget(Label1);
    topicRow->addWidget(txtTopic, 1);
    // The text fills the window below the topic row, from its left edge to its right edge.
    const int margin = Twips(120);
    topicRow->setContentsMargins(margin, 0, margin, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, margin, 0, 0);
    layout->addLayout(topicRow);
    layout->addWidget(txtHelp, 1);
    setMinimumSize(Twips(4000), Twips(3000));
    resize(Twips(8000), Twips(6000));

    connect(txtTopic, &QComboBox::currentTextChanged, this, &frmHelp::ShowTopic);
    txtTopic->addItems(HelpTopicNames()); // selects the first topic, which shows its text
    txtTopic->setFocus();
}

void frmHelp::ShowTopic(const QString& topicName)
{
    QString text = HelpTopicText(topicName);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtHelp->setPlainText(text);
}
