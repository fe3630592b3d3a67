// Recording and playback through the private audio server of scripts/with-audio.sh: a word
// spoken by espeak-ng into the microphone pipe, and what reaches the null speaker.
#include "AudioHarness.h"
#include "Sound.h"
#include "SoundModule.h"
#include "WavWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

const QByteArray& Spoken(const QString& word)
{
    static QMap<QString, QByteArray> cache;
    if (!cache.contains(word))
        cache.insert(word, SpokenWord(word));
    return cache[word];
}

// An 8-bit 11025 Hz mono tone file, as the program's own recordings are.
void WriteTone(const QString& path, double seconds)
{
    const int count = int(seconds * kWavSampleRate);
    QByteArray samples(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
        samples[i] = char(128 + std::lround(90 * std::sin(2 * std::numbers::pi * 440 * i / kWavSampleRate)));
    ASSERT_TRUE(WriteWavFile(path, samples));
}

// "At once", with room for a busy machine; that a call did not wait for its sound to end is
// shown by the sound still playing after it.
constexpr qint64 kAtOnceMs = 1500;

bool WaitUntilSilent(int timeoutMs)
{
    return RunEventsUntil([] { return !IsPlaying(); }, timeoutMs);
}

class AudioServer : public testing::Test {
protected:
    void SetUp() override
    {
        if (TestMicFifo().isEmpty())
            GTEST_SKIP() << "no test audio server: run the tests through scripts/with-audio.sh";
        if (Spoken("elephant").isEmpty())
            GTEST_SKIP() << "espeak-ng or sox could not make a spoken word";
        ASSERT_TRUE(dir_.isValid());
    }

    void TearDown() override
    {
        StopPlaying();
        CloseRecorder();
    }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // Record, speak the word into the microphone, Stop: what the word editor does.
    void RecordSpoken(const QString& word, const QString& path)
    {
        StartRecording();
        ASSERT_TRUE(IsRecording());
        MicFeeder feeder(Spoken(word));
        ASSERT_TRUE(feeder.Start()) << "the microphone pipe cannot be opened";
        ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
        ASSERT_TRUE(feeder.Succeeded());
        RunEventsFor(500);
        StopRecording(path);
        EXPECT_FALSE(IsRecording());
    }

    // Seconds the recording of word should last: the feeder's lead silence and the word.
    static double ExpectedSeconds(const QString& word) { return 0.2 + RawSeconds(Spoken(word)); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(AudioServer, SpokenWordIsRecordedAsEightBitMono11025)
{
    const QString path = Path("Temp.wav");
    RecordSpoken("elephant", path);

    const SoxInfo info = ReadSoxInfo(path);
    ASSERT_TRUE(info.valid) << "no readable recording at " << path.toStdString();
    EXPECT_EQ(info.bits, 8);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.rate, 11025);
    EXPECT_EQ(info.samples % 2, 0);
    EXPECT_NEAR(double(info.samples) / 11025.0, ExpectedSeconds("elephant"), 0.35);
    EXPECT_GT(PeakOf8BitWav(path), 20) << "the recording is silent";
}

TEST_F(AudioServer, RecordingAgainReplacesTheFile)
{
    const QString path = Path("THEIR.wav");
    RecordSpoken("elephant", path);
    RecordSpoken("cat", path);
    const SoxInfo info = ReadSoxInfo(path);
    ASSERT_TRUE(info.valid);
    EXPECT_NEAR(double(info.samples) / 11025.0, ExpectedSeconds("cat"), 0.35);
}

TEST_F(AudioServer, FolderWithBlanksRecords)
{
    ASSERT_TRUE(QDir(dir_.path()).mkpath("Program Files/Quill by"));
    const QString path = Path("Program Files/Quill by/Temp.wav");
    RecordSpoken("elephant", path);
    EXPECT_TRUE(ReadSoxInfo(path).valid);
}

TEST_F(AudioServer, NothingSpokenWritesNoFileButDeletesTheEarlierOne)
{
    const QString path = Path("Temp.wav");
    WriteTone(path, 0.5);
    StartRecording();
    RunEventsFor(600);
    StopRecording(path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(AudioServer, ClosedRecorderDiscardsTheRecording)
{
    const QString path = Path("Temp.wav");
    StartRecording();
    MicFeeder feeder(Spoken("elephant"));
    ASSERT_TRUE(feeder.Start());
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
    RunEventsFor(300);
    CloseRecorder();
    EXPECT_FALSE(IsRecording());
    StopRecording(path);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(AudioServer, RecordedWordReachesTheSpeaker)
{
    const QString path = Path("ELEPHANT.wav");
    RecordSpoken("elephant", path);
    ASSERT_TRUE(QFile::exists(path));

    SinkListener speaker;
    ASSERT_TRUE(speaker.Start()) << "parec cannot listen to the speaker";
    QElapsedTimer clock;
    clock.start();
    PlayWave(path);
    EXPECT_LT(clock.elapsed(), kAtOnceMs) << "PlayWave must return at once";
    EXPECT_TRUE(IsPlaying()) << "PlayWave returned before the sound was played out";
    EXPECT_TRUE(RunEventsUntil([] { return SinkInputCount() == 1; }, 10000));
    ASSERT_TRUE(WaitUntilSilent(15000)) << "the sound never ended";
    EXPECT_GT(speaker.StopAndPeak(), 2000) << "nothing was heard on the speaker";
    // Once played out, the stream is closed: nothing goes on "playing" for ever.
    EXPECT_TRUE(RunEventsUntil([] { return SinkInputCount() == 0; }, 10000));
}

// Both ways a sound can take, the player's own stream and Qt's sink (where the build has no
// PulseAudio): heard, closed once played out, and stopped at once.
TEST_F(AudioServer, EachOutputPlaysClosesAndStops)
{
    const QString word = Path("WORD.wav");
    const QString longTone = Path("LONG.wav");
    WriteTone(word, 0.8);
    WriteTone(longTone, 20.0);
    for (const bool qt : {false, true}) {
        SCOPED_TRACE(qt ? "Qt's sink" : "the player's own stream");
        UseQtPlaybackForTesting(qt);
        SinkListener speaker;
        ASSERT_TRUE(speaker.Start());
        PlayWave(word);
        ASSERT_TRUE(WaitUntilSilent(15000));
        RunEventsFor(300);
        EXPECT_GT(speaker.StopAndPeak(), 2000) << "nothing was heard on the speaker";
        EXPECT_TRUE(RunEventsUntil([] { return SinkInputCount() == 0; }, 10000));
        PlayWave(longTone);
        ASSERT_TRUE(RunEventsUntil([] { return SinkInputCount() == 1; }, 10000));
        StopPlaying();
        EXPECT_FALSE(IsPlaying());
        EXPECT_TRUE(RunEventsUntil([] { return SinkInputCount() == 0; }, 10000));
    }
    UseQtPlaybackForTesting(false);
}

TEST_F(AudioServer, NewSoundStopsTheOneStillPlaying)
{
    const QString longTone = Path("LONG.wav");
    const QString shortTone = Path("SHORT.wav");
    WriteTone(longTone, 20.0);
    WriteTone(shortTone, 0.3);

    PlayWave(longTone);
    ASSERT_TRUE(RunEventsUntil([] { return SinkInputCount() == 1; }, 10000));
    ASSERT_TRUE(IsPlaying());
    QElapsedTimer clock;
    clock.start();
    PlayWave(shortTone);
    EXPECT_LE(SinkInputCount(), 1);
    ASSERT_TRUE(WaitUntilSilent(15000));
    EXPECT_LT(clock.elapsed(), 15000) << "the long sound went on playing";
}

TEST_F(AudioServer, StopPlayingEndsTheSoundAtOnce)
{
    const QString path = Path("LONG.wav");
    WriteTone(path, 20.0);
    PlayWave(path);
    ASSERT_TRUE(RunEventsUntil([] { return SinkInputCount() == 1; }, 10000));
    ASSERT_TRUE(IsPlaying());
    StopPlaying();
    EXPECT_FALSE(IsPlaying());
    EXPECT_TRUE(RunEventsUntil([] { return SinkInputCount() == 0; }, 10000));
}

TEST_F(AudioServer, MissingFileGivesAnAudibleAlert)
{
    SinkListener speaker;
    ASSERT_TRUE(speaker.Start());
    PlayWave(Path("NO SUCH WORD.wav"));
    EXPECT_TRUE(IsPlaying());
    ASSERT_TRUE(WaitUntilSilent(15000));
    EXPECT_GT(speaker.StopAndPeak(), 1000);
}

TEST_F(AudioServer, DamagedFileGivesTheAlertInsteadOfNoise)
{
    const QString path = Path("DAMAGED.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF\x10\x00\x00\x00WAVEjunk", 16);
    file.close();
    PlayWave(path);
    EXPECT_TRUE(IsPlaying());
    EXPECT_TRUE(WaitUntilSilent(15000));
}

TEST_F(AudioServer, PlayingWhileRecordingKeepsBoth)
{
    const QString tone = Path("Sound_Correct.wav");
    const QString path = Path("Temp.wav");
    WriteTone(tone, 0.6);
    SinkListener speaker;
    ASSERT_TRUE(speaker.Start());

    StartRecording();
    MicFeeder feeder(Spoken("elephant"));
    ASSERT_TRUE(feeder.Start());
    RunEventsFor(300);
    PlayWave(tone);
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished() && !IsPlaying(); }, 30000));
    RunEventsFor(500);
    StopRecording(path);

    EXPECT_GT(speaker.StopAndPeak(), 2000) << "the sound did not play during the recording";
    const SoxInfo info = ReadSoxInfo(path);
    ASSERT_TRUE(info.valid);
    EXPECT_NEAR(double(info.samples) / 11025.0, ExpectedSeconds("elephant"), 0.35);
}

// Another program already recording from the microphone can keep the audio server from ever
// readying our stream: Record and Stop still return promptly and playback goes on working.
TEST(RecorderWithBusyMicrophone, RecordAndStopReturnPromptlyAndPlaybackGoesOn)
{
    if (TestMicFifo().isEmpty())
        GTEST_SKIP() << "no test audio server: run the tests through scripts/with-audio.sh";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess other;
    const int streamsBefore = SourceOutputCount();
    other.start("parecord", {"-d", "mic", "/dev/null"});
    ASSERT_TRUE(other.waitForStarted(5000)) << "parecord cannot start";
    EXPECT_TRUE(RunEventsUntil([&] { return SourceOutputCount() > streamsBefore; }, 15000))
        << "its stream connects";

    const QString path = dir.filePath("Temp.wav");
    QElapsedTimer clock;
    clock.start();
    StartRecording();
    EXPECT_LT(clock.elapsed(), 4000) << "Record must not wait for the microphone";
    EXPECT_TRUE(IsRecording());
    RunEventsFor(300);
    clock.restart();
    StopRecording(path);
    EXPECT_LT(clock.elapsed(), 4000) << "Stop must not wait for the microphone";
    EXPECT_FALSE(IsRecording());

    // Record again while the first stream may still be held up.
    clock.restart();
    StartRecording();
    StopRecording(path);
    CloseRecorder();
    EXPECT_LT(clock.elapsed(), 8000);

    const QString tone = dir.filePath("TONE.wav");
    WriteTone(tone, 3.0);
    clock.restart();
    PlayWave(tone);
    EXPECT_LT(clock.elapsed(), kAtOnceMs) << "PlayWave must return at once";
    EXPECT_TRUE(IsPlaying()) << "PlayWave returned before the sound was played out";
    EXPECT_TRUE(WaitUntilSilent(15000)) << "playback stopped working";

    // Once the other program lets go of the microphone, recording works again.
    other.kill();
    other.waitForFinished(3000);
    EXPECT_TRUE(RunEventsUntil([] { return SourceOutputCount() == 0; }, 15000))
        << "the microphone comes free";
    if (Spoken("cat").isEmpty())
        return;
    StartRecording();
    MicFeeder feeder(Spoken("cat"));
    ASSERT_TRUE(feeder.Start());
    ASSERT_TRUE(RunEventsUntil([&] { return feeder.Finished(); }, 30000));
    RunEventsFor(500);
    StopRecording(path);
    EXPECT_GT(PeakOf8BitWav(path), 20) << "no recording after the microphone came free";
    CloseRecorder();
}
