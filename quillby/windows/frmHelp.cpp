#include "frmHelp.h"

#include "FormHelpers.h"
#include "Twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
const QString kBreak = QStringLiteral("\r\n");

struct Topic {
    QString name;
    QString text;
};

const std::vector<Topic>& Topics()
{
    static const std::vector<Topic> topics{
        {QStringLiteral("Introduction"),
         QStringLiteral("Quillby is a great way for children to leantheir weekly spelling words.  When")
             + QStringLiteral(" your child gets their spelling words from the teacher at the beginning of the week,")
             + QStringLiteral(" use the 'Create a New List' feature in Quillby to input each spelling word")
             + QStringLiteral(" into the program.  You can also enter the word's definition, a context sentence, and record the")
             + QStringLiteral(" pronounciation.  Once all the words are entered, your child can go through as many 'Practice Tests'")
             + QStringLiteral(" as they need all week long to help get them ready for the school test.")},
        {QStringLiteral("Create a Word List"),
         QStringLiteral("On the main screen, there are several buttons.  To create a new Word List, click the 'New List'")
             + QStringLiteral(" button. Two new screens will open, a large one in the background, and a smaller one in the foreground. ")
             + QStringLiteral(" The smaller window is the 'New Word' window, where you can type the word, it's definition, a context sentence, ")
             + QStringLiteral(" and record the word in your voice.  When you have entered all the information, click the 'Save' button.  The word")
             + QStringLiteral(" will be added to the list in the large background window, and you can enter then next word into the smaller window. ")
             + QStringLiteral(" When you have entered all the words, close the 'New Word' window.  The large window will still be visible.  From this")
             + QStringLiteral(" window, you can review the words in the list, and make changes to any of them, or add new ones.")},
        {QStringLiteral("Take a Practice Test"),
         QStringLiteral("Once you have created a word list, you can take a 'Practice Test' at any time by selecting the proper 'Word List', and clicking the 'Test' button")
             + QStringLiteral(" on the Main screen.  You may need to preform a 'Test Setup' to set some options for the test, such as how many incorrect answers to accept")
             + QStringLiteral(" before moving on to the next word.  Once you have completed the test setup, the 'Practice Test' will begin.")
             + kBreak + kBreak
             + QStringLiteral("The on-screen clues will tell your child which word to type into the answer box. ")
             + QStringLiteral(" If your child types it correctly, the next word will be given.  If your child answers incorrectly, they will be notified, and")
             + QStringLiteral(" and will be given another chance.  'Test Setup' options will determine exactly what happens when an incorrect answer is given.")
             + kBreak + kBreak
             + QStringLiteral("When the test has been completed, the result will be show to you automatically.")},
        {QStringLiteral("Test History"),
         QStringLiteral("To view the test history for any word list, select the word list on the main screen, and click the 'Past Tests' button. ")
             + QStringLiteral(" A list of all past tests for the selected Word List will appear, and you will be able to see which words have been giving your child difficulty.")
             + QStringLiteral(" The incorrect answers your child has given for each word on each test can be displayed.")},
        {QStringLiteral("Options (Test Defaults)"),
         QStringLiteral("Skip Individual Test Setup -- If this option is checked, all Practice Tests will use the default settings automatically.  If it is")
             + QStringLiteral(" not checked, then you will be prompted to preform the 'Test Setup' each time.")
             + kBreak + kBreak
             + QStringLiteral("Pronounce -- Use this option to enable the Practice Tests to speak the word to your child.")
             + kBreak + kBreak
             + QStringLiteral("Show Definition -- Use this option to display the word's definition on Practice Tests")
             + kBreak + kBreak
             + QStringLiteral("Show Context Sentence -- Use this option to display the word's context sentence on Practice Tests")
             + kBreak + kBreak
             + QStringLiteral("Show Definition -- Use this option to determine the order in which the words on a Practice Test are given")
             + kBreak + kBreak
             + QStringLiteral("Incorrect Answer Behavior -- Use these options to determine how to respond to incorrect answers on Practice Tests")
             + kBreak + kBreak
             + QStringLiteral("Sounds -- Use these options to enable or disable sounds on Practice Tests")},
        {QStringLiteral("Options (General)"),
         QStringLiteral("Tempory Messages -- Temporary messages are notifications that Quillby periodically shows to the user.  These")
             + QStringLiteral(" messages appear for a short time, and then dissaper automatically.  Use this option to determine how long these messages are displayed before disappearing.")
             + kBreak + kBreak
             + QStringLiteral("School Tests On -- Use this option to determine when a school test date is based on the date the word list is created.")
             + kBreak + kBreak
             + QStringLiteral("Prompt to Delete Old Word Lists -- Use this option to alert you when a Word List has past it's school test date, so it can be deleted.")},
    };
    return topics;
}
} // namespace

QStringList HelpTopicNames()
{
    QStringList names;
    for (const Topic& topic : Topics())
        names << topic.name;
    return names;
}

QString HelpTopicText(const QString& topicName)
{
    const QString wanted = topicName.toUpper();
    for (const Topic& topic : Topics())
        if (topic.name.toUpper() == wanted)
            return topic.text;
    return {};
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    AddCloseKeys(this);
    setAccessibleName(windowTitle());

    Label1 = MakeLabel(this, "Label1", QStringLiteral("Help Topic:"));
    txtTopic = new QComboBox(this);
    NameControl(txtTopic, "txtTopic", QStringLiteral("Help Topic"));
    Label1->setBuddy(txtTopic);
    txtHelp = new QPlainTextEdit(this);
    NameControl(txtHelp, "txtHelp", QStringLiteral("Help text"));
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
    text.replace(kBreak, QStringLiteral("\n"));
    txtHelp->setPlainText(text);
}
