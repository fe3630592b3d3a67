// The devices and the end of the session: what the recorder and the player share.
#include "Audio.h"

#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QThread>
#include <atomic>

namespace audio {

namespace {

// The audio server answers a closed stream with a few events. Qt's audio engine goes away at
// exit without stopping its event thread first, and aborts when such an event arrives while
// it is being torn down; so exit waits until the last stream has been closed for this long.
constexpr qint64 kServerSettleMs = 300;

// Monotonic milliseconds of the last close, -1 before any; the recorder's capture thread
// closes streams too.
std::atomic<qint64>& LastStreamClosedMs()
{
    static std::atomic<qint64> ms{-1};
    return ms;
}

} // namespace

void ReleaseAudio()
{
    ReleaseRecorder();
    ReleasePlayer();
    ReleaseSpeech();
    const qint64 closed = LastStreamClosedMs().load();
    const qint64 elapsed = QDeadlineTimer::current().deadline() - closed;
    if (closed >= 0 && elapsed < kServerSettleMs)
        QThread::msleep(quint64(kServerSettleMs - elapsed));
}

void NoteStreamClosed()
{
    LastStreamClosedMs().store(QDeadlineTimer::current().deadline());
}

QAudioDevice DefaultAudioDevice(QAudioDevice::Mode mode)
{
    const bool input = mode == QAudioDevice::Input;
    const QAudioDevice preferred =
        input ? QMediaDevices::defaultAudioInput() : QMediaDevices::defaultAudioOutput();
    if (preferred.isNull())
        return {};
    const QList<QAudioDevice> present =
        input ? QMediaDevices::audioInputs() : QMediaDevices::audioOutputs();
    for (const QAudioDevice& device : present) {
        if (device.id() == preferred.id())
            return device;
    }
    return preferred;
}

QAudioFormat FormatForDevice(const QAudioDevice& device, const QAudioFormat& wanted)
{
    if (device.isNull())
        return {};
    if (device.isFormatSupported(wanted))
        return wanted;
    const QAudioFormat own = device.preferredFormat();
    return own.isValid() && own.sampleFormat() != QAudioFormat::Unknown ? own : QAudioFormat{};
}

} // namespace audio
