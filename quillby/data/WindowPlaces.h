#pragma once
#include <QRect>
#include <QString>
#include <optional>

// Where a window was when it was last closed or hidden (WINDOW_PLACES): the position and
// size of its inside on the desktop, and whether it was maximized (the rectangle is then the
// one it returns to).
struct WindowPlace {
    QRect geometry;
    bool maximized = false;
};

// The stored place of the window named formName; none when nothing is stored or the table
// cannot be read (a file that could not be given it). Never throws.
std::optional<WindowPlace> StoredWindowPlace(const QString& formName);

// Stores the place of the window named formName over the one before. A failure keeps the
// one before: a window's place is not worth a message. Never throws.
void StoreWindowPlace(const QString& formName, const WindowPlace& place);
