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
    NameWindow(this, QStringLiteral("frmPromptADO"), QStringLiteral("Installation"));
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Required Component Missing"));
    MakeHeading(Label1);
    Label2 = MakeLabel(this, QStringLiteral("Label2"),
                       QStringLiteral("In order for this program to function correctly, your computer must have Microsoft MDAC 2.5 or higher installed.  This is a free component available from Microsoft.  Broadband users can usually download the required file in under 2 minutes. Dial-Up connections may take as long as 20 minutes."));
    Frame1 = MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Please Make A Selection"));
    optInstall = MakeOption(Frame1, QStringLiteral("optInstall"), QStringLiteral("Install MDAC 2.5   (Recommended)"));
    optSkip = MakeOption(Frame1, QStringLiteral("optSkip"),
                         QStringLiteral("Continue the installation without MDAC, and install MDAC manually later"));
    optAbort = MakeOption(Frame1, QStringLiteral("optAbort"), QStringLiteral("Abort the installation"));
    cmdContinue = MakeButton(this, QStringLiteral("cmdContinue"), QStringLiteral("OK"));
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
            QStringLiteral("Skipping the MDAC installation is not recommended.  This program may not function correctly. ")
                + QStringLiteral("\r\r") + QStringLiteral("Are you sure you want to skip the MDAC installation?"),
            MsgButtons::YesNo, MsgIcon::None, this);
        if (answer == MsgResult::Yes) {
            m_Skipped = true;
            done(QDialog::Accepted);
        }
    } else if (optAbort->isChecked()) {
        if (MsgBox(QStringLiteral("Are you sure you want to abort the entire installation?"),
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
    MsgBox(QStringLiteral("PLEASE NOTE:") + QStringLiteral("\r") + QStringLiteral("You will need to restart the ")
               + AppName + QStringLiteral(" installation after MDAC has been installed."),
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
