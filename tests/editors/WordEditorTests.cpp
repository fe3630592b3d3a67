// The word editor against a real database and real files in a temporary application folder.
// Recordings stand in as WAV files written where the microphone's recording would land.
#include "EditorFixture.h"
#include "Pronounce.h"
#include "SoundFolder.h"

#include "ListQueries.h"
#include "Connection.h"
#include "Globals.h"
#include "InitApplication.h"
#include "Recordset.h"
#include "Sound.h"
#include "Statements.h"
#include "WavFiles.h"
#include "WavWriter.h"

#include <csignal>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {
const QString kFourLines = QStringLiteral("At least one of the following items must be provided:\r"
                                          "   1. A Definition\r"
                                          "   2. A Context Sentence\r"
                                          "or 3. A Recording of the word");
const QString kBlankWord =
    QStringLiteral("Can not save a blank word.  Please type the word in the box provided.");

// The widget Tab moves to from w: the next one in the focus chain that takes Tab focus.
QWidget* NextTabStop(QWidget* w)
{
    QWidget* next = w->nextInFocusChain();
    while (next != w && !((next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
                          next->isEnabled()))
        next = next->nextInFocusChain();
    return next;
}

QString AccessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

bool WavButtonsEnabled(frmEditWord* editor)
{
    EXPECT_EQ(editor->cmdPlay->isEnabled(), editor->cmdDeleteWav->isEnabled());
    return editor->cmdPlay->isEnabled();
}

QString CaseFlag(int32_t wordId)
{
    Recordset rs(QString(Sql::SELECT_WORDS) + Sql::WHERE_WORD_ID + QString::number(wordId) + " ",
                 Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field("CASE_SENSITIVE").toText();
}
} // namespace

using WordEditor = EditorTest;

TEST_F(WordEditor, CaptionAndRecordingButtonsFollowTheWordShown)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const int32_t ant = AddWord(list, "ant");
    const QByteArray stored = WriteRecording(Wav("BEE"), Samples(500, 90));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    EXPECT_EQ(editor->windowTitle(), "New Word");
    EXPECT_FALSE(WavButtonsEnabled(editor));

    editor->SetWordID(bee);
    EXPECT_EQ(editor->windowTitle(), "Edit Word bee");
    EXPECT_EQ(editor->txtWord->text(), "bee");
    EXPECT_EQ(editor->txtDefinition->toPlainText(), "a definition");
    EXPECT_TRUE(WavButtonsEnabled(editor));
    EXPECT_EQ(FileBytes(TempWavPath()), stored) << "the working copy is the stored recording";

    editor->SetWordID(ant);
    EXPECT_EQ(editor->windowTitle(), "Edit Word ant");
    EXPECT_FALSE(WavButtonsEnabled(editor));
    EXPECT_FALSE(QFile::exists(TempWavPath()));

    // A new word keeps the text of the word shown before, and nothing else.
    editor->SetWordID(0);
    EXPECT_EQ(editor->windowTitle(), "New Word");
    EXPECT_EQ(editor->txtWord->text(), "ant");
    EXPECT_TRUE(editor->txtDefinition->toPlainText().isEmpty());
    EXPECT_FALSE(editor->chkCaseSensitive->isChecked());
}

TEST_F(WordEditor, ControlsCarryTheirNamesCaptionsAndTabOrder)
{
    CallerSpy spy;
    auto* editor = OpenWordEditor(AddList(), 0, &spy);
    EXPECT_EQ(editor->objectName(), "frmEditWord");
    for (const char* name : {"txtWord", "chkCaseSensitive", "txtDefinition", "txtSentence",
                             "frameWav", "cmdRecord", "cmdStop", "cmdPlay", "cmdDeleteWav",
                             "Shape1", "cmdSaveWord", "cmdCancel", "Label1", "Label2", "Label3"}) {
        auto* control = editor->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(AccessibleName(control).isEmpty()) << name;
    }
    EXPECT_EQ(editor->cmdStop->toolTip(), "Stop recording");
    EXPECT_EQ(editor->cmdRecord->toolTip(), "Record the pronounciation");
    EXPECT_EQ(editor->mnuSave->text(), "&Save");
    EXPECT_EQ(editor->mnuExit->text(), "E&xit");
    EXPECT_FALSE(editor->cmdStop->isVisible());
    EXPECT_FALSE(editor->Shape1->isVisible());

    QWidget* expected[] = {editor->txtWord, editor->chkCaseSensitive, editor->txtDefinition,
                           editor->txtSentence, editor->cmdSaveWord, editor->cmdCancel};
    for (size_t i = 0; i + 1 < std::size(expected); ++i)
        EXPECT_EQ(NextTabStop(expected[i]), expected[i + 1])
            << expected[i]->objectName().toStdString();
}

TEST_F(WordEditor, NewWordIsStoredTrimmedAndTheEditorEmptiesForTheNext)
{
    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "  bee  ", "  a flying insect ", " A bee stung me. ");
    editor->chkCaseSensitive->setChecked(true);
    Save(editor);

    ASSERT_EQ(spy.added.size(), 1u);
    EXPECT_TRUE(spy.updated.empty());
    const int32_t id = spy.added.front();
    EXPECT_EQ(StoredText(id), "bee");
    EXPECT_EQ(CaseFlag(id), "TRUE");
    EXPECT_EQ(CountListWords(list), 1);
    EXPECT_TRUE(messages.isEmpty());

    EXPECT_TRUE(editor->isVisible()) << "the editor stays open for the next word";
    EXPECT_EQ(editor->windowTitle(), "New Word");
    EXPECT_EQ(editor->WordID(), 0);
    EXPECT_TRUE(editor->txtWord->text().isEmpty());
    EXPECT_TRUE(editor->txtDefinition->toPlainText().isEmpty());
    EXPECT_FALSE(editor->chkCaseSensitive->isChecked());
    EXPECT_FALSE(WavButtonsEnabled(editor));

    // The next word gets its own row.
    Type(editor, "wasp", "", "A wasp flew by.");
    editor->mnuSave->trigger();
    ASSERT_EQ(spy.added.size(), 2u);
    EXPECT_NE(spy.added[0], spy.added[1]);
    EXPECT_EQ(CaseFlag(spy.added[1]), "FALSE");
}

TEST_F(WordEditor, ExistingWordSaveNotifiesWhileOpenThenCloses)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    Type(editor, " bees ", "insects");
    Save(editor);

    ASSERT_EQ(spy.updated.size(), 1u);
    EXPECT_EQ(spy.updated.front(), bee);
    EXPECT_TRUE(spy.editorOpenAtUpdate);
    EXPECT_EQ(spy.wordBoxAtUpdate, "bees");
    EXPECT_EQ(StoredText(bee), "bees");
    EXPECT_EQ(frmEditWord::instance(), nullptr) << "an edited word closes the editor";
    EXPECT_EQ(WordRowCount(), 1);
}

TEST_F(WordEditor, SaveRefusesABlankWordAndAWordWithNothingToGoOn)
{
    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    editor->activateWindow();

    Type(editor, "   ", "a definition");
    Save(editor);
    ASSERT_EQ(messages, QStringList{kBlankWord});
    EXPECT_EQ(editor->focusWidget(), editor->txtWord);

    messages.clear();
    Type(editor, "bee", "   ", "");
    Save(editor);
    ASSERT_EQ(messages, QStringList{kFourLines});
    EXPECT_EQ(editor->focusWidget(), editor->txtDefinition);
    EXPECT_EQ(editor->txtWord->text(), "bee") << "the window keeps its content";
    EXPECT_EQ(WordRowCount(), 0);
    EXPECT_TRUE(spy.added.empty());

    // A recording alone is enough, and it is stored under the word's name.
    messages.clear();
    const QByteArray voice = RecordInto(editor, Samples(1001, 200));
    Save(editor);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(spy.added.size(), 1u);
    EXPECT_EQ(FileBytes(Wav("BEE")), voice);
    EXPECT_FALSE(QFile::exists(TempWavPath())) << "the working copy goes after a new word";
}

TEST_F(WordEditor, RenamingMovesTheRecordingAndOnlyCaseChangesMoveNothing)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray beeVoice = WriteRecording(Wav("BEE"), Samples(400, 10));
    WriteRecording(Wav("BE"), Samples(300, 250)); // a stale recording under the new name

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("Be");
    Save(editor);
    EXPECT_EQ(StoredText(bee), "Be");
    EXPECT_FALSE(QFile::exists(Wav("BEE")));
    EXPECT_EQ(FileBytes(Wav("BE")), beeVoice) << "BEE.wav moved to BE.wav, replacing it";

    // Only the letter case changes: the same file stays untouched.
    const QDateTime before = QFileInfo(Wav("BE")).lastModified();
    editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("BE");
    Save(editor);
    EXPECT_EQ(StoredText(bee), "BE");
    EXPECT_EQ(FileBytes(Wav("BE")), beeVoice);
    EXPECT_EQ(QFileInfo(Wav("BE")).lastModified(), before);
    EXPECT_EQ(WavFolderEntries(), QStringList{"BE.wav"});
}

TEST_F(WordEditor, RenamingKeepsARecordingThatAnotherWordStillPlays)
{
    const int32_t list = AddList();
    const int32_t other = AddList();
    const int32_t bee = AddWord(list, "bee");
    AddWord(other, "Bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("be");
    Save(editor);
    EXPECT_EQ(FileBytes(Wav("BE")), voice);
    EXPECT_EQ(FileBytes(Wav("BEE")), voice) << "the other list's Bee still has its recording";
}

TEST_F(WordEditor, RecordingAgainUnderANewTextKeepsTheOldFile)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray oldVoice = WriteRecording(Wav("BEE"), Samples(400, 10));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("sea");
    const QByteArray newVoice = RecordInto(editor, Samples(600, 240));
    Save(editor);

    EXPECT_EQ(StoredText(bee), "sea");
    EXPECT_EQ(FileBytes(Wav("BEE")), oldVoice);
    EXPECT_EQ(FileBytes(Wav("SEA")), newVoice);
}

TEST_F(WordEditor, DeleteThenSaveWithoutRecordingKeepsTheStoredRecording)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    Click(editor->cmdDeleteWav);
    EXPECT_FALSE(QFile::exists(TempWavPath()));
    EXPECT_TRUE(WavButtonsEnabled(editor)) << "Delete leaves the buttons as they were";
    Save(editor);
    EXPECT_EQ(FileBytes(Wav("BEE")), voice);
}

TEST_F(WordEditor, RecordStopDeleteSaveRemovesTheStoredRecording)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    WriteRecording(Wav("BEE"), Samples(400, 10));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    RecordInto(editor, Samples(300, 99));
    EXPECT_TRUE(WavButtonsEnabled(editor));
    Click(editor->cmdDeleteWav);
    Save(editor);
    EXPECT_FALSE(QFile::exists(Wav("BEE")));
    EXPECT_EQ(StoredText(bee), "bee") << "the word itself stays";
}

TEST_F(WordEditor, WordsOfEqualTextInAnyCaseShareOneRecording)
{
    const int32_t first = AddList();
    const int32_t second = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(first, 0, &spy);
    Type(editor, "Their", "belonging to them");
    RecordInto(editor, Samples(500, 20));
    Save(editor);

    editor->SetListID(second);
    Type(editor, "their", "belonging to them");
    const QByteArray secondFile = RecordInto(editor, Samples(700, 230));
    Save(editor);

    EXPECT_EQ(WavFolderEntries(), QStringList{"THEIR.wav"});
    EXPECT_EQ(FileBytes(Wav("THEIR")), secondFile);
    ASSERT_EQ(spy.added.size(), 2u);
    // Both words find the one recording.
    for (int32_t id : spy.added) {
        editor->SetWordID(id);
        EXPECT_TRUE(WavButtonsEnabled(editor));
        EXPECT_EQ(FileBytes(TempWavPath()), secondFile);
    }
}

TEST_F(WordEditor, RecordingShowsABlinkingIndicatorUntilStop)
{
    CallerSpy spy;
    auto* editor = OpenWordEditor(AddList(), 0, &spy);
    editor->txtWord->setText("owl");
    Click(editor->cmdRecord);
    EXPECT_TRUE(editor->IsRecording());
    EXPECT_TRUE(editor->NewRecording());
    EXPECT_FALSE(editor->cmdRecord->isVisible());
    EXPECT_TRUE(editor->cmdStop->isVisible());
    EXPECT_TRUE(editor->Shape1->isVisible());
    EXPECT_FALSE(WavButtonsEnabled(editor));
    EXPECT_EQ(editor->Timer1->interval(), 250);
    EXPECT_TRUE(editor->Timer1->isActive());

    // The fill alternates between white and red.
    const QColor first = editor->IndicatorColor();
    EXPECT_TRUE(first == QColor(Qt::red) || first == QColor(Qt::white));
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor->IndicatorColor() != first; }, 10000));
    const QColor second = editor->IndicatorColor();
    EXPECT_TRUE(second == QColor(Qt::red) || second == QColor(Qt::white));
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor->IndicatorColor() == first; }, 10000));

    Click(editor->cmdStop);
    EXPECT_FALSE(editor->IsRecording());
    EXPECT_FALSE(IsRecording());
    EXPECT_TRUE(editor->cmdRecord->isVisible());
    EXPECT_FALSE(editor->cmdStop->isVisible());
    EXPECT_FALSE(editor->Shape1->isVisible());
    EXPECT_TRUE(WavButtonsEnabled(editor)) << "enabled whether or not a file came out";
}

TEST_F(WordEditor, ClosingWhileRecordingDiscardsTheRecording)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    Click(editor->cmdRecord);
    ASSERT_TRUE(editor->IsRecording());
    editor->mnuExit->trigger();
    QCoreApplication::processEvents();

    EXPECT_EQ(frmEditWord::instance(), nullptr);
    EXPECT_FALSE(IsRecording()) << "the microphone is not left open";
    EXPECT_FALSE(QFile::exists(TempWavPath()));
    EXPECT_EQ(FileBytes(Wav("BEE")), voice);
    EXPECT_EQ(StoredText(bee), "bee");
    EXPECT_TRUE(spy.updated.empty());
}

TEST_F(WordEditor, CancelLeavesEverythingAsStored)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    Type(editor, "wasp", "changed");
    Click(editor->cmdCancel);
    EXPECT_EQ(frmEditWord::instance(), nullptr);
    EXPECT_EQ(StoredText(bee), "bee");
    EXPECT_TRUE(spy.updated.empty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WordEditor, ARefusedDatabaseWriteMovesNoRecording)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));
    Globals::DbConnection().Execute("CREATE TRIGGER refuse BEFORE UPDATE ON WORDS "
                                    "BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("Be");
    Save(editor);

    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.value(0).contains("disk I/O error"));
    EXPECT_EQ(StoredText(bee), "bee");
    EXPECT_EQ(FileBytes(Wav("BEE")), voice) << "the recording stays with the stored text";
    EXPECT_FALSE(QFile::exists(Wav("BE")));
    EXPECT_EQ(frmEditWord::instance(), editor) << "the editor keeps the parent's typing";
    EXPECT_EQ(editor->txtWord->text(), "Be");
    EXPECT_TRUE(spy.updated.empty());
}

// Another program holds the database's write lock while the parent saves: the save fails,
// and every recording is as it was, above all one that other words share.
TEST_F(WordEditor, ASaveRefusedByALockedDatabaseChangesNoRecording)
{
    struct Case {
        const char* what;
        const char* newText;
        bool record;       // a new take before saving
        bool deleteTake;   // Record, Stop, Delete: the save would remove the recording
    };
    const int32_t list = AddList();
    const int32_t other = AddList();
    const int32_t banana = AddWord(list, "banana");
    const int32_t apple1 = AddWord(other, "apple");
    const int32_t apple2 = AddWord(other, "Apple");
    const QByteArray bananaVoice = WriteRecording(Wav("BANANA"), Samples(400, 10));
    const QByteArray appleVoice = WriteRecording(Wav("APPLE"), Samples(500, 200));
    const QStringList files = WavFolderEntries();

    sqlite3* locker = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(folder->dbPath()).constData(), &locker), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(locker, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    for (const Case c : {Case{"onto a shared recording", "apple", false, false},
                         Case{"onto a free name", "cherry", false, false},
                         Case{"a new take", "banana", true, false},
                         Case{"a new take onto a shared recording", "apple", true, false},
                         Case{"a removed take", "banana", true, true}}) {
        SCOPED_TRACE(c.what);
        messages.clear();
        CallerSpy spy;
        auto* editor = OpenWordEditor(list, banana, &spy);
        editor->txtWord->setText(c.newText);
        if (c.record)
            RecordInto(editor, Samples(300, 99));
        if (c.deleteTake)
            Click(editor->cmdDeleteWav);
        Save(editor);
        EXPECT_EQ(messages.size(), 1) << "the failed save is reported";
        EXPECT_TRUE(spy.updated.empty());
        EXPECT_EQ(StoredText(banana), "banana");
        EXPECT_EQ(FileBytes(Wav("BANANA")), bananaVoice);
        EXPECT_EQ(FileBytes(Wav("APPLE")), appleVoice) << "both apples keep their recording";
        QStringList left = WavFolderEntries();
        left.removeOne(".changing"); // the failed change is marked for the next start
        EXPECT_EQ(left, files) << "no copy and no side file is left";
        editor->close();
    }
    sqlite3_exec(locker, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(locker);

    // Unlocked, the rename goes through and the renamed word joins the apples' recording.
    messages.clear();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, banana, &spy);
    editor->txtWord->setText("apple");
    Save(editor);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    EXPECT_EQ(StoredText(banana), "apple");
    EXPECT_EQ(FileBytes(Wav("APPLE")), appleVoice);
    EXPECT_EQ(WavFolderEntries(), QStringList{"APPLE.wav"}) << "banana's file has no word left";
    EXPECT_EQ(StoredText(apple1), "apple");
    EXPECT_EQ(StoredText(apple2), "Apple");
}

TEST_F(WordEditor, ARecordingThatCannotBeWrittenIsReportedAndLosesNothing)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));
    // Names taken by folders stand for a disk that refuses the file.
    ASSERT_TRUE(QDir(Globals::WavPath).mkdir("BE.wav"));
    ASSERT_TRUE(QDir(Globals::WavPath).mkdir("OWL.wav"));

    CallerSpy spy;
    auto* editor = OpenWordEditor(list, bee, &spy);
    editor->txtWord->setText("be");
    Save(editor);
    EXPECT_EQ(messages, QStringList{frmEditWord::RecordingNotStoredMessage(Wav("BE"))});
    EXPECT_EQ(StoredText(bee), "be");
    EXPECT_EQ(FileBytes(Wav("BEE")), voice) << "the recording is still on the disk";

    messages.clear();
    editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "owl", "a bird");
    const QByteArray take = RecordInto(editor, Samples(300, 77));
    Save(editor);
    EXPECT_EQ(messages, QStringList{frmEditWord::RecordingNotStoredMessage(Wav("OWL"))});
    ASSERT_EQ(spy.added.size(), 1u);
    EXPECT_EQ(StoredText(spy.added.front()), "owl");
    EXPECT_EQ(WavFolderEntries(), (QStringList{"BE.wav", "BEE.wav", "OWL.wav"}))
        << "no side file is left behind";

    // The take stays in the editor, and saving again once the disk has room stores it.
    ASSERT_EQ(frmEditWord::instance(), editor) << "the editor stays open with the take";
    EXPECT_EQ(editor->txtWord->text(), "owl");
    EXPECT_EQ(FileBytes(TempWavPath()), take);
    ASSERT_TRUE(QDir(Globals::WavPath).rmdir("OWL.wav"));
    messages.clear();
    Save(editor);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    EXPECT_EQ(FileBytes(Wav("OWL")), take);
    ASSERT_FALSE(spy.updated.empty());
    EXPECT_EQ(spy.updated.back(), spy.added.front()) << "the same row, updated";
    EXPECT_EQ(WordRowCount(), 2) << "bee (now be) and owl";
}

// What a failed recording may leave in the working file (an empty file, a header without
// sound, bytes that are no WAVE file) is never stored, and a stored one is no recording.
TEST_F(WordEditor, AnEmptyOrDamagedRecordingIsNeverStored)
{
    const QByteArray headerOnly = [] {
        const QString path = QDir::temp().filePath("quillby-header-only.wav");
        WriteWavFile(path, {});
        QByteArray bytes = FileBytes(path);
        QFile::remove(path);
        return bytes;
    }();
    struct Case { const char* what; QByteArray bytes; };
    for (const Case& c : {Case{"empty file", {}}, Case{"header without sound", headerOnly},
                          Case{"no WAVE file", QByteArray(300, 'x')}}) {
        SCOPED_TRACE(c.what);
        QDir(Globals::WavPath).removeRecursively();
        QDir().mkpath(Globals::WavPath);
        messages.clear();
        const int32_t list = AddList();
        const int32_t owl = AddWord(list, "owl");
        const QByteArray voice = WriteRecording(Wav("OWL"), Samples(400, 10));
        auto writeTake = [&](const QString& path) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.bytes);
        };

        // A take that came out damaged does not replace the stored recording.
        CallerSpy spy;
        auto* editor = OpenWordEditor(list, owl, &spy);
        Click(editor->cmdRecord);
        Click(editor->cmdStop);
        writeTake(TempWavPath());
        Save(editor);
        EXPECT_EQ(FileBytes(Wav("OWL")), voice);

        // Nor does it count as the one thing a new word must have.
        editor = OpenWordEditor(list, 0, &spy);
        Type(editor, "bat");
        Click(editor->cmdRecord);
        Click(editor->cmdStop);
        writeTake(TempWavPath());
        Save(editor);
        EXPECT_EQ(messages, QStringList{kFourLines});
        EXPECT_FALSE(QFile::exists(Wav("BAT")));
        EXPECT_TRUE(spy.added.empty());
        editor->close();

        // A damaged file already stored is no recording: nothing to play or delete.
        writeTake(Wav("OWL"));
        editor = OpenWordEditor(list, owl, &spy);
        EXPECT_FALSE(WavButtonsEnabled(editor));
        EXPECT_EQ(FileBytes(Wav("OWL")), c.bytes) << "the file itself is left alone";
        editor->close();
    }
}

// Texts a parent may type: each is stored and shown back exactly, and has its recording when
// it can name a file.
struct OddText {
    const char* label;
    QString text;
    bool canHaveRecording;
};

class WordEditorOddTexts : public EditorTest, public ::testing::WithParamInterface<OddText> {};

TEST_P(WordEditorOddTexts, AreSavedAndShownUnchanged)
{
    const OddText& odd = GetParam();
    const int32_t list = AddList();
    auto* listEditor = OpenListEditor(list);
    QCoreApplication::processEvents(); // the empty list opens the word editor
    auto* editor = frmEditWord::instance();
    ASSERT_NE(editor, nullptr);
    Type(editor, odd.text, "a definition", "It's \"quoted\"; -- DROP TABLE WORDS;");

    // Record says at once when the text cannot have a recording.
    Click(editor->cmdRecord);
    if (odd.canHaveRecording) {
        EXPECT_TRUE(messages.isEmpty());
        Click(editor->cmdStop);
        WriteRecording(TempWavPath(), Samples(400, 60));
    } else {
        EXPECT_EQ(messages, QStringList{frmEditWord::NoRecordingMessage()});
        EXPECT_FALSE(editor->IsRecording());
        // A recording made before the text was typed is not kept either, and the parent is told.
        WriteRecording(TempWavPath(), Samples(400, 60));
        messages.clear();
    }
    Save(editor);
    if (!odd.canHaveRecording) {
        EXPECT_EQ(messages, QStringList{frmEditWord::NoRecordingMessage()});
    }

    ASSERT_EQ(listEditor->MSFlexGrid1->rowCount(), 1);
    const int32_t id = listEditor->RowWordID(0);
    EXPECT_EQ(StoredText(id), odd.text);
    EXPECT_EQ(listEditor->MSFlexGrid1->item(0, 0)->text(), odd.text);
    EXPECT_EQ(listEditor->txtWord->text(), odd.text);
    EXPECT_EQ(listEditor->txtSentence->toPlainText(), "It's \"quoted\"; -- DROP TABLE WORDS;");
    EXPECT_EQ(WordRowCount(), 1);

    if (odd.canHaveRecording) {
        EXPECT_EQ(WavFolderEntries(), QStringList{odd.text.toUpper() + ".wav"});
        EXPECT_TRUE(listEditor->cmdPronounce->isEnabled());
    } else {
        EXPECT_TRUE(WavFolderEntries().isEmpty());
        // Without a recording only the computer's voice can say it.
        EXPECT_EQ(listEditor->cmdPronounce->isEnabled(), WillSpeakWords());
    }
    // Nothing escaped the sound folder.
    const QStringList appFiles =
        QDir(folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& name : appFiles)
        EXPECT_TRUE(name == "Wavs" || name.startsWith("Quillby.mdb")) << name.toStdString();

    // Opened again, the editor shows the text as typed.
    auto* again = OpenWordEditor(list, id, nullptr);
    EXPECT_EQ(again->txtWord->text(), odd.text);
    EXPECT_EQ(again->windowTitle(), "Edit Word " + odd.text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WordEditorOddTexts,
    ::testing::Values(OddText{"apostrophe", QStringLiteral("don't"), true},
                      OddText{"accents", QStringLiteral("café naïve Zoë"), true},
                      OddText{"slash", QStringLiteral("and/or"), false},
                      OddText{"backslash", QStringLiteral("a\\b"), false},
                      OddText{"dots", QStringLiteral(".."), false},
                      OddText{"longest with a recording", QString(251, QLatin1Char('w')), true},
                      OddText{"long", QString(2000, QLatin1Char('w')), false}),
    [](const auto& info) { return QString(info.param.label).remove(' ').toStdString(); });

// The program killed between the steps of a save: after the next start's tidy-up every word
// that had a recording still has it, and no recording is left that no word uses.
TEST_F(WordEditor, AKillBetweenTheStepsOfASaveLosesNoRecording)
{
    struct Case { const char* step; bool rename; const char* newText = "bean"; };
    for (const Case c : {Case{"word-recording-copied", true}, Case{"word-row-stored", true},
                         Case{"word-recording-stored", false}, Case{"word-row-stored", false},
                         Case{"word-recording-copied", true, "apple"},
                         Case{"word-row-stored", true, "apple"}}) {
        SCOPED_TRACE(std::string(c.step) + (c.rename ? " renaming to " : " adding") +
                     (c.rename ? c.newText : ""));
        QDir(Globals::WavPath).removeRecursively();
        QDir().mkpath(Globals::WavPath);
        Globals::DbConnection().Execute("DELETE FROM WORDS");
        const int32_t list = AddList();
        const int32_t bee = AddWord(list, "bee");
        const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));
        // Two words of another list share a recording a rename must not take over.
        AddWord(AddList(), "apple");
        AddWord(AddList(), "Apple");
        const QByteArray appleVoice = WriteRecording(Wav("APPLE"), Samples(500, 200));

        // A new word's take is made before the fork: a forked child has none of the audio
        // threads, so its microphone would not answer and Record would give the take up.
        frmEditWord* adding = nullptr;
        if (!c.rename) {
            adding = OpenWordEditor(list, 0, nullptr);
            Type(adding, "owl", "a bird");
            RecordInto(adding, Samples(300, 77));
            ASSERT_TRUE(adding->NewRecording());
        }
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // A connection must not cross a fork: the child opens its own.
            Globals::DbConnection().Close();
            InitApplication(folder->path());
            qputenv("QUILLBY_TEST_CRASH_AT", c.step);
            // Nothing is painted here: painting may hand work to the parent's pooled threads,
            // which a forked child does not have.
            auto* editor = adding ? adding : new frmEditWord;
            editor->setUpdatesEnabled(false);
            if (!adding) {
                editor = OpenWordEditor(list, bee, nullptr);
                editor->txtWord->setText(c.newText);
            }
            Save(editor);
            _exit(3); // the step was never reached
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (adding)
            adding->close();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;

        EXPECT_TRUE(QFile::exists(SoundChangeMarkPath())) << "the interrupted change is marked";
        CleanUpSoundFolder();
        QStringList expected;
        Recordset words(QStringLiteral("SELECT WORD FROM WORDS"), Globals::DbConnection());
        for (; !words.Eof(); words.MoveNext())
            expected << words.Field("WORD").toText().toUpper() + ".wav";
        expected.removeDuplicates();
        expected.sort();
        EXPECT_EQ(WavFolderEntries(), expected);
        EXPECT_EQ(FileBytes(Wav("APPLE")), appleVoice);
        if (c.rename && StoredText(bee) != "apple") {
            EXPECT_EQ(FileBytes(Wav(StoredText(bee).toUpper())), voice);
        }
    }
}
