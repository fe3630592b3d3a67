#pragma once
#include <QString>

// Recording and playback of the main program. None of these shows a message: with no audio
// device every call is silent and returns at once, and only a recording cut short by a
// device that stopped answering is reported to the caller (RecordingCutShort). The libraries that
// play and record are in a module loaded at the first sound (or by PrepareSound), never at
// start-up; a module that cannot be loaded is silent as no device is.

// Prepares the audio services; call once at start-up, before any other multimedia object is
// made. Selects Qt's GStreamer media backend (the FFmpeg one crashes when no audio server
// runs) unless QT_MEDIA_BACKEND already names one, and, with an application object, has the
// exit release what sound used. Cheap: it loads nothing.
void InitSound();
// Makes sound ready ahead, on a worker thread, where a sound is about to be needed (a window
// that plays or records opens), so that the first sound does not wait; returns at once.
void PrepareSound();
// Closes the recorder, the player and the voice, when sound was used at all; run before the
// application object goes away (InitSound arranges it at exit).
void ReleaseSound();

// Closes any earlier recording and starts a new one (8-bit unsigned PCM, 11025 Hz, mono; other
// device formats are converted). A microphone that does not answer within a moment (another
// program holding it, a sound server gone) leaves the recording empty; RecordingCutShort
// then tells it from a machine without any device.
void StartRecording();
// Stops the recording and writes it to path as a WAV file, replacing any file there. The
// recorder stays open until the next StartRecording or CloseRecorder. With nothing recorded,
// no file is written (an earlier file at path is deleted all the same). Returns false only
// when sound was recorded but could not be written (a full or read-only disk): then no file
// is left at path, never an empty or partial one.
bool StopRecording(const QString& path);
// True after StartRecording when a microphone is there but could not be opened, and after
// StopRecording when the take did not come out whole: it could not be opened, or it broke
// off before Stop (the sound server went away).
// Nothing of such a take is written. False for a whole take, for one with nothing in it, and
// with no audio device at all (recording then stays silent, as above).
bool RecordingCutShort();
// True while recording once the recording has broken off (the sound server went away), so
// the caller can stop at once; StopRecording then reports it cut short.
bool RecordingBroke();
// Closes the recorder, discarding anything not saved.
void CloseRecorder();
// True between StartRecording and StopRecording/CloseRecorder.
bool IsRecording();

// Starts playing a WAV file and returns at once; a new sound stops the one playing. A missing
// file (or one that is no readable WAVE file) gives a short alert tone, the desktop's beep.
void PlayWave(const QString& path);
// Stops whatever is playing (used at exit).
void StopPlaying();
// True from PlayWave until its sound has been played out or stopped.
bool IsPlaying();
