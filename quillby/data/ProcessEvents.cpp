#include "ProcessEvents.h"

#include <QCoreApplication>

void ProcessEvents(int times)
{
    if (!QCoreApplication::instance())
        return;
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}
