#pragma once
#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QString>

struct WavSound;

// The sound module's own code: recording, playback and the voice through Qt Multimedia, Flite
// and PulseAudio. The program reaches it only through the table of AudioModule.h; the names
// live in a namespace of their own so that they never meet the program's functions of the
// same name (Sound.h), which forward to these. Every function runs on the program's main
// thread, as the program's windows call it.
namespace audio {

// Recording (Recorder.cpp). StartRecording closes any earlier recording and opens the default
// input; StopRecording hands over what was captured, converted to WordRecordingFormat (empty
// when nothing was); CloseRecorder drops it. RecordingCutShort tells, after StopRecording,
// that the take did not come out whole (see Sound.h); StopRecording then hands over nothing.
// RecordingBroke tells it while the take still runs.
void StartRecording();
QByteArray StopRecording();
void CloseRecorder();
bool RecordingCutShort();
bool RecordingBroke();

// Playback (Player.cpp), as Sound.h describes PlayWave, StopPlaying and IsPlaying.
void PlayWave(const QString& path);
void StopPlaying();
bool IsPlaying();

// The voice (Voice.cpp), as Speech.h describes the functions of the same names.
void SpeakWord(const QString& word);
bool SpeechAvailable();
void WarmUpSpeech();
void StopSpeaking();
bool IsSpeaking();
void SetSpeechEngineForTesting(const QString& engine);

// The system's default input or output device, looked up by its id among the present
// devices; a null device when there is none (no audio server, no card).
QAudioDevice DefaultAudioDevice(QAudioDevice::Mode mode);

// `wanted` when the device takes it, else the device's own preferred format (we convert);
// an invalid format when the device is null or names none.
QAudioFormat FormatForDevice(const QAudioDevice& device, const QAudioFormat& wanted);

// Called whenever an input or output stream is closed, from any thread (see ReleaseAudio).
void NoteStreamClosed();

// Releases the recorder, the player and the voice, and waits for the sound server to settle
// (Devices.cpp); run before the application object goes away.
void ReleaseAudio();
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

} // namespace audio
