#pragma once
// Test helpers for the private audio server of scripts/with-audio.sh: speak a word into its
// microphone pipe, listen to what reaches its speaker, and read WAV facts with soxi.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

// The microphone pipe of the test server; "" when the tests run without one.
QString TestMicFifo();

// Whether this suite plays to the test server: not in the suites built to run without one
// (QUILLBY_TEST_NO_AUDIO_SERVER), nor when the tests run without a server.
inline bool HaveServer()
{
#ifdef QUILLBY_TEST_NO_AUDIO_SERVER
    return false;
#else
    return !TestMicFifo().isEmpty();
#endif
}

// Runs scripts/audio-server.sh with action ("kill", "start"); true when it succeeded.
bool AudioServer(const char* action);

// Makes this process behave as on a machine without any audio server: the socket named does
// not exist, and naming one also keeps the audio library from starting a server of its own.
// Call first thing in main().
void UseNoAudioServer();

// Raw signed 16-bit little-endian mono samples at 11025 Hz of `word` spoken by espeak-ng
// (converted by sox); empty when either tool fails.
QByteArray SpokenWord(const QString& word);

// Seconds of sound in raw 16-bit mono 11025 Hz samples.
double RawSeconds(const QByteArray& raw);

// Writes raw samples into the microphone pipe from a background thread at real-time pace,
// after `leadMs` of silence. Start it after recording has begun: the server drops samples
// no one records. Keep the event loop running (RunEventsUntil) while it feeds.
class MicFeeder {
public:
    explicit MicFeeder(QByteArray raw, int leadMs = 200);
    ~MicFeeder();
    MicFeeder(const MicFeeder&) = delete;
    MicFeeder& operator=(const MicFeeder&) = delete;

    // False when the pipe cannot be opened (no server reading it).
    bool Start(const QString& fifo = TestMicFifo());
    bool Finished() const { return finished_; }
    // True when every byte went into the pipe.
    bool Succeeded() const { return succeeded_; }

private:
    void Feed(int fd);

    QByteArray raw_;
    int leadMs_;
    std::thread thread_;
    std::atomic<bool> finished_{false};
    std::atomic<bool> succeeded_{false};
    std::atomic<bool> cancel_{false};
};

// Runs the event loop until done() is true or timeoutMs passes; returns done().
bool RunEventsUntil(const std::function<bool()>& done, int timeoutMs);
void RunEventsFor(int ms);

// Records what the test server's speaker plays (its monitor source) with parec.
class SinkListener {
public:
    SinkListener();
    ~SinkListener();
    bool Start(); // false when parec cannot start
    // Stops listening; returns the peak level heard, 0..32768.
    int StopAndPeak();

private:
    QProcess parec_;
};

// Number of streams now playing into the test server's speaker (pactl), -1 on failure.
int SinkInputCount();
// Number of streams now recording from the test server (its microphone or the speaker's
// monitor), -1 on failure.
int SourceOutputCount();

// What soxi reports about a sound file; valid is false when soxi cannot read it.
struct SoxInfo {
    bool valid = false;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    qint64 samples = 0;
    QString encoding;
};
SoxInfo ReadSoxInfo(const QString& path);

// The peak distance from silence (0..128) of an 8-bit unsigned WAV file written by WavWriter.
int PeakOf8BitWav(const QString& path);
