#include "clsWaitableTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

clsWaitableTimer::~clsWaitableTimer() = default;

void clsWaitableTimer::Wait(const int& MilliSeconds)
{
    if (MilliSeconds <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    ++m_Waiting;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A precise timer keeps long pauses to the millisecond instead of the coarse 5 % slack.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(MilliSeconds);
    loop.exec(QEventLoop::AllEvents);
    --m_Waiting;
}
