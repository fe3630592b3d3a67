// A word spoken into the test microphone goes through Record, Stop and Save of the word
// editor and plays back through Pronounce of the list editor. Needs the private audio server
// of scripts/with-audio.sh; skipped without it.
#include "EditorFixture.h"

#include "AudioHarness.h"
#include "WavFiles.h"

#include <QFile>
#include <QPushButton>

using WithAudioServer = EditorTest;

TEST_F(WithAudioServer, SpokenWordIsRecordedStoredAndPlayedBack)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "no test audio server (run under scripts/with-audio.sh)";
    const QByteArray spoken = SpokenWord(QStringLiteral("elephant"));
    ASSERT_FALSE(spoken.isEmpty()) << "espeak-ng and sox make the spoken word";
    const double spokenSeconds = RawSeconds(spoken);

    const int32_t list = AddList();
    CallerSpy spy;
    auto* editor = OpenWordEditor(list, 0, &spy);
    Type(editor, "elephant", "a large grey animal");
    Click(editor->cmdRecord);
    ASSERT_TRUE(editor->IsRecording());
    MicFeeder feeder(spoken);
    ASSERT_TRUE(feeder.Start());
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
    EXPECT_TRUE(feeder.Succeeded());
    RunEventsFor(300);
    Click(editor->cmdStop);
    ASSERT_TRUE(QFile::exists(TempWavPath()));
    Save(editor);
    ASSERT_EQ(spy.added.size(), 1u);

    const QString stored = Wav("ELEPHANT");
    const SoxInfo info = ReadSoxInfo(stored);
    ASSERT_TRUE(info.valid) << "soxi reads " << stored.toStdString();
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.rate, 11025);
    EXPECT_EQ(info.bits, 8);
    const double seconds = double(info.samples) / 11025.0;
    EXPECT_GT(seconds, spokenSeconds * 0.8) << "the whole word is there";
    EXPECT_LT(seconds, spokenSeconds + 3.0) << "and not much more than the time recorded";
    EXPECT_GT(PeakOf8BitWav(stored), 10) << "it holds sound, not silence";

    // Pronounce in the list editor plays it into the speaker.
    auto* listEditor = OpenListEditor(list);
    ASSERT_TRUE(listEditor->cmdPronounce->isEnabled());
    SinkListener listener;
    ASSERT_TRUE(listener.Start());
    RunEventsFor(300);
    listEditor->cmdPronounce->click();
    RunEventsFor(int(seconds * 1000) + 1000);
    EXPECT_GT(listener.StopAndPeak(), 1000);
}
