#include "WindowDriver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

WindowDriver::WindowDriver()
{
    timer_.setInterval(40);
    connect(&timer_, &QTimer::timeout, this, &WindowDriver::Tick);
    timer_.start();
}

void WindowDriver::Then(const QString& window, Action action, Ready ready)
{
    steps_.append({window, std::move(ready), std::move(action)});
}

void WindowDriver::Tick()
{
    if (steps_.isEmpty())
        return;
    QWidget* window = VisibleWindow(steps_.first().window);
    if (!window || (steps_.first().ready && !steps_.first().ready(window)))
        return;
    QPointer<QWidget> target(window);
    Action action = steps_.takeFirst().action;
    QTimer::singleShot(0, window, [target, action] {
        if (target)
            action(target);
    });
}

void DeleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* VisibleWindow(const QString& objectName)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            return window;
    return nullptr;
}

void ClickChild(QWidget* window, const QString& childName)
{
    auto* button = window->findChild<QAbstractButton*>(childName);
    if (!button) {
        ADD_FAILURE_AT(__FILE__, __LINE__);
        return;
    }
    // Check boxes and option buttons take clicks on their mark and text only.
    const bool marked = button->isCheckable() && !qobject_cast<QPushButton*>(button);
    const QPoint at = marked ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

UrlCatcher::UrlCatcher()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlCatcher::~UrlCatcher()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList AccessibilityFaults(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!widget->isVisible() || !accessible)
            continue;
        const QString name = accessible->text(QAccessible::Name);
        const QString where = window->objectName() + QLatin1Char('/') + widget->objectName();
        if (!name.isEmpty() && name == widget->objectName())
            faults << where + QStringLiteral(" is named by its objectName");
        if (auto* label = qobject_cast<QLabel*>(widget); label && name != label->text())
            faults << where + QStringLiteral(" reads \"") + name + QStringLiteral("\" but shows \"")
                          + label->text() + QLatin1Char('"');
    }
    return faults;
}

