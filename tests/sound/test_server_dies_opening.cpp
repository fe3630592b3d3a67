// The sound server dies while sounds are being started and their streams opened. Qt can be
// left waiting for good for a stream the dead server never makes ready, and its audio engine
// may stay unusable for the rest of the process; so this runs in a process of its own, under
// scripts/with-audio.sh with a server that scripts/audio-server.sh kills and starts.
#include "AudioHarness.h"
#include "Sound.h"
#include "SoundModule.h"
#include "Speech.h"

#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

// The server dies while sounds are being started and their streams opened, over and over:
// a stream the dying server never makes ready must not hold up the caller, the program's
// windows, which go on answering at once.
TEST(ServerDiesWhileStreamsOpen, SoundsStartedMeanwhileReturnAtOnce)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "needs the test audio server";
    // The windows have the sound module loaded ahead of their first sound; here too, so that
    // the first sound meets the server before the deaths begin, as a user's does.
    ASSERT_NE(AudioModule(), nullptr);
    constexpr qint64 kAtOnceMs = 1000;
    qint64 slowest = 0;
    for (int round = 0; round < 4; ++round) {
        QProcess killer;
        killer.start(QStringLiteral("bash"),
                     {QStringLiteral(QUILLBY_AUDIO_SERVER_SCRIPT), QStringLiteral("kill")});
        QElapsedTimer clock;
        clock.start();
        while (killer.state() != QProcess::NotRunning && clock.elapsed() < 15000) {
            QElapsedTimer call;
            call.start();
            SpeakWord(QStringLiteral("because"));
            RunEventsFor(5);
            slowest = std::max(slowest, call.elapsed());
        }
        killer.waitForFinished(15000);
        ASSERT_TRUE(AudioServer("start"));
        RunEventsFor(200);
    }
    EXPECT_LT(slowest, kAtOnceMs) << "a sound started while the server died held up the caller";
    StopPlaying();

    // Words are heard again from the server that came back; the first may still be lost
    // while the device list catches up with the new server.
    int peak = 0;
    for (int tries = 0; tries < 4 && peak <= 300; ++tries) {
        SinkListener speaker;
        ASSERT_TRUE(speaker.Start());
        SpeakWord(QStringLiteral("elephant"));
        RunEventsUntil([] { return IsSpeaking(); }, 10000);
        RunEventsUntil([] { return !IsSpeaking(); }, 10000);
        RunEventsFor(300);
        peak = speaker.StopAndPeak();
    }
    EXPECT_GT(peak, 300) << "no word was heard from the server that came back";
}
