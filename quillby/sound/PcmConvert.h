#pragma once
#include <QAudioFormat>
#include <QByteArray>

// Converts interleaved PCM between any two formats Qt's audio devices use (UInt8, Int16,
// Int32 and Float; any channel count and rate): channels are averaged down to mono or copied
// up from mono, the rate is changed by linear interpolation. A trailing partial frame is
// dropped. Returns an empty array when either format is invalid.
QByteArray ConvertPcm(const QByteArray& input, const QAudioFormat& from, const QAudioFormat& to);

// The format of every word recording: unsigned 8-bit, 11025 Hz, mono.
QAudioFormat WordRecordingFormat();
