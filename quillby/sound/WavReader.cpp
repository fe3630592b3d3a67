#include "WavReader.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr qint64 kLargestFile = qint64(1) << 30;

struct FmtChunk {
    quint16 code = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
};

quint16 U16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 U32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

std::optional<FmtChunk> ParseFmt(const QByteArray& b, qsizetype at, quint32 size)
{
    if (size < 16)
        return std::nullopt;
    FmtChunk fmt{U16(b, at), U16(b, at + 2), U32(b, at + 4), U16(b, at + 14)};
    // The extensible header names the real format in the first two bytes of its sub-format.
    if (fmt.code == kFormatExtensible && size >= 40)
        fmt.code = U16(b, at + 24);
    return fmt;
}

std::optional<QAudioFormat> ToAudioFormat(const FmtChunk& fmt)
{
    if (fmt.channels < 1 || fmt.channels > 8 || fmt.rate < 1000 || fmt.rate > 384000)
        return std::nullopt;
    QAudioFormat format;
    format.setChannelCount(fmt.channels);
    format.setSampleRate(int(fmt.rate));
    if (fmt.code == kFormatPcm && fmt.bits == 8)
        format.setSampleFormat(QAudioFormat::UInt8);
    else if (fmt.code == kFormatPcm && fmt.bits == 16)
        format.setSampleFormat(QAudioFormat::Int16);
    else if (fmt.code == kFormatPcm && (fmt.bits == 24 || fmt.bits == 32))
        format.setSampleFormat(QAudioFormat::Int32);
    else if (fmt.code == kFormatFloat && fmt.bits == 32)
        format.setSampleFormat(QAudioFormat::Float);
    else
        return std::nullopt;
    return format;
}

// Little-endian file samples to the native-endian layout of `format`.
QByteArray ToNative(const QByteArray& data, const FmtChunk& fmt)
{
    const int inBytes = fmt.bits / 8;
    const qsizetype count = data.size() / inBytes;
    if (inBytes == 1)
        return data.left(count);
    const int outBytes = inBytes == 3 ? 4 : inBytes;
    QByteArray out(count * outBytes, Qt::Uninitialized);
    const char* src = data.constData();
    char* dst = out.data();
    for (qsizetype i = 0; i < count; ++i, src += inBytes, dst += outBytes) {
        if (inBytes == 2) {
            qToUnaligned(qFromLittleEndian<qint16>(src), dst);
        } else if (inBytes == 3) {
            const quint32 v = quint32(quint8(src[0])) << 8 | quint32(quint8(src[1])) << 16
                | quint32(quint8(src[2])) << 24;
            qToUnaligned(qint32(v), dst);
        } else {
            qToUnaligned(qFromLittleEndian<quint32>(src), dst);
        }
    }
    return out;
}

} // namespace

std::optional<WavSound> ParseWav(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<FmtChunk> fmt;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = U32(b, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min<qsizetype>(qsizetype(size), b.size() - body);
        if (id == "fmt " && available >= 16) {
            fmt = ParseFmt(b, body, quint32(available));
        } else if (id == "data" && fmt) {
            const std::optional<QAudioFormat> format = ToAudioFormat(*fmt);
            if (!format)
                return std::nullopt;
            WavSound sound{*format, ToNative(b.mid(body, available), *fmt)};
            const int frame = format->bytesPerFrame();
            sound.samples.truncate(sound.samples.size() - sound.samples.size() % frame);
            return sound;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

bool WavFileHasSound(const QString& path)
{
    const std::optional<WavSound> sound = ReadWavFile(path);
    return sound && !sound->samples.isEmpty();
}

std::optional<WavSound> ReadWavFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile)
        return std::nullopt;
    return ParseWav(file.readAll());
}
