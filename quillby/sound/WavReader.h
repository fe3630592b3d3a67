#pragma once
#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

// The sound of a RIFF WAVE file as Qt's audio devices take it: native-endian samples.
struct WavSound {
    QAudioFormat format;
    QByteArray samples;
};

// Reads an uncompressed PCM (8, 16, 24 or 32 bits) or 32-bit float WAVE file; 24-bit samples
// are widened to 32 bits. A data chunk longer than the file is cut at the file's end.
// Returns nothing for a missing, unreadable or unsupported file.
std::optional<WavSound> ReadWavFile(const QString& path);
// Whether the file is a WAVE file ReadWavFile reads, with at least one sample: a recording
// worth keeping or playing. An empty or damaged file (a full disk cut it short) is not.
bool WavFileHasSound(const QString& path);
// The same from bytes already in memory.
std::optional<WavSound> ParseWav(const QByteArray& bytes);
