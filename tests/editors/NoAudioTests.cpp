// Recording and playback in the editors with no audio server: every step is silent, returns
// at once and leaves the words intact.
#include "EditorFixture.h"

#include "Sound.h"
#include "WavFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using WithoutAudioServer = EditorTest;

TEST_F(WithoutAudioServer, RecordingAWordIsSilentPromptAndSavesTheWord)
{
    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "owl", "a bird of the night");

    QElapsedTimer clock;
    clock.start();
    Click(editor->cmdRecord);
    EXPECT_TRUE(editor->Shape1->isVisible()) << "the indicator shows as on any machine";
    Click(editor->cmdStop);
    Click(editor->cmdPlay);
    Save(editor);
    EXPECT_LT(clock.elapsed(), 3000);

    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(spy.added.size(), 1u);
    EXPECT_EQ(StoredText(spy.added.front()), "owl");
    EXPECT_TRUE(WavFolderEntries().isEmpty()) << "no recording came out, so none is stored";
    EXPECT_FALSE(IsRecording());
}

TEST_F(WithoutAudioServer, PlayingAndClosingWhileRecordingReturnAtOnce)
{
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(2000, 40));
    auto* listEditor = OpenListEditor(list);

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(listEditor->cmdPronounce->isEnabled());
    listEditor->cmdPronounce->click();
    listEditor->cmdPronounce->click(); // a second sound while the first "plays"
    listEditor->cmdEditWord->click();
    auto* editor = frmEditWord::instance();
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(editor->WordID(), bee);
    Click(editor->cmdPlay);
    Click(editor->cmdRecord);
    editor->close();
    EXPECT_LT(clock.elapsed(), 3000);

    EXPECT_FALSE(IsRecording());
    EXPECT_EQ(FileBytes(Wav("BEE")), voice);
    EXPECT_EQ(StoredText(bee), "bee");
}

// A take that captured nothing is no take: the word keeps its recording, under its new text
// when it was renamed; only Delete after Record removes it.
TEST_F(WithoutAudioServer, AnEmptyTakeKeepsTheStoredRecording)
{
    const struct {
        const char* what;
        const char* oldText;
        const char* newText;
        bool deleteTake;
        const char* kept; // the file holding the old voice after Save, or "" for none
    } cases[] = {
        {"Record, Stop, Save", "bee", "bee", false, "BEE"},
        {"renamed, Record, Stop, Save", "cat", "cats", false, "CATS"},
        {"Record, Stop, Delete, Save", "owl", "owl", true, ""},
    };
    const int32_t list = AddList();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int32_t word = AddWord(list, c.oldText);
        const QString oldFile = QString(c.oldText).toUpper();
        const QByteArray voice = WriteRecording(Wav(oldFile), Samples(2000, 40));
        CallerSpy spy;
        auto* editor = OpenWordEditor(list, word, &spy);
        editor->txtWord->setText(c.newText);
        Click(editor->cmdRecord);
        Click(editor->cmdStop);
        if (c.deleteTake)
            Click(editor->cmdDeleteWav);
        Save(editor);
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_EQ(StoredText(word), c.newText);
        if (*c.kept)
            EXPECT_EQ(FileBytes(Wav(c.kept)), voice);
        if (oldFile != c.kept)
            EXPECT_FALSE(QFile::exists(Wav(oldFile))) << "moved or removed";
    }
}
