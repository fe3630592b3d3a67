#include "PcmConvert.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

QAudioFormat Format(QAudioFormat::SampleFormat kind, int rate, int channels)
{
    QAudioFormat format;
    format.setSampleFormat(kind);
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    return format;
}

template <typename T>
QByteArray Pack(const std::vector<T>& values)
{
    return QByteArray(reinterpret_cast<const char*>(values.data()),
                      qsizetype(values.size() * sizeof(T)));
}

template <typename T>
std::vector<T> Unpack(const QByteArray& bytes)
{
    std::vector<T> values(size_t(bytes.size()) / sizeof(T));
    std::memcpy(values.data(), bytes.constData(), values.size() * sizeof(T));
    return values;
}

std::vector<quint8> Bytes(const QByteArray& bytes)
{
    return Unpack<quint8>(bytes);
}

} // namespace

TEST(PcmConvert, WordFormatIsEightBitMono11025)
{
    const QAudioFormat format = WordRecordingFormat();
    EXPECT_EQ(format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(format.sampleRate(), 11025);
    EXPECT_EQ(format.channelCount(), 1);
}

TEST(PcmConvert, SameFormatKeepsTheSamplesAndDropsAPartialFrame)
{
    const QAudioFormat stereo16 = Format(QAudioFormat::Int16, 44100, 2);
    const QByteArray input = Pack(std::vector<qint16>{1, 2, 3, 4}) + QByteArray("\x05\x00", 2);
    EXPECT_EQ(ConvertPcm(input, stereo16, stereo16), input.left(8));
}

// A device that refuses mono 8-bit records, say, stereo float at 48 kHz; the recording must
// still come out as one second of the same tone at 11025 Hz.
TEST(PcmConvert, StereoFloat48kBecomesTheWordFormat)
{
    std::vector<float> input;
    for (int i = 0; i < 48000; ++i) {
        const float s = 0.5f * float(std::sin(2.0 * std::numbers::pi * 440.0 * i / 48000.0));
        input.push_back(s);
        input.push_back(s);
    }
    const QByteArray out = ConvertPcm(Pack(input), Format(QAudioFormat::Float, 48000, 2),
                                      WordRecordingFormat());
    EXPECT_NEAR(double(out.size()), 11025.0, 1.0);

    const std::vector<quint8> samples = Bytes(out);
    int crossings = 0;
    int peak = 0;
    for (size_t i = 1; i < samples.size(); ++i) {
        if ((samples[i - 1] < 128) != (samples[i] < 128))
            ++crossings;
        peak = std::max(peak, std::abs(int(samples[i]) - 128));
    }
    EXPECT_NEAR(crossings, 880, 10); // still 440 Hz
    EXPECT_NEAR(peak, 64, 2);        // still half of full scale
}

TEST(PcmConvert, ChannelsAreAveragedToMono)
{
    const QAudioFormat stereo = Format(QAudioFormat::Int16, 11025, 2);
    const QByteArray opposite = Pack(std::vector<qint16>{16384, -16384, 16384, -16384});
    EXPECT_EQ(Bytes(ConvertPcm(opposite, stereo, WordRecordingFormat())),
              (std::vector<quint8>{128, 128}));
    const QByteArray equal = Pack(std::vector<qint16>{16384, 16384});
    EXPECT_EQ(Bytes(ConvertPcm(equal, stereo, WordRecordingFormat())), std::vector<quint8>{192});
}

TEST(PcmConvert, FullScaleAndOutOfRangeSamplesClipInsteadOfWrapping)
{
    const QByteArray ints = Pack(std::vector<qint16>{-32768, 32767, 0});
    EXPECT_EQ(Bytes(ConvertPcm(ints, Format(QAudioFormat::Int16, 11025, 1), WordRecordingFormat())),
              (std::vector<quint8>{0, 255, 128}));

    const QByteArray floats = Pack(std::vector<float>{-3.0f, 7.5f, std::nanf(""), 1.0f});
    EXPECT_EQ(Bytes(ConvertPcm(floats, Format(QAudioFormat::Float, 11025, 1), WordRecordingFormat())),
              (std::vector<quint8>{0, 255, 128, 255}));

    const QByteArray int32 = Pack(std::vector<qint32>{INT32_MIN, INT32_MAX});
    EXPECT_EQ(Unpack<qint16>(ConvertPcm(int32, Format(QAudioFormat::Int32, 8000, 1),
                                        Format(QAudioFormat::Int16, 8000, 1))),
              (std::vector<qint16>{-32768, 32767}));
}

// Playback on a device that takes only its own format: the mono recording is copied to both
// channels and stretched to the device rate.
TEST(PcmConvert, MonoEightBitPlaysOnAStereoDevice)
{
    const QByteArray word = QByteArray("\x80\xc0\x40", 3);
    const std::vector<qint16> out = Unpack<qint16>(
        ConvertPcm(word, WordRecordingFormat(), Format(QAudioFormat::Int16, 44100, 2)));
    ASSERT_EQ(out.size(), 3u * 4u * 2u);
    for (size_t i = 0; i < out.size(); i += 2)
        EXPECT_EQ(out[i], out[i + 1]);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[8], 16384);  // second input sample, four frames on
    EXPECT_EQ(out[16], -16384); // third input sample
}

TEST(PcmConvert, RateChangeInterpolatesBetweenSamples)
{
    const QByteArray input = Pack(std::vector<qint16>{0, 1000});
    EXPECT_EQ(Unpack<qint16>(ConvertPcm(input, Format(QAudioFormat::Int16, 8000, 1),
                                        Format(QAudioFormat::Int16, 16000, 1))),
              (std::vector<qint16>{0, 500, 1000, 1000}));
}

TEST(PcmConvert, InvalidFormatsGiveNothing)
{
    const QByteArray input(100, '\x10');
    EXPECT_TRUE(ConvertPcm(input, QAudioFormat(), WordRecordingFormat()).isEmpty());
    EXPECT_TRUE(ConvertPcm(input, WordRecordingFormat(), QAudioFormat()).isEmpty());
    EXPECT_TRUE(ConvertPcm(QByteArray(), Format(QAudioFormat::Int16, 48000, 2),
                           WordRecordingFormat()).isEmpty());
}
