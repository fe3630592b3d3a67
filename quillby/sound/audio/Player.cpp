// Playback: one sound at a time through the default output. Each PlayWave makes a fresh
// output stream, so a stalled or silent device can never hold up the next sound. The streams
// are opened, fed and closed on a playback thread: opening one waits for the sound server,
// and a server that dies meanwhile must not freeze the windows.
//
// Where PulseAudio is built in, the sounds go through a stream of our own (PulseStream) and
// Qt's audio engine plays no part in them: that engine frees its server connection on its
// own thread when the server dies, while a stream opening or closing on another thread still
// reads it, and the process aborts. Elsewhere they go through Qt's audio sink.
#include "Audio.h"

#include "AudioThread.h"
#include "PcmConvert.h"
#ifdef QUILLBY_HAVE_PULSE
#include "PulseStream.h"
#endif
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

namespace audio {

namespace {

// After the last sample has been handed over, the server still holds some audio; the stream
// is closed only after this much longer, so the end of a word is not cut off.
constexpr int kDrainMs = 250;
// How long the exit waits for the playback thread to close its stream; a stream step that
// takes longer is held up in a call to the sound server.
constexpr int kStepWaitMs = 2000;
// A sound is handed to our own stream in pieces this long; between them the playback thread
// sees that the sound was stopped or replaced.
constexpr qint64 kPieceUs = 50 * 1000;

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
    bool throughQt = false;         // Qt's sink even where our own stream is built in
};

Player& ThePlayer()
{
    static Player player;
    return player;
}

// A thread held up in a call to the server is left behind and a new one plays on: the stream
// it waits for is gone with the old server, the next sounds go to the new one.
AudioThread& PlaybackThread()
{
    Player& p = ThePlayer();
    if (AudioThread::Renew(p.thread, QStringLiteral("Playback"), kStepWaitMs))
        p.output = std::make_shared<Output>();
    return *p.thread;
}

// Whether the sound goes through our own stream rather than Qt's sink.
bool ThroughOwnStream(const QAudioFormat& format)
{
#ifdef QUILLBY_HAVE_PULSE
    return !ThePlayer().throughQt && PulseStream::Takes(format);
#else
    Q_UNUSED(format);
    return false;
#endif
}

// The sound has ended (played out, stopped, or its stream failed), unless a newer one plays.
void EndSound(int sound) { ThePlayer().sound.compare_exchange_strong(sound, 0); }

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
    EndSound(sound);
}

#ifdef QUILLBY_HAVE_PULSE
// On the playback thread: opens our own stream, hands it the samples piece by piece while the
// sound is still the one to play, and waits until the server has played them. A server that
// is gone, or goes away meanwhile, ends the sound at once, silently.
void PlayThroughOwnStream(AudioThread& thread, int sound, const QAudioFormat& format,
                          const QByteArray& samples)
{
    const auto current = [sound] { return ThePlayer().sound.load() == sound; };
    PulseStream stream;
    if (current() && stream.Open(format, QStringLiteral("Word"))) {
        const qsizetype frame = qMax(1, format.bytesPerFrame());
        const qsizetype piece = qMax(frame, format.bytesForDuration(kPieceUs) / frame * frame);
        bool ok = true;
        for (qsizetype at = 0; ok && current() && at < samples.size(); at += piece) {
            thread.StillGoing();
            ok = stream.Write(samples.constData() + at, qMin(piece, samples.size() - at));
        }
        thread.StillGoing();
        if (ok && current())
            stream.Drain();
        else if (ok)
            stream.Discard();
    }
    EndSound(sound);
}
#endif

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
    const bool own = !device.isNull() && ThroughOwnStream(sound.format);
    const QAudioFormat format = own ? sound.format : FormatForDevice(device, sound.format);
    Player& p = ThePlayer();
    if (!format.isValid() || sound.samples.isEmpty())
        return 0;
    const int number = ++p.lastSound;
    p.sound = number;
    AudioThread& thread = PlaybackThread();
#ifdef QUILLBY_HAVE_PULSE
    if (own) {
        thread.Post([&thread, number, format, samples = sound.samples] {
            PlayThroughOwnStream(thread, number, format, samples);
        });
        return number;
    }
#endif
    thread.Post([out = p.output, number, device, format,
                 samples = ConvertPcm(sound.samples, sound.format, format)] {
        OpenOutput(out, number, device, format, samples);
    });
    return number;
}

void UseQtPlaybackForTesting(bool qt)
{
    StopPlaying();
    ThePlayer().throughQt = qt;
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

} // namespace audio
