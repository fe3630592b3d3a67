#include "frmPromptADO.h"

#include "MsgBox.h"
#include "SetupFunctions.h"
#include "WizardLook.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace setup {

frmPromptADO::frmPromptADO(QWidget* parent) : QDialog(parent)
{
    NameWindow(this, "frmPromptADO", tr("Installation"));
    Label1 = MakeLabel(this, "Label1", tr("Required Component Missing"));
    MakeHeading(Label1);
    Label2 = MakeLabel(
        this, "Label2",
        tr("In order for this program to function correctly, your computer must have Microsoft "
           "MDAC 2.5 or higher installed.  This is a free component available from Microsoft.  "
           "Broadband users can usually download the required file in under 2 minutes. Dial-Up "
           "connections may take as long as 20 minutes."));
    Frame1 = MakeFrame(this, "Frame1", tr("Please Make A Selection"));
    optInstall = MakeOption(Frame1, "optInstall", tr("Install MDAC 2.5   (Recommended)"));
    optSkip = MakeOption(
        Frame1, "optSkip",
        tr("Continue the installation without MDAC, and install MDAC manually later"));
    optAbort = MakeOption(Frame1, "optAbort", tr("Abort the installation"));
    cmdContinue = MakeButton(this, "cmdContinue", tr("OK"));
    cmdContinue->setDefault(true);

    auto* options = new QVBoxLayout(Frame1);
    options->setSpacing(8);
    options->addWidget(optInstall);
    options->addWidget(optSkip);
    options->addWidget(optAbort);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Frame1);
    layout->addStretch(1);
    layout->addLayout(ButtonRow(nullptr, cmdContinue));
    PlacePage(this, 520, 340);

    connect(cmdContinue, &QPushButton::clicked, this, &frmPromptADO::cmdContinue_Click);
}

void frmPromptADO::reject()
{
    if (InstallerEnded())
        QDialog::reject();
}

void frmPromptADO::cmdContinue_Click()
{
    if (optInstall->isChecked()) {
        LaunchInstallLink();
    } else if (optSkip->isChecked()) {
        const MsgResult answer = MsgBox(
            tr("Skipping the MDAC installation is not recommended.  This program may not function "
               "correctly. ") +
                QStringLiteral("\r\r") + tr("Are you sure you want to skip the MDAC installation?"),
            MsgButtons::YesNo, MsgIcon::None, this);
        if (answer == MsgResult::Yes) {
            m_Skipped = true;
            done(QDialog::Accepted);
        }
    } else if (optAbort->isChecked()) {
        if (MsgBox(tr("Are you sure you want to abort the entire installation?"),
                   MsgButtons::YesNo, MsgIcon::None, this) == MsgResult::Yes)
            EndInstaller();
    }
}

QString frmPromptADO::InstallLinkAddress()
{
    return QStringLiteral("https://corvale.example/MDACInstallLink.asp?ProductName=") + AppName;
}

void frmPromptADO::LaunchInstallLink()
{
    MsgBox(tr("PLEASE NOTE:") + QStringLiteral("\r") +
               tr("You will need to restart the %1 installation after MDAC has been installed.")
                   .arg(AppName),
           MsgButtons::OK, MsgIcon::Information, this);
    OpenInternet(InstallLinkAddress(), 1);
    EndInstaller();
}

void frmPromptADO::OpenInternet(const QString& URL, const int& WindowStyle)
{
    Q_UNUSED(WindowStyle); // the default handler decides how its window appears
    QDesktopServices::openUrl(QUrl(URL));
}

} // namespace setup
