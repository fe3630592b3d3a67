#pragma once
#include <QByteArray>
#include <QString>

// What the sound module (plugins/libquillby_audio.so: Qt Multimedia, Flite, PulseAudio) hands
// the program: one table of its functions, from QuillbyAudioFunctions. The program forwards
// Sound.h and Speech.h to it; see audio/Audio.h for what each does. Program and module are
// built together, and `size` tells a module of another build from the right one.
struct QuillbyAudioTable {
    size_t size;
    void (*startRecording)();
    QByteArray (*stopRecording)(); // the samples in the recording format, empty for none
    void (*closeRecorder)();
    void (*playWave)(const QString& path);
    void (*stopPlaying)();
    bool (*isPlaying)();
    void (*speakWord)(const QString& word);
    bool (*speechAvailable)();
    void (*warmUpSpeech)();
    void (*stopSpeaking)();
    bool (*isSpeaking)();
    void (*release)(); // at exit: the recorder, the player and the voice
    void (*setSpeechEngineForTesting)(const QString& engine);
    void (*useQtPlaybackForTesting)(bool qt);
    bool (*recordingCutShort)(); // after stopRecording: the take did not come out whole
    bool (*recordingBroke)();    // while recording: the stream has broken off
};

// The module's one exported function.
extern "C" {
using QuillbyAudioFunctionsFunction = const QuillbyAudioTable* (*)();
}
