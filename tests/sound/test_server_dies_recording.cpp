// The sound server is gone when a word's recording starts, or dies while the parent speaks,
// and then comes back. Runs under scripts/with-audio.sh with a server of its own, which
// scripts/audio-server.sh kills and starts. Record and Stop must return promptly, a take
// that did not come out whole is reported and leaves no file, and the next recording from the
// server that came back holds the word. (A server that was never there is no audio device:
// recording is silent, see test_no_server.cpp.)
#include "AudioHarness.h"
#include "Sound.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "Promptly", with room for a busy machine: the recorder waits for a held-up step 2 s.
constexpr qint64 kPromptMs = 3500;

struct TakeCase {
    const char* name;
    int killAfterMs; // from the start of the recording; -1: gone before it starts
};

void PrintTo(const TakeCase& c, std::ostream* os) { *os << c.name; }

class RecordingWhenTheServerDies : public testing::TestWithParam<TakeCase> {
protected:
    void SetUp() override
    {
        if (TestMicFifo().isEmpty())
            GTEST_SKIP() << "needs the test audio server";
        spoken_ = SpokenWord(QStringLiteral("elephant"));
        if (spoken_.isEmpty())
            GTEST_SKIP() << "espeak-ng or sox could not make a spoken word";
        ASSERT_TRUE(dir_.isValid());
        // The word editor makes sound ready when it opens, so the recorder has met the server
        // before it goes away.
        StartRecording();
        CloseRecorder();
    }

    void TearDown() override { CloseRecorder(); }

    QByteArray spoken_;
    QTemporaryDir dir_;
};

} // namespace

TEST_P(RecordingWhenTheServerDies, TheTakeIsReportedLeavesNoFileAndTheNextOneWorks)
{
    const TakeCase& c = GetParam();
    const QString path = dir_.filePath(QStringLiteral("Temp.wav"));
    if (c.killAfterMs < 0)
        ASSERT_TRUE(AudioServer("kill"));

    QElapsedTimer clock;
    clock.start();
    StartRecording();
    EXPECT_LT(clock.elapsed(), kPromptMs) << "Record waited for the server";
    EXPECT_TRUE(IsRecording());
    {
        MicFeeder feeder(spoken_);
        const bool feeding = feeder.Start();
        if (c.killAfterMs >= 0) {
            ASSERT_TRUE(feeding);
            RunEventsFor(c.killAfterMs);
            ASSERT_TRUE(AudioServer("kill"));
        }
        RunEventsUntil([&] { return feeder.Finished(); }, 30000);
    }
    RunEventsFor(300);
    clock.restart();
    StopRecording(path);
    EXPECT_LT(clock.elapsed(), kPromptMs) << "Stop waited for the server";
    EXPECT_FALSE(IsRecording());
    EXPECT_TRUE(RecordingCutShort()) << "the take is not passed off as whole";
    EXPECT_TRUE(QDir(dir_.path()).isEmpty()) << "no file of a take that did not come out whole";

    // The server comes back: the next take holds the word. The first stream after it came
    // back may still meet the old server's device list, so a few tries.
    ASSERT_TRUE(AudioServer("start"));
    int peak = 0;
    for (int tries = 0; tries < 3 && peak <= 20; ++tries) {
        StartRecording();
        MicFeeder feeder(spoken_);
        if (feeder.Start())
            RunEventsUntil([&] { return feeder.Finished(); }, 30000);
        RunEventsFor(500);
        if (StopRecording(path) && !RecordingCutShort())
            peak = PeakOf8BitWav(path);
    }
    EXPECT_GT(peak, 20) << "no recording from the server that came back";
}

INSTANTIATE_TEST_SUITE_P(Moments, RecordingWhenTheServerDies,
                         testing::Values(TakeCase{"GoneBeforeTheRecordingStarts", -1},
                                         TakeCase{"DiesAtTheStart", 0},
                                         TakeCase{"DiesWhileTheWordIsSpoken", 600}),
                         [](const testing::TestParamInfo<TakeCase>& info) {
    return std::string(info.param.name);
});
