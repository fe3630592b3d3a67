#include "frmMessage.h"

#include "SetupFunctions.h"
#include "WizardLook.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>

namespace setup {

frmMessage::frmMessage(QWidget* parent) : QDialog(parent)
{
    NameWindow(this, "frmMessage", tr("Complete..."));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(40, 40));
    Label1 = MakeLabel(this, "Label1", tr("Installation Complete"), false);
    MakeHeading(Label1);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 20, 32, 20);
    layout->setSpacing(16);
    layout->addWidget(Picture1);
    layout->addWidget(Label1, 1);
    // A translation's longer text widens the window rather than being cut off.
    setFixedSize(QSize(320, 100).expandedTo(layout->totalMinimumSize()));
}

void frmMessage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Timer1->start();
    QApplication::beep();
}

} // namespace setup
