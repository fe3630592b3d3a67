// Windows opening where they were left: which stored places still fit the screens of today's
// desktop, and a window's place kept in the database from one window to the next.
#include "TestDb.h"
#include "WindowPlacement.h"
#include "WindowPlaces.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

namespace {
// Available areas: a 1920 x 1080 screen with a panel below, and a second one to its right.
const QRect kLeft(0, 0, 1920, 1050);
const QRect kRight(1920, 0, 1280, 1024);

struct PlaceCase {
    const char* what;
    QRect stored;
    QList<QRect> screens;
    std::optional<QRect> placed;
};
} // namespace

TEST(WindowPlacement, AStoredPlaceIsUsedWhereAUsablePartOfItsTopEdgeIsOnAScreen)
{
    const PlaceCase cases[] = {
        {"on the screen", {100, 80, 800, 600}, {kLeft}, QRect(100, 80, 800, 600)},
        {"partly past the right edge", {1700, 80, 800, 600}, {kLeft}, QRect(1700, 80, 800, 600)},
        {"its top edge above the screen", {100, -20, 800, 600}, {kLeft}, std::nullopt},
        {"partly past the lower edge", {100, 900, 800, 600}, {kLeft}, QRect(100, 900, 800, 600)},
        {"all but its top edge below", {100, 1020, 800, 600}, {kLeft}, std::nullopt},
        {"on the second screen", {2000, 100, 800, 600}, {kLeft, kRight},
         QRect(2000, 100, 800, 600)},
        {"the second screen unplugged", {2000, 100, 800, 600}, {kLeft}, std::nullopt},
        {"a sliver left on the screen", {1880, 80, 800, 600}, {kLeft}, std::nullopt},
        {"far below every screen", {100, 5000, 800, 600}, {kLeft, kRight}, std::nullopt},
        {"larger than its screen", {0, 0, 2500, 1400}, {kLeft}, QRect(0, 0, 1920, 1050)},
        {"a small window fully seen", {10, 10, 40, 20}, {kLeft}, QRect(10, 10, 40, 20)},
        {"no screen at all", {100, 80, 800, 600}, {}, std::nullopt},
    };
    for (const PlaceCase& c : cases)
        EXPECT_EQ(PlaceOnScreens(c.stored, c.screens), c.placed) << c.what;
}

TEST(WindowPlacement, AWindowOpensWhereTheLastOfItsNameWasClosedAndMaximizedAgain)
{
    TestAppFolder app;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect place(screen.x() + 30, screen.y() + 40, 320, 240);
    {
        QWidget window;
        window.setObjectName(QStringLiteral("frmEditList"));
        RememberWindowPlace(&window);
        window.setGeometry(place);
        window.show();
        window.close();
    }
    const std::optional<WindowPlace> stored = StoredWindowPlace(QStringLiteral("frmEditList"));
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->geometry, place);
    EXPECT_FALSE(stored->maximized);
    EXPECT_FALSE(StoredWindowPlace(QStringLiteral("frmEditWord")).has_value()) << "by name";

    StoreWindowPlace(QStringLiteral("frmEditList"), {place, true});
    QWidget next;
    next.setObjectName(QStringLiteral("frmEditList"));
    RememberWindowPlace(&next);
    EXPECT_EQ(next.geometry(), place);
    EXPECT_TRUE(next.windowState() & Qt::WindowMaximized);

    StoreWindowPlace(QStringLiteral("frmEditWord"), {place.translated(0, 100000), false});
    QWidget offScreen;
    offScreen.setObjectName(QStringLiteral("frmEditWord"));
    const QPoint byDefault = offScreen.pos();
    RememberWindowPlace(&offScreen);
    EXPECT_EQ(offScreen.pos(), byDefault) << "a place off every screen is not used";
    EXPECT_EQ(offScreen.size(), place.size()) << "its size still is";
}
