// Word recording: captures the default input into memory and hands it over on StopRecording,
// converted from whatever format the device delivers to 8-bit 11025 Hz mono (the program
// writes the file).
//
// Qt's audio input can wait without end inside QAudioSource::start for the audio server to
// make the stream ready (another program already recording from the same microphone does
// it). So the stream is made, started, read and stopped on a capture thread of its own, and
// the user's thread waits for each of those steps only a short while. A step that does not
// finish in time gives up that recording (nothing is saved, as with no device); the capture
// thread closes the stream whenever Qt lets it go, and until then recording is unavailable.
//
// A take that does not come out whole is told apart from one with nothing in it: the device
// was there but its stream could not be opened, or the stream broke before Stop (the sound
// server went away). Such a take hands over nothing and is reported as cut short.
#include "Audio.h"

#include "AudioThread.h"
#include "PcmConvert.h"

#include <QAudioSource>
#include <QBuffer>
#include <atomic>
#include <memory>
#include <utility>

namespace audio {

namespace {

// A recording left running is cut here, so a forgotten Stop cannot fill the memory.
constexpr qint64 kLongestRecordingUs = qint64(10) * 60 * 1000 * 1000;
// How long the user's thread waits for the capture thread to open or stop the stream; the
// audio server answers a working stream in far less.
constexpr int kStepTimeoutMs = 2000;

// The input stream and what it captured. Lives on the capture thread and is touched there only.
class Capture {
public:
    // Opens the device and starts capturing; false, with nothing left open, when it fails.
    bool Open(const QAudioDevice& device, const QAudioFormat& format)
    {
        Release();
        captured_ = new QBuffer;
        captured_->open(QIODevice::WriteOnly);
        source_ = new QAudioSource(device, format);
        const qsizetype limit = format.bytesForDuration(kLongestRecordingUs);
        QAudioSource* source = source_;
        QBuffer* captured = captured_;
        QObject::connect(captured, &QIODevice::bytesWritten, source, [source, captured, limit] {
            if (captured->size() >= limit)
                source->stop();
        });
        // A stream that the server ends (it died) stops with an error; the length limit and
        // Stop end it without one.
        QObject::connect(source, &QAudioSource::stateChanged, source, [this, source] {
            if (source->error() != QAudio::NoError)
                broken_ = true;
        });
        broken_ = false;
        source_->start(captured_);
        if (source_->error() == QAudio::NoError)
            return true;
        Release();
        return false;
    }

    // Stops capturing and hands over what was captured, once; the stream stays until Release.
    // whole is false when the stream broke before Stop: the bytes are then only a part.
    QByteArray Stop(QAudioFormat& format, bool& whole)
    {
        whole = false;
        if (!source_)
            return {};
        whole = !broken_ && source_->error() == QAudio::NoError;
        source_->stop();
        NoteStreamClosed();
        format = source_->format();
        QByteArray bytes = captured_->data();
        captured_->buffer().clear();
        return bytes;
    }

    // Read from the user's thread while the capture thread records.
    bool Broken() const { return broken_.load(); }

    // Qt's audio streams may run pending events while they are destroyed, a step that opens
    // the next stream among them: both are taken out first, and only these two go.
    void Release()
    {
        QAudioSource* source = std::exchange(source_, nullptr);
        QBuffer* captured = std::exchange(captured_, nullptr);
        if (source) {
            source->stop();
            delete source;
            NoteStreamClosed();
        }
        delete captured;
    }

private:
    QAudioSource* source_ = nullptr;
    QBuffer* captured_ = nullptr;
    std::atomic<bool> broken_{false}; // the stream stopped with an error before Stop
};

// The recorder's thread and what it captures. The capture lives on the thread and is touched
// there only; the steps that use it hold it, so that one left behind on a thread held up in
// Qt outlives the recorder.
struct Recorder {
    AudioThread* thread = nullptr;    // made at the first recording with a device present
    std::shared_ptr<Capture> capture; // the thread's
    bool capturing = false;           // the current recording's stream is open
    bool cutShort = false;            // the current or last take did not come out whole
};

Recorder& TheRecorder()
{
    static Recorder recorder;
    return recorder;
}

AudioThread& CaptureThread()
{
    Recorder& r = TheRecorder();
    if (!r.thread) {
        r.thread = new AudioThread(QStringLiteral("Word recording"));
        r.capture = std::make_shared<Capture>();
    }
    return *r.thread;
}

// What the capture thread hands over when a recording stops.
struct Captured {
    QByteArray bytes;
    QAudioFormat format;
    bool whole = false;
};

// Closes the stream, waiting for it a short while only when the capture thread is free.
void ReleaseCapture()
{
    Recorder& r = TheRecorder();
    if (r.thread)
        r.thread->PostAndWaitIfFree([capture = r.capture] { capture->Release(); }, kStepTimeoutMs);
}

} // namespace

void ReleaseRecorder()
{
    Recorder& r = TheRecorder();
    r.capturing = false;
    AudioThread::Finish(
        std::exchange(r.thread, nullptr),
        [capture = std::exchange(r.capture, nullptr)] { capture->Release(); }, kStepTimeoutMs);
}

void StartRecording()
{
    CloseRecorder();
    Recorder& r = TheRecorder();
    const QAudioDevice device = DefaultAudioDevice(QAudioDevice::Input);
    const QAudioFormat format = FormatForDevice(device, WordRecordingFormat());
    if (!format.isValid())
        return; // no device: nothing to record, as on a machine without sound
    // From here on a device is there, so a take that does not open was cut short.
    r.cutShort = true;
    AudioThread& thread = CaptureThread();
    if (thread.Busy())
        return; // an earlier stream is still held up in the audio server
    auto opened = std::make_shared<bool>(false);
    const std::shared_ptr<Capture> capture = r.capture;
    if (thread.PostAndWait(
            [capture, opened, device, format] { *opened = capture->Open(device, format); },
            kStepTimeoutMs)) {
        r.capturing = *opened;
        r.cutShort = !*opened;
    } else
        thread.Post([capture] { capture->Release(); }); // once Qt lets the opening go
}

QByteArray StopRecording()
{
    Recorder& r = TheRecorder();
    QByteArray samples;
    if (std::exchange(r.capturing, false) && r.thread) {
        auto out = std::make_shared<Captured>();
        const bool stopped = r.thread->PostAndWait(
            [capture = r.capture, out] { out->bytes = capture->Stop(out->format, out->whole); },
            kStepTimeoutMs);
        // A part of a take is no recording of the word: nothing of it is handed over.
        r.cutShort = !stopped || !out->whole;
        if (!r.cutShort)
            samples = ConvertPcm(out->bytes, out->format, WordRecordingFormat());
    }
    return samples;
}

bool RecordingCutShort() { return TheRecorder().cutShort; }

bool RecordingBroke()
{
    const Recorder& r = TheRecorder();
    return r.capturing && r.capture && r.capture->Broken();
}

void CloseRecorder()
{
    Recorder& r = TheRecorder();
    r.capturing = false;
    r.cutShort = false;
    ReleaseCapture();
}

} // namespace audio
