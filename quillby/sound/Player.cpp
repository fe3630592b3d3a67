// Playback: one sound at a time through the default output. Each PlayWave makes a fresh
// output stream, so a stalled or silent device can never hold up the next sound. The streams
// are opened, fed and closed on a playback thread: Qt waits without end for a stream that a
// dying sound server never makes ready, and that wait must not freeze the windows.
#include "Sound.h"

#include "AudioDevices.h"
#include "AudioThread.h"
#include "PcmConvert.h"
#include "WavReader.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <memory>
#include <numbers>
#include <utility>

namespace {

// After the last sample has been handed over, the server still holds some audio; the stream
// is closed only after this much longer, so the end of a word is not cut off.
constexpr int kDrainMs = 250;
// How long the exit waits for the playback thread to close its stream; a stream step that
// takes longer is held up in Qt.
constexpr int kStepWaitMs = 2000;

// The stream of one playback thread, touched there only.
struct Output {
    QAudioSink* sink = nullptr;
    QBuffer* data = nullptr;
};

struct Player {
    AudioThread* thread = nullptr;  // made with the first sound
    std::shared_ptr<Output> output; // the thread's
    std::atomic<int> sound{0};      // the number of the sound playing, 0 for none
    int lastSound = 0;              // the number given to the newest sound
};

Player& ThePlayer()
{
    static Player player;
    return player;
}

// A thread held up in Qt is left behind (see AudioThread::Finish) and a new one plays on:
// the stream it waits for is gone with the old server, the next sounds go to the new one.
AudioThread& PlaybackThread()
{
    Player& p = ThePlayer();
    if (p.thread && p.thread->HeldUp(kStepWaitMs))
        AudioThread::Finish(
            std::exchange(p.thread, nullptr), [] {}, 0);
    if (!p.thread) {
        p.thread = new AudioThread(QStringLiteral("Playback"));
        p.output = std::make_shared<Output>();
    }
    return *p.thread;
}

// A short soft tone for a sound file that is missing or unreadable.
WavSound AlertTone()
{
    const QAudioFormat format = WordRecordingFormat();
    const int rate = format.sampleRate();
    const int count = rate * 15 / 100;
    const int ramp = rate / 100;
    QByteArray samples(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i) {
        const double envelope = std::min({1.0, double(i) / ramp, double(count - 1 - i) / ramp});
        const double value = 0.5 * envelope * std::sin(2.0 * std::numbers::pi * 880.0 * i / rate);
        samples[i] = char(128 + std::lround(value * 127.0));
    }
    return {format, samples};
}

WavSound SoundOfFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return AlertTone();
    std::optional<WavSound> sound = ReadWavFile(path);
    return sound ? *sound : AlertTone();
}

// On the playback thread. Qt's sink runs pending events while it is destroyed, and one of
// them may open the next sound's stream into `out`: so both are taken out of it first, and
// only this sound's stream and samples go.
void CloseOutput(Output& out)
{
    QAudioSink* sink = std::exchange(out.sink, nullptr);
    QBuffer* data = std::exchange(out.data, nullptr);
    if (sink) {
        sink->disconnect();
        sink->stop();
        delete sink;
        NoteStreamClosed();
    }
    delete data;
}

// The sound has played out, or its stream stopped with an error (the sound server went away,
// or the device did): it ends now, and its stream is closed a moment later like one that
// played out; the next sound opens a new one. On the playback thread.
void OnStateChanged(const std::shared_ptr<Output>& out, QAudioSink* sink, int sound,
                    QAudio::State state)
{
    if (state != QAudio::IdleState && state != QAudio::StoppedState)
        return;
    int playing = sound;
    if (out->sink != sink || !ThePlayer().sound.compare_exchange_strong(playing, 0))
        return;
    // The sink is the timer's context: a newer sound that deletes it cancels this call.
    QTimer::singleShot(kDrainMs, sink, [out] { CloseOutput(*out); });
}

// On the playback thread; a sound stopped or replaced before its turn is not opened.
void OpenOutput(const std::shared_ptr<Output>& output, int sound, const QAudioDevice& device,
                const QAudioFormat& format, const QByteArray& samples)
{
    Output& out = *output;
    CloseOutput(out);
    Player& p = ThePlayer();
    if (p.sound.load() != sound)
        return;
    out.data = new QBuffer;
    out.data->setData(samples);
    out.data->open(QIODevice::ReadOnly);
    out.sink = new QAudioSink(device, format);
    QAudioSink* sink = out.sink;
    QObject::connect(sink, &QAudioSink::stateChanged, sink,
                     [output, sink, sound](QAudio::State state) {
        OnStateChanged(output, sink, sound, state);
    });
    sink->start(out.data);
    if (sink->error() == QAudio::NoError)
        return;
    CloseOutput(out);
    int playing = sound;
    p.sound.compare_exchange_strong(playing, 0);
}

} // namespace

void ReleasePlayer()
{
    Player& p = ThePlayer();
    p.sound = 0;
    AudioThread::Finish(
        std::exchange(p.thread, nullptr),
        [out = std::exchange(p.output, nullptr)] { CloseOutput(*out); }, kStepWaitMs);
}

void PlayWave(const QString& path)
{
    PlaySamples(SoundOfFile(path));
}

int PlaySamples(const WavSound& sound)
{
    StopPlaying();
    // The device is looked up for every sound: after the sound server restarts, the old
    // device is gone and the new default takes over; with no server there is none.
    const QAudioDevice device = DefaultAudioDevice(QAudioDevice::Output);
    const QAudioFormat format = FormatForDevice(device, sound.format);
    Player& p = ThePlayer();
    if (!format.isValid() || sound.samples.isEmpty())
        return 0;
    const int number = ++p.lastSound;
    p.sound = number;
    PlaybackThread().Post([out = p.output, number, device, format,
                           samples = ConvertPcm(sound.samples, sound.format, format)] {
        OpenOutput(out, number, device, format, samples);
    });
    return number;
}

bool IsPlayingSound(int sound) { return sound != 0 && ThePlayer().sound.load() == sound; }

void StopPlaying()
{
    Player& p = ThePlayer();
    p.sound = 0;
    if (p.thread)
        p.thread->Post([out = p.output] { CloseOutput(*out); });
}

bool IsPlaying() { return ThePlayer().sound.load() != 0; }
