#pragma once
#include <QString>

struct QuillbyAudioTable;

// The sound module (plugins/libquillby_audio.so: Qt Multimedia, Flite and PulseAudio), loaded
// at the first sound or ahead of it on a worker thread, never during start-up. Only the
// loading happens on the worker: everything of Qt Multimedia is made later on the threads
// that make it today (the main thread, the player's and the recorder's own), so no object of
// it belongs to the worker. A module that cannot be loaded leaves sound off for the session,
// as with no audio device, and says why on stderr once.

// The module's table, loading the module on this thread unless a worker loads it already,
// then waiting for that; null when it cannot be had.
const QuillbyAudioTable* AudioModule();
// The table once the module has been loaded, else null; never loads it (nothing can play or
// record before it is loaded).
const QuillbyAudioTable* LoadedAudioModule();
// Waits for a load under way, never starting one; the table when the module is loaded.
const QuillbyAudioTable* FinishedAudioModule();
// Starts loading the module on a worker thread and returns at once; with speech, the voice is
// then made ready from the main thread's event loop.
void LoadAudioModuleAhead(bool speech);
// False once the module is known not to load: it failed to, or its file is missing.
bool AudioModuleMayLoad();

// Loads the module from this file for the rest of the run; for tests, whose programs are not
// beside plugins/.
void SetSoundModulePath(const QString& path);
// Plays through Qt's audio sink even where the player's own PulseAudio stream is built in;
// for tests of the way other builds play. Loads the module.
void UseQtPlaybackForTesting(bool qt);
