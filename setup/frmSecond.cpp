#include "frmSecond.h"

#include "MsgBox.h"
#include "SetupFunctions.h"
#include "WizardLook.h"
#include "frmBrowseFolders.h"
#include "frmThird.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

namespace setup {

namespace {
bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// Enables the option when its folder exists; a "None" button has no folder and stays enabled.
void EnableFor(QRadioButton* option, const QString& folder)
{
    option->setEnabled(FolderExists(folder));
}

void PreselectFirstEnabled(std::initializer_list<QRadioButton*> options)
{
    for (QRadioButton* option : options)
        if (option->isEnabled()) {
            option->setChecked(true);
            return;
        }
}
} // namespace

frmSecond::frmSecond(QWidget* parent) : QWidget(parent)
{
    NameWindow(this, "frmSecond", tr("Corvale Installer"));
    setAttribute(Qt::WA_DeleteOnClose);

    frameInstallPath = MakeFrame(this, "frameInstallPath", tr("Installation Folder"));
    txtInstallPath = new QLineEdit(frameInstallPath);
    txtInstallPath->setObjectName(QStringLiteral("txtInstallPath"));
    txtInstallPath->setAccessibleName(frameInstallPath->title());
    txtInstallPath->setReadOnly(true);
    QPalette palette = txtInstallPath->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    txtInstallPath->setPalette(palette);
    cmdBrowse = MakeButton(frameInstallPath, "cmdBrowse", QStringLiteral("..."));
    cmdBrowse->setAccessibleName(tr("Browse"));
    cmdBrowse->setMinimumWidth(0);
    cmdBrowse->setFixedWidth(36);
    auto* pathRow = new QHBoxLayout(frameInstallPath);
    pathRow->addWidget(txtInstallPath, 1);
    pathRow->addWidget(cmdBrowse);

    frameStartMenu = MakeFrame(this, "frameStartMenu", tr("Add to Start Menu"));
    optStartAllUsers = MakeOption(frameStartMenu, "optStartAllUsers", tr("All Users"));
    optStartThisUser = MakeOption(frameStartMenu, "optStartThisUser", tr("This User Only"));
    optStartNone = MakeOption(frameStartMenu, "optStartNone", tr("Do not add to the Start Menu"));
    frameDesktop = MakeFrame(this, "frameDesktop", tr("Create Desktop Icon"));
    optIconAllUsers = MakeOption(frameDesktop, "optIconAllUsers", tr("All Users"));
    optIconThisUser = MakeOption(frameDesktop, "optIconThisUser", tr("This User Only"));
    optIconNone = MakeOption(frameDesktop, "optIconNone", tr("Do not add a Desktop Icon"));
    for (auto [frame, options] :
         {std::pair{frameStartMenu, std::array{optStartAllUsers, optStartThisUser, optStartNone}},
          std::pair{frameDesktop, std::array{optIconAllUsers, optIconThisUser, optIconNone}}}) {
        auto* column = new QVBoxLayout(frame);
        for (QRadioButton* option : options)
            column->addWidget(option);
    }

    cmdContinue = MakeButton(this, "cmdContinue", tr("Continue >"));
    cmdCancel = MakeButton(this, "cmdCancel", tr("Cancel"));
    cmdContinue->setDefault(true);

    auto* shortcuts = new QHBoxLayout;
    shortcuts->addWidget(frameStartMenu, 1);
    shortcuts->addWidget(frameDesktop, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(frameInstallPath);
    layout->addLayout(shortcuts);
    layout->addStretch(1);
    layout->addLayout(ButtonRow(cmdCancel, cmdContinue));
    PlacePage(this, 520, 320);

    connect(txtInstallPath, &QLineEdit::textChanged, this, &frmSecond::txtInstallPath_Change);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmSecond::cmdBrowse_Click);
    connect(cmdContinue, &QPushButton::clicked, this, &frmSecond::cmdContinue_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [] { EndInstaller(); });

    SetDefaultInstallPath();
    SetShortcutOptions();
}

QString frmSecond::InstallPathText() const { return txtInstallPath->text(); }
void frmSecond::SetInstallPathText(const QString& text) { txtInstallPath->setText(text); }

QString frmSecond::ApplyFolderRule(const QString& text)
{
    if (text.isEmpty() || text.endsWith(AppName))
        return text;
    if (text.endsWith(QLatin1Char('/')))
        return text + AppName;
    return text + QLatin1Char('/') + AppName;
}

void frmSecond::txtInstallPath_Change()
{
    const QString text = txtInstallPath->text();
    const QString ruled = ApplyFolderRule(text);
    if (ruled != text)
        txtInstallPath->setText(ruled);
    else
        FitInstallPath();
}

void frmSecond::FitInstallPath()
{
    // The text, the box's inner and text margins and its frame; the page with the box's frame
    // and margins around it stays on the screen, where a very long path scrolls in its box.
    const QMargins margins = txtInstallPath->textMargins();
    int needed = txtInstallPath->fontMetrics().horizontalAdvance(txtInstallPath->text())
                 + margins.left() + margins.right() + 12
                 + 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (const QScreen* screen = this->screen())
        needed = qMin(needed, screen->availableGeometry().width() - 100);
    txtInstallPath->setMinimumWidth(needed);
    if (layout())
        install::FitWindow(this);
}

void frmSecond::SetDefaultInstallPath()
{
    const QString base = FolderExists(Globals::ProgramFilesPath) ? Globals::ProgramFilesPath
                                                                 : Globals::SetupFolder;
    txtInstallPath->setText(base + QLatin1Char('/') + AppName);
}

void frmSecond::SetShortcutOptions()
{
    EnableFor(optStartAllUsers, Globals::CommonProgramsMenuPath);
    EnableFor(optStartThisUser, Globals::ProgramsMenuPath);
    EnableFor(optIconAllUsers, Globals::CommonDesktopPath);
    EnableFor(optIconThisUser, Globals::DesktopPath);
    PreselectFirstEnabled({optStartAllUsers, optStartThisUser, optStartNone});
    PreselectFirstEnabled({optIconAllUsers, optIconThisUser, optIconNone});
}

void frmSecond::ReadShortcutOptions()
{
    Globals::StartMenuAllUsers = optStartAllUsers->isChecked();
    Globals::StartMenuThisUser = optStartThisUser->isChecked();
    Globals::DesktopAllUsers = optIconAllUsers->isChecked();
    Globals::DesktopThisUser = optIconThisUser->isChecked();
}

void frmSecond::cmdBrowse_Click()
{
    auto* browse = new frmBrowseFolders(this);
    browse->show();
}

void frmSecond::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    EndIfClosedByUser(event);
}

bool frmSecond::MakeWritableFolder(const QString& folder)
{
    const QString again = QStringLiteral("\r") + tr("Please select another folder");
    const QString cannotCreate = tr("The folder %1 could not be created.").arg(folder) + again;
    const QString cannotWrite = tr("Setup cannot write into the folder %1.").arg(folder) + again;
    // Nothing is made where Setup could not write: it checks the folder, or the folder above
    // it where it would start to make folders.
    const QString existing = NearestExistingPath(folder);
    if (!existing.isEmpty() && QFileInfo(existing).isDir() && !CanWriteInto(existing)) {
        MsgBox(FolderExists(folder) ? cannotWrite : cannotCreate, MsgButtons::OK, MsgIcon::None,
               this);
        return false;
    }
    const int firstMade = Globals::InstalledItems.size();
    CreateFolderPath(folder);
    DoEvents();
    const bool exists = FolderExists(folder);
    if (exists && CanWriteInto(folder))
        return true;
    // Folders made part-way are taken back: the next choice starts clean.
    RemoveItemsMadeSince(firstMade);
    MsgBox(exists ? cannotWrite : cannotCreate, MsgButtons::OK, MsgIcon::None, this);
    return false;
}

bool frmSecond::ConfirmFolderWithContents(const QString& folder)
{
    if (!HoldsOtherContent(folder))
        return true;
    const QString cr = QStringLiteral("\r");
    const QString question =
        tr("The folder %1 is not empty.").arg(folder) + cr
        + tr("Setup keeps what is in it and adds Quillby's files. Uninstalling Quillby later "
             "removes only the files Setup added.")
        + cr + cr + tr("Install Quillby into this folder?");
    return MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, this) == MsgResult::Yes;
}

void frmSecond::cmdContinue_Click()
{
    txtInstallPath->setText(txtInstallPath->text().trimmed());
    QString folder = txtInstallPath->text();
    if (folder.isEmpty()) {
        MsgBox(tr("Please select an Installation Folder"), MsgButtons::OK, MsgIcon::None, this);
        return;
    }
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (!MakeWritableFolder(folder) || !ConfirmFolderWithContents(folder))
        return;
    Globals::InstallPath = folder;
    ReadShortcutOptions();
    setCursor(Qt::WaitCursor);
    DoEvents();
    hide();
    auto* progress = new frmThird;
    progress->move(pos());
    progress->show();
    DoEvents();
    progress->StartInstall();
}

} // namespace setup
