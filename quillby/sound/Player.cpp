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
    int sound = 0;      // the number of the sound playing, 0 for none
    int lastSound = 0;  // the number given to the newest sound
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
    // Stopped with an error: the sound server went away (or the device did). The stream is
    // dead; it is closed like one that played out, and the next sound opens a new one.
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
    p.sound = 0;
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
    if (!format.isValid() || sound.samples.isEmpty())
        return 0;
    Player& p = ThePlayer();
    p.finished = false;
    p.sound = ++p.lastSound;
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
    return p.sound;
}

bool IsPlayingSound(int sound)
{
    return sound != 0 && ThePlayer().sound == sound && IsPlaying();
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
