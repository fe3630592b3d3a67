// Word recording: captures the default input into memory and writes our own WAV file on
// StopRecording, converting whatever format the device delivers to 8-bit 11025 Hz mono.
#include "Sound.h"

#include "AppFunctions.h"
#include "AudioDevices.h"
#include "PcmConvert.h"
#include "WavWriter.h"

#include <QAudioSource>
#include <QBuffer>

namespace {

// A recording left running is cut here, so a forgotten Stop cannot fill the memory.
constexpr qint64 kLongestRecordingUs = qint64(10) * 60 * 1000 * 1000;

struct Recorder {
    QAudioSource* source = nullptr; // open from StartRecording to the next one or CloseRecorder
    QBuffer* captured = nullptr;
    bool recording = false;
};

Recorder& TheRecorder()
{
    static Recorder recorder;
    return recorder;
}

// Opens the default input and starts capturing; leaves the recorder empty when no device
// or format is available or the device fails at once.
void OpenInput(Recorder& r)
{
    const QAudioDevice device = DefaultAudioDevice(QAudioDevice::Input);
    const QAudioFormat format = FormatForDevice(device, WordRecordingFormat());
    if (!format.isValid())
        return;
    r.captured = new QBuffer;
    r.captured->open(QIODevice::WriteOnly);
    r.source = new QAudioSource(device, format);
    const qsizetype limit = format.bytesForDuration(kLongestRecordingUs);
    QAudioSource* source = r.source;
    QObject::connect(r.captured, &QIODevice::bytesWritten, source, [source, &r, limit] {
        if (r.captured && r.captured->size() >= limit)
            source->stop();
    });
    r.source->start(r.captured);
    if (r.source->error() != QAudio::NoError)
        ReleaseRecorder();
}

} // namespace

void ReleaseRecorder()
{
    Recorder& r = TheRecorder();
    if (r.source) {
        r.source->stop();
        delete r.source;
        r.source = nullptr;
        NoteStreamClosed();
    }
    delete r.captured;
    r.captured = nullptr;
}

void StartRecording()
{
    CloseRecorder();
    Recorder& r = TheRecorder();
    r.recording = true; // even without a device, so the caller's indicator runs as usual
    OpenInput(r);
}

void StopRecording(const QString& path)
{
    Recorder& r = TheRecorder();
    r.recording = false;
    QByteArray samples;
    if (r.source && r.captured) {
        r.source->stop();
        NoteStreamClosed();
        samples = ConvertPcm(r.captured->data(), r.source->format(), WordRecordingFormat());
        r.captured->buffer().clear(); // saved once per recording
    }
    ProcessEvents(6);
    DeleteFileQuietly(path);
    if (!samples.isEmpty())
        WriteWavFile(path, samples);
    ProcessEvents(6);
}

void CloseRecorder()
{
    TheRecorder().recording = false;
    ReleaseRecorder();
}

bool IsRecording()
{
    return TheRecorder().recording;
}
