#include "InstallLook.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace install {

void NameWindow(QWidget* window, const char* objectName, const QString& caption)
{
    window->setObjectName(QLatin1String(objectName));
    window->setWindowTitle(caption);
    window->setAccessibleName(caption);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption);
    button->setMinimumWidth(100);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, bool wrap)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    // No accessible name: assistive technology reads the label's text, also once it changes.
    label->setWordWrap(wrap);
    return label;
}

QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    option->setAccessibleName(caption);
    return option;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setAccessibleName(caption);
    return frame;
}

QBoxLayout* ButtonRow(QPushButton* left, QPushButton* right)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    if (left)
        row->addWidget(left);
    if (right)
        row->addWidget(right);
    return row;
}

namespace {
// The size a window needs: at least `width` x `height`, and as large as its layout needs for
// the texts in the window's font and language (a wrapped text needs more lines in a larger
// font or a longer translation).
QSize FittedSize(QWidget* window, int width, int height)
{
    QSize size(width, height);
    QLayout* layout = window->layout();
    if (!layout)
        return size;
    // Inner layouts first: each passes its new least size on to the layout that holds it.
    const QList<QWidget*> inner = window->findChildren<QWidget*>();
    for (auto widget = inner.crbegin(); widget != inner.crend(); ++widget)
        if ((*widget)->layout())
            (*widget)->layout()->activate();
    layout->activate();
    size = size.expandedTo(layout->totalMinimumSize());
    if (layout->hasHeightForWidth())
        size.setHeight(qMax(size.height(), layout->totalHeightForWidth(size.width())));
    return size;
}
} // namespace

void PlaceWindow(QWidget* window, int width, int height, double topFraction)
{
    const QSize size = FittedSize(window, width, height);
    window->setFixedSize(size);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.x() + (area.width() - size.width()) / 2,
                     area.y() + qRound(area.height() * topFraction));
    }
}

void FitWindow(QWidget* window)
{
    const QSize size = FittedSize(window, window->width(), window->height());
    if (size != window->size())
        window->setFixedSize(size);
}

} // namespace install
