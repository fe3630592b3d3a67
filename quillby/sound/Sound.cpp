// Recording and playback, forwarded to the sound module (SoundModule.h), which is loaded at
// the first sound. Until then nothing can play or record, so the calls that only stop or ask
// answer without loading it; a module that cannot be loaded is silent, as no device is.
#include "Sound.h"

#include "AudioModule.h"
#include "ProcessEvents.h"
#include "SoundModule.h"
#include "WavFiles.h"
#include "WavReader.h"
#include "WavWriter.h"

#include <QCoreApplication>

namespace {

// Between StartRecording and StopRecording/CloseRecorder, with or without a device, so the
// caller's indicator runs as on any machine.
bool recording = false;

void ReleaseAtExit()
{
    ReleaseSound();
}

} // namespace

void InitSound()
{
    static bool backendChosen = false;
    if (!backendChosen) {
        backendChosen = true;
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
    }
    // Audio objects must go before Qt's audio engine does, at the application's end.
    static bool cleanupRegistered = false;
    if (!cleanupRegistered && QCoreApplication::instance()) {
        cleanupRegistered = true;
        qAddPostRoutine(ReleaseAtExit);
    }
}

void PrepareSound()
{
    LoadAudioModuleAhead(false);
}

void ReleaseSound()
{
    // A load still under way ends first, so that no module arrives after the release.
    if (const QuillbyAudioTable* module = FinishedAudioModule())
        module->release();
}

void StartRecording()
{
    CloseRecorder();
    recording = true;
    if (const QuillbyAudioTable* module = AudioModule())
        module->startRecording();
}

bool StopRecording(const QString& path)
{
    recording = false;
    const QuillbyAudioTable* module = LoadedAudioModule();
    const QByteArray samples = module ? module->stopRecording() : QByteArray();
    ProcessEvents(6);
    DeleteFileQuietly(path);
    bool written = true;
    if (!samples.isEmpty()) {
        written = WriteWavFile(path, samples) && WavFileHasSound(path);
        if (!written)
            DeleteFileQuietly(path);
    }
    ProcessEvents(6);
    return written;
}

bool RecordingCutShort()
{
    const QuillbyAudioTable* module = LoadedAudioModule();
    return module && module->recordingCutShort();
}

bool RecordingBroke()
{
    const QuillbyAudioTable* module = LoadedAudioModule();
    return recording && module && module->recordingBroke();
}

void CloseRecorder()
{
    recording = false;
    if (const QuillbyAudioTable* module = LoadedAudioModule())
        module->closeRecorder();
}

bool IsRecording()
{
    return recording;
}

void PlayWave(const QString& path)
{
    if (const QuillbyAudioTable* module = AudioModule())
        module->playWave(path);
}

void StopPlaying()
{
    if (const QuillbyAudioTable* module = LoadedAudioModule())
        module->stopPlaying();
}

bool IsPlaying()
{
    const QuillbyAudioTable* module = LoadedAudioModule();
    return module && module->isPlaying();
}
