#include "PcmConvert.h"

#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

bool Usable(const QAudioFormat& format)
{
    return format.isValid() && format.sampleFormat() != QAudioFormat::Unknown
        && format.channelCount() > 0 && format.sampleRate() > 0;
}

// One sample as a float in -1..1.
float DecodeSample(const char* p, QAudioFormat::SampleFormat kind)
{
    switch (kind) {
    case QAudioFormat::UInt8:
        return (float(quint8(*p)) - 128.0f) / 128.0f;
    case QAudioFormat::Int16: {
        qint16 v;
        std::memcpy(&v, p, sizeof v);
        return float(v) / 32768.0f;
    }
    case QAudioFormat::Int32: {
        qint32 v;
        std::memcpy(&v, p, sizeof v);
        return float(double(v) / 2147483648.0);
    }
    case QAudioFormat::Float: {
        float v;
        std::memcpy(&v, p, sizeof v);
        return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
    }
    default:
        return 0.0f;
    }
}

void EncodeSample(float value, char* p, QAudioFormat::SampleFormat kind)
{
    const double v = std::clamp(double(value), -1.0, 1.0);
    switch (kind) {
    case QAudioFormat::UInt8:
        *p = char(quint8(std::clamp(std::lround(v * 128.0) + 128, 0L, 255L)));
        break;
    case QAudioFormat::Int16: {
        const qint16 s = qint16(std::clamp(std::lround(v * 32768.0), -32768L, 32767L));
        std::memcpy(p, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int32: {
        const qint32 s = qint32(std::clamp<long long>(std::llround(v * 2147483648.0),
                                                      -2147483648LL, 2147483647LL));
        std::memcpy(p, &s, sizeof s);
        break;
    }
    case QAudioFormat::Float: {
        const float s = float(v);
        std::memcpy(p, &s, sizeof s);
        break;
    }
    default:
        break;
    }
}

// Frames of `to.channelCount()` floats each, at the input rate.
std::vector<float> DecodeAndMapChannels(const QByteArray& input, const QAudioFormat& from,
                                        int outChannels)
{
    const int inChannels = from.channelCount();
    const int sampleBytes = from.bytesPerSample();
    const qsizetype frames = input.size() / from.bytesPerFrame();
    std::vector<float> out(size_t(frames) * size_t(outChannels));
    const char* p = input.constData();
    std::vector<float> frame(size_t(inChannels), 0.0f);
    for (qsizetype f = 0; f < frames; ++f) {
        for (int c = 0; c < inChannels; ++c, p += sampleBytes)
            frame[size_t(c)] = DecodeSample(p, from.sampleFormat());
        float* dst = &out[size_t(f) * size_t(outChannels)];
        if (outChannels == inChannels) {
            std::copy(frame.begin(), frame.end(), dst);
        } else if (outChannels == 1) {
            float sum = 0.0f;
            for (float s : frame)
                sum += s;
            dst[0] = sum / float(inChannels);
        } else {
            // Mono is copied to every channel; otherwise extra channels repeat the last one.
            for (int c = 0; c < outChannels; ++c)
                dst[c] = frame[size_t(std::min(c, inChannels - 1))];
        }
    }
    return out;
}

std::vector<float> Resample(const std::vector<float>& in, int channels, int fromRate, int toRate)
{
    if (fromRate == toRate || in.empty())
        return in;
    const qint64 inFrames = qint64(in.size()) / channels;
    const qint64 outFrames = std::max<qint64>(1, inFrames * toRate / fromRate);
    std::vector<float> out(size_t(outFrames) * size_t(channels));
    const double step = double(fromRate) / double(toRate);
    for (qint64 i = 0; i < outFrames; ++i) {
        const double pos = double(i) * step;
        const qint64 a = std::min<qint64>(qint64(pos), inFrames - 1);
        const qint64 b = std::min<qint64>(a + 1, inFrames - 1);
        const float frac = float(pos - double(a));
        for (int c = 0; c < channels; ++c) {
            const float x = in[size_t(a * channels + c)];
            const float y = in[size_t(b * channels + c)];
            out[size_t(i * channels + c)] = x + (y - x) * frac;
        }
    }
    return out;
}

} // namespace

QByteArray ConvertPcm(const QByteArray& input, const QAudioFormat& from, const QAudioFormat& to)
{
    if (!Usable(from) || !Usable(to))
        return {};
    if (from == to)
        return input.left(input.size() - input.size() % from.bytesPerFrame());
    const int channels = to.channelCount();
    const std::vector<float> samples = Resample(DecodeAndMapChannels(input, from, channels),
                                                channels, from.sampleRate(), to.sampleRate());
    QByteArray out(qsizetype(samples.size()) * to.bytesPerSample(), Qt::Uninitialized);
    char* p = out.data();
    for (float s : samples) {
        EncodeSample(s, p, to.sampleFormat());
        p += to.bytesPerSample();
    }
    return out;
}

QAudioFormat WordRecordingFormat()
{
    QAudioFormat format;
    format.setSampleRate(kWavSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::UInt8);
    return format;
}
