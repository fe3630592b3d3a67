// The sound server dies (killed, no goodbye to its clients) while the computer's voice says a
// word or a recording plays, and then starts again. Runs under scripts/with-audio.sh with a
// server of its own, which scripts/audio-server.sh kills and starts. The process must live on,
// every sound must end, and words must be heard again from the server that came back.
#include "AudioHarness.h"
#include "Sound.h"
#include "Speech.h"
#include "WavWriter.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// How the word is heard from the server that came back.
int PeakOfWord(const QString& word)
{
    SinkListener speaker;
    if (!speaker.Start())
        return -1;
    SpeakWord(word);
    RunEventsUntil([] { return IsSpeaking(); }, 10000);
    RunEventsUntil([] { return !IsSpeaking(); }, 10000);
    RunEventsFor(300);
    return speaker.StopAndPeak();
}

struct DeathCase {
    const char* name;
    bool recordingFirst; // a recording plays before the word, as in a test or the editor
    int killAfterMs;     // from the start of the word
};

void PrintTo(const DeathCase& c, std::ostream* os) { *os << c.name; }

class ServerDies : public testing::TestWithParam<DeathCase> {
protected:
    void SetUp() override
    {
        if (TestMicFifo().isEmpty())
            GTEST_SKIP() << "needs the test audio server";
        ASSERT_TRUE(SpeechAvailable());
    }
};

} // namespace

TEST_P(ServerDies, SpeechOutlivesTheServerAndIsHeardAgainWhenItReturns)
{
    QTemporaryDir dir;
    const QString recording = dir.filePath(QStringLiteral("ELEPHANT.wav"));
    QByteArray tone(11025, char(0x80));
    for (int i = 0; i < tone.size(); ++i)
        tone[i] = char(i % 50 < 25 ? 0x40 : 0xC0);
    ASSERT_TRUE(WriteWavFile(recording, tone));
    if (GetParam().recordingFirst) {
        PlayWave(recording);
        ASSERT_TRUE(RunEventsUntil([] { return IsPlaying(); }, 10000));
        RunEventsUntil([] { return !IsPlaying(); }, 15000);
    }

    SpeakWord(QStringLiteral("hippopotamus"));
    ASSERT_TRUE(RunEventsUntil([] { return IsSpeaking(); }, 10000));
    RunEventsFor(GetParam().killAfterMs);
    ASSERT_TRUE(AudioServer("kill"));
    EXPECT_TRUE(RunEventsUntil([] { return !IsSpeaking(); }, 15000))
        << "the word of a dead server never ended";

    // No server: words and recordings are silent, prompt, and end.
    for (int i = 0; i < 3; ++i) {
        SpeakWord(QStringLiteral("because"));
        EXPECT_TRUE(RunEventsUntil([] { return !IsSpeaking(); }, 15000));
        PlayWave(recording);
        EXPECT_TRUE(RunEventsUntil([] { return !IsPlaying(); }, 15000));
    }
    EXPECT_TRUE(SpeechAvailable()) << "the voice is not given up for a server that is away";

    ASSERT_TRUE(AudioServer("start"));
    // Qt's audio engine connects to the new server when a stream is opened: the first sound
    // after the server came back may be lost, the next ones are heard.
    int peak = 0;
    for (int tries = 0; tries < 3 && peak <= 300; ++tries)
        peak = PeakOfWord(QStringLiteral("elephant"));
    EXPECT_GT(peak, 300) << "the voice was not heard from the server that came back";
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ServerDies,
    testing::Values(DeathCase{"AtTheStartOfAWord", false, 0},
                    DeathCase{"InTheMiddleOfAWord", false, 300},
                    DeathCase{"AfterARecordingPlayed", true, 150}),
    [](const testing::TestParamInfo<DeathCase>& info) { return std::string(info.param.name); });
