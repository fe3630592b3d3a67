#include "InstallLook.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
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

void PlaceWindow(QWidget* window, int width, int height, double topFraction)
{
    window->setFixedSize(width, height);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.x() + (area.width() - width) / 2,
                     area.y() + qRound(area.height() * topFraction));
    }
}

} // namespace install
