#include "AudioHarness.h"
#include "WavReader.h"
#include "WavWriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Makes a test tone with sox in the given layout; false when sox fails.
bool MakeTone(const QString& path, const QStringList& layout, const QString& seconds = "0.1")
{
    QProcess sox;
    sox.start("sox", QStringList{"-n"} + layout + QStringList{path, "synth", seconds, "sine", "440"});
    return sox.waitForFinished(20000) && sox.exitCode() == 0;
}

} // namespace

TEST(WavReader, ReadsBackWhatTheWriterWrote)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("W.wav");
    const QByteArray samples("\x01\x80\xff", 3);
    ASSERT_TRUE(WriteWavFile(path, samples));
    const std::optional<WavSound> sound = ReadWavFile(path);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(sound->format.sampleRate(), 11025);
    EXPECT_EQ(sound->format.channelCount(), 1);
    EXPECT_EQ(sound->samples, QByteArray("\x01\x80\xff\x80", 4)); // with its padding
}

TEST(WavReader, ReadsOtherLayoutsMadeBySox)
{
    QTemporaryDir dir;
    struct Case {
        QStringList layout;
        QAudioFormat::SampleFormat kind;
        int channels;
        int rate;
    };
    const Case cases[] = {
        {{"-r", "44100", "-b", "16", "-c", "2"}, QAudioFormat::Int16, 2, 44100},
        {{"-r", "48000", "-b", "24", "-c", "1"}, QAudioFormat::Int32, 1, 48000},
        {{"-r", "22050", "-b", "32", "-c", "1", "-e", "floating-point"}, QAudioFormat::Float, 1, 22050},
        {{"-r", "8000", "-b", "32", "-c", "6"}, QAudioFormat::Int32, 6, 8000},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString("tone%1.wav").arg(n++));
        ASSERT_TRUE(MakeTone(path, c.layout, "0.1")) << c.layout.join(' ').toStdString();
        const std::optional<WavSound> sound = ReadWavFile(path);
        ASSERT_TRUE(sound) << c.layout.join(' ').toStdString();
        EXPECT_EQ(sound->format.sampleFormat(), c.kind);
        EXPECT_EQ(sound->format.channelCount(), c.channels);
        EXPECT_EQ(sound->format.sampleRate(), c.rate);
        EXPECT_EQ(sound->samples.size(), qsizetype(c.rate / 10) * sound->format.bytesPerFrame());
    }
}

// The same tone stored in 24 and in 16 bits reads back as the same values, widened.
TEST(WavReader, TwentyFourBitSamplesKeepTheirValue)
{
    QTemporaryDir dir;
    const QString path24 = dir.filePath("t24.wav");
    const QString path16 = dir.filePath("t16.wav");
    ASSERT_TRUE(MakeTone(path24, {"-r", "8000", "-b", "24", "-c", "1"}, "0.05"));
    ASSERT_TRUE(MakeTone(path16, {"-r", "8000", "-b", "16", "-c", "1"}, "0.05"));
    const std::optional<WavSound> wide = ReadWavFile(path24);
    const std::optional<WavSound> narrow = ReadWavFile(path16);
    ASSERT_TRUE(wide && narrow);
    ASSERT_EQ(wide->samples.size(), narrow->samples.size() * 2);
    for (qsizetype i = 0; i < narrow->samples.size() / 2; ++i) {
        qint32 w;
        qint16 n;
        std::memcpy(&w, wide->samples.constData() + i * 4, 4);
        std::memcpy(&n, narrow->samples.constData() + i * 2, 2);
        // sox dithers the 16-bit file by a step or two.
        ASSERT_NEAR(double(w) / 65536.0, double(n), 3.0) << "sample " << i;
    }
}

TEST(WavReader, RejectsWhatIsNoPlayableWave)
{
    EXPECT_FALSE(ParseWav(QByteArray()));
    EXPECT_FALSE(ParseWav("just some text that is not a sound file at all"));
    // A header cut off before its data chunk.
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.wav");
    ASSERT_TRUE(WriteWavFile(path, QByteArray(100, char(0x80))));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ParseWav(file.readAll().left(30)));
    EXPECT_FALSE(ReadWavFile(dir.filePath("missing.wav")));
}

TEST(WavReader, DataChunkLongerThanTheFileIsCutAtTheEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.wav");
    ASSERT_TRUE(WriteWavFile(path, QByteArray(100, char(0x90))));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    bytes.truncate(44 + 60); // the header still says 100 bytes
    const std::optional<WavSound> sound = ParseWav(bytes);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->samples, QByteArray(60, char(0x90)));
}
