#pragma once
#include <QAudioDevice>
#include <QAudioFormat>

struct WavSound;

// The system's default input or output device, looked up by its id among the present
// devices; a null device when there is none (no audio server, no card).
QAudioDevice DefaultAudioDevice(QAudioDevice::Mode mode);

// `wanted` when the device takes it, else the device's own preferred format (we convert);
// an invalid format when the device is null or names none.
QAudioFormat FormatForDevice(const QAudioDevice& device, const QAudioFormat& wanted);

// Called whenever an input or output stream is closed, from any thread (see ReleaseAudio in
// Sound.cpp).
void NoteStreamClosed();

// Releases the recorder, the player and the speech engine; run before the application object goes
// away.
void ReleaseRecorder();
void ReleasePlayer();
void ReleaseSpeech();

// Plays samples as PlayWave plays a file (a new sound stops the one playing) and returns the
// sound's number, 0 when nothing could be played (no device, no samples).
int PlaySamples(const WavSound& sound);
// True while the sound of that number plays.
bool IsPlayingSound(int sound);

// Plays through Qt's audio sink even where the player's own PulseAudio stream is built in;
// for tests of the way other builds play.
void UseQtPlaybackForTesting(bool qt);
