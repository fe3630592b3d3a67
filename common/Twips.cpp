#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

int Twips(int twips)
{
    double dpi = 96.0;
    if (auto* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInch();
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}
