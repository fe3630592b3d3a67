// Playback: one sound at a time through the default output. Each PlayWave makes a fresh
// output stream, so a stalled or silent device can never hold up the next sound.
#include "Sound.h"

#include "AudioDevices.h"
#include "PcmConvert.h"
#include "WavReader.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QTimer>
#include <cmath>
#include <numbers>
#include <utility>

namespace {

// After the last sample has been handed over, the server still holds some audio; the stream
// is closed only after this much longer, so the end of a word is not cut off.
constexpr int kDrainMs = 250;

struct Player {
    QAudioSink* sink = nullptr;
    QBuffer* data = nullptr;
    bool finished = false;
};

Player& ThePlayer()
{
    static Player player;
    return player;
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

void OnStateChanged(QAudioSink* sink, QAudio::State state)
{
    if (state != QAudio::IdleState && state != QAudio::StoppedState)
        return;
    Player& p = ThePlayer();
    if (p.sink != sink || p.finished)
        return;
    p.finished = true;
    // The sink is the timer's context: a newer sound that deletes it cancels this call.
    QTimer::singleShot(kDrainMs, sink, [] { ReleasePlayer(); });
}

} // namespace

void ReleasePlayer()
{
    // Never called from inside the sink's own signals (the end of a sound comes through a
    // timer), so the sink can go at once: no stream outlives this call, not even at exit.
    Player& p = ThePlayer();
    QAudioSink* sink = std::exchange(p.sink, nullptr);
    if (sink) {
        sink->disconnect();
        sink->stop();
        delete sink;
        NoteStreamClosed();
    }
    delete std::exchange(p.data, nullptr);
}

void PlayWave(const QString& path)
{
    StopPlaying();
    const WavSound sound = SoundOfFile(path);
    const QAudioDevice device = DefaultAudioDevice(QAudioDevice::Output);
    const QAudioFormat format = FormatForDevice(device, sound.format);
    if (!format.isValid() || sound.samples.isEmpty())
        return;
    Player& p = ThePlayer();
    p.finished = false;
    p.data = new QBuffer;
    p.data->setData(ConvertPcm(sound.samples, sound.format, format));
    p.data->open(QIODevice::ReadOnly);
    p.sink = new QAudioSink(device, format);
    QAudioSink* sink = p.sink;
    QObject::connect(sink, &QAudioSink::stateChanged, sink,
                     [sink](QAudio::State state) { OnStateChanged(sink, state); });
    sink->start(p.data);
    if (sink->error() != QAudio::NoError)
        ReleasePlayer();
}

void StopPlaying()
{
    ReleasePlayer();
}

bool IsPlaying()
{
    const Player& p = ThePlayer();
    return p.sink && !p.finished;
}
