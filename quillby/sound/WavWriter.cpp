#include "WavWriter.h"

#include <QSaveFile>
#include <QtEndian>

namespace {

void AppendU32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendU16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

// The 44-byte RIFF/WAVE header for dataSize bytes of 8-bit mono PCM.
QByteArray WavHeader(quint32 dataSize)
{
    QByteArray header;
    header.reserve(44);
    header.append("RIFF", 4);
    AppendU32(header, 36 + dataSize);
    header.append("WAVE", 4);
    header.append("fmt ", 4);
    AppendU32(header, 16);             // size of the format chunk
    AppendU16(header, 1);              // PCM
    AppendU16(header, 1);              // mono
    AppendU32(header, kWavSampleRate); // samples per second
    AppendU32(header, kWavSampleRate); // bytes per second: one byte per sample
    AppendU16(header, 1);              // block align
    AppendU16(header, 8);              // bits per sample
    header.append("data", 4);
    AppendU32(header, dataSize);
    return header;
}

} // namespace

bool WriteWavFile(const QString& path, const QByteArray& samples)
{
    QByteArray data = samples;
    if (data.size() % 2 != 0)
        data.append(char(0x80)); // silence in unsigned 8-bit
    if (data.size() > 0x7FFFFFF0)
        return false;

    // QSaveFile writes beside the target and renames only after a complete write, so a
    // failure anywhere leaves the earlier file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray header = WavHeader(quint32(data.size()));
    if (file.write(header) != header.size() || file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
