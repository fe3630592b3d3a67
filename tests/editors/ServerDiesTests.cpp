// The word editor when the sound server is gone as Record is pressed, or dies while the parent
// speaks, and then comes back. Runs under scripts/with-audio.sh with a server of its own that
// scripts/audio-server.sh kills and starts. The parent is told, the word keeps its recording,
// no file is left behind, and the next take from the server that came back is stored.
#include "EditorFixture.h"

#include "AudioHarness.h"
#include "Sound.h"
#include "WavFiles.h"
#include "WavReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

namespace {

// Room for a busy machine; the recorder gives up a step the server does not answer in 2 s.
constexpr qint64 kPromptMs = 3500;

struct LostTake {
    const char* name;
    int killAfterMs; // from Record; -1: gone before Record is pressed
};

void PrintTo(const LostTake& c, std::ostream* os) { *os << c.name; }

class RecordingWhileTheServerDies : public EditorTest,
                                    public testing::WithParamInterface<LostTake> {
protected:
    // Record, speak the word into the microphone, Stop (unless the editor stopped first);
    // kills the server after killAfterMs.
    // Returns the milliseconds the slower of Record and Stop took.
    qint64 SpeakTake(frmEditWord* editor, const QByteArray& spoken, int killAfterMs)
    {
        QElapsedTimer clock;
        clock.start();
        Click(editor->cmdRecord);
        qint64 slowest = clock.elapsed();
        MicFeeder feeder(spoken);
        if (feeder.Start()) {
            if (killAfterMs >= 0) {
                RunEventsFor(killAfterMs);
                EXPECT_TRUE(AudioServer("kill"));
                // The editor stops the broken recording by itself, without waiting for Stop.
                EXPECT_TRUE(RunEventsUntil([&] { return !editor->IsRecording(); }, 5000))
                    << "the lamp still blinks over a recording that broke off";
            }
            RunEventsUntil([&] { return feeder.Finished(); }, 30000);
        }
        RunEventsFor(300);
        if (editor->IsRecording()) {
            clock.restart();
            Click(editor->cmdStop);
            slowest = std::max(slowest, clock.elapsed());
        }
        return slowest;
    }
};

} // namespace

TEST_P(RecordingWhileTheServerDies, TheParentIsToldAndTheStoredRecordingStays)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "needs the test audio server";
    const QByteArray spoken = SpokenWord(QStringLiteral("elephant"));
    ASSERT_FALSE(spoken.isEmpty()) << "espeak-ng and sox make the spoken word";
    const LostTake& c = GetParam();
    const int32_t list = AddList();
    const int32_t bee = AddWord(list, "bee");
    const QByteArray voice = WriteRecording(Wav("BEE"), Samples(400, 10));

    auto* editor = OpenWordEditor(list, bee, nullptr);
    // The recorder has met the server before it goes away, as when the editor opened.
    StartRecording();
    CloseRecorder();
    if (c.killAfterMs < 0)
        ASSERT_TRUE(AudioServer("kill"));
    EXPECT_LT(SpeakTake(editor, spoken, c.killAfterMs), kPromptMs) << "the window waited";

    EXPECT_EQ(messages, QStringList{frmEditWord::RecordingCutShortMessage()});
    EXPECT_FALSE(editor->IsRecording());
    EXPECT_FALSE(IsRecording()) << "the microphone is not left open";
    EXPECT_TRUE(editor->cmdRecord->isVisible());
    EXPECT_FALSE(editor->NewRecording()) << "the lost take does not count as a new recording";
    EXPECT_EQ(FileBytes(TempWavPath()), voice) << "Play still plays the word's recording";
    EXPECT_TRUE(editor->cmdPlay->isEnabled());
    Save(editor);
    EXPECT_EQ(FileBytes(Wav("BEE")), voice) << "the stored recording is as it was";
    EXPECT_EQ(WavFolderEntries(), QStringList{"BEE.wav"});
    EXPECT_FALSE(QFile::exists(TempWavPath())) << "no working file left behind";

    // The server comes back: the next take is stored. The first stream after it came back may
    // still meet the old server, so a few tries.
    ASSERT_TRUE(AudioServer("start"));
    messages.clear();
    bool stored = false;
    for (int tries = 0; tries < 3 && !stored; ++tries) {
        editor = OpenWordEditor(list, bee, nullptr);
        SpeakTake(editor, spoken, -2);
        stored = messages.isEmpty() && WavFileHasSound(TempWavPath());
        if (stored)
            Save(editor);
        else
            editor->close();
        messages.clear();
    }
    ASSERT_TRUE(stored) << "no recording from the server that came back";
    EXPECT_NE(FileBytes(Wav("BEE")), voice);
    EXPECT_GT(PeakOf8BitWav(Wav("BEE")), 10) << "the new take holds the word";
}

INSTANTIATE_TEST_SUITE_P(Moments, RecordingWhileTheServerDies,
                         testing::Values(LostTake{"GoneWhenRecordIsPressed", -1},
                                         LostTake{"DiesAsTheParentStartsSpeaking", 0},
                                         LostTake{"DiesInTheMiddleOfTheWord", 600}),
                         [](const testing::TestParamInfo<LostTake>& info) {
    return std::string(info.param.name);
});
