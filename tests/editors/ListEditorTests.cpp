// The list editor against a real database: its grid, details, statistics and word commands.
#include "EditorFixture.h"

#include "Connection.h"

#include "ListQueries.h"
#include "TestQueries.h"
#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "Speech.h"
#include "Tasks.h"
#include "frmLists.h"
#include "WavFiles.h"
#include "WordQueries.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {
QStringList GridTexts(frmEditList* list)
{
    QStringList texts;
    for (int row = 0; row < list->MSFlexGrid1->rowCount(); ++row)
        texts << list->MSFlexGrid1->item(row, 0)->text();
    return texts;
}

QPoint RowCentre(frmEditList* list, int row)
{
    return list->MSFlexGrid1->visualItemRect(list->MSFlexGrid1->item(row, 0)).center();
}
} // namespace

using ListEditor = EditorTest;

TEST_F(ListEditor, ShowsWordsInCreationOrderWithTheFirstSelected)
{
    const int32_t list = AddList();
    const int32_t other = AddList();
    const int32_t zebra = AddWord(list, "zebra", {"striped", ""});
    AddWord(other, "aardvark");
    AddWord(list, "apple");
    AddWord(list, "Mango");

    auto* editor = OpenListEditor(list);
    EXPECT_EQ(editor->windowTitle(), "Edit Word List");
    EXPECT_EQ(editor->MSFlexGrid1->horizontalHeaderItem(0)->text(), "Word");
    EXPECT_EQ(GridTexts(editor), (QStringList{"zebra", "apple", "Mango"}));
    EXPECT_EQ(editor->MSFlexGrid1->currentRow(), 0);
    EXPECT_EQ(editor->RowWordID(0), zebra);
    EXPECT_EQ(editor->txtWord->text(), "zebra");
    EXPECT_EQ(editor->txtDefinition->toPlainText(), "striped");
    EXPECT_EQ(editor->txtCaseSensitive->text(), "NO");
    EXPECT_TRUE(editor->txtWord->isReadOnly());
    EXPECT_EQ(frmEditWord::instance(), nullptr) << "a list with words opens no word editor";

    // Moving the selection shows that word's details.
    QTest::mouseClick(editor->MSFlexGrid1->viewport(), Qt::LeftButton, {}, RowCentre(editor, 2));
    EXPECT_EQ(editor->txtWord->text(), "Mango");
}

TEST_F(ListEditor, ANewListGoesStraightToTheWordEditor)
{
    const int32_t list = AddList();
    OpenListEditor(list); // as the main window does after New List and for Edit List
    auto* editorList = frmEditList::instance();
    ASSERT_NE(editorList, nullptr);
    EXPECT_TRUE(editorList->isVisible());
    EXPECT_EQ(editorList->MSFlexGrid1->rowCount(), 0);
    EXPECT_EQ(editorList->MSFlexGrid1->horizontalHeaderItem(0)->text(), "Word");
    QCoreApplication::processEvents();

    auto* word = frmEditWord::instance();
    ASSERT_NE(word, nullptr);
    EXPECT_TRUE(word->isVisible());
    EXPECT_EQ(word->windowTitle(), "New Word");
    EXPECT_EQ(word->ListID(), list);
    EXPECT_EQ(word->parentWidget(), editorList) << "owned by the list editor, which hears its saves";

    // Saving adds the word at the end of the grid and selects it.
    Type(word, "kite", "a toy that flies");
    Save(word);
    EXPECT_EQ(GridTexts(editorList), QStringList{"kite"});
    EXPECT_EQ(editorList->MSFlexGrid1->currentRow(), 0);
    EXPECT_EQ(editorList->txtWord->text(), "kite");

    // Later showings open nothing by themselves.
    word->close();
    editorList->hide();
    editorList->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(frmEditWord::instance(), nullptr);
}

TEST_F(ListEditor, TheTasksEntryPointOpensTheEditorOnTheList)
{
    const int32_t list = AddList();
    AddWord(list, "owl");
    Tasks tasks;
    frmEditList* opened = tasks.OpenListEditor(list);
    QCoreApplication::processEvents();
    auto* editor = frmEditList::instance();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(opened, editor);
    EXPECT_EQ(editor->ListID(), list);
    EXPECT_EQ(GridTexts(editor), QStringList{"owl"});
    EXPECT_EQ(frmEditWord::instance(), nullptr);
}

TEST_F(ListEditor, StatisticsCountTestsFirstTriesAndEveryMiss)
{
    const int32_t list = AddList();
    const int32_t hard = AddWord(list, "rhythm");
    const int32_t easy = AddWord(list, "cat");
    const int32_t test1 = AddTest(list);
    const int32_t test2 = AddTest(list);
    AddTest(AddList()); // another list's test does not count
    // rhythm: three misses then right in the first test, one miss then right in the second.
    for (int attempt = 1; attempt <= 3; ++attempt)
        RecordAttempt(test1, list, hard, "ritm", "INCORRECT", attempt);
    RecordAttempt(test1, list, hard, "rhythm", "CORRECT", 4);
    RecordAttempt(test2, list, hard, "rythm", "INCORRECT", 1);
    RecordAttempt(test2, list, hard, "rhythm", "CORRECT", 2);
    RecordAttempt(test1, list, easy, "cat", "CORRECT", 1);
    RecordAttempt(test2, list, easy, "cat", "CORRECT", 1);
    // A practice round of the first test's missed word is none of the list's tests.
    const int32_t round = AddTest(list);
    Globals::DbConnection().Execute(
        QStringLiteral("UPDATE TESTS SET PRACTICE_OF = %1 WHERE TEST_ID = %2").arg(test1).arg(round));
    RecordAttempt(round, list, hard, "rythm", "INCORRECT", 1);
    RecordAttempt(round, list, hard, "rhythm", "CORRECT", 2);
    RecordAttempt(round, list, easy, "cat", "CORRECT", 1);
    const int32_t late = AddWord(list, "late"); // added after both tests

    auto* editor = OpenListEditor(list);
    EXPECT_EQ(editor->ListTestCount(), 2);
    EXPECT_EQ(editor->txtTests->text(), "2");
    EXPECT_EQ(editor->txtCorrect->text(), "0");
    EXPECT_EQ(editor->txtIncorrect->text(), "4");
    EXPECT_EQ(CountFirstTryCorrect(easy), 2);
    EXPECT_EQ(CountIncorrect(easy), 0);

    editor->MSFlexGrid1->setCurrentCell(2, 0);
    EXPECT_EQ(editor->RowWordID(2), late);
    EXPECT_EQ(editor->txtTests->text(), "2") << "every test of the list counts";
    EXPECT_EQ(editor->txtCorrect->text(), "0");
    EXPECT_EQ(editor->txtIncorrect->text(), "0");

    // The labels a parent reads beside the numbers.
    EXPECT_EQ(editor->txtTests->accessibleName(), "Total Tests");
    EXPECT_EQ(editor->txtCorrect->accessibleName(), "Correct on first attempt");
    EXPECT_EQ(editor->txtIncorrect->accessibleName(), "Incorrect Guesses");
}

TEST_F(ListEditor, DeleteAsksFirstAndRemovesOnlyThatRow)
{
    const int32_t list = AddList();
    AddWord(list, "one");
    const int32_t two = AddWord(list, "two");
    AddWord(list, "three");
    WriteRecording(Wav("TWO"), Samples(100, 1));
    auto* editor = OpenListEditor(list);
    editor->MSFlexGrid1->setCurrentCell(1, 0);

    answers = {MsgResult::No};
    editor->cmdDeleteWord->click();
    EXPECT_EQ(messages, QStringList{"Delete two?"});
    EXPECT_EQ(GridTexts(editor), (QStringList{"one", "two", "three"}));
    EXPECT_EQ(StoredText(two), "two");

    messages.clear();
    editor->cmdDeleteWord->click();
    EXPECT_EQ(messages, QStringList{"Delete two?"});
    EXPECT_EQ(GridTexts(editor), (QStringList{"one", "three"}));
    EXPECT_EQ(StoredText(two), "");
    EXPECT_FALSE(QFile::exists(Wav("TWO")));
    EXPECT_EQ(CountListWords(list), 2);
    // The row now selected shows its own details.
    EXPECT_EQ(editor->txtWord->text(),
              editor->MSFlexGrid1->item(editor->MSFlexGrid1->currentRow(), 0)->text());
}

TEST_F(ListEditor, DeletingTheOnlyWordLeavesTheHeadingAlone)
{
    const int32_t list = AddList();
    AddWord(list, "solo");
    auto* editor = OpenListEditor(list);
    editor->mnuDelete->trigger();
    EXPECT_EQ(messages, QStringList{"Delete solo?"});
    EXPECT_EQ(editor->MSFlexGrid1->rowCount(), 0);
    EXPECT_EQ(editor->MSFlexGrid1->horizontalHeaderItem(0)->text(), "Word");
    EXPECT_TRUE(editor->txtWord->text().isEmpty());
    EXPECT_FALSE(editor->cmdPronounce->isEnabled());
    EXPECT_EQ(CountListWords(list), 0);

    // With no word row, Edit and Delete do nothing at all.
    messages.clear();
    editor->cmdEditWord->click();
    editor->mnuEdit->trigger();
    editor->cmdDeleteWord->click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(frmEditWord::instance(), nullptr);
}

TEST_F(ListEditor, DeletingTheWordOpenInTheWordEditorClosesItUnsaved)
{
    const int32_t list = AddList();
    const int32_t gone = AddWord(list, "gone");
    AddWord(list, "kept");
    auto* editor = OpenListEditor(list);
    editor->cmdEditWord->click();
    ASSERT_NE(frmEditWord::instance(), nullptr);
    EXPECT_EQ(frmEditWord::instance()->WordID(), gone);
    editor->cmdDeleteWord->click();
    EXPECT_EQ(frmEditWord::instance(), nullptr);
    EXPECT_EQ(StoredText(gone), "");
    EXPECT_EQ(WordRowCount(), 1);
}

TEST_F(ListEditor, EditedWordUpdatesItsOwnRowEvenAfterTheSelectionMoved)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    AddWord(list, "wasp");
    auto* editor = OpenListEditor(list);
    editor->cmdEditWord->click();
    auto* word = frmEditWord::instance();
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->windowTitle(), "Edit Word bee");
    EXPECT_TRUE(word->isVisible());

    editor->MSFlexGrid1->setCurrentCell(1, 0); // the parent looks at another word meanwhile
    word->txtWord->setText("bees");
    word->txtDefinition->setPlainText("more than one bee");
    Save(word);
    EXPECT_EQ(frmEditWord::instance(), nullptr);
    EXPECT_EQ(GridTexts(editor), (QStringList{"bees", "wasp"}));
    EXPECT_EQ(editor->MSFlexGrid1->currentRow(), 0);
    EXPECT_EQ(editor->RowWordID(0), bee);
    EXPECT_EQ(editor->txtDefinition->toPlainText(), "more than one bee");
}

TEST_F(ListEditor, RightClickOnAWordSelectsItAndOffersEditAndDelete)
{
    const int32_t list = AddList();
    AddWord(list, "first");
    const int32_t second = AddWord(list, "second");
    auto* editor = OpenListEditor(list);

    QTest::mouseClick(editor->MSFlexGrid1->viewport(), Qt::RightButton, {}, RowCentre(editor, 1));
    EXPECT_EQ(editor->MSFlexGrid1->currentRow(), 1);
    EXPECT_EQ(editor->txtWord->text(), "second");
    EXPECT_TRUE(editor->mnuPopUp->isVisible());
    editor->mnuPopUp->hide();

    // Below the last word there is nothing to act on.
    const QPoint below(5, editor->MSFlexGrid1->viewport()->height() - 3);
    ASSERT_LT(editor->MSFlexGrid1->rowAt(below.y()), 0);
    QTest::mouseClick(editor->MSFlexGrid1->viewport(), Qt::RightButton, {}, below);
    EXPECT_FALSE(editor->mnuPopUp->isVisible());
    EXPECT_EQ(editor->MSFlexGrid1->currentRow(), 1);

    editor->mnuEdit->trigger();
    ASSERT_NE(frmEditWord::instance(), nullptr);
    EXPECT_EQ(frmEditWord::instance()->WordID(), second);
}

// Pronounce, for a word with and a word without a recording, with the setting "Speak words
// that have no recording" on and off and with a speech engine and without one.
namespace {
struct SpeechCase {
    const char* name;
    const char* setting; // the stored SPEAK_WORDS
    QString engine;      // "" the installed engine, else one that does not exist
    bool speaks;         // a word without a recording can be pronounced
};
void PrintTo(const SpeechCase& c, std::ostream* os) { *os << c.name; }

class PronounceWithSpeech : public EditorTest, public testing::WithParamInterface<SpeechCase> {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        if (GetParam().engine.isEmpty() && !SpeechAvailable())
            GTEST_SKIP() << "no text-to-speech engine is installed";
        SetSpeechEngineForTesting(GetParam().engine);
        Globals::DbConnection().Execute(
            QStringLiteral("INSERT INTO OPTIONS (SPEAK_WORDS) VALUES ('%1')").arg(GetParam().setting));
    }
    void TearDown() override
    {
        EditorTest::TearDown();
        SetSpeechEngineForTesting(QString());
    }
};
} // namespace

TEST_P(PronounceWithSpeech, ListEditorOffersPronounceForARecordingOrAVoice)
{
    const int32_t list = AddList();
    AddWord(list, "quiet");
    AddWord(list, "Loud");
    WriteRecording(Wav("LOUD"), Samples(200, 30));
    AddWord(list, "hollow");
    QFile(Wav("HOLLOW")).open(QIODevice::WriteOnly);
    auto* editor = OpenListEditor(list);
    EXPECT_EQ(editor->cmdPronounce->isEnabled(), GetParam().speaks);
    EXPECT_EQ(editor->cmdPronounce->toolTip(), "Hear the current recording");
    editor->cmdPronounce->click(); // returns at once, with or without a sound device
    editor->MSFlexGrid1->setCurrentCell(1, 0);
    EXPECT_TRUE(editor->cmdPronounce->isEnabled()) << "a recording is always played";
    editor->cmdPronounce->click();
    // An empty recording (a full disk) is none: the word is the voice's, as without a file.
    editor->MSFlexGrid1->setCurrentCell(2, 0);
    EXPECT_EQ(editor->cmdPronounce->isEnabled(), GetParam().speaks);
    editor->cmdPronounce->click();
}

TEST_P(PronounceWithSpeech, WordEditorSpeaksTheTypedWordOnlyWhenSpeechIsOn)
{
    const int32_t list = AddList();
    frmEditWord* editor = OpenWordEditor(list, 0, nullptr);
    EXPECT_EQ(editor->cmdSpeak->accessibleName(), "Speak");
    EXPECT_FALSE(editor->cmdSpeak->isEnabled()) << "nothing typed yet";
    editor->txtWord->setText(QStringLiteral("elephant"));
    EXPECT_EQ(editor->cmdSpeak->isEnabled(), GetParam().speaks);
    editor->cmdSpeak->click();
    editor->txtWord->setText(QStringLiteral("  "));
    EXPECT_FALSE(editor->cmdSpeak->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Speech, PronounceWithSpeech,
    testing::Values(SpeechCase{"OnWithEngine", "TRUE", QString(), true},
                    SpeechCase{"OffWithEngine", "FALSE", QString(), false},
                    SpeechCase{"OnWithoutEngine", "TRUE", QStringLiteral("no-such-engine"), false},
                    SpeechCase{"OffWithoutEngine", "FALSE", QStringLiteral("no-such-engine"), false}),
    [](const testing::TestParamInfo<SpeechCase>& info) { return std::string(info.param.name); });

TEST_F(ListEditor, FileMenuAddsAWordAndCloses)
{
    const int32_t list = AddList();
    AddWord(list, "one");
    auto* editor = OpenListEditor(list);
    EXPECT_EQ(editor->mnuFile->title(), "&File");
    EXPECT_EQ(editor->mnuNewWord->text(), "&New Word...");
    EXPECT_EQ(editor->mnuExit->text(), "&Close");
    editor->mnuNewWord->trigger();
    ASSERT_NE(frmEditWord::instance(), nullptr);
    EXPECT_EQ(frmEditWord::instance()->WordID(), 0);

    editor->mnuExit->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(frmEditList::instance(), nullptr);
    EXPECT_EQ(frmEditWord::instance(), nullptr) << "the word editor closes with its list";
    EXPECT_FALSE(QFile::exists(TempWavPath()));
}

// Closing the list editor while its word editor holds typing that is not stored asks the
// word editor's own question first: Yes saves, No drops, Cancel keeps both windows open.
TEST_F(ListEditor, ClosingWithAnUnsavedWordAsksFirst)
{
    struct Case {
        const char* what;
        bool existing;           // editing "one" rather than adding a word
        const char* definition;  // typed into the word editor ("" leaves nothing to go on)
        std::vector<MsgResult> replies;
        bool asked;
        bool closed;
        const char* storedOne;   // the stored definition of "one" afterwards
        int words;               // words of the list afterwards
    };
    const std::vector<Case> cases{
        {"nothing typed closes at once", false, nullptr, {}, false, true, "first", 1},
        {"No drops the new word", false, "second", {MsgResult::No}, true, true, "first", 1},
        {"Cancel keeps both open", false, "second", {MsgResult::Cancel}, true, false, "first", 1},
        {"Yes stores the new word", false, "second", {MsgResult::Yes}, true, true, "first", 2},
        {"Yes stores the edited word", true, "changed", {MsgResult::Yes}, true, true, "changed",
         1},
        {"a refused save keeps both open", false, "", {MsgResult::Yes, MsgResult::OK}, true,
         false, "first", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Globals::DbConnection().Execute("DELETE FROM WORDS");
        const int32_t list = AddList();
        const int32_t one = AddWord(list, "one", {"first", ""});
        auto* listEditor = OpenListEditor(list);
        (c.existing ? listEditor->cmdEditWord : listEditor->cmdAddWord)->click();
        auto* wordEditor = frmEditWord::instance();
        ASSERT_NE(wordEditor, nullptr);
        if (c.definition)
            Type(wordEditor, c.existing ? "one" : "two", QString::fromUtf8(c.definition));
        messages.clear();
        answers.assign(c.replies.begin(), c.replies.end());

        listEditor->mnuExit->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(!messages.isEmpty() && messages.front() == frmEditWord::UnsavedWordQuestion(),
                  c.asked) << messages.join("|").toStdString();
        EXPECT_EQ(frmEditList::instance() == nullptr, c.closed);
        EXPECT_EQ(frmEditWord::instance() == nullptr, c.closed);
        Recordset rs(QStringLiteral("SELECT DEFINITION FROM WORDS WHERE WORD_ID = %1").arg(one),
                     Globals::DbConnection());
        EXPECT_EQ(rs.Field("DEFINITION").toText(), QString::fromUtf8(c.storedOne));
        EXPECT_EQ(WordRowCount(), c.words);
        if (!c.closed) {
            EXPECT_EQ(wordEditor->txtWord->text(), "two") << "the typing is still there";
            wordEditor->close(); // Cancel on its own drops it without asking
            listEditor->close();
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(frmEditList::instance(), nullptr);
    }
}

TEST_F(ListEditor, EditListHidesTheMainWindowAndClosingRefreshesItsRow)
{
    const int32_t list = AddList();
    AddWord(list, "one");
    auto main = std::make_unique<frmLists>();
    Tasks tasks(main.get());
    main->LoadWordLists();
    main->show();
    ASSERT_EQ(main->ListRowCount(), 1);
    EXPECT_EQ(main->CurrentRow(), 0);
    EXPECT_EQ(main->CellText(0, 1), "1");

    main->findChild<QPushButton*>("cmdEditList")->click();
    QCoreApplication::processEvents();
    auto* editor = frmEditList::instance();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(editor->ListID(), list);

    editor->cmdAddWord->click();
    auto* word = frmEditWord::instance();
    ASSERT_NE(word, nullptr);
    Type(word, "two", "the number after one");
    Save(word);
    word->close();
    editor->close();
    QCoreApplication::processEvents();

    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->CellText(0, 1), "2") << "the word count of the edited list";
}

// Damaged word rows (a key that is empty, text, negative or broken) are left out with one
// message naming them; the good words stay reachable and no stored text reaches a statement.
TEST_F(ListEditor, DamagedWordRowsAreLeftOutAndNamedOnce)
{
    const int32_t list = AddList();
    AddWord(list, "apple");
    for (const char* key : {"NULL", "'1 OR 1=1'", "-99", "2.5"})
        Globals::DbConnection().Execute(
            QStringLiteral("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD) VALUES (%1, %2, 'bad')")
                .arg(QString::fromLatin1(key))
                .arg(list));
    AddWord(list, "pear");
    auto* editor = OpenListEditor(list);
    EXPECT_EQ(GridTexts(editor), (QStringList{"apple", "pear"}));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Some rows of the database are damaged")) << messages[0].toStdString();
    EXPECT_EQ(messages[0].count("WORDS row "), 4) << messages[0].toStdString();
    EXPECT_EQ(editor->txtWord->text(), "apple");
}
