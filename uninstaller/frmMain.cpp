#include "frmMain.h"

#include "InstallLook.h"
#include "MsgBox.h"
#include "UninstallFunctions.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

namespace uninstaller {

namespace {
bool SameFolder(const QString& a, const QString& b)
{
    const QString realA = QFileInfo(a).canonicalFilePath();
    const QString realB = QFileInfo(b).canonicalFilePath();
    return !realA.isEmpty() ? realA == realB : QDir::cleanPath(a) == QDir::cleanPath(b);
}
} // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent)
{
    install::NameWindow(this, "frmMain", tr("Uninstall..."));
    setAttribute(Qt::WA_DeleteOnClose);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    QPixmap picture(PicturePath(Globals::OwnFolder));
    if (picture.isNull())
        picture = style()->standardIcon(QStyle::SP_TrashIcon).pixmap(48, 48);
    Image1->setPixmap(picture.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Image1->setAlignment(Qt::AlignTop);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    QFont heading = lblMessage->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    lblMessage->setFont(heading);
    lblWorking = install::MakeLabel(this, "lblWorking", tr("Working..."), false);
    lblWorking->hide();
    cmdContinue = install::MakeButton(this, "cmdContinue", tr("Continue"));
    cmdCancel = install::MakeButton(this, "cmdCancel", tr("Cancel"));
    cmdContinue->setDefault(true);
    // A text box that no procedure reads; it stays hidden.
    txtDummy = new QLineEdit(this);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    txtDummy->setAccessibleName(QStringLiteral("txtDummy"));
    txtDummy->hide();

    auto* text = new QVBoxLayout;
    text->setSpacing(10);
    text->addWidget(lblMessage);
    text->addWidget(lblWorking);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Image1);
    top->addLayout(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addLayout(top, 1);
    layout->addLayout(install::ButtonRow(cmdCancel, cmdContinue));
    // Centred across, its top at a fifth of the screen's height.
    install::PlaceWindow(this, 420, 140, 0.2);

    connect(cmdContinue, &QPushButton::clicked, this, &frmMain::cmdContinue_Click);
    connect(cmdCancel, &QPushButton::clicked, this, [] { EndProgram(); });
}

frmMain::~frmMain()
{
    install::RestoreNormalPointer();
}

void frmMain::Load()
{
    show();
    lblMessage->setText(tr("This process will uninstall %1...").arg(AppName));
    install::FitWindow(this);
    setCursor(Qt::WaitCursor);
    cmdContinue->setEnabled(false);
    DoEvents();

    Globals::WaitTimer();
    Globals::LogPath = QDir(Globals::OwnFolder).filePath(LogFileName);
    if (!QFileInfo::exists(Globals::LogPath)) {
        MsgBox(tr("No Install Log Found.") + QStringLiteral("\r") +
                   tr("Expected location: %1").arg(Globals::LogPath) + QStringLiteral("\r") +
                   tr("The uninstallation can not continue."),
               MsgButtons::OK, MsgIcon::None, this);
        EndProgram();
        return;
    }
    Globals::TempPath = GetTempFolder();
    if (!QFileInfo(Globals::TempPath).isDir())
        Globals::TempPath = QDir::rootPath(); // the root of the program's file system
    Globals::TempPath = install::WithoutTrailingSeparator(Globals::TempPath);
    const bool isCopy = SameFolder(Globals::OwnFolder, Globals::TempPath);
    if (!isCopy)
        Globals::StartFolder = Globals::OwnFolder;
    // A log that names another folder, or none, must not lead the removal anywhere.
    if (!CheckInstallLog()) {
        EndProgram();
        return;
    }

    if (isCopy) {
        cmdContinue->setEnabled(true);
        unsetCursor();
        return;
    }
    RelaunchFromTemp();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The removal, once confirmed, runs to its end.
    if (m_Working && !ProgramEnded()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (event->spontaneous() && !ProgramEnded())
        EndProgram();
}

void frmMain::cmdContinue_Click()
{
    if (MsgBox(tr("Are you sure you want to uninstall %1?").arg(AppName),
               MsgButtons::YesNo, MsgIcon::None, this) != MsgResult::Yes) {
        EndProgram();
        return;
    }
    m_Working = true;
    lblWorking->show();
    cmdContinue->hide();
    cmdCancel->hide();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DoEvents();
    RemoveInstallation();
}

} // namespace uninstaller
