#include "CompanionWindow.h"

void PlaceBeside(QWidget* window, const QWidget* of, int top)
{
    const QRect frame = of->frameGeometry();
    window->move(frame.x() + frame.width(), top);
}

void CompanionWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    PlaceCompanion();
}

void CompanionWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceCompanion();
}
