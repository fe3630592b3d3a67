#include "ReadOnlyPath.h"
#include "SetupFunctions.h"
#include "WindowDriver.h"
#include "frmBrowseFolders.h"
#include "frmFirst.h"
#include "frmLicense.h"
#include "frmMessage.h"
#include "frmTestADO.h"
#include "frmPromptADO.h"
#include "frmSecond.h"
#include "frmThird.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace setup;

namespace {
// A fresh installer state around a Support folder inside a temporary folder.
class SetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Globals::Reset();
        ResetInstallerEnded();
        SetMsgBoxTitle(QStringLiteral("Setup"));
        SetSetupFolder(dir.path());
        QDir().mkpath(Globals::SupportPath);
    }
    void TearDown() override
    {
        DeleteAllWindows();
        ResetInstallerEnded();
    }
    QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir dir;
};

QString ValidateDesktopFile(const QString& path)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    if (!validate.waitForFinished(10000))
        return QStringLiteral("desktop-file-validate did not run");
    const QString output = QString::fromUtf8(validate.readAll());
    return validate.exitCode() == 0 && !output.contains(QStringLiteral("error")) ? QString() : output;
}
} // namespace

// --- The folder page --------------------------------------------------------------------

TEST(FolderRule, MakesTheFolderEndInAQuillbyFolder)
{
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/srv/Apps")), QStringLiteral("/srv/Apps/Quillby"));
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/srv/Apps/")), QStringLiteral("/srv/Apps/Quillby"));
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/")), QStringLiteral("/Quillby"));
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/srv/Quillby")), QStringLiteral("/srv/Quillby"));
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/srv/MyQuillby")), QStringLiteral("/srv/MyQuillby"));
    // The letter case counts.
    EXPECT_EQ(frmSecond::ApplyFolderRule(QStringLiteral("/srv/quillby")), QStringLiteral("/srv/quillby/Quillby"));
    EXPECT_EQ(frmSecond::ApplyFolderRule(QString()), QString());
}

TEST_F(SetupTest, FolderPageAppliesTheRuleToEveryChangeAndDefaultsToProgramFiles)
{
    Globals::ProgramFilesPath = dir.path();
    frmSecond page;
    EXPECT_EQ(page.InstallPathText(), Path(QStringLiteral("Quillby")));
    page.SetInstallPathText(Path(QStringLiteral("Apps")));
    EXPECT_EQ(page.InstallPathText(), Path(QStringLiteral("Apps/Quillby")));

    Globals::ProgramFilesPath = Path(QStringLiteral("missing"));
    frmSecond fallback;
    EXPECT_EQ(fallback.InstallPathText(), Globals::SetupFolder + QStringLiteral("/Quillby"));
}

TEST_F(SetupTest, ShortcutChoicesFollowTheFoldersThatExist)
{
    QDir().mkpath(Path(QStringLiteral("menu")));
    Globals::CommonProgramsMenuPath.clear(); // not writable for this user
    Globals::ProgramsMenuPath = Path(QStringLiteral("menu"));
    Globals::CommonDesktopPath.clear();
    Globals::DesktopPath = Path(QStringLiteral("no-desktop"));
    frmSecond page;
    auto option = [&](const char* name) { return page.findChild<QRadioButton*>(QLatin1String(name)); };
    EXPECT_FALSE(option("optStartAllUsers")->isEnabled());
    EXPECT_TRUE(option("optStartThisUser")->isEnabled());
    EXPECT_TRUE(option("optStartThisUser")->isChecked());
    EXPECT_FALSE(option("optIconAllUsers")->isEnabled());
    EXPECT_FALSE(option("optIconThisUser")->isEnabled());
    EXPECT_TRUE(option("optIconNone")->isChecked());
    EXPECT_TRUE(option("optStartNone")->isEnabled());

    page.ReadShortcutOptions();
    EXPECT_TRUE(Globals::StartMenuThisUser);
    EXPECT_FALSE(Globals::StartMenuAllUsers || Globals::DesktopAllUsers || Globals::DesktopThisUser);
}

TEST_F(SetupTest, FolderPageRefusesAnEmptyOrImpossibleFolderAndStays)
{
    MessageAnswers answers;
    auto* page = new frmSecond;
    page->show();
    page->findChild<QLineEdit*>(QStringLiteral("txtInstallPath"))->setText(QString());
    ClickChild(page, QStringLiteral("cmdContinue"));
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_EQ(answers.texts[0], QStringLiteral("Please select an Installation Folder"));

    // A folder below a plain file cannot be made.
    QFile blocker(Path(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    page->SetInstallPathText(Path(QStringLiteral("file/sub")));
    ClickChild(page, QStringLiteral("cmdContinue"));
    ASSERT_EQ(answers.texts.size(), 2);
    EXPECT_EQ(answers.texts[1], QStringLiteral("The folder ") + Path(QStringLiteral("file/sub/Quillby"))
                                    + QStringLiteral(" could not be created.\rPlease select another folder"));
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(VisibleWindow(QStringLiteral("frmThird")), nullptr);
    EXPECT_TRUE(Globals::InstallPath.isEmpty());
}

TEST_F(SetupTest, BrowseWindowPrefersTheTypedFolderThenTheSelectedOne)
{
    QDir().mkpath(Path(QStringLiteral("Apps/Games")));
    auto* page = new frmSecond;
    page->show();
    page->SetInstallPathText(Path(QStringLiteral("Apps")));
    ClickChild(page, QStringLiteral("cmdBrowse"));
    QWidget* browse = VisibleWindow(QStringLiteral("frmBrowseFolders"));
    ASSERT_NE(browse, nullptr);
    auto* txtFolder = browse->findChild<QLineEdit*>(QStringLiteral("txtFolder"));
    // The page's folder does not exist yet: the tree stays on the volume.
    txtFolder->setText(Path(QStringLiteral("Apps/Games")));
    ClickChild(browse, QStringLiteral("cmdAccept"));
    EXPECT_EQ(page->InstallPathText(), Path(QStringLiteral("Apps/Games/Quillby")));

    // The page's folder exists: the tree selects it; with the typed text emptied, the
    // folder selected in the tree is taken.
    QDir().mkpath(Path(QStringLiteral("Apps/Games/Quillby")));
    page->SetInstallPathText(Path(QStringLiteral("Apps/Games/Quillby")));
    ClickChild(page, QStringLiteral("cmdBrowse"));
    auto* second = qobject_cast<frmBrowseFolders*>(VisibleWindow(QStringLiteral("frmBrowseFolders")));
    ASSERT_NE(second, nullptr);
    txtFolder = second->findChild<QLineEdit*>(QStringLiteral("txtFolder"));
    EXPECT_EQ(txtFolder->text(), Path(QStringLiteral("Apps/Games/Quillby")));
    EXPECT_TRUE(second->SelectFolder(Path(QStringLiteral("Apps"))));
    EXPECT_FALSE(second->SelectFolder(Path(QStringLiteral("nowhere"))));
    EXPECT_EQ(second->SelectedFolder(), Path(QStringLiteral("Apps")));
    txtFolder->clear();
    ClickChild(second, QStringLiteral("cmdAccept"));
    EXPECT_EQ(page->InstallPathText(), Path(QStringLiteral("Apps/Quillby")));
}

TEST(License, AgreementHasItsFixedPartsAndSevenSectionsInOrder)
{
    const QString text = frmLicense::AgreementText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("LICENSE ACCEPTANCE.\r\n\r\nBY CLICKING THE 'CONTINUE' BUTTON")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    EXPECT_TRUE(text.contains(QStringLiteral("THE TERMS OF THIS LICENSE. \r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("These License Terms govern your Use of Quillby\r\n\r\n")));

    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const QStringList headings{QStringLiteral("2. License Grant."), QStringLiteral("3. Ownership."),
                               QStringLiteral("4. Copies and Adaptations."), QStringLiteral("5. No Disassembly."),
                               QStringLiteral("6. Transfer."), QStringLiteral("7. Termination."),
                               QStringLiteral("8. Export Requirements.")};
    int previous = -1;
    for (const QString& heading : headings) {
        const int at = lines.indexOf(QStringLiteral("     ") + heading);
        ASSERT_GT(at, previous) << heading.toStdString();
        EXPECT_GT(lines[at + 1].size(), 60) << "a body paragraph on one line";
        EXPECT_TRUE(lines[at + 2].isEmpty());
        previous = at;
    }
}

TEST_F(SetupTest, AcceptingShowsContinueAndClearingHidesItAgain)
{
    auto* license = new frmLicense;
    license->show();
    auto* cmdContinue = license->findChild<QAbstractButton*>(QStringLiteral("cmdContinue"));
    EXPECT_FALSE(cmdContinue->isVisible());
    ClickChild(license, QStringLiteral("chkAccept"));
    EXPECT_TRUE(cmdContinue->isVisible());
    ClickChild(license, QStringLiteral("chkAccept"));
    EXPECT_FALSE(cmdContinue->isVisible());
    // A screen reader toggles the box through its accessible action, without a click.
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(license->findChild<QWidget*>(QStringLiteral("chkAccept")))->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(cmdContinue->isVisible());
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(cmdContinue->isVisible());

    // The controls stay inside the window and clear of each other.
    const QRect text = license->findChild<QPlainTextEdit*>(QStringLiteral("txtLicense"))->geometry();
    const QRect check = license->findChild<QWidget*>(QStringLiteral("chkAccept"))->geometry();
    EXPECT_TRUE(license->rect().contains(text));
    EXPECT_GT(check.top(), text.bottom());
    EXPECT_TRUE(license->rect().contains(check));
}

// --- Requirement checks -----------------------------------------------------------------

TEST_F(SetupTest, WriteRightsPassInAWritableFolderAndLeaveNoFile)
{
    EXPECT_TRUE(CheckWriteRights());
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("testrights.txt"))));
    EXPECT_FALSE(InstallerEnded());
}

TEST_F(SetupTest, UnwritableInstallerFolderStopsBeforeTheDataAccessCheck)
{
    MessageAnswers answers;
    SetSetupFolder(Path(QStringLiteral("not-there/package")));
    auto* first = new frmFirst;
    first->show();
    ClickChild(first, QStringLiteral("cmdContinue"));
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith(QStringLiteral("Invalid Installation Scenerio.\r\rIf you are attempting")));
    EXPECT_TRUE(answers.texts[0].endsWith(QStringLiteral("and register .dll and .ocx files")));
    EXPECT_TRUE(InstallerEnded());
    const auto pagesGone = [] {
        return !VisibleWindow(QStringLiteral("frmTestADO")) &&
               !VisibleWindow(QStringLiteral("frmFirst"));
    };
    EXPECT_TRUE(QTest::qWaitFor(pagesGone, 10000));
}

TEST(SpecialFolders, FollowTheUsersFoldersWithoutTrailingSeparators)
{
    const QString home = QDir::homePath();
    EXPECT_EQ(GetSpecialFolder(2), home + QStringLiteral("/.local/share/applications"));
    EXPECT_EQ(GetSpecialFolder(0), home + QStringLiteral("/Desktop"));
    EXPECT_EQ(GetSpecialFolder(25), QString());
    EXPECT_EQ(GetSpecialFolder(37), QString());
    if (geteuid() != 0)
        EXPECT_EQ(GetSpecialFolder(38), home + QStringLiteral("/.local/share"));
    else
        EXPECT_EQ(GetSpecialFolder(38), QStringLiteral("/opt"));
}

namespace {
// Points the user's folders at a fresh account for the scope: a new home with nothing in it,
// and the data folder setting (XDG_DATA_HOME) given or unset.
class FreshAccount {
public:
    FreshAccount(const QString& home, const QString& dataHome)
        : saved_{{"HOME", qgetenv("HOME")}, {"XDG_DATA_HOME", qgetenv("XDG_DATA_HOME")},
                 {"XDG_CONFIG_HOME", qgetenv("XDG_CONFIG_HOME")}}
    {
        QDir().mkpath(home);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toUtf8());
        if (dataHome.isEmpty())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    }
    ~FreshAccount()
    {
        for (const auto& [name, value] : saved_)
            qputenv(name, value);
    }

private:
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

// The folder page after the welcome page's folder resolution on that account.
void ExpectFolderPageOffersTheUsersFolders(const QString& dataHome, const QString& desktop)
{
    ResolveSpecialFolders();
    EXPECT_EQ(Globals::ProgramsMenuPath, dataHome + QStringLiteral("/applications"));
    EXPECT_EQ(Globals::DesktopPath, desktop);
    for (const QString& folder : {dataHome, dataHome + QStringLiteral("/applications"), desktop}) {
        const QFileInfo made(folder);
        EXPECT_TRUE(made.isDir()) << folder.toStdString();
        EXPECT_EQ(made.permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther), QFileDevice::Permissions())
            << folder.toStdString();
    }
    auto* page = new frmSecond;
    page->show();
    const QString suggested = geteuid() == 0 ? QStringLiteral("/opt/Quillby") : dataHome + QStringLiteral("/Quillby");
    EXPECT_EQ(page->InstallPathText(), suggested);
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optStartThisUser"))->isEnabled());
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optIconThisUser"))->isChecked());
}
} // namespace

TEST_F(SetupTest, AFreshAccountGetsItsDataMenuAndDesktopFoldersAndTheDataFolderSuggested)
{
    {
        // Nothing set: ~/.local/share, its applications folder and ~/Desktop.
        const QString home = Path(QStringLiteral("fresh"));
        FreshAccount account(home, QString());
        ExpectFolderPageOffersTheUsersFolders(home + QStringLiteral("/.local/share"), home + QStringLiteral("/Desktop"));
    }
    DeleteAllWindows();
    {
        // A data folder setting and a desktop folder named in the user's folder settings.
        const QString home = Path(QStringLiteral("set"));
        FreshAccount account(home, Path(QStringLiteral("data")));
        QDir().mkpath(home + QStringLiteral("/.config"));
        QFile dirs(home + QStringLiteral("/.config/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
        dirs.close();
        ExpectFolderPageOffersTheUsersFolders(Path(QStringLiteral("data")), home + QStringLiteral("/Bureau"));
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/.local")));
        EXPECT_FALSE(QFileInfo::exists(home + QStringLiteral("/Desktop")));
    }
    DeleteAllWindows();
    {
        // A relative data folder setting is ignored, as Quillby ignores it.
        const QString home = Path(QStringLiteral("relative"));
        FreshAccount account(home, QStringLiteral("relative/share"));
        ExpectFolderPageOffersTheUsersFolders(home + QStringLiteral("/.local/share"), home + QStringLiteral("/Desktop"));
    }
}

// --- Data-access check ------------------------------------------------------------------

TEST_F(SetupTest, TheShippedTestProgramPassesTheCheck)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(ADO25TEST_PATH), Globals::SupportPath + QStringLiteral("/ADO25Test")));
    MessageAnswers answers;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(RunDataAccessCheck());
    EXPECT_GE(clock.elapsed(), 2500); // decided at the third tick
    EXPECT_TRUE(answers.texts.isEmpty());
    EXPECT_FALSE(InstallerEnded());
}

TEST_F(SetupTest, ACaptionWithSuccessInSmallLettersCountsAsSuccess)
{
    WindowDriver driver;
    driver.Then(QStringLiteral("frmTestADO"), [](QWidget*) {
        auto* socket = new QLocalSocket(qApp);
        socket->connectToServer(AdoTestServerName(QCoreApplication::applicationPid()));
        socket->write("ado test: success\n");
        socket->flush();
    });
    EXPECT_TRUE(RunDataAccessCheck());
    EXPECT_TRUE(driver.Done());
}

// The prompt's answer: pick the option, then OK.
static WindowDriver::Action ChooseOnPrompt(const QString& option)
{
    return [option](QWidget* prompt) {
        ClickChild(prompt, option);
        ClickChild(prompt, QStringLiteral("cmdContinue"));
    };
}

TEST_F(SetupTest, MissingTestProgramPromptsAndSkipNeedsAYes)
{
    // No ADO25Test in Support: the third tick shows the prompt.
    MessageAnswers answers;
    answers.Expect(QStringLiteral("Skipping the MDAC installation"), MsgResult::No);
    answers.Expect(QStringLiteral("Skipping the MDAC installation"), MsgResult::Yes);
    auto* first = new frmFirst;
    first->show();
    bool bothOpenAfterNo = false;
    WindowDriver driver;
    driver.Then(QStringLiteral("frmPromptADO"), ChooseOnPrompt(QStringLiteral("optSkip")));
    driver.Then(QStringLiteral("frmPromptADO"), [&](QWidget* prompt) {
        bothOpenAfterNo = VisibleWindow(QStringLiteral("frmTestADO")) != nullptr;
        EXPECT_FALSE(first->isVisible()); // hidden while the prompt shows
        ClickChild(prompt, QStringLiteral("cmdContinue"));
    }, [&](QWidget*) { return answers.texts.size() == 1; });
    EXPECT_TRUE(RunDataAccessCheck());
    EXPECT_TRUE(bothOpenAfterNo);
    EXPECT_EQ(answers.texts.size(), 2);
    EXPECT_EQ(answers.texts[0], QStringLiteral("Skipping the MDAC installation is not recommended.  This program may not function correctly. \r\rAre you sure you want to skip the MDAC installation?"));
    EXPECT_FALSE(InstallerEnded());
}

TEST_F(SetupTest, AbortEndsTheInstallerAndInstallOpensTheDownloadPage)
{
    {
        MessageAnswers answers;
        answers.Expect(QStringLiteral("Are you sure you want to abort"), MsgResult::Yes);
        WindowDriver driver;
        driver.Then(QStringLiteral("frmPromptADO"), ChooseOnPrompt(QStringLiteral("optAbort")));
        EXPECT_FALSE(RunDataAccessCheck());
        EXPECT_TRUE(InstallerEnded());
        EXPECT_EQ(answers.texts, QStringList{QStringLiteral("Are you sure you want to abort the entire installation?")});
    }
    ResetInstallerEnded();
    {
        UrlCatcher pages;
        MessageAnswers answers;
        WindowDriver driver;
        driver.Then(QStringLiteral("frmPromptADO"), ChooseOnPrompt(QStringLiteral("optInstall")));
        EXPECT_FALSE(RunDataAccessCheck());
        EXPECT_TRUE(InstallerEnded());
        ASSERT_EQ(answers.texts.size(), 1);
        EXPECT_EQ(answers.texts[0], QStringLiteral("PLEASE NOTE:\rYou will need to restart the Quillby installation after MDAC has been installed."));
        EXPECT_EQ(pages.urls, QList<QUrl>{QUrl(QStringLiteral("https://corvale.example/MDACInstallLink.asp?ProductName=Quillby"))});
    }
}

// --- Installation pieces ----------------------------------------------------------------

TEST_F(SetupTest, CreateFolderPathRecordsEachNewFolderParentFirst)
{
    QDir().mkpath(Path(QStringLiteral("existing")));
    EXPECT_TRUE(CreateFolderPath(Path(QStringLiteral("existing/new/deeper"))));
    ASSERT_EQ(Globals::InstalledItems.size(), 2);
    EXPECT_EQ(Globals::InstalledItems[0].Path, Path(QStringLiteral("existing/new")));
    EXPECT_EQ(Globals::InstalledItems[1].Path, Path(QStringLiteral("existing/new/deeper")));
    EXPECT_TRUE(CreateFolderPath(Path(QStringLiteral("existing/new/deeper"))));
    EXPECT_EQ(Globals::InstalledItems.size(), 2);
}

TEST_F(SetupTest, LogGroupsEntriesByWhatTheyAreNotByDots)
{
    Globals::InstallPath = QStringLiteral("/h/v1.2/Quillby");
    AddInstalledItem(QStringLiteral("/h/v1.2"), ItemKind::Folder);
    AddInstalledItem(QStringLiteral("/h/v1.2/Quillby"), ItemKind::Folder);
    AddInstalledItem(QStringLiteral("/h/v1.2/Quillby/Quillby"), ItemKind::File);
    AddInstalledItem(QStringLiteral("/h/.local/share/applications/Quillby"), ItemKind::Folder);
    AddInstalledItem(QStringLiteral("/h/.local/share/applications/Quillby/Quillby.desktop"), ItemKind::Shortcut);
    AddInstalledItem(QStringLiteral("/h/v1.2/Quillby/Robot.ico"), ItemKind::File);
    EXPECT_EQ(InstallLogLines(), (QStringList{
                                     QStringLiteral("INSTALLPATH=/h/v1.2/Quillby"),
                                     QStringLiteral("/h/v1.2/Quillby/Quillby"),
                                     QStringLiteral("/h/v1.2/Quillby/Robot.ico"),
                                     QStringLiteral("/h/.local/share/applications/Quillby/Quillby.desktop"),
                                     QStringLiteral("/h/v1.2"),
                                     QStringLiteral("/h/v1.2/Quillby"),
                                     QStringLiteral("/h/.local/share/applications/Quillby"),
                                 }));
}

TEST_F(SetupTest, ReinstallLogKeepsWhatAnEarlierRunMadeThatStillBelongsToTheInstallation)
{
    // A backslash in the folder is escaped in the shortcuts and must compare unescaped.
    Globals::InstallPath = Path(QStringLiteral("it\\s/Quillby"));
    const QString install = Globals::InstallPath;
    const QString menu = Path(QStringLiteral("menu/Quillby"));
    ASSERT_TRUE(QDir().mkpath(install) && QDir().mkpath(menu) && QDir().mkpath(Path(QStringLiteral("desk"))));
    auto shortcut = [](const QString& link, const QString& folder) {
        ASSERT_TRUE(MakeShortcut(link, QStringLiteral("Quillby"), folder + QStringLiteral("/Quillby"),
                                 folder + QStringLiteral("/Robot.ico"), folder));
    };
    shortcut(menu + QStringLiteral("/Quillby"), install);
    shortcut(menu + QStringLiteral("/Uninstall Quillby"), install);
    shortcut(Path(QStringLiteral("desk/Quillby")), Path(QStringLiteral("other/Quillby"))); // written over since
    shortcut(Path(QStringLiteral("desk/Notes")), install);                                // not one of ours
    QFile earlier(InstallLogPath(install));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    for (const QString& line : {QStringLiteral("INSTALLPATH=") + install, install + QStringLiteral("/Quillby"),
                                menu + QStringLiteral("/Quillby.desktop"), menu + QStringLiteral("/Uninstall Quillby.desktop"),
                                Path(QStringLiteral("desk/Quillby.desktop")), Path(QStringLiteral("desk/Notes.desktop")),
                                Path(QStringLiteral("gone/Quillby.desktop")), menu, Path(QStringLiteral("gone"))})
        earlier.write((line + QStringLiteral("\r\n")).toUtf8());
    earlier.close();

    // This run installs the program and makes the uninstall shortcut again.
    AddInstalledItem(install + QStringLiteral("/Quillby"), ItemKind::File);
    AddInstalledItem(menu + QStringLiteral("/Uninstall Quillby.desktop"), ItemKind::Shortcut);
    ASSERT_TRUE(WriteInstallLog());
    QFile log(InstallLogPath(install));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("INSTALLPATH=") + install, install + QStringLiteral("/Quillby"),
                           menu + QStringLiteral("/Quillby.desktop"), menu + QStringLiteral("/Uninstall Quillby.desktop"),
                           menu}));
}

TEST_F(SetupTest, ShortcutsToOddPathsAreValidDesktopFiles)
{
    const QString folder = Path(QStringLiteral("it's a \"$HOME\" 100% \\ folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString link = Path(QStringLiteral("Quillby"));
    ASSERT_TRUE(MakeShortcut(link, QStringLiteral("Quillby"), folder + QStringLiteral("/Quillby"),
                             folder + QStringLiteral("/Robot.ico"), folder));
    const QString file = link + QStringLiteral(".desktop");
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_TRUE(QFile::permissions(file) & QFileDevice::ExeOwner);
    EXPECT_EQ(ValidateDesktopFile(file), QString());
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(text.readAll());
    // Quoting escapes ", `, $ and \ and the string escape doubles every backslash; % is doubled.
    EXPECT_TRUE(entry.contains(QStringLiteral("Exec=\"") + Path(QString()) +
                               QStringLiteral("it's a \\\\\"\\\\$HOME\\\\\" 100%% \\\\\\\\ folder/Quillby\"\n")))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains(QStringLiteral("Icon=") + Path(QString()) +
                               QStringLiteral("it's a \"$HOME\" 100% \\\\ folder/Robot.ico\n")));
}

TEST_F(SetupTest, ProgressCoverMovesInProportionAndFinishingStepsByTwo)
{
    auto* progress = new frmThird;
    progress->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(progress, 10000));
    progress->SetScrollBarPercent(0);
    EXPECT_EQ(progress->CoverLeft(), 0);
    progress->SetScrollBarPercent(50);
    const int half = progress->CoverLeft();
    progress->SetScrollBarPercent(100);
    EXPECT_NEAR(half * 2, progress->CoverLeft(), 2);
    EXPECT_GT(half, 0);

    progress->SetScrollBarPercent(85);
    QElapsedTimer clock;
    clock.start();
    progress->FinishScrollingProgressBar();
    EXPECT_EQ(progress->ScrollBarPercent(), 101); // 87, 89, ..., 99, 101
    EXPECT_GE(clock.elapsed(), 8 * 200);
    EXPECT_EQ(progress->Status(), QStringLiteral("Verifing Installation..."));
}

// --- Pictures of the pages (QUILLBY_SHOTS=<folder> to save them) -----------------------

namespace {
// Every page of the installer, shown one after the other, the progress page part-way through
// its run with a status text that replaced the first one.
QList<QWidget*> ShowEveryPage(const QString& folder)
{
    Globals::ProgramFilesPath = QDir::homePath() + QStringLiteral("/.local/share");
    Globals::ProgramsMenuPath = folder;
    Globals::DesktopPath = folder;
    QList<QWidget*> pages{new frmLicense, new frmFirst, new frmTestADO, new frmPromptADO,
                          new frmSecond, new frmThird, new frmMessage};
    pages << new frmBrowseFolders(qobject_cast<frmSecond*>(pages[4]));
    for (QWidget* page : pages) {
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page, 10000));
        if (auto* progress = qobject_cast<frmThird*>(page)) {
            progress->SetStatus(QStringLiteral("Copying Files..."));
            progress->SetScrollBarPercent(30);
        }
    }
    return pages;
}
} // namespace

TEST_F(SetupTest, EveryPageFitsItsControls)
{
    // In English and in German, whose texts are longer; the German pages speak German.
    const QString shots = qEnvironmentVariable("QUILLBY_SHOTS");
    for (const char* locale : {"en_US", "de_DE"}) {
        ShownLanguage language(locale, "setup");
        EXPECT_EQ(language.Translated(), qstrcmp(locale, "de_DE") == 0);
        QStringList titles;
        for (QWidget* page : ShowEveryPage(dir.path())) {
            titles << page->windowTitle();
            // Every visible control lies inside its window and overlaps no sibling control.
            const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* control : controls) {
                if (!control->isVisible() || control->isWindow())
                    continue;
                EXPECT_TRUE(page->rect().contains(control->geometry()))
                    << locale << ": " << page->objectName().toStdString() << "/" << control->objectName().toStdString();
            }
            EXPECT_EQ(ClippedTexts(page), QStringList()) << locale;
            if (!shots.isEmpty())
                page->grab().save(QStringLiteral("%1/setup-%2-%3.png").arg(shots, QLatin1String(locale), page->objectName()));
        }
        if (language.Translated()) {
            EXPECT_EQ(titles, (QStringList{"Endbenutzer-Lizenz", "Corvale-Installationsprogramm", "ADO-Test",
                                           "Installation", "Corvale-Installationsprogramm",
                                           "Corvale-Installationsprogramm", "Fertig...", "Ordner suchen"}));
            EXPECT_TRUE(frmLicense::AgreementText().startsWith(QStringLiteral("ANNAHME DER LIZENZ.\r\n")));
        }
        DeleteAllWindows();
    }
}

TEST_F(SetupTest, EveryPageFitsItsTextsInEveryLanguageAndFontSize)
{
    // English and German, each at the usual font and at 13 pt: no text, frame or control is
    // cut, no window is smaller than what it holds. QUILLBY_SHOTS=<folder> saves the pictures.
    for (const ShownAs& as : kEveryShownAs) {
        ShownLanguage language(as.locale, "setup");
        ShownFont font(as.points);
        QStringList cut;
        for (QWidget* page : ShowEveryPage(dir.path()))
            cut << CutTextsOfShownWindow(page, QStringLiteral("setup-") + page->objectName(), as);
        EXPECT_EQ(cut, QStringList());
        DeleteAllWindows();
    }
}

TEST_F(SetupTest, EveryPageIsReadAsItIsShown)
{
    // Labels are read by the text they show, also a status text that changed; no control or
    // picture is read out by its objectName (the licence page's band beside the check box was).
    QStringList faults;
    for (QWidget* page : ShowEveryPage(dir.path()))
        faults << AccessibilityFaults(page);
    EXPECT_EQ(faults, QStringList());
}

// --- A folder Setup cannot use, an installation that fails ------------------------------

namespace {
// The user's menu and desktop folders of the fixture, offered and preselected on the page.
void OfferShortcutFolders(const QString& menu, const QString& desktop)
{
    QDir().mkpath(menu);
    QDir().mkpath(desktop);
    Globals::ProgramsMenuPath = menu;
    Globals::DesktopPath = desktop;
}

// The folder page with `folder` chosen and both shortcuts of this user; Continue. A run
// that starts ends the installer before this returns.
frmSecond* ContinueInto(const QString& folder)
{
    auto* page = new frmSecond;
    page->show();
    page->SetInstallPathText(folder);
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optStartThisUser"))->isChecked());
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optIconThisUser"))->isChecked());
    ClickChild(page, QStringLiteral("cmdContinue"));
    return page;
}

// Every file below the folder, as paths relative to it.
QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath()); // the package's plugins folder
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}
} // namespace

TEST_F(SetupTest, AFolderSetupCannotWriteIntoIsRefusedBeforeAnythingIsMade)
{
    OfferShortcutFolders(Path(QStringLiteral("menu")), Path(QStringLiteral("desk")));
    for (const QString& name : InstalledFileNames())
        WriteFile(Globals::SupportPath + QLatin1Char('/') + name, "shipped");
    const QString locked = Path(QStringLiteral("locked"));
    QDir().mkpath(locked + QStringLiteral("/Quillby"));
    MessageAnswers answers;
    {
        // The chosen folder exists but is read-only; then a new folder below a read-only one.
        ReadOnlyPath readOnly(locked + QStringLiteral("/Quillby"));
        ReadOnlyPath readOnlyAbove(locked);
        if (!readOnly.effective() || !readOnlyAbove.effective())
            GTEST_SKIP() << "cannot make a folder read-only for the super-user here";
        frmSecond* page = ContinueInto(locked + QStringLiteral("/Quillby"));
        page->SetInstallPathText(locked + QStringLiteral("/new/Quillby"));
        ClickChild(page, QStringLiteral("cmdContinue"));
        EXPECT_TRUE(page->isVisible()) << "back to the folder choice";
    }
    EXPECT_EQ(answers.texts, (QStringList{
        QStringLiteral("Setup cannot write into the folder ") + locked + QStringLiteral("/Quillby.\rPlease select another folder"),
        QStringLiteral("The folder ") + locked + QStringLiteral("/new/Quillby could not be created.\rPlease select another folder")}));
    EXPECT_EQ(VisibleWindow(QStringLiteral("frmThird")), nullptr);
    EXPECT_FALSE(InstallerEnded());
    EXPECT_TRUE(Globals::InstallPath.isEmpty());
    EXPECT_TRUE(Globals::InstalledItems.isEmpty());
    EXPECT_EQ(FilesBelow(Path(QStringLiteral("menu"))) + FilesBelow(Path(QStringLiteral("desk"))) + FilesBelow(locked),
              QStringList());
    EXPECT_FALSE(QFileInfo::exists(locked + QStringLiteral("/new")));
}

TEST_F(SetupTest, AFailedInstallationTakesBackWhatItMadeAndStartsNothing)
{
    const QString menu = Path(QStringLiteral("menu"));
    const QString desk = Path(QStringLiteral("desk"));
    const QString install = Path(QStringLiteral("Apps/Quillby"));
    const QString removed = QStringLiteral("\r\rSetup removed the files, folders and shortcuts it had made. ");
    auto runInto = [&](const QString& folder) {
        Globals::Reset();
        ResetInstallerEnded();
        OfferShortcutFolders(menu, desk);
        MessageAnswers answers;
        answers.Expect(QStringLiteral("The folder "), MsgResult::Yes); // one that is not empty
        ContinueInto(folder);
        EXPECT_TRUE(InstallerEnded());
        EXPECT_EQ(Globals::StartedProgramPid, 0) << "no program is started after a failure";
        EXPECT_EQ(VisibleWindow(QStringLiteral("frmMessage")), nullptr);
        EXPECT_EQ(FilesBelow(menu) + FilesBelow(desk), QStringList()) << "no shortcut is left";
        EXPECT_FALSE(QFileInfo::exists(menu + QStringLiteral("/Quillby")));
        return answers.texts;
    };

    // An incomplete package: only the icon is there. What was copied and the folders the
    // page made go again.
    WriteFile(Globals::SupportPath + QStringLiteral("/Robot.ico"), "icon");
    QStringList texts = runInto(install);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("These files could not be installed:\r") + install + QStringLiteral("/Quillby\r")));
    EXPECT_FALSE(texts[0].contains(QStringLiteral("Robot.ico")));
    EXPECT_EQ(texts[0].count(install), int(InstalledFileNames().size()) - 1);
    EXPECT_TRUE(texts[0].contains(install + QStringLiteral("/plugins/libquillby_ocr.so\r")));
    EXPECT_TRUE(texts[0].contains(removed + QStringLiteral("Please copy the whole installation package")));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Apps"))));

    // The whole package, but the desktop folder is read-only: the menu shortcuts made
    // before the desktop one go again, with the menu folder, the files and the folders.
    for (const QString& name : InstalledFileNames())
        WriteFile(Globals::SupportPath + QLatin1Char('/') + name, "shipped");
    {
        QDir().mkpath(desk);
        ReadOnlyPath readOnly(desk);
        if (!readOnly.effective())
            GTEST_SKIP() << "cannot make a folder read-only for the super-user here";
        texts = runInto(install);
    }
    EXPECT_EQ(texts, QStringList{QStringLiteral("These shortcuts could not be created:\r") + desk
                                 + QStringLiteral("/Quillby.desktop") + removed
                                 + QStringLiteral("Please run Setup again and choose other shortcuts.")});
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Apps"))));

    // A folder that already holds the family's database, where the log cannot be written:
    // the database and the folder stay, what this run copied goes.
    QDir().mkpath(install + QStringLiteral("/QUILLBY-InstallLog.txt"));
    WriteFile(install + QStringLiteral("/Quillby.mdb"), "our lists");
    texts = runInto(install);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("The folder ") + install + QStringLiteral(" is not empty.")));
    texts.removeFirst();
    EXPECT_EQ(texts, QStringList{QStringLiteral("The install log could not be written:\r") + install
                                 + QStringLiteral("/QUILLBY-InstallLog.txt") + removed
                                 + QStringLiteral("Please run Setup again and choose another folder.")});
    EXPECT_EQ(FilesBelow(install), QStringList{QStringLiteral("Quillby.mdb")});
    QFile database(install + QStringLiteral("/Quillby.mdb"));
    ASSERT_TRUE(database.open(QIODevice::ReadOnly));
    EXPECT_EQ(database.readAll(), QByteArray("our lists"));
}

// --- Quillby's icon in the icon theme ---------------------------------------------------

namespace {
// The Icon= value of each shortcut, in order ("" for a file that is missing).
QStringList IconEntries(const QStringList& shortcuts)
{
    QStringList icons;
    for (const QString& shortcut : shortcuts) {
        QFile file(shortcut);
        const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        icons << QRegularExpression(QStringLiteral("^Icon=(.*)$"), QRegularExpression::MultilineOption)
                     .match(text).captured(1);
    }
    return icons;
}

QStringList LogLines(const QString& installFolder)
{
    QFile log(InstallLogPath(installFolder));
    return log.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(log.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)
               : QStringList();
}
} // namespace

TEST_F(SetupTest, QuillbysShortcutsNameTheThemeIconOnlyWhereItsFilesCouldBeInstalled)
{
    // This user's data folder; its icons folder does not exist yet.
    FreshAccount account(Path(QStringLiteral("home")), Path(QStringLiteral("data")));
    const QString icons = Path(QStringLiteral("data/icons"));
    const QString theme = install::IconThemeFolder(install::UserDataFolder());
    ASSERT_EQ(theme, icons + QStringLiteral("/hicolor"));
    const QString menu = Path(QStringLiteral("menu"));
    const QString desk = Path(QStringLiteral("desk"));
    for (const QString& name : InstalledFileNames())
        WriteFile(Globals::SupportPath + QLatin1Char('/') + name, "shipped");
    const QString shipped = Globals::SupportPath + QStringLiteral("/icons/hicolor/");
    for (const QString& file : install::ThemeIconFiles()) {
        QDir().mkpath(QFileInfo(shipped + file).absolutePath());
        WriteFile(shipped + file, file.toUtf8());
    }
    auto installInto = [&](const QString& folder) {
        Globals::Reset();
        ResetInstallerEnded();
        OfferShortcutFolders(menu, desk);
        MessageAnswers answers;
        ContinueInto(folder);
        EXPECT_TRUE(InstallerEnded());
        EXPECT_EQ(answers.texts, QStringList());
        return IconEntries({menu + QStringLiteral("/Quillby/Quillby.desktop"), desk + QStringLiteral("/Quillby.desktop"),
                            menu + QStringLiteral("/Quillby/Uninstall Quillby.desktop")});
    };

    // A package that lacks one of the files installs none: what was made for them goes again.
    QFile::rename(shipped + QStringLiteral("scalable/apps/quillby.svg"), Path(QStringLiteral("quillby.svg")));
    Globals::InstallPath = Path(QStringLiteral("Apps/Quillby"));
    EXPECT_FALSE(InstallThemeIcons(install::UserDataFolder()));
    EXPECT_FALSE(QFileInfo::exists(icons));
    EXPECT_TRUE(Globals::InstalledItems.isEmpty());
    QFile::rename(Path(QStringLiteral("quillby.svg")), shipped + QStringLiteral("scalable/apps/quillby.svg"));

    // A file of that name that no installation into this folder made stays as it is, and the
    // shortcuts name the icon files of the installation.
    const QString foreign = theme + QStringLiteral("/48x48/apps/quillby.png");
    QDir().mkpath(QFileInfo(foreign).absolutePath());
    WriteFile(foreign, "someone else's");
    const QString first = Path(QStringLiteral("Apps/Quillby"));
    EXPECT_EQ(installInto(first), (QStringList{first + QStringLiteral("/Robot.ico"), first + QStringLiteral("/Robot.ico"),
                                               first + QStringLiteral("/Skull.ico")}));
    EXPECT_EQ(FilesBelow(icons), QStringList{QStringLiteral("hicolor/48x48/apps/quillby.png")});
    QFile kept(foreign);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("someone else's"));
    EXPECT_FALSE(LogLines(first).join(QLatin1Char('\n')).contains(icons));

    // Without it every file is installed and logged with the folders made for it, parent
    // first; Quillby's shortcuts name the theme icon, the uninstaller's keeps its picture.
    QDir(icons).removeRecursively();
    const QString second = Path(QStringLiteral("Other/Quillby"));
    EXPECT_EQ(installInto(second), (QStringList{QStringLiteral("quillby"), QStringLiteral("quillby"),
                                                second + QStringLiteral("/Skull.ico")}));
    QStringList files = install::ThemeIconFiles();
    files.sort();
    EXPECT_EQ(FilesBelow(theme), files);
    for (const QString& file : files) {
        QFile installed(theme + QLatin1Char('/') + file);
        ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
        EXPECT_EQ(installed.readAll(), file.toUtf8());
    }
    QStringList loggedFiles, loggedFolders, expectedFiles, expectedFolders{icons, theme};
    for (const QString& line : LogLines(second))
        if (line == icons || line.startsWith(icons + QLatin1Char('/')))
            (QFileInfo(line).isDir() ? loggedFolders : loggedFiles) << line;
    for (const QString& file : install::ThemeIconFiles()) {
        expectedFiles << theme + QLatin1Char('/') + file;
        const QString size = theme + QLatin1Char('/') + file.section(QLatin1Char('/'), 0, 0);
        expectedFolders << size << size + QStringLiteral("/apps");
    }
    EXPECT_EQ(loggedFiles, expectedFiles);
    EXPECT_EQ(loggedFolders, expectedFolders);
    EXPECT_EQ(ValidateDesktopFile(desk + QStringLiteral("/Quillby.desktop")), QString());
}

// --- What the folder held before, what the log names ------------------------------------

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(SetupTest, AFolderThatHoldsThingsIsUsedOnlyWhenTheUserSaysSoAndTheLogNamesOnlyWhatSetupMade)
{
    for (const QString& name : InstalledFileNames())
        WriteFile(Globals::SupportPath + QLatin1Char('/') + name, "shipped");
    const QString earlierLog = QStringLiteral("QUILLBY-InstallLog.txt");
    struct Case {
        const char* what;
        QStringList before;   // files in the folder before Setup runs ("" : an empty folder)
        bool asked;           // Setup warns before it uses the folder
        bool databaseLogged;  // the new log names Quillby.mdb
    };
    const std::vector<Case> cases{
        {"a new folder", {}, false, true},
        {"an empty folder", {QString()}, false, true},
        {"the user's own files", {QStringLiteral("mywork.txt"), QStringLiteral("photos/beach.jpg")}, true, true},
        {"another Quillby's lists", {QStringLiteral("Quillby.mdb"), QStringLiteral("Wavs/APPLE.wav")}, true, false},
        {"an earlier installation that made its database", {earlierLog, QStringLiteral("Quillby.mdb")}, false, true},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Globals::Reset();
        ResetInstallerEnded();
        OfferShortcutFolders(Path(QStringLiteral("menu")), Path(QStringLiteral("desk")));
        const QString folder = Path(QStringLiteral("case%1/Quillby").arg(++number));
        for (const QString& file : c.before) {
            QDir().mkpath(QFileInfo(folder + QLatin1Char('/') + file).absolutePath());
            if (file == earlierLog)
                WriteFile(InstallLogPath(folder), ("INSTALLPATH=" + folder + "\r\n" + folder + "/Quillby.mdb\r\n").toUtf8());
            else if (!file.isEmpty())
                WriteFile(folder + QLatin1Char('/') + file, "mine");
        }
        const QStringList filesBefore = FilesBelow(folder);
        MessageAnswers answers;
        answers.Expect(QStringLiteral("The folder "), MsgResult::No);
        answers.Expect(QStringLiteral("The folder "), MsgResult::Yes);

        // No: the page stays and nothing is made.
        frmSecond* page = ContinueInto(folder);
        if (c.asked) {
            ASSERT_EQ(answers.texts.size(), 1);
            EXPECT_EQ(answers.texts[0], QStringLiteral("The folder ") + folder + QStringLiteral(
                " is not empty.\rSetup keeps what is in it and adds Quillby's files. Uninstalling Quillby later "
                "removes only the files Setup added.\r\rInstall Quillby into this folder?"));
            EXPECT_TRUE(page->isVisible());
            EXPECT_FALSE(InstallerEnded());
            EXPECT_TRUE(Globals::InstalledItems.isEmpty());
            EXPECT_EQ(FilesBelow(folder), filesBefore);
            ClickChild(page, QStringLiteral("cmdContinue")); // Yes
            EXPECT_EQ(answers.texts.size(), 2);
        } else {
            EXPECT_EQ(answers.texts, QStringList());
        }

        // Installed: what was there is as it was, and the log names only what Setup made.
        EXPECT_TRUE(InstallerEnded());
        for (const QString& file : c.before)
            if (!file.isEmpty() && file != earlierLog)
                EXPECT_EQ(ReadAll(folder + QLatin1Char('/') + file), QByteArray("mine")) << file.toStdString();
        const QStringList log = LogLines(folder);
        EXPECT_EQ(log.contains(folder + QStringLiteral("/Quillby.mdb")), c.databaseLogged);
        EXPECT_EQ(log.contains(folder), c.before.isEmpty()) << "the folder is named when Setup made it";
        for (const QString& file : c.before)
            if (!file.isEmpty() && file != QStringLiteral("Quillby.mdb"))
                EXPECT_FALSE(log.join(QLatin1Char('\n')).contains(file)) << file.toStdString();
        for (const QString& name : InstalledFileNames())
            if (name != QStringLiteral("Quillby.mdb"))
                EXPECT_TRUE(log.contains(folder + QLatin1Char('/') + name)) << name.toStdString();
        DeleteAllWindows();
    }
}

TEST_F(SetupTest, TheFoldersMadeForAFreshAccountGoAgainUnlessTheInstallationIsLogged)
{
    WriteFile(Path(QStringLiteral("file")), "not a folder");
    struct Case {
        const char* what;
        bool wholePackage;
        std::function<void(frmSecond*)> end; // from the folder page to the end of Setup
        bool installed;
    };
    const std::vector<Case> cases{
        {"cancelled on the folder page", true,
         [](frmSecond* page) { ClickChild(page, QStringLiteral("cmdCancel")); }, false},
        {"a folder refused, then cancelled", true, [this](frmSecond* page) {
             page->SetInstallPathText(Path(QStringLiteral("file/sub")));
             ClickChild(page, QStringLiteral("cmdContinue"));
             ClickChild(page, QStringLiteral("cmdCancel"));
         }, false},
        {"an installation rolled back", false, [this](frmSecond* page) {
             page->SetInstallPathText(Path(QStringLiteral("rolledback/Quillby")));
             ClickChild(page, QStringLiteral("cmdContinue"));
         }, false},
        {"an installation completed", true, [this](frmSecond* page) {
             page->SetInstallPathText(Path(QStringLiteral("done/Quillby")));
             ClickChild(page, QStringLiteral("cmdContinue"));
         }, true},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Globals::Reset();
        ResetInstallerEnded();
        QDir(Globals::SupportPath).removeRecursively();
        QDir().mkpath(Globals::SupportPath);
        if (c.wholePackage)
            for (const QString& name : InstalledFileNames())
                WriteFile(Globals::SupportPath + QLatin1Char('/') + name, "shipped");
        const QString home = Path(QStringLiteral("account%1").arg(++number));
        FreshAccount account(home, QString());
        MessageAnswers answers;
        ResolveSpecialFolders();
        const QStringList made{home + QStringLiteral("/.local"), home + QStringLiteral("/.local/share"),
                               home + QStringLiteral("/.local/share/applications"), home + QStringLiteral("/Desktop")};
        for (const QString& folder : made)
            ASSERT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
        auto* page = new frmSecond;
        page->show();
        c.end(page);
        EXPECT_TRUE(InstallerEnded());
        const QStringList left = QDir(home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (!c.installed) {
            EXPECT_EQ(left, QStringList());
        } else {
            const QStringList log = LogLines(Path(QStringLiteral("done/Quillby")));
            for (const QString& folder : made)
                EXPECT_TRUE(log.contains(folder)) << folder.toStdString();
        }
        DeleteAllWindows();
    }
}
