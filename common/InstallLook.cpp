#include "InstallLook.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace install {

void NameWindow(QWidget* window, const QString& objectName, const QString& caption)
{
    window->setObjectName(objectName);
    window->setWindowTitle(caption);
    window->setAccessibleName(caption);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption);
    button->setMinimumWidth(100);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, bool wrap)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    // No accessible name: assistive technology reads the label's text, also once it changes.
    label->setWordWrap(wrap);
    return label;
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setAccessibleName(caption);
    return option;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
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
