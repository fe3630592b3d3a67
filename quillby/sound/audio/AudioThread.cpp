#include "AudioThread.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QWaitCondition>
#include <memory>
#include <utility>

namespace audio {

namespace {
// Outlives a caller that stops waiting for the step.
struct StepDone {
    QMutex mutex;
    QWaitCondition condition;
    bool finished = false;
};
} // namespace

AudioThread::AudioThread(const QString& name)
{
    thread_.setObjectName(name);
    context_.moveToThread(&thread_);
    thread_.start();
}

AudioThread::~AudioThread()
{
    thread_.quit();
    thread_.wait();
}

void AudioThread::Post(std::function<void()> step)
{
    PostThen(std::move(step), {});
}

void AudioThread::PostThen(std::function<void()> step, std::function<void()> then)
{
    ++pending_;
    QMetaObject::invokeMethod(
        &context_,
        [this, step = std::move(step), then = std::move(then)] {
        stepStartedMs_ = QDeadlineTimer::current().deadline();
        step();
        stepStartedMs_ = -1;
        --pending_;
        if (then)
            then();
        },
        Qt::QueuedConnection);
}

bool AudioThread::HeldUp(int ms) const
{
    const qint64 started = stepStartedMs_.load();
    return started >= 0 && QDeadlineTimer::current().deadline() - started > ms;
}

void AudioThread::StillGoing()
{
    if (stepStartedMs_.load() >= 0)
        stepStartedMs_ = QDeadlineTimer::current().deadline();
}

bool AudioThread::PostAndWait(std::function<void()> step, int waitMs)
{
    auto done = std::make_shared<StepDone>();
    // Told once the step no longer counts as pending, so that the caller sees the thread free.
    PostThen(std::move(step), [done] {
        const QMutexLocker lock(&done->mutex);
        done->finished = true;
        done->condition.wakeAll();
    });
    const QMutexLocker lock(&done->mutex);
    const QDeadlineTimer deadline(waitMs);
    while (!done->finished && done->condition.wait(&done->mutex, deadline)) {
    }
    return done->finished;
}

bool AudioThread::PostAndWaitIfFree(std::function<void()> step, int waitMs)
{
    const bool free = !Busy();
    return PostAndWait(std::move(step), free ? waitMs : 0);
}

void AudioThread::Finish(AudioThread* thread, std::function<void()> last, int waitMs)
{
    if (!thread || !thread->PostAndWaitIfFree(std::move(last), waitMs))
        return;
    thread->thread_.quit();
    if (thread->thread_.wait(QDeadlineTimer(waitMs)))
        delete thread;
}

bool AudioThread::Renew(AudioThread*& slot, const QString& name, int heldUpMs)
{
    if (slot && slot->HeldUp(heldUpMs))
        Finish(
            std::exchange(slot, nullptr), [] {}, 0);
    if (slot)
        return false;
    slot = new AudioThread(name);
    return true;
}

} // namespace audio
