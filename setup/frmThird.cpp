#include "frmThird.h"

#include "SetupFunctions.h"
#include "WizardLook.h"
#include "clsWaitableTimer.h"
#include "MsgBox.h"
#include "frmMessage.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <functional>

namespace setup {

namespace {
using install::DatabaseName;

void Pause(int milliSeconds)
{
    Globals::WaitTimer().Wait(milliSeconds);
}

// The icon of Quillby's shortcuts of one scope: the theme's name once the theme files are
// installed into that scope's data folder, else the icon file of the installation.
QString ShortcutIcon(bool shortcutsWanted, const QString& dataFolder)
{
    return shortcutsWanted && InstallThemeIcons(dataFolder) ? install::ThemeIconName
                                                            : QStringLiteral("Robot.ico");
}
} // namespace

QStringList InstalledFileNames()
{
    QStringList names{QStringLiteral("Quillby"),
                      QStringLiteral("Robot.ico"),
                      QStringLiteral("QuillbyUninstaller"),
                      QStringLiteral("Skull.ico"),
                      QStringLiteral("Sound_Correct.wav"),
                      QStringLiteral("Sound_Incorrect.wav")};
    // The modules the build makes (the OCR module, printing, sound), in plugins/.
    names << QStringLiteral(QUILLBY_MODULE_FILES).split(QLatin1Char(','), Qt::SkipEmptyParts);
    names << DatabaseName;
    return names;
}

frmThird::frmThird(QWidget* parent) : QWidget(parent)
{
    NameWindow(this, "frmThird", tr("Corvale Installer"));
    setAttribute(Qt::WA_DeleteOnClose);

    frameStatus = MakeFrame(this, "frameStatus", tr("Status"));
    lblStatus = MakeLabel(frameStatus, "lblStatus", tr("Initalizing..."), false);
    (new QVBoxLayout(frameStatus))->addWidget(lblStatus);

    frameProgress = MakeFrame(this, "frameProgress", tr("Progress"));
    Picture1 = new QFrame(frameProgress);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(frameProgress->title());
    Picture1->setFixedHeight(22);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setStyleSheet(QStringLiteral("#Picture1 { background: qlineargradient(x1:0, y1:0, "
                                           "x2:1, y2:0, stop:0 #2b4c7e, stop:1 #4f8fd6); }"));
    // The cover hides the part of the track not yet done; it is wider than the track.
    Picture2 = new QFrame(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setAutoFillBackground(true);
    QPalette cover = Picture2->palette();
    cover.setColor(QPalette::Window, palette().color(QPalette::Base));
    Picture2->setPalette(cover);
    (new QVBoxLayout(frameProgress))->addWidget(Picture1);
    Picture1->installEventFilter(this); // the cover follows the track's size

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(frameStatus);
    layout->addWidget(frameProgress);
    layout->addStretch(1);
    PlacePage(this, 460, 200);
    SetScrollBarPercent(0);
}

void frmThird::SetStatus(const QString& m_Status)
{
    lblStatus->setText(m_Status);
    DoEvents();
}

QString frmThird::Status() const { return lblStatus->text(); }

void frmThird::SetScrollBarPercent(int percent)
{
    m_Percent = percent;
    PlaceCover();
    DoEvents();
}

void frmThird::PlaceCover()
{
    const int track = Picture1->width();
    const int left = qBound(0, qRound(track / 100.0 * m_Percent), track);
    Picture2->setGeometry(left, 0, track - left, Picture1->height());
}

bool frmThird::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::Resize)
        PlaceCover();
    return QWidget::eventFilter(watched, event);
}

int frmThird::CoverLeft() const { return Picture2->x(); }

void frmThird::closeEvent(QCloseEvent* event)
{
    // The run offers no way to interrupt it; the end of the installer closes the window.
    if (m_Running && !InstallerEnded()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    EndIfClosedByUser(event);
}

void frmThird::StartInstall()
{
    m_Running = true;
    setCursor(Qt::WaitCursor);
    struct Stage {
        const char* status; // the English text, translated when shown
        std::function<bool()> work; // false when the installation cannot be completed
        int percent;
    };
    const Stage stages[] = {
        {QT_TR_NOOP("Creating Folders..."), {}, 10}, // the folder page has made the folder
        {QT_TR_NOOP("Regestering Dlls..."), [this] { RegisterComponents(); return true; }, 15},
        {QT_TR_NOOP("Copying Files..."), [this] { CopyFiles(); return true; }, 30},
        {QT_TR_NOOP("Verifying Files..."), [this] { return VerifyFiles(); }, 50},
        {QT_TR_NOOP("Verifying Files..."), {}, 60},
        {QT_TR_NOOP("Creating Icons..."), [this] { return CreateIcons(); }, 75},
        {QT_TR_NOOP("Wiriting Install Log..."), [this] { return WriteLog(); }, 85},
    };
    for (const Stage& stage : stages) {
        SetStatus(tr(stage.status));
        if (stage.work && !stage.work()) {
            FailInstall();
            return;
        }
        Pause(600);
        SetScrollBarPercent(stage.percent);
    }
    SetStatus(tr("Cleaning Up..."));
    FinishScrollingProgressBar();
    SetScrollBarPercent(100);
    SetStatus(tr("Installation Complete"));
    hide();
    DoEvents();
    frmMessage message(this);
    message.exec();
    StartProgram(Globals::InstallPath + QStringLiteral("/Quillby"));
    m_Running = false;
    EndInstaller();
}

void frmThird::FailInstall()
{
    // Nothing may be left that starts a program that is not there.
    RemoveItemsMadeSince(0);
    hide();
    DoEvents();
    MsgBox(m_Failure + QStringLiteral("\r\r") +
               tr("Setup removed the files, folders and shortcuts it had made. ") + m_Advice,
           MsgButtons::OK, MsgIcon::Exclamation);
    m_Running = false;
    EndInstaller();
}

void frmThird::SetFailure(const QString& heading, const QStringList& paths, const QString& advice)
{
    m_Failure = heading + QStringLiteral("\r") + paths.join(QStringLiteral("\r"));
    m_Advice = advice;
}

void frmThird::RegisterComponents()
{
    // No shared component library is registered on this platform: the list is empty.
}

void frmThird::CopyFiles()
{
    const QStringList earlier = EarlierLogLines();
    for (const QString& name : InstalledFileNames()) {
        const QString target = Globals::InstallPath + QLatin1Char('/') + name;
        const bool existed = QFileInfo::exists(target);
        // An existing database holds the family's lists and test history: it is kept. It
        // stays in the log only when an earlier installation here made it, so that the
        // uninstaller leaves a database Setup found.
        if (name == DatabaseName && existed) {
            if (earlier.contains(target))
                AddInstalledItem(target, ItemKind::File, false);
            continue;
        }
        // Only what Setup wrote is logged: the uninstaller removes what the log names. A
        // file in a folder of its own (the OCR module) gets that folder first.
        if (!CreateFolderPath(QFileInfo(target).absolutePath()))
            continue; // VerifyFiles names the file that is missing
        if (install::CopyReplacing(Globals::SupportPath + QLatin1Char('/') + name, target))
            AddInstalledItem(target, ItemKind::File, !existed);
    }
}

bool frmThird::VerifyFiles()
{
    QStringList missing;
    for (const QString& name : InstalledFileNames()) {
        const QFileInfo installed(Globals::InstallPath + QLatin1Char('/') + name);
        if (!installed.isFile() || installed.size() == 0)
            missing << installed.filePath();
    }
    // A package without all its files must not end with "Installation Complete".
    if (!missing.isEmpty())
        SetFailure(tr("These files could not be installed:"), missing,
                   tr("Please copy the whole installation package, with its Support folder, and "
                      "run Setup again."));
    return missing.isEmpty();
}

bool frmThird::CreateIcons()
{
    m_FailedShortcuts.clear();
    const QString userIcon = ShortcutIcon(Globals::StartMenuThisUser || Globals::DesktopThisUser,
                                          install::UserDataFolder());
    const QString sharedIcon = ShortcutIcon(Globals::StartMenuAllUsers || Globals::DesktopAllUsers,
                                            install::SharedDataFolder());
    auto menuShortcuts = [this](const QString& folder, const QString& icon) {
        FormatAndCreateIcon(folder, MainLinkName, QStringLiteral("Quillby"),
                            QStringLiteral("Quillby"), icon);
        FormatAndCreateIcon(folder, UninstallLinkName, QStringLiteral("QuillbyUninstaller"),
                            QStringLiteral("Uninstaller"), QStringLiteral("Skull.ico"));
    };
    if (Globals::StartMenuAllUsers)
        menuShortcuts(install::MenuEntriesFolder(Globals::CommonProgramsMenuPath), sharedIcon);
    if (Globals::StartMenuThisUser)
        menuShortcuts(install::MenuEntriesFolder(Globals::ProgramsMenuPath), userIcon);
    if (Globals::DesktopAllUsers)
        FormatAndCreateIcon(Globals::CommonDesktopPath, MainLinkName, QStringLiteral("Quillby"),
                            QStringLiteral("Quillby"), sharedIcon);
    if (Globals::DesktopThisUser)
        FormatAndCreateIcon(Globals::DesktopPath, MainLinkName, QStringLiteral("Quillby"),
                            QStringLiteral("Quillby"), userIcon);
    if (!m_FailedShortcuts.isEmpty())
        SetFailure(tr("These shortcuts could not be created:"), m_FailedShortcuts,
                   tr("Please run Setup again and choose other shortcuts."));
    return m_FailedShortcuts.isEmpty();
}

bool frmThird::WriteLog()
{
    if (WriteInstallLog())
        return true;
    SetFailure(tr("The install log could not be written:"), {InstallLogPath(Globals::InstallPath)},
               tr("Please run Setup again and choose another folder."));
    return false;
}

void frmThird::FormatAndCreateIcon(const QString& m_TargetFolder, const QString& m_LinkName,
                                   const QString& m_SourceFileName, const QString& m_Description,
                                   const QString& m_IconName)
{
    CreateFolderPath(m_TargetFolder);
    const QString link = m_TargetFolder + QLatin1Char('/') + m_LinkName;
    const QString folder = Globals::InstallPath;
    const bool existed = QFileInfo::exists(link);
    // A theme icon name stays a name; an icon file of the installation is named by its path.
    const QString icon = m_IconName == install::ThemeIconName
                             ? m_IconName
                             : folder + QLatin1Char('/') + m_IconName;
    const bool written = MakeShortcut(link, m_Description,
                                      folder + QLatin1Char('/') + m_SourceFileName, icon, folder);
    AddInstalledItem(link, ItemKind::Shortcut, written && !existed);
    if (!written)
        m_FailedShortcuts << link;
}

void frmThird::FinishScrollingProgressBar()
{
    int p = ScrollBarPercent();
    SetStatus(tr("Verifing Installation..."));
    while (p < 100) {
        Pause(200);
        p += 2;
        SetScrollBarPercent(p);
    }
}

} // namespace setup
