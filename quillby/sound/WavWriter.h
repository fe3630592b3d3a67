#pragma once
#include <QByteArray>
#include <QString>

// Writes samples (8-bit unsigned PCM, mono, 11025 Hz) as a RIFF WAVE file at path, replacing
// any file there. An odd number of samples is padded with one silent sample (0x80), since some
// readers stop at an odd-sized data chunk. Writes to a temporary file first, so a full or
// read-only disk leaves any earlier file intact; returns false when nothing could be written.
bool WriteWavFile(const QString& path, const QByteArray& samples);

inline constexpr int kWavSampleRate = 11025;
