// The package end to end: install from a copy of the built package into a private home,
// start the installed Quillby, reinstall over it, then uninstall.
#include "SetupFunctions.h"
#include "UninstallFunctions.h"
#include "WindowDriver.h"
#include "frmLicense.h"
#include "frmMain.h"
#include "frmSecond.h"
#include "frmThird.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <csignal>
#include <unistd.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {
const QString PackageDir = QStringLiteral(QUILLBY_PACKAGE_DIR);

QString Home() { return QDir::homePath(); }
QString DataHome() { return Home() + QStringLiteral("/.local/share"); }
QString InstallDir() { return Home() + QStringLiteral("/Apps/Quillby"); }
QString MenuDir() { return DataHome() + QStringLiteral("/applications/Quillby"); }
QString IconsDir() { return DataHome() + QStringLiteral("/icons"); }
QString ThemeDir() { return IconsDir() + QStringLiteral("/hicolor"); }

// The folders a first installation makes: on the way to the installation, the theme icon's
// folders parent first, then the menu folder.
QStringList FoldersMade()
{
    // The fresh account's data, menu and desktop folders first, made before the folder page.
    QStringList folders{Home() + QStringLiteral("/.local"),
                        DataHome(),
                        DataHome() + QStringLiteral("/applications"),
                        Home() + QStringLiteral("/Desktop"),
                        Home() + QStringLiteral("/Apps"),
                        InstallDir(),
                        InstallDir() + QStringLiteral("/plugins"),
                        IconsDir(),
                        ThemeDir()};
    for (const QString& file : install::ThemeIconFiles()) {
        const QString size = ThemeDir() + QLatin1Char('/') + file.section(QLatin1Char('/'), 0, 0);
        folders << size << size + QStringLiteral("/apps");
    }
    return folders << MenuDir();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Copies a folder tree as a user copies the package to another machine.
bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot);
    bool ok = true;
    while (entries.hasNext()) {
        entries.next();
        const QString target = to + QLatin1Char('/') + entries.fileName();
        ok = (entries.fileInfo().isDir() ? CopyTree(entries.filePath(), target)
                                         : QFile::copy(entries.filePath(), target)) && ok;
    }
    return ok;
}

// What the user picks on the folder page: the folder and one option button of each group.
struct FolderChoice {
    QString folder = QDir::homePath() + QStringLiteral("/Apps");
    QString startMenu = QStringLiteral("optStartThisUser");
    QString desktop = QStringLiteral("optIconThisUser");
};

// The folder page, also on a fresh account that has no data, menu or desktop folder yet: the
// user's data folder is suggested and the user's own menu and desktop shortcuts are offered,
// the desktop one preselected.
void ExpectSuggestedChoices(setup::frmSecond* page)
{
    const QString suggested = geteuid() == 0 ? QStringLiteral("/opt/Quillby") : DataHome() + QStringLiteral("/Quillby");
    EXPECT_EQ(page->InstallPathText(), suggested);
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optStartThisUser"))->isEnabled());
    // Everyone's menu is offered only where this user may write (so here as root).
    const QFileInfo systemMenu(QStringLiteral("/usr/share/applications"));
    EXPECT_EQ(page->findChild<QRadioButton*>(QStringLiteral("optStartAllUsers"))->isEnabled(),
              systemMenu.isDir() && systemMenu.isWritable());
    EXPECT_FALSE(page->findChild<QRadioButton*>(QStringLiteral("optIconAllUsers"))->isEnabled());
    EXPECT_TRUE(page->findChild<QRadioButton*>(QStringLiteral("optIconThisUser"))->isChecked());
}

// Plays the user through the wizard: accept, continue, pick the folder and the shortcuts,
// continue; returns once the installer has ended.
void RunInstaller(const QString& packageCopy, const FolderChoice& choice, QStringList* messages)
{
    setup::Globals::Reset();
    setup::ResetInstallerEnded();
    setup::SetSetupFolder(packageCopy);
    MessageAnswers answers;
    WindowDriver driver;
    driver.Then(QStringLiteral("frmLicense"), [](QWidget* w) { ClickChild(w, QStringLiteral("chkAccept")); });
    driver.Then(QStringLiteral("frmLicense"), [](QWidget* w) { ClickChild(w, QStringLiteral("cmdContinue")); });
    driver.Then(QStringLiteral("frmFirst"), [](QWidget* w) { ClickChild(w, QStringLiteral("cmdContinue")); });
    driver.Then(QStringLiteral("frmSecond"), [&choice](QWidget* w) {
        auto* page = qobject_cast<setup::frmSecond*>(w);
        ExpectSuggestedChoices(page);
        page->SetInstallPathText(choice.folder);
        ClickChild(w, choice.startMenu);
        ClickChild(w, choice.desktop);
        ClickChild(w, QStringLiteral("cmdContinue"));
    });
    (new setup::frmLicense)->show();
    EXPECT_TRUE(QTest::qWaitFor([] { return setup::InstallerEnded(); }, 60000));
    EXPECT_TRUE(driver.Done()) << driver.Pending() << " steps left";
    QCoreApplication::processEvents();
    *messages = answers.texts;
}

// Both starts of the installed uninstaller: the first copies itself and the log to the
// temporary folder and starts the copy (taken over here to run it in this process); the
// copy's start, where the user confirms. The self-removal script runs for real.
void RunUninstaller(const QString& installFolder, QStringList* messages)
{
    using namespace uninstaller;
    QStringList started;
    QStringList handedOver; // what the first start tells its copy
    SetStartProgramHook([&](const QString& program, const QStringList& arguments) {
        started << program;
        if (program == QStringLiteral("/bin/sh"))
            return QProcess::startDetached(program, arguments);
        handedOver = arguments;
        return true;
    });
    SetMsgBoxTitle(ProgramTitle);
    ResetProgramEnded();
    Globals::Reset(installFolder);
    (new frmMain)->Load();
    ASSERT_TRUE(ProgramEnded());
    ASSERT_EQ(started, QStringList{QDir::tempPath() + QStringLiteral("/QuillbyUninstaller")});
    EXPECT_EQ(ReadFile(started[0]), ReadFile(installFolder + QStringLiteral("/QuillbyUninstaller")));

    ResetProgramEnded();
    Globals::Reset(QDir::tempPath(), handedOver.value(0));
    MessageAnswers answers;
    answers.Expect(QStringLiteral("Are you sure you want to uninstall Quillby?"), MsgResult::Yes);
    auto* window = new frmMain;
    window->Load();
    ClickChild(window, QStringLiteral("cmdContinue"));
    EXPECT_TRUE(ProgramEnded());
    SetStartProgramHook({});
    *messages = answers.texts;
}

QString ValidateDesktopFile(const QString& path)
{
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    validate.waitForFinished(10000);
    const QString output = QString::fromUtf8(validate.readAll());
    return validate.exitCode() == 0 && !output.contains(QStringLiteral("error")) ? QString() : output;
}

QString ProcessState(qint64 pid)
{
    const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const int close = stat.lastIndexOf(')');
    return close < 0 ? QString() : QString::fromLatin1(stat.mid(close + 2, 1));
}

// Ends the Quillby that the installer started, and waits until it is gone: what it leaves is
// then all there is for the uninstaller to find.
void StopStartedProgram()
{
    const qint64 pid = setup::Globals::StartedProgramPid;
    if (pid <= 0)
        return;
    const auto gone = [pid] {
        const QString state = ProcessState(pid);
        return state.isEmpty() || state == QStringLiteral("Z");
    };
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    if (!QTest::qWaitFor(gone, 3000))
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    EXPECT_TRUE(QTest::qWaitFor(gone, 10000)) << "Quillby " << pid << " did not end";
}

// Counts the installed Quillby as started when it runs from the installation folder, opens
// the installed database and is still up then; then ends it.
void ExpectInstalledProgramRuns()
{
    const qint64 pid = setup::Globals::StartedProgramPid;
    ASSERT_GT(pid, 0);
    const auto ended = [pid] {
        const QString state = ProcessState(pid);
        return state.isEmpty() || state == QStringLiteral("Z");
    };
    const auto databaseOpen = [pid] {
        QDirIterator fds(QStringLiteral("/proc/%1/fd").arg(pid), QDir::Files | QDir::System);
        while (fds.hasNext())
            if (QFileInfo(fds.next()).symLinkTarget() ==
                InstallDir() + QStringLiteral("/Quillby.mdb"))
                return true;
        return false;
    };
    (void)QTest::qWaitFor([&] { return databaseOpen() || ended(); }, 30000);
    EXPECT_TRUE(databaseOpen()) << "Quillby does not hold the installed database open";
    EXPECT_FALSE(ended()) << "Quillby ended early";
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget(), InstallDir() + QStringLiteral("/Quillby"));
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/cwd").arg(pid)).symLinkTarget(), InstallDir());
    StopStartedProgram();
}

int CountLists(const QString& database)
{
    sqlite3* db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM LISTS WHERE LIST_ID = 4242", -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

bool AddList(const QString& database)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
                    && sqlite3_exec(db, "INSERT INTO LISTS (LIST_ID, WEEK_START, WEEK_END, TEST_DATE, CREATED_DATE, STATUS) "
                                        "VALUES (4242, '2026-12-07', '2026-12-11', '2026-12-11', '2026-12-08 12:00:00', 'ACTIVE')",
                                    nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// The log's lines; theme icon files that a reinstallation carried over from the earlier log
// come before the files it installed.
QStringList ExpectedLog(const QStringList& folders, bool iconsCarriedOver = false)
{
    QStringList files, icons;
    for (const QString& name : setup::InstalledFileNames())
        files << InstallDir() + QLatin1Char('/') + name;
    for (const QString& file : install::ThemeIconFiles())
        icons << ThemeDir() + QLatin1Char('/') + file;
    QStringList lines = QStringList{QStringLiteral("INSTALLPATH=") + InstallDir()}
                        + (iconsCarriedOver ? icons + files : files + icons);
    lines << MenuDir() + QStringLiteral("/Quillby.desktop") << MenuDir() + QStringLiteral("/Uninstall Quillby.desktop")
          << Home() + QStringLiteral("/Desktop/Quillby.desktop");
    return lines + folders;
}

void ExpectInstallation(const QString& support, const QStringList& folders)
{
    for (const QString& name : setup::InstalledFileNames()) {
        const QString installed = InstallDir() + QLatin1Char('/') + name;
        ASSERT_TRUE(QFile::exists(installed)) << name.toStdString();
        if (name != QStringLiteral("Quillby.mdb")) {
            EXPECT_EQ(ReadFile(installed), ReadFile(support + QLatin1Char('/') + name)) << name.toStdString();
        }
    }
    for (const QString& program : {QStringLiteral("Quillby"), QStringLiteral("QuillbyUninstaller")})
        EXPECT_TRUE(QFileInfo(InstallDir() + QLatin1Char('/') + program).isExecutable());
    // The OCR module where the installed Quillby loads it from, with its reading function.
    QLibrary module(InstallDir() + QStringLiteral("/plugins/libquillby_ocr.so"));
    EXPECT_TRUE(module.resolve("QuillbyOcrRead")) << module.errorString().toStdString();
    // The sound module likewise, with the function that hands out its table.
    QLibrary sound(InstallDir() + QStringLiteral("/plugins/libquillby_audio.so"));
    EXPECT_TRUE(sound.resolve("QuillbyAudioFunctions")) << sound.errorString().toStdString();
    for (const QString& file : install::ThemeIconFiles())
        EXPECT_EQ(ReadFile(ThemeDir() + QLatin1Char('/') + file), ReadFile(support + QStringLiteral("/icons/hicolor/") + file))
            << file.toStdString();

    const QStringList shortcuts{MenuDir() + QStringLiteral("/Quillby.desktop"),
                                MenuDir() + QStringLiteral("/Uninstall Quillby.desktop"),
                                Home() + QStringLiteral("/Desktop/Quillby.desktop")};
    for (const QString& shortcut : shortcuts) {
        EXPECT_EQ(ValidateDesktopFile(shortcut), QString()) << shortcut.toStdString();
        const QString entry = QString::fromUtf8(ReadFile(shortcut));
        const bool uninstall = shortcut.contains(QStringLiteral("Uninstall"));
        const QString target = InstallDir() + (uninstall ? QStringLiteral("/QuillbyUninstaller") : QStringLiteral("/Quillby"));
        // Quillby's own shortcuts name the installed theme icon; the uninstaller has none.
        const QString icon = uninstall ? InstallDir() + QStringLiteral("/Skull.ico") : QStringLiteral("quillby");
        EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"") + target + QStringLiteral("\"\n"))) << entry.toStdString();
        EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=") + icon + QStringLiteral("\n")));
        EXPECT_TRUE(entry.contains(QStringLiteral("\nPath=") + InstallDir() + QStringLiteral("\n")));
        EXPECT_TRUE(entry.contains(QStringLiteral("\nStartupWMClass=") + QFileInfo(target).fileName() + QStringLiteral("\n")));
    }

    // The log line by line, every line ended by CR LF.
    const QByteArray log = ReadFile(InstallDir() + QStringLiteral("/QUILLBY-InstallLog.txt"));
    ASSERT_TRUE(log.endsWith("\r\n"));
    QStringList lines = QString::fromUtf8(log).split(QStringLiteral("\r\n"));
    lines.removeLast();
    EXPECT_EQ(lines, ExpectedLog(folders));
    EXPECT_FALSE(QString::fromUtf8(log).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')));
}
} // namespace

TEST(Package, InstallsRunsReinstallsKeepingTheListsAndUninstallsCleanly)
{
    ASSERT_TRUE(QFile::exists(PackageDir + QStringLiteral("/Setup"))) << "build the quillby_package target";
    const QString package = QDir::tempPath() + QStringLiteral("/download");
    ASSERT_TRUE(CopyTree(PackageDir, package));
    const QString support = package + QStringLiteral("/Support");

    // First installation, on a fresh account without a data, menu or desktop folder yet:
    // ~/Apps and ~/Apps/Quillby and the menu folder are made.
    QStringList messages;
    RunInstaller(package, {}, &messages);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QStringLiteral(" | ")).toStdString();
    const QStringList folders = FoldersMade();
    ExpectInstallation(support, folders);
    ExpectInstalledProgramRuns();

    // A list made in between survives a reinstallation; the other files are replaced.
    ASSERT_TRUE(AddList(InstallDir() + QStringLiteral("/Quillby.mdb")));
    QFile::remove(InstallDir() + QStringLiteral("/Robot.ico"));
    RunInstaller(package, {}, &messages);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(CountLists(InstallDir() + QStringLiteral("/Quillby.mdb")), 1);
    ExpectInstallation(support, folders);
    ExpectInstalledProgramRuns();

    // The user keeps a file beside the installation folder.
    QFile note(Home() + QStringLiteral("/Apps/notes.txt"));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("mine");
    note.close();
    QDir().mkpath(InstallDir() + QStringLiteral("/Wavs"));
    QFile recording(InstallDir() + QStringLiteral("/Wavs/CAT.wav"));
    ASSERT_TRUE(recording.open(QIODevice::WriteOnly));
    recording.close();

    const QString temp = QDir::tempPath();
    QStringList uninstallMessages;
    RunUninstaller(InstallDir(), &uninstallMessages);
    EXPECT_EQ(uninstallMessages.size(), 2);

    QStringList left;
    for (QDirIterator it(InstallDir(),
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        left << it.next();
    EXPECT_FALSE(QFileInfo::exists(InstallDir())) << left.join(", ").toStdString();
    EXPECT_FALSE(QFileInfo::exists(MenuDir()));
    EXPECT_FALSE(QFileInfo::exists(IconsDir()));
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Desktop/Quillby.desktop")));
    // The folders Setup made for the fresh account go too, once empty.
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Desktop")));
    EXPECT_FALSE(QFileInfo::exists(DataHome() + QStringLiteral("/applications")));
    EXPECT_EQ(ReadFile(Home() + QStringLiteral("/Apps/notes.txt")), QByteArray("mine"));
    // The script removes the program's copy and then itself: no copy is left behind.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QDir(temp).entryList(QDir::Files).isEmpty(); }, 10000))
        << QDir(temp).entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
    // And the package itself is untouched.
    EXPECT_TRUE(QFile::exists(support + QStringLiteral("/Quillby.mdb")));
}

TEST(Package, ShippedUninstallerRestartsFromTheTemporaryFolder)
{
    // The real program's first start: copies itself and the log, starts the copy and ends.
    const QString folder = Home() + QStringLiteral("/Elsewhere/Quillby");
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::copy(PackageDir + QStringLiteral("/Support/QuillbyUninstaller"), folder + QStringLiteral("/QuillbyUninstaller")));
    QFile log(folder + QStringLiteral("/QUILLBY-InstallLog.txt"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(("INSTALLPATH=" + folder + "\r\n").toUtf8());
    log.close();

    QProcess first;
    first.start(folder + QStringLiteral("/QuillbyUninstaller"), {});
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);

    const QString copy = QDir::tempPath() + QStringLiteral("/QuillbyUninstaller");
    EXPECT_EQ(ReadFile(QDir::tempPath() + QStringLiteral("/QUILLBY-InstallLog.txt")), ReadFile(log.fileName()));
    // The copy now waits for the user; find it among the processes and end it.
    qint64 second = 0;
    const auto copyStarted = [&] {
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            bool number = false;
            const qint64 pid = entry.toLongLong(&number);
            if (number && QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == copy)
                second = pid;
        }
        return second != 0;
    };
    (void)QTest::qWaitFor(copyStarted, 30000);
    ASSERT_NE(second, 0) << "the copy in the temporary folder was not started";
    QTest::qWait(500); // a while later it still waits: time is what is checked here
    EXPECT_NE(ProcessState(second), QStringLiteral("Z"));
    ::kill(static_cast<pid_t>(second), SIGKILL);
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/QuillbyUninstaller"))); // nothing removed yet
}

TEST(Package, ShippedSetupStartsOnItsLicenceAgreement)
{
    QProcess setup;
    setup.setProcessChannelMode(QProcess::MergedChannels);
    setup.start(PackageDir + QStringLiteral("/Setup"), {});
    ASSERT_TRUE(setup.waitForStarted(5000));
    EXPECT_FALSE(setup.waitForFinished(1500)) << setup.readAll().toStdString();
    setup.kill();
    setup.waitForFinished(3000);
}

TEST(Package, ReinstallingWithoutShortcutsStillUninstallsTheEarlierOnes)
{
    const QString package = QDir::tempPath() + QStringLiteral("/download");
    ASSERT_TRUE(CopyTree(PackageDir, package));
    const QStringList shortcuts{MenuDir() + QStringLiteral("/Quillby.desktop"),
                                MenuDir() + QStringLiteral("/Uninstall Quillby.desktop"),
                                Home() + QStringLiteral("/Desktop/Quillby.desktop")};
    QStringList messages;
    RunInstaller(package, {}, &messages);
    StopStartedProgram();
    for (const QString& shortcut : shortcuts)
        ASSERT_TRUE(QFile::exists(shortcut)) << shortcut.toStdString();

    // The same folder again, without shortcuts: the earlier ones stay listed in the log, in
    // the format every uninstaller reads.
    RunInstaller(package, {QDir::homePath() + QStringLiteral("/Apps"), QStringLiteral("optStartNone"),
                           QStringLiteral("optIconNone")}, &messages);
    StopStartedProgram();
    const QStringList log = QString::fromUtf8(ReadFile(InstallDir() + QStringLiteral("/QUILLBY-InstallLog.txt")))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(log, ExpectedLog(FoldersMade(), true));

    RunUninstaller(InstallDir(), &messages);
    for (const QString& shortcut : shortcuts)
        EXPECT_FALSE(QFile::exists(shortcut)) << shortcut.toStdString();
    EXPECT_FALSE(QFileInfo::exists(MenuDir()));
    EXPECT_FALSE(QFileInfo::exists(IconsDir()));
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Apps")));
}
