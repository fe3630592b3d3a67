#include "WizardLook.h"

#include "SetupFunctions.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QStyle>

namespace setup {

namespace {
const QColor PanelColour(0x2B, 0x4C, 0x7E);
} // namespace

QFrame* MakeSidePanel(QWidget* parent, const char* frameName, const char* imageName,
                      const QString& iconFile, const QString& caption, QLabel** image,
                      QLabel** label)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(frameName));
    frame->setAccessibleName(caption);
    frame->setFixedWidth(150);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, PanelColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);

    *image = new QLabel(frame);
    (*image)->setObjectName(QLatin1String(imageName));
    (*image)->setAlignment(Qt::AlignCenter);
    QPixmap picture(Globals::SupportPath + QLatin1Char('/') + iconFile);
    if (picture.isNull())
        picture = parent->style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64);
    (*image)->setPixmap(picture.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    *label = MakeLabel(frame, "Label1", caption);
    (*label)->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont small = (*label)->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    (*label)->setFont(small);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(12, 24, 12, 16);
    layout->addWidget(*image);
    layout->addStretch(1);
    layout->addWidget(*label);
    return frame;
}

void MakeHeading(QLabel* label)
{
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    label->setFont(font);
}

void PlacePage(QWidget* page, int width, int height)
{
    install::PlaceWindow(page, width, height, 0.2);
}

} // namespace setup
