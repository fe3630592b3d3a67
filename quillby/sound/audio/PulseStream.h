#pragma once
#include <QAudioFormat>
#include <QString>

struct pa_simple;

namespace audio {

// A playback stream of our own to the PulseAudio server, through its blocking simple API, for
// one sound. It shares nothing with Qt's audio engine: a server that dies while the stream
// opens or plays fails this stream's calls, and the next stream connects to whatever server
// is there then. Every call blocks, so the player makes them on its playback thread.
class PulseStream {
public:
    PulseStream() = default;
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;
    ~PulseStream();

    // Whether the server takes samples of this format as they are.
    static bool Takes(const QAudioFormat& format);
    // Connects to the default output; false when no server answers or it refuses.
    bool Open(const QAudioFormat& format, const QString& name);
    // Hands over samples, waiting until the server has room for them; false once the server
    // has gone away.
    bool Write(const char* data, qsizetype size);
    // Waits until the server has played what it holds; false once it has gone away.
    bool Drain();
    // Throws away what the server holds and has not played yet.
    void Discard();

private:
    pa_simple* stream_ = nullptr;
};

} // namespace audio
