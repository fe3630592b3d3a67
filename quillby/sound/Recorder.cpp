// Word recording: captures the default input into memory and writes our own WAV file on
// StopRecording, converting whatever format the device delivers to 8-bit 11025 Hz mono.
//
// Qt's audio input can wait without end inside QAudioSource::start for the audio server to
// make the stream ready (another program already recording from the same microphone does
// it). So the stream is made, started, read and stopped on a capture thread of its own, and
// the user's thread waits for each of those steps only a short while. A step that does not
// finish in time gives up that recording (nothing is saved, as with no device); the capture
// thread closes the stream whenever Qt lets it go, and until then recording is unavailable.
#include "Sound.h"

#include "ProcessEvents.h"
#include "WavFiles.h"
#include "AudioDevices.h"
#include "PcmConvert.h"
#include "WavReader.h"
#include "WavWriter.h"

#include <QAudioSource>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <functional>
#include <memory>
#include <utility>

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
        source_->start(captured_);
        if (source_->error() == QAudio::NoError)
            return true;
        Release();
        return false;
    }

    // Stops capturing and hands over what was captured, once; the stream stays until Release.
    QByteArray Stop(QAudioFormat& format)
    {
        if (!source_)
            return {};
        source_->stop();
        NoteStreamClosed();
        format = source_->format();
        QByteArray bytes = captured_->data();
        captured_->buffer().clear();
        return bytes;
    }

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
};

// What one step on the capture thread hands back to the user's thread.
struct Reply {
    QMutex mutex;
    QWaitCondition done;
    bool finished = false;
    bool opened = false;
    QByteArray bytes;
    QAudioFormat format;
};

// The capture thread, running its own event loop (which also feeds the stream's buffer).
struct CaptureThread {
    QThread thread;
    QObject context; // moved to the thread: the steps run there, in the order posted
    Capture capture;
    std::atomic<int> pending{0}; // steps posted and not yet finished
};

struct Recorder {
    CaptureThread* worker = nullptr; // made at the first recording with a device present
    bool capturing = false;          // the current recording's stream is open
    bool recording = false;
};

Recorder& TheRecorder()
{
    static Recorder recorder;
    return recorder;
}

CaptureThread& Worker()
{
    Recorder& r = TheRecorder();
    if (!r.worker) {
        r.worker = new CaptureThread;
        r.worker->thread.setObjectName(QStringLiteral("Word recording"));
        r.worker->context.moveToThread(&r.worker->thread);
        r.worker->thread.start();
    }
    return *r.worker;
}

// Runs step on the capture thread; the reply outlives a user's thread that stops waiting.
std::shared_ptr<Reply> Post(CaptureThread& worker,
                            std::function<void(Capture&, Reply&)> step)
{
    auto reply = std::make_shared<Reply>();
    ++worker.pending;
    QMetaObject::invokeMethod(&worker.context, [&worker, reply, step = std::move(step)] {
        step(worker.capture, *reply);
        --worker.pending;
        const QMutexLocker lock(&reply->mutex);
        reply->finished = true;
        reply->done.wakeAll();
    }, Qt::QueuedConnection);
    return reply;
}

// Waits a short while for the step; true when it finished.
bool Await(Reply& reply)
{
    const QMutexLocker lock(&reply.mutex);
    const QDeadlineTimer deadline(kStepTimeoutMs);
    while (!reply.finished && reply.done.wait(&reply.mutex, deadline)) {
    }
    return reply.finished;
}

// Closes the stream, waiting for it a short while only when the capture thread is free.
// True when the thread is free afterwards.
bool ReleaseCapture(CaptureThread& worker)
{
    const bool free = worker.pending == 0;
    auto reply = Post(worker, [](Capture& capture, Reply&) { capture.Release(); });
    return free && Await(*reply);
}

} // namespace

void ReleaseRecorder()
{
    Recorder& r = TheRecorder();
    r.capturing = false;
    CaptureThread* worker = std::exchange(r.worker, nullptr);
    // A capture thread stuck inside Qt is left behind on purpose: nothing can free it, a
    // thread object must not be destroyed while its thread runs, and waiting for it would
    // freeze the exit. Its stream is closed by the step posted here if Qt ever lets go.
    if (!worker || !ReleaseCapture(*worker))
        return;
    worker->thread.quit();
    if (worker->thread.wait(QDeadlineTimer(kStepTimeoutMs)))
        delete worker;
}

void StartRecording()
{
    CloseRecorder();
    Recorder& r = TheRecorder();
    r.recording = true; // even without a device, so the caller's indicator runs as usual
    const QAudioDevice device = DefaultAudioDevice(QAudioDevice::Input);
    const QAudioFormat format = FormatForDevice(device, WordRecordingFormat());
    if (!format.isValid())
        return;
    CaptureThread& worker = Worker();
    if (worker.pending != 0)
        return; // an earlier stream is still held up in the audio server
    auto reply = Post(worker, [device, format](Capture& capture, Reply& out) {
        out.opened = capture.Open(device, format);
    });
    if (Await(*reply))
        r.capturing = reply->opened;
    else
        ReleaseCapture(worker); // runs once Qt lets the opening go
}

bool StopRecording(const QString& path)
{
    Recorder& r = TheRecorder();
    r.recording = false;
    QByteArray samples;
    if (std::exchange(r.capturing, false) && r.worker) {
        auto reply = Post(*r.worker, [](Capture& capture, Reply& out) {
            out.bytes = capture.Stop(out.format);
        });
        if (Await(*reply))
            samples = ConvertPcm(reply->bytes, reply->format, WordRecordingFormat());
    }
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

void CloseRecorder()
{
    Recorder& r = TheRecorder();
    r.recording = false;
    r.capturing = false;
    if (r.worker)
        ReleaseCapture(*r.worker);
}

bool IsRecording()
{
    return TheRecorder().recording;
}
