#include "WindowPlacement.h"

#include "WindowPlaces.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {
// Enough of a window's top edge on a screen to see it and take it there.
constexpr int kUsableWidth = 64;
constexpr int kUsableHeight = 32;

QList<QRect> AvailableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

WindowPlace CurrentPlace(const QWidget* window)
{
    WindowPlace place;
    place.maximized = window->isMaximized();
    place.geometry = place.maximized ? window->normalGeometry() : window->geometry();
    return place;
}

// Stores the window's place whenever it is hidden: closing, minimizing, or the main window
// giving way to a task.
class PlaceKeeper : public QObject {
public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Hide) {
            const WindowPlace place = CurrentPlace(window_);
            if (place.geometry.isValid())
                StoreWindowPlace(window_->objectName(), place);
        }
        return false;
    }

private:
    QWidget* window_;
};
} // namespace

std::optional<QRect> PlaceOnScreens(const QRect& stored, const QList<QRect>& screens)
{
    const QRect topEdge(stored.topLeft(),
                        QSize(stored.width(), std::min(kUsableHeight, stored.height())));
    for (const QRect& screen : screens) {
        const QRect seen = topEdge.intersected(screen);
        if (seen.width() < std::min(kUsableWidth, stored.width()) ||
            seen.height() < topEdge.height())
            continue;
        QRect placed = stored;
        placed.setWidth(std::min(stored.width(), screen.width()));
        placed.setHeight(std::min(stored.height(), screen.height()));
        return placed;
    }
    return std::nullopt;
}

void RememberWindowPlace(QWidget* window)
{
    if (const std::optional<WindowPlace> stored = StoredWindowPlace(window->objectName())) {
        const QList<QRect> screens = AvailableScreenAreas();
        if (const std::optional<QRect> placed = PlaceOnScreens(stored->geometry, screens)) {
            window->setGeometry(*placed);
        } else if (!screens.isEmpty()) {
            // The size still fits; the desktop chooses the position.
            window->resize(stored->geometry.size().boundedTo(screens.first().size()));
        }
        if (stored->maximized)
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
    }
    window->installEventFilter(new PlaceKeeper(window));
}
