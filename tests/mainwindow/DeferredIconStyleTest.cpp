#include "DeferredIconStyle.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
QImage Picture(const QIcon& icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Puts the application's style back as it was, whatever the test's outcome.
struct StyleRestorer {
    QString name = QApplication::style()->name();
    ~StyleRestorer() { QApplication::setStyle(QStyleFactory::create(name)); }
};
} // namespace

// The overflow icons read late look exactly as the style's own, in either direction, and
// every other standard icon is the style's own.
TEST(DeferredIconStyle, IconsDrawAsTheStylesOwn)
{
    StyleRestorer restorer;
    const std::unique_ptr<QStyle> reference(QStyleFactory::create(restorer.name));
    InstallDeferredIconStyle(*qApp);
    const struct {
        QStyle::StandardPixmap which;
        Qt::LayoutDirection direction;
    } cases[] = {
        {QStyle::SP_ToolBarHorizontalExtensionButton, Qt::LeftToRight},
        {QStyle::SP_ToolBarHorizontalExtensionButton, Qt::RightToLeft},
        {QStyle::SP_ToolBarVerticalExtensionButton, Qt::LeftToRight},
        {QStyle::SP_MessageBoxWarning, Qt::LeftToRight},
    };
    for (const auto& c : cases) {
        QStyleOption option;
        option.direction = c.direction;
        const QIcon shown = QApplication::style()->standardIcon(c.which, &option, nullptr);
        const QImage expected = Picture(reference->standardIcon(c.which, &option, nullptr));
        ASSERT_FALSE(expected.isNull()) << c.which;
        EXPECT_FALSE(shown.isNull()) << c.which;
        EXPECT_EQ(Picture(shown), expected) << c.which << " " << c.direction;
        EXPECT_EQ(Picture(QIcon(shown)), expected) << "a copy of " << c.which;
    }
}

// A menu bar too narrow for its menus shows its overflow button with the style's icon.
TEST(DeferredIconStyle, MenuBarOverflowButtonShowsTheIcon)
{
    StyleRestorer restorer;
    const std::unique_ptr<QStyle> reference(QStyleFactory::create(restorer.name));
    InstallDeferredIconStyle(*qApp);
    QMainWindow window;
    for (int i = 1; i <= 12; ++i)
        window.menuBar()->addMenu(QStringLiteral("Menu number %1").arg(i));
    window.resize(200, 120);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* overflow = window.menuBar()->findChild<QToolButton*>(
        QStringLiteral("qt_menubar_ext_button"));
    ASSERT_NE(overflow, nullptr);
    for (int waited = 0; !overflow->isVisible() && waited < 2000; waited += 20)
        QTest::qWait(20);
    EXPECT_TRUE(overflow->isVisible());
    EXPECT_EQ(Picture(overflow->icon()),
              Picture(reference->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)));
    EXPECT_FALSE(overflow->grab().isNull());
}
