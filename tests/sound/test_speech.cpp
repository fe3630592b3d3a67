// Speaking words with the computer's voice: with the built-in engine and with an engine that
// does not exist, through the test audio server and (test_sound_noserver) with no audio server
// at all. Speech never blocks, and a missing engine is silence, not an error.
#include "AudioHarness.h"
#include "Sound.h"
#include "Speech.h"

#include <QElapsedTimer>
#include <functional>
#include <iostream>
#include <gtest/gtest.h>

namespace {

// "At once", with room for a busy machine: below the 2 s a blocked step of the recorder or
// player would wait before giving up.
constexpr qint64 kPromptMs = 1500;

qint64 Timed(const std::function<void()>& operation)
{
    QElapsedTimer clock;
    clock.start();
    operation();
    return clock.elapsed();
}

struct EngineCase {
    const char* name;
    QString engine; // "" chooses the preferred engine
    bool speaks;
};

void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }

class Speech : public testing::TestWithParam<EngineCase> {
protected:
    void SetUp() override
    {
        SetSpeechEngineForTesting(GetParam().engine);
    }
    void TearDown() override
    {
        StopSpeaking();
        SetSpeechEngineForTesting(QString());
    }
};

} // namespace

TEST_P(Speech, SpeakingReturnsAtOnceAndEndsByItself)
{
    const bool audible = GetParam().speaks && HaveServer();
    EXPECT_EQ(SpeechAvailable(), GetParam().speaks);
    EXPECT_LT(Timed([] { SpeakWord(QStringLiteral("elephant")); }), 3000)
        << "the first word also starts the engine";
    EXPECT_EQ(RunEventsUntil([] { return IsSpeaking(); }, 10000), audible);
    EXPECT_TRUE(RunEventsUntil([] { return !IsSpeaking(); }, 15000)) << "the word never ended";
    EXPECT_EQ(SpeechAvailable(), GetParam().speaks)
        << "without a sound server a word is silent, as a recording is, but the voice stays";

    // On a warm engine a word starts at once. Ten more, each cutting off the one before,
    // leave the engine working.
    QElapsedTimer clock;
    clock.start();
    SpeakWord(QStringLiteral("because"));
    EXPECT_LT(clock.elapsed(), kPromptMs);
    if (audible) {
        ASSERT_TRUE(RunEventsUntil([] { return IsSpeaking(); }, 10000));
        const qint64 startMs = clock.elapsed();
        std::cout << "[ speech  ] a word started " << startMs << " ms after SpeakWord\n";
        EXPECT_LT(startMs, 1000); // about 50 ms on an idle machine
    }
    for (int i = 0; i < 10; ++i) {
        SpeakWord(QStringLiteral("word %1").arg(i));
        RunEventsFor(20);
    }
    EXPECT_TRUE(RunEventsUntil([] { return !IsSpeaking(); }, 15000));
    EXPECT_EQ(SpeechAvailable(), GetParam().speaks);
    // Blank words are not spoken at all.
    SpeakWord(QStringLiteral("   "));
    RunEventsFor(100);
    EXPECT_FALSE(IsSpeaking());
}

TEST_P(Speech, TheWordIsHeardOnTheSpeakerOnlyWhenAnEngineWorks)
{
    if (!HaveServer())
        GTEST_SKIP() << "needs the test audio server";
    SpeakWord(QStringLiteral("warm")); // start the engine, then listen to a word alone
    RunEventsUntil([] { return !IsSpeaking(); }, 15000);
    RunEventsFor(300);
    SinkListener speaker;
    ASSERT_TRUE(speaker.Start());
    SpeakWord(QStringLiteral("elephant"));
    // Wait for the word to begin (only a working engine speaks) and to end.
    RunEventsUntil([] { return IsSpeaking(); }, 10000);
    EXPECT_TRUE(RunEventsUntil([] { return !IsSpeaking(); }, 15000));
    RunEventsFor(300);
    const int peak = speaker.StopAndPeak();
    if (GetParam().speaks)
        EXPECT_GT(peak, 300) << "nothing was heard on the speaker";
    else
        EXPECT_LT(peak, 100) << "a missing engine must be silent";
}

// A word spoken while a recording plays replaces it, as one recording replaces another.
TEST_P(Speech, SpeakingStopsTheSoundPlaying)
{
    PlayWave(QStringLiteral("/no/such/file.wav")); // the short alert tone
    const bool wasPlaying = IsPlaying();
    SpeakWord(QStringLiteral("elephant"));
    if (GetParam().speaks) // the word is played like a recording: it is the only sound
        EXPECT_EQ(IsPlaying(), IsSpeaking()) << "the tone gave way to the word";
    else
        EXPECT_EQ(IsPlaying(), wasPlaying) << "without an engine nothing changes";
    StopSpeaking();
    EXPECT_FALSE(IsSpeaking());
}

INSTANTIATE_TEST_SUITE_P(
    Engines, Speech,
    testing::Values(EngineCase{"PreferredEngine", QString(), true},
                    EngineCase{"MissingEngine", QStringLiteral("no-such-engine"), false}),
    [](const testing::TestParamInfo<EngineCase>& info) { return std::string(info.param.name); });

// A missing engine is found out once and then stays off for the session, without a message.
TEST(SpeechEngine, AMissingEngineTurnsSpeechOffForTheSession)
{
    SetSpeechEngineForTesting(QStringLiteral("no-such-engine"));
    EXPECT_FALSE(SpeechAvailable());
    WarmUpSpeech();
    RunEventsFor(50);
    for (int i = 0; i < 5; ++i)
        EXPECT_LT(Timed([] { SpeakWord(QStringLiteral("elephant")); }), kPromptMs);
    EXPECT_FALSE(IsSpeaking());
    EXPECT_FALSE(SpeechAvailable());
    SetSpeechEngineForTesting(QString());
}
