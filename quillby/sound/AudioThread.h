#pragma once
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

// A thread with its own event loop for the calls into Qt's audio streams. Opening a stream
// waits inside Qt until the sound server has made it ready, and a server that dies meanwhile
// never does; on this thread such a wait holds up sound only, never the windows. Steps run in
// the order posted; whoever posts them waits for one only as long as it asks.
class AudioThread {
public:
    explicit AudioThread(const QString& name);
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Runs step on the thread and returns at once.
    void Post(std::function<void()> step);
    // Runs step on the thread; true when it finished within waitMs.
    bool PostAndWait(std::function<void()> step, int waitMs);
    // True while a step posted earlier has not finished (it may be held up in Qt).
    bool Busy() const { return pending_.load() != 0; }
    // True when the step running has run longer than ms: it is held up in Qt, and the steps
    // posted after it wait until Qt lets it go.
    bool HeldUp(int ms) const;
    // Lives on the thread: the context of the timers and connections of its streams.
    QObject* Context() { return &context_; }

    // Runs last (closing the streams) and ends the thread when it is free within waitMs.
    // A thread held up inside Qt is left behind on purpose: a thread object must not be
    // destroyed while its thread runs, and waiting for it would freeze the caller.
    static void Finish(AudioThread* thread, std::function<void()> last, int waitMs);

private:
    ~AudioThread();

    QThread thread_;
    QObject context_;
    std::atomic<int> pending_{0};
    std::atomic<qint64> stepStartedMs_{-1}; // monotonic; -1 while no step runs
};
