#include "frmFirst.h"

#include "SetupFunctions.h"
#include "WizardLook.h"
#include "frmSecond.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace setup {

frmFirst::frmFirst(QWidget* parent) : QWidget(parent)
{
    NameWindow(this, "frmFirst", tr("Corvale Installer"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (Globals::SetupFolder.isEmpty())
        SetSetupFolder(QCoreApplication::applicationDirPath());
    Globals::InstalledItems.clear();
    Globals::WaitTimer();

    Frame1 = MakeSidePanel(this, "Frame1", "Image1",
                           QStringLiteral("Robot.ico"),
                           tr("Install Powered By Corvale Software"), &Image1, &Label1);
    lblMain = MakeLabel(this, "lblMain", tr("You are about to install %1").arg(AppName));
    MakeHeading(lblMain);
    lblWizzard = MakeLabel(this, "lblWizzard",
                           tr("This wizzard will guide you through the installation."));
    Label2 = MakeLabel(this, "Label2", tr("An Internet connection may be required."));
    cmdContinue = MakeButton(this, "cmdContinue", tr("Continue >"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"));
    cmdContinue->setDefault(true);

    auto* text = new QVBoxLayout;
    text->setContentsMargins(20, 24, 20, 16);
    text->setSpacing(14);
    text->addWidget(lblMain);
    text->addWidget(lblWizzard);
    text->addWidget(Label2);
    text->addStretch(1);
    text->addLayout(ButtonRow(cmdCancel, cmdContinue));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(Frame1);
    page->addLayout(text, 1);
    PlacePage(this, 520, 320);

    connect(cmdContinue, &QPushButton::clicked, this, &frmFirst::cmdContinue_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [] { EndInstaller(); });
}

void frmFirst::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    EndIfClosedByUser(event);
}

void frmFirst::cmdContinue_Click()
{
    QPointer<frmFirst> self(this);
    ResolveSpecialFolders();
    if (!EnsureFileSystemComponent() || !CheckWriteRights())
        return;
    if (!RunDataAccessCheck() || !self)
        return;
    auto* next = new frmSecond;
    next->move(pos());
    next->show();
    close();
}

} // namespace setup
