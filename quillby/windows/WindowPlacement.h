#pragma once
#include <QList>
#include <QRect>
#include <optional>

class QWidget;

// Keeps a window's place on the desktop from one run to the next, in the database under the
// window's objectName: puts it where it was last (maximized again if it was), and stores its
// place each time it is hidden or closed. Call once, before the window is first shown.
void RememberWindowPlace(QWidget* window);

// Where a stored rectangle goes among the screens' available areas: the same rectangle, made
// no larger than the screen it is on, when a usable part of its top edge is on a screen (to
// see it and take it there); none when it is off every screen (a screen unplugged, a smaller
// desktop), so that the window goes where it would by default.
std::optional<QRect> PlaceOnScreens(const QRect& stored, const QList<QRect>& screens);
