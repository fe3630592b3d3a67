// The editors with no sound module to be had (an installation that lost plugins/): sound is
// silent as with no device, the Pronounce buttons are as with no speech engine whatever the
// setting, a recording attempt saves the word without a recording, and nothing crashes.
#include "EditorFixture.h"

#include "Connection.h"
#include "Globals.h"
#include "Sound.h"
#include "SoundModule.h"
#include "Speech.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {
struct SettingCase {
    const char* name;
    const char* setting; // the stored SPEAK_WORDS
};
void PrintTo(const SettingCase& c, std::ostream* os) { *os << c.name; }

class WithoutSoundModule : public EditorTest, public testing::WithParamInterface<SettingCase> {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Globals::DbConnection().Execute(QStringLiteral("INSERT INTO OPTIONS (SPEAK_WORDS) "
                                                       "VALUES ('%1')").arg(GetParam().setting));
    }
};
} // namespace

TEST_P(WithoutSoundModule, PronounceIsAsWithoutAnEngineAndEverySoundIsSilent)
{
    const int32_t list = AddList();
    AddWord(list, "quiet");
    AddWord(list, "Loud");
    WriteRecording(Wav("LOUD"), Samples(200, 30));
    QElapsedTimer clock;
    clock.start();
    auto* listEditor = OpenListEditor(list);
    EXPECT_FALSE(SpeechAvailable());
    EXPECT_FALSE(listEditor->cmdPronounce->isEnabled()) << "no voice for a word without a file";
    listEditor->MSFlexGrid1->setCurrentCell(1, 0);
    EXPECT_TRUE(listEditor->cmdPronounce->isEnabled()) << "a recording is offered as ever";
    listEditor->cmdPronounce->click();
    EXPECT_FALSE(IsPlaying());

    frmEditWord* editor = OpenWordEditor(list, 0, nullptr);
    editor->txtWord->setText(QStringLiteral("elephant"));
    EXPECT_FALSE(editor->cmdSpeak->isEnabled());
    editor->cmdSpeak->click();
    EXPECT_FALSE(IsSpeaking());
    EXPECT_LT(clock.elapsed(), 3000) << "nothing waits for the missing module";
    EXPECT_EQ(LoadedAudioModule(), nullptr);
}

TEST_P(WithoutSoundModule, RecordingSavesTheWordWithoutARecording)
{
    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "owl", "a bird of the night");
    Click(editor->cmdRecord);
    EXPECT_TRUE(editor->Shape1->isVisible()) << "the indicator shows as on any machine";
    Click(editor->cmdStop);
    Click(editor->cmdPlay);
    Save(editor);

    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(spy.added.size(), 1u);
    EXPECT_EQ(StoredText(spy.added.front()), "owl");
    EXPECT_TRUE(WavFolderEntries().isEmpty()) << "no recording came out, so none is stored";
    EXPECT_FALSE(IsRecording());
}

INSTANTIATE_TEST_SUITE_P(
    Setting, WithoutSoundModule,
    testing::Values(SettingCase{"SpeakWordsOn", "TRUE"}, SettingCase{"SpeakWordsOff", "FALSE"}),
    [](const testing::TestParamInfo<SettingCase>& info) { return std::string(info.param.name); });
