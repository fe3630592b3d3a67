// With no audio server every operation is silent and prompt; none crashes or hangs, and the
// recorder and player keep their states as the windows expect.
#include "Sound.h"
#include "WavWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
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

} // namespace

TEST(NoAudioServer, RecordingIsSilentPromptAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Temp.wav");
    ASSERT_TRUE(WriteWavFile(path, QByteArray(100, char(0x80))));

    EXPECT_LT(Timed([] { StartRecording(); }), kPromptMs);
    EXPECT_TRUE(IsRecording()); // the word editor's indicator still runs
    EXPECT_LT(Timed([&] { StopRecording(path); }), kPromptMs);
    EXPECT_FALSE(IsRecording());
    // The earlier file is gone and no new one was made, so the editor sees no recording.
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_LT(Timed([] { CloseRecorder(); }), kPromptMs);
}

TEST(NoAudioServer, RecordingOverAndOverNeverHangs)
{
    QTemporaryDir dir;
    const qint64 elapsed = Timed([&] {
        for (int i = 0; i < 20; ++i) {
            StartRecording();
            StopRecording(dir.filePath("Temp.wav"));
        }
        CloseRecorder();
        CloseRecorder();
    });
    EXPECT_LT(elapsed, 20 * kPromptMs);
    EXPECT_FALSE(IsRecording());
}

TEST(NoAudioServer, PlaybackIsSilentAndPromptAndNeverBlocksTheNextSound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("WORD.wav");
    ASSERT_TRUE(WriteWavFile(path, QByteArray(11025, char(0x90))));

    EXPECT_LT(Timed([&] { PlayWave(path); }), kPromptMs);
    EXPECT_FALSE(IsPlaying());
    EXPECT_LT(Timed([&] { PlayWave(dir.filePath("MISSING.wav")); }), kPromptMs);
    EXPECT_FALSE(IsPlaying());
    EXPECT_LT(Timed([&] { PlayWave(QString()); }), kPromptMs);
    EXPECT_LT(Timed([&] {
        for (int i = 0; i < 20; ++i)
            PlayWave(path);
    }), 20 * kPromptMs);
    EXPECT_LT(Timed([] { StopPlaying(); }), kPromptMs);
    EXPECT_FALSE(IsPlaying());
}

TEST(NoAudioServer, PlayingWhileRecording)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("WORD.wav");
    ASSERT_TRUE(WriteWavFile(path, QByteArray(1000, char(0x90))));
    StartRecording();
    PlayWave(path);
    StopRecording(dir.filePath("Temp.wav"));
    StopPlaying();
    CloseRecorder();
    EXPECT_FALSE(QFile::exists(dir.filePath("Temp.wav")));
    EXPECT_TRUE(QFile::exists(path));
}
