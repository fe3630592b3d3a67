#pragma once
#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

namespace audio {

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
    // Runs step on the thread; waits for it up to waitMs only when no step posted earlier is
    // still running (one may be held up in Qt). True when it finished within the wait.
    bool PostAndWaitIfFree(std::function<void()> step, int waitMs);
    // True while a step posted earlier has not finished (it may be held up in Qt).
    bool Busy() const { return pending_.load() != 0; }
    // True when the step running has run longer than ms without a word of progress: it is
    // held up in a call to the sound server, and the steps posted after it wait until that
    // call lets it go.
    bool HeldUp(int ms) const;
    // Called on the thread by a step that plays a long sound in many calls: the step is not
    // held up, its clock for HeldUp starts again.
    void StillGoing();
    // Lives on the thread: the context of the timers and connections of its streams.
    QObject* Context() { return &context_; }

    // Runs last (closing the streams) and ends the thread when it is free within waitMs.
    // A thread held up inside Qt is left behind on purpose: a thread object must not be
    // destroyed while its thread runs, and waiting for it would freeze the caller.
    static void Finish(AudioThread* thread, std::function<void()> last, int waitMs);
    // Makes slot hold a thread that is not held up (see HeldUp), named name: a thread held
    // up longer than heldUpMs is left behind (see Finish) and a new one made. True when the
    // thread in slot is new, so that the caller starts afresh what belongs to it.
    static bool Renew(AudioThread*& slot, const QString& name, int heldUpMs);

private:
    ~AudioThread();
    // Runs step, then then once the step no longer counts as pending.
    void PostThen(std::function<void()> step, std::function<void()> then);

    QThread thread_;
    QObject context_;
    std::atomic<int> pending_{0};
    std::atomic<qint64> stepStartedMs_{-1}; // monotonic; -1 while no step runs
};

} // namespace audio
