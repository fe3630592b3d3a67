#include "DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>

namespace {
// A standard icon of a style, asked of the style the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : style_(style), which_(which), direction_(direction)
    {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return Icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    // A style's own icon is never null; asking must not read it (buttons ask when measured).
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Icon()
    {
        if (!loaded_ && style_) {
            QStyleOption option;
            option.direction = direction_;
            icon_ = style_->standardIcon(which_, &option, nullptr);
        }
        loaded_ = true;
        return icon_;
    }
    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    Qt::LayoutDirection direction_;
    QIcon icon_;
    bool loaded_ = false;
};

Qt::LayoutDirection DirectionOf(const QStyleOption* option, const QWidget* widget)
{
    if (option)
        return option->direction;
    return widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
}

class DeferredIconStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIconEngine(baseStyle(), which, DirectionOf(option, widget)));
    }
};
} // namespace

void InstallDeferredIconStyle(QApplication& app)
{
    // The proxy takes the style the application would have used (the desktop's, or the one
    // asked for with -style) as its base.
    app.setStyle(new DeferredIconStyle(QApplication::style()));
}
