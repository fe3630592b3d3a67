#include "clsWaitableTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// How late a pause may end on a machine busy with other work: the pauses are checked never to
// end early to the millisecond, and to end within this.
constexpr qint64 kLateMs = 500;

qint64 TimedWait(clsWaitableTimer& timer, int milliSeconds)
{
    QElapsedTimer clock;
    clock.start();
    timer.Wait(milliSeconds);
    return clock.elapsed();
}
} // namespace

TEST(WaitableTimer, ZeroMillisecondsHandlesPendingEventsOnceAndReturns)
{
    clsWaitableTimer timer;
    bool ran = false;
    QMetaObject::invokeMethod(qApp, [&] { ran = true; }, Qt::QueuedConnection);
    EXPECT_LT(TimedWait(timer, 0), kLateMs);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(timer.IsWaiting());
}

TEST(WaitableTimer, NegativeDurationReturnsAtOnce)
{
    clsWaitableTimer timer;
    EXPECT_LT(TimedWait(timer, -5), kLateMs);
}

TEST(WaitableTimer, PausesLastTheRequestedTime)
{
    clsWaitableTimer timer;
    for (int duration : {100, 200, 600}) {
        const qint64 elapsed = TimedWait(timer, duration);
        EXPECT_GE(elapsed, duration);
        EXPECT_LT(elapsed, duration + kLateMs) << duration;
    }
}

TEST(WaitableTimer, LongPauseIsExactToTheMillisecondRange)
{
    // Long pauses must not drift by the coarse timers' per cent slack, which may also end them
    // up to 150 ms early.
    clsWaitableTimer timer;
    const qint64 elapsed = TimedWait(timer, 3000);
    EXPECT_GE(elapsed, 3000);
    EXPECT_LT(elapsed, 3000 + kLateMs);
}

TEST(WaitableTimer, EventsRunDuringThePauseWhichStillLastsItsFullTime)
{
    clsWaitableTimer timer;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    bool inside = false;
    QTimer::singleShot(100, [&] { inside = timer.IsWaiting(); });
    const qint64 elapsed = TimedWait(timer, 500);
    EXPECT_GE(elapsed, 500);
    EXPECT_GE(ticks, 3); // about ten ticks of 50 ms while pausing, fewer on a busy machine
    EXPECT_TRUE(inside);
    EXPECT_FALSE(timer.IsWaiting());
}

TEST(WaitableTimer, TwoTimersPausingAtOnceEachWaitForTheirOwnTime)
{
    // A second pause starting inside the first (another timer instance, as two programs'
    // timers of the same name would) keeps its own due time; the outer one then ends on time,
    // not after the inner one's time added to its own (1650 ms).
    clsWaitableTimer outer;
    clsWaitableTimer inner;
    qint64 innerElapsed = 0;
    QTimer::singleShot(50, [&] { innerElapsed = TimedWait(inner, 600); });
    const qint64 elapsed = TimedWait(outer, 1000);
    EXPECT_GE(innerElapsed, 600);
    EXPECT_LT(innerElapsed, 600 + kLateMs);
    EXPECT_GE(elapsed, 1000);
    EXPECT_LT(elapsed, 1000 + kLateMs);
}
