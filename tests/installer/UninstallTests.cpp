#include "UninstallFunctions.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace uninstaller;

// The suite's home folder and temporary folder are named like installations (...Quillby) and
// the folder above the home is too, so that only the protection rules can refuse them.
namespace {
QString Home() { return QDir::homePath(); }
QString Temp() { return QDir::tempPath(); }

void WriteFile(const QString& path, const QByteArray& content = "data")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteLog(const QString& path, const QStringList& lines)
{
    WriteFile(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

class UninstallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetMsgBoxTitle(ProgramTitle);
        ResetProgramEnded();
        install = Home() + QStringLiteral("/Apps/Quillby");
        // The copy in the temporary folder, started for the installation.
        Globals::Reset(Temp(), install);
        Globals::TempPath = Temp();
        SetStartProgramHook([this](const QString& program, const QStringList& arguments) {
            started << (QStringList{program} + arguments);
            return true;
        });
        for (const QString& name : {QStringLiteral("Quillby"), QStringLiteral("Quillby.mdb"),
                                    QStringLiteral("QuillbyUninstaller"), QStringLiteral("Wavs/CAT.wav")})
            WriteFile(install + QLatin1Char('/') + name);
        WriteLog(install + QStringLiteral("/QUILLBY-InstallLog.txt"), SetupLog());
    }
    // The log Setup wrote for the fixture's installation: it made the folders and the files
    // (the recordings are Quillby's, beside the database).
    QStringList SetupLog() const
    {
        return {QStringLiteral("INSTALLPATH=") + install, install + QStringLiteral("/Quillby"),
                install + QStringLiteral("/QuillbyUninstaller"), install + QStringLiteral("/Skull.ico"),
                install + QStringLiteral("/Quillby.mdb"), Home() + QStringLiteral("/Apps"), install};
    }
    void TearDown() override
    {
        SetStartProgramHook({});
        DeleteAllWindows();
        for (const QString& folder : {Home() + QStringLiteral("/Apps"), Home() + QStringLiteral("/Documents"),
                                      Home() + QStringLiteral("/Desktop"), Home() + QStringLiteral("/.local"),
                                      Home() + QStringLiteral("/Other"), Home() + QStringLiteral("/Elsewhere")})
            QDir(folder).removeRecursively();
        for (const QString& name : QDir(Temp()).entryList(QDir::Files))
            QFile::remove(Temp() + QLatin1Char('/') + name);
    }

    QString install;
    QList<QStringList> started;
};
} // namespace

TEST_F(UninstallTest, RootHomeItsAncestorsAndTheTemporaryFolderAreProtected)
{
    const QString ancestor = QFileInfo(Home()).absolutePath();
    ASSERT_TRUE(ancestor.endsWith(QStringLiteral("Quillby")));
    for (const QString& folder : {QStringLiteral("/"), QString(), Home(), Home() + QStringLiteral("/"),
                                  ancestor, QFileInfo(ancestor).absolutePath(), Temp(),
                                  Home() + QStringLiteral("/Apps/..")})
        EXPECT_TRUE(IsProtectedFolder(folder)) << folder.toStdString();
    EXPECT_FALSE(IsProtectedFolder(install));
    EXPECT_FALSE(IsProtectedFolder(Home() + QStringLiteral("/Apps")));
}

TEST_F(UninstallTest, InstallPathLinesNamingProtectedFoldersRemoveNothing)
{
    const QString ancestor = QFileInfo(Home()).absolutePath();
    for (const QString& folder : {Home(), ancestor, Temp()}) {
        // Each looks like an installation: named ...Quillby, with a log and the uninstaller.
        WriteLog(folder + QStringLiteral("/QUILLBY-InstallLog.txt"), {QStringLiteral("INSTALLPATH=") + folder});
        WriteFile(folder + QStringLiteral("/QuillbyUninstaller"));
        WriteFile(folder + QStringLiteral("/keep.txt"));
        RemoveInstallFolder(QStringLiteral("INSTALLPATH=") + folder);
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/keep.txt"))) << folder.toStdString();
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/QUILLBY-InstallLog.txt")));
        EXPECT_TRUE(Globals::AcceptedInstallPath.isEmpty());
        QFile::remove(folder + QStringLiteral("/QUILLBY-InstallLog.txt"));
        QFile::remove(folder + QStringLiteral("/QuillbyUninstaller"));
        QFile::remove(folder + QStringLiteral("/keep.txt"));
    }
    RemoveInstallFolder(QStringLiteral("INSTALLPATH=/"));
    RemoveInstallFolder(QStringLiteral("INSTALLPATH=  "));
    EXPECT_TRUE(Globals::AcceptedInstallPath.isEmpty());
    EXPECT_TRUE(QFileInfo(Home()).isDir());
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby.mdb")));
}

TEST_F(UninstallTest, OnlyARealInstallationFolderIsAccepted)
{
    // Not named ...Quillby, though it holds a log.
    const QString documents = Home() + QStringLiteral("/Documents");
    WriteLog(documents + QStringLiteral("/QUILLBY-InstallLog.txt"), {QStringLiteral("INSTALLPATH=") + documents});
    EXPECT_FALSE(IsInstallationFolder(documents));
    // Named Quillby but holding neither the log nor the uninstaller.
    WriteFile(Home() + QStringLiteral("/Documents/Quillby/story.txt"));
    EXPECT_FALSE(IsInstallationFolder(documents + QStringLiteral("/Quillby")));
    // A link that leads to an installation is no installation folder itself.
    ASSERT_TRUE(QFile::link(install, Home() + QStringLiteral("/Documents/LinkQuillby")));
    EXPECT_FALSE(IsInstallationFolder(Home() + QStringLiteral("/Documents/LinkQuillby")));
    // A relative path names whatever the current folder happens to be.
    EXPECT_FALSE(IsInstallationFolder(QStringLiteral("Apps/Quillby")));
    EXPECT_TRUE(IsInstallationFolder(install));
    EXPECT_TRUE(IsInstallationFolder(install + QStringLiteral("/../Quillby")));
}

TEST_F(UninstallTest, RemovingTheInstallationNeverFollowsLinksOut)
{
    // A listed file that is a link, and a recordings folder that is a link to the user's.
    const QString letter = Home() + QStringLiteral("/Documents/letter.txt");
    const QString song = Home() + QStringLiteral("/Documents/SONG.wav");
    WriteFile(letter);
    WriteFile(song);
    QDir(install + QStringLiteral("/Wavs")).removeRecursively();
    ASSERT_TRUE(QFile::link(Home() + QStringLiteral("/Documents"), install + QStringLiteral("/Wavs")));
    ASSERT_TRUE(QFile::link(letter, install + QStringLiteral("/letter-link.txt")));
    WriteLog(Globals::LogPath = Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"),
             SetupLog() + QStringList{install + QStringLiteral("/letter-link.txt")});
    MessageAnswers answers;
    RemoveInstallation();
    EXPECT_EQ(Globals::AcceptedInstallPath, install);
    EXPECT_EQ(ReadFile(letter), QByteArray("data"));
    EXPECT_EQ(ReadFile(song), QByteArray("data"));
    // The link to the user's folder is not the installation's: it keeps the folder.
    EXPECT_EQ(QDir(install).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{QStringLiteral("Wavs")});
}

TEST_F(UninstallTest, AHandMadeLogCannotReachBeyondTheInstallation)
{
    const QString docs = Home() + QStringLiteral("/Documents");
    const QString menu = Home() + QStringLiteral("/.local/share/applications/Quillby");
    // Shortcuts of this installation, and one that another installation wrote since.
    const QString otherShortcut = Home() + QStringLiteral("/.local/share/applications/Other/Quillby.desktop");
    for (const QString& path : {Home() + QStringLiteral("/Desktop/Quillby.desktop"), menu + QStringLiteral("/Uninstall Quillby.desktop")})
        WriteFile(path, ("[Desktop Entry]\nName=Quillby\nPath=" + install + "\n").toUtf8());
    WriteFile(otherShortcut, "[Desktop Entry]\nName=Quillby\nPath=/elsewhere/Quillby\n");
    // Files named like shortcuts of this installation, outside the folders Setup puts
    // shortcuts into.
    const QStringList strayShortcuts{docs + QStringLiteral("/Quillby.desktop"),
                                     Home() + QStringLiteral("/Elsewhere/Uninstall Quillby.desktop"),
                                     Home() + QStringLiteral("/.local/share/applications/Quillby.desktop"),
                                     Home() + QStringLiteral("/Desktop/Quillby/Quillby.desktop")};
    for (const QString& path : strayShortcuts)
        WriteFile(path, ("[Desktop Entry]\nName=Quillby\nPath=" + install + "\n").toUtf8());
    // Another folder that looks like an installation.
    const QString lookalike = Home() + QStringLiteral("/Other/Quillby");
    WriteFile(lookalike + QStringLiteral("/QuillbyUninstaller"));
    // Folders of the user's that are not on the way to the installation or the shortcuts.
    const QString stuff = Home() + QStringLiteral("/Other/Stuff");
    for (const QString& path : {docs + QStringLiteral("/letter.txt"), docs + QStringLiteral("/notes.txt"),
                                Home() + QStringLiteral("/Desktop/Other.desktop"), menu + QStringLiteral("/Thumbs.db"),
                                stuff + QStringLiteral("/ThumbsOnly/Thumbs.db")})
        WriteFile(path);
    QDir().mkpath(stuff + QStringLiteral("/Empty/Inner"));
    WriteLog(Globals::LogPath = Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"), SetupLog() + QStringList{
        strayShortcuts[0], strayShortcuts[1], strayShortcuts[2], strayShortcuts[3],
        QStringLiteral("INSTALLPATH=") + lookalike,
        lookalike + QStringLiteral("/QuillbyUninstaller"),
        docs + QStringLiteral("/letter.txt"),
        install + QStringLiteral("/../../Documents/notes.txt"),
        Home() + QStringLiteral("/Desktop/Quillby.desktop"),
        Home() + QStringLiteral("/Desktop/Other.desktop"),
        menu + QStringLiteral("/Uninstall Quillby.desktop"),
        otherShortcut,
        QStringLiteral("Documents/letter.txt"),
        QString(),
        Home() + QStringLiteral("/Apps"), // made on the way to the installation
        stuff + QStringLiteral("/Empty"),
        stuff + QStringLiteral("/Empty/Inner"),
        stuff + QStringLiteral("/ThumbsOnly"),
        docs,
        menu,
        Home() + QStringLiteral("/Desktop"),
        Home(),
        QStringLiteral("/"),
        QStringLiteral("INSTALLPATH=") + Home(),
    });
    MessageAnswers answers;
    RemoveInstallation();

    EXPECT_FALSE(QFileInfo::exists(install));
    EXPECT_TRUE(QFile::exists(docs + QStringLiteral("/letter.txt")));
    EXPECT_TRUE(QFile::exists(docs + QStringLiteral("/notes.txt")));
    EXPECT_FALSE(QFile::exists(Home() + QStringLiteral("/Desktop/Quillby.desktop")));
    EXPECT_TRUE(QFile::exists(Home() + QStringLiteral("/Desktop/Other.desktop")));
    EXPECT_TRUE(QFile::exists(otherShortcut));
    for (const QString& path : strayShortcuts)
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    EXPECT_TRUE(QFile::exists(lookalike + QStringLiteral("/QuillbyUninstaller")));
    // Emptied by the shortcut's removal, its thumbnail cache does not keep it.
    EXPECT_FALSE(QFileInfo::exists(menu));
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Apps")));
    EXPECT_TRUE(QFileInfo(Home() + QStringLiteral("/Desktop")).isDir()); // still holds a file
    EXPECT_TRUE(QFileInfo(stuff + QStringLiteral("/Empty/Inner")).isDir());
    EXPECT_TRUE(QFile::exists(stuff + QStringLiteral("/ThumbsOnly/Thumbs.db")));
    EXPECT_TRUE(QFileInfo(Home()).isDir());
    EXPECT_FALSE(QFile::exists(Globals::LogPath));

    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(
        "Quillby was successfully uninstalled.\r\rYou may need to restart your computer before all changes take effect.")});
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], (QStringList{QStringLiteral("/bin/sh"), Temp() + QStringLiteral("/killmyself.sh")}));
    EXPECT_TRUE(ProgramEnded());
}

namespace {
// Every file below the folder, relative to it, sorted.
QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}
} // namespace

TEST_F(UninstallTest, OnlyWhatTheLogNamesGoesAndTheFolderOnlyWhenItIsThenEmpty)
{
    // What a running Quillby keeps beside its database, and what the user keeps in the folder.
    const QStringList quillbys{
        QStringLiteral("Quillby.mdb"),
        QStringLiteral("Quillby.mdb-wal"),
        QStringLiteral("Quillby.mdb-shm"),
        QStringLiteral("Quillby.mdb.lock"),
        QStringLiteral("Temp.wav"),
        QStringLiteral("Wavs/CAT.wav"),
        QStringLiteral("Wavs/.changing"),
        QStringLiteral("Backups/Quillby-auto-2026-12-09.qbk"),
        QStringLiteral("Backups/Quillby-before-restore-2026-12-09-101500.qbk"),
        // A Quillby killed while writing the day's backup: in its copy, or while the copy,
        // which has the database's write-ahead log, is switched back to a journal.
        QStringLiteral("Backups/Quillby-auto-2026-12-10.qbk.part"),
        QStringLiteral("Backups/Quillby-auto-2026-12-10.qbk.part-journal"),
        QStringLiteral("Backups/Quillby-auto-2026-12-10.qbk.part-wal"),
        QStringLiteral("Backups/Quillby-auto-2026-12-10.qbk.part-shm"),
        QStringLiteral("Wavs.restoring/CAT.wav")};
    const QStringList users{QStringLiteral("mywork.txt"), QStringLiteral("photos/beach.jpg")};
    // A second child's folder, which Quillby made inside the data folder: never Setup's.
    const QStringList ben{QStringLiteral("Children/Ben/Quillby.mdb"),
                          QStringLiteral("Children/Ben/Quillby.mdb-wal"),
                          QStringLiteral("Children/Ben/Quillby.mdb.lock"),
                          QStringLiteral("Children/Ben/Wavs/CAT.wav")};
    struct Case {
        const char* what;
        QStringList extra;    // files besides Setup's and Quillby's
        bool databaseLogged;  // Setup made the database
        bool folderLogged;    // Setup made the folder
        QStringList left;
    };
    const std::vector<Case> cases{
        {"Setup made the folder and the database", {}, true, true, {}},
        {"a folder of the user's files", users, true, false, users},
        {"the user's files put into Setup's folder since", users, true, true, users},
        {"another Quillby's lists kept in the folder", {}, false, false, quillbys},
        {"a file of the user's among the recordings",
         {QStringLiteral("Wavs/notes.txt")},
         true,
         true,
         {QStringLiteral("Wavs/notes.txt")}},
        {"another child's lists and recordings in the Children folder", ben, true, true, ben},
        {"a backup the parent saved among Quillby's own",
         {QStringLiteral("Backups/week 50.qbk")},
         true,
         true,
         {QStringLiteral("Backups/week 50.qbk")}},
        {"a file of the user's in the plugins folder",
         {QStringLiteral("plugins/mine.so")},
         true,
         true,
         {QStringLiteral("plugins/mine.so")}},
    };
    // Setup's files, and the plugins folder it makes for the OCR module.
    const QStringList setups{QStringLiteral("Quillby"), QStringLiteral("QuillbyUninstaller"),
                             QStringLiteral("plugins/libquillby_ocr.so")};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(Home() + QStringLiteral("/Apps")).removeRecursively();
        for (const QString& file : setups + quillbys + c.extra)
            WriteFile(install + QLatin1Char('/') + file);
        QStringList log{QStringLiteral("INSTALLPATH=") + install};
        for (const QString& file : setups)
            log << install + QLatin1Char('/') + file;
        if (c.databaseLogged)
            log << install + QStringLiteral("/Quillby.mdb");
        if (c.folderLogged)
            log << Home() + QStringLiteral("/Apps") << install;
        // Only the installation's plugins folder is Setup's, not another one a log names.
        log << install + QStringLiteral("/plugins") << Home() + QStringLiteral("/plugins");
        QDir().mkpath(Home() + QStringLiteral("/plugins"));
        WriteLog(install + QStringLiteral("/QUILLBY-InstallLog.txt"), log);
        WriteLog(Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"), log);
        ResetProgramEnded();
        Globals::Reset(Temp(), install);
        Globals::TempPath = Temp();
        MessageAnswers answers;
        RemoveInstallation();
        QStringList left = c.left;
        left.sort();
        EXPECT_EQ(FilesBelow(install), left);
        EXPECT_EQ(QFileInfo::exists(install), !left.isEmpty());
        EXPECT_EQ(QFileInfo::exists(Home() + QStringLiteral("/Apps")), !left.isEmpty() || !c.folderLogged);
        EXPECT_EQ(answers.texts.size(), 1);
        EXPECT_TRUE(QFileInfo(Home() + QStringLiteral("/plugins")).isDir());
    }
}

TEST_F(UninstallTest, ThemeIconFilesGoOnlyWhereSetupPutsThemAndTheirFoldersOnlyWhenEmpty)
{
    const QString icons = Home() + QStringLiteral("/.local/share/icons");
    const QString theme = icons + QStringLiteral("/hicolor");
    const QStringList ours{theme + QStringLiteral("/48x48/apps/quillby.png"), theme + QStringLiteral("/256x256/apps/quillby.png"),
                           theme + QStringLiteral("/scalable/apps/quillby.svg")};
    // Other files in those folders, and files named like ours outside them.
    const QStringList others{theme + QStringLiteral("/48x48/apps/other.png"),
                             theme + QStringLiteral("/48x48/apps/quillby.svg"),
                             theme + QStringLiteral("/48x48/quillby.png"),
                             theme + QStringLiteral("/48x48/apps/extra/quillby.png"),
                             icons + QStringLiteral("/Other/48x48/apps/quillby.png"),
                             icons + QStringLiteral("/quillby.png"),
                             Home() + QStringLiteral("/Documents/quillby.png")};
    for (const QString& path : ours + others)
        WriteFile(path);
    QStringList folders{icons, theme};
    for (const QString& size : {QStringLiteral("48x48"), QStringLiteral("256x256"), QStringLiteral("scalable")})
        folders << theme + QLatin1Char('/') + size << theme + QLatin1Char('/') + size + QStringLiteral("/apps");
    WriteLog(Globals::LogPath = Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"),
             SetupLog() + ours + others + folders
                 + QStringList{icons + QStringLiteral("/Other"), Home() + QStringLiteral("/Documents")});
    MessageAnswers answers;
    RemoveInstallation();

    for (const QString& path : ours)
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString& path : others)
        EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    // Folders go once empty; one that holds another file stays, and so do those above it.
    for (const QString& gone : {QStringLiteral("/256x256"), QStringLiteral("/scalable")})
        EXPECT_FALSE(QFileInfo::exists(theme + gone)) << gone.toStdString();
    EXPECT_TRUE(QFileInfo(theme + QStringLiteral("/48x48/apps")).isDir());
    EXPECT_FALSE(QFileInfo::exists(install));
}

TEST_F(UninstallTest, ALogThatNamesNoFolderOrAnotherOneRemovesNothing)
{
    const QString lookalike = Home() + QStringLiteral("/Other/Quillby");
    WriteFile(lookalike + QStringLiteral("/QuillbyUninstaller"));
    const QString shortcut = Home() + QStringLiteral("/Desktop/Quillby.desktop");
    WriteFile(shortcut, ("[Desktop Entry]\nName=Quillby\nPath=" + install + "\n").toUtf8());
    const QString startedLog = install + QStringLiteral("/QUILLBY-InstallLog.txt");
    const QString notRemoved = QStringLiteral("\rNothing was removed.");
    auto everythingIsThere = [&] {
        for (const QString& path : {install + QStringLiteral("/Quillby.mdb"), install + QStringLiteral("/Wavs/CAT.wav"),
                                    lookalike + QStringLiteral("/QuillbyUninstaller"), shortcut})
            EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    };
    auto removeWith = [&](const QStringList& lines) {
        ResetProgramEnded();
        started.clear();
        WriteLog(Globals::LogPath = Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"), lines);
        MessageAnswers answers;
        RemoveInstallation();
        EXPECT_TRUE(ProgramEnded());
        EXPECT_TRUE(started.isEmpty()) << "no self-removal after a refusal";
        everythingIsThere();
        return answers.texts;
    };

    // A garbage log, and one whose installation line names no absolute folder.
    const QString damaged = QStringLiteral("The install log ") + startedLog
                            + QStringLiteral(" is damaged: it does not name the installation folder.") + notRemoved;
    EXPECT_EQ(removeWith({QStringLiteral("\x01\x02 garbage"), shortcut, Home() + QStringLiteral("/Apps")}), QStringList{damaged});
    EXPECT_EQ(removeWith({QStringLiteral("INSTALLPATH=  "), shortcut}), QStringList{damaged});
    EXPECT_EQ(removeWith({QStringLiteral("INSTALLPATH=Apps/Quillby"), shortcut}), QStringList{damaged});
    EXPECT_EQ(removeWith({}), QStringList{damaged});

    // A log naming another folder, even one that looks like an installation.
    EXPECT_EQ(removeWith({QStringLiteral("INSTALLPATH=") + lookalike, shortcut, lookalike + QStringLiteral("/QuillbyUninstaller")}),
              QStringList{QStringLiteral("The install log ") + startedLog + QStringLiteral(" names the folder ") + lookalike
                          + QStringLiteral(", not the folder the uninstaller was started from.") + notRemoved});

    // A log beside the uninstaller in a folder of the user's that names that folder.
    const QString docs = Home() + QStringLiteral("/Documents");
    WriteFile(docs + QStringLiteral("/letter.txt"));
    WriteFile(docs + QStringLiteral("/QuillbyUninstaller"));
    Globals::Reset(Temp(), docs);
    EXPECT_EQ(removeWith({QStringLiteral("INSTALLPATH=") + docs, docs + QStringLiteral("/letter.txt")}),
              QStringList{QStringLiteral("The folder ") + docs + QStringLiteral(" is not a Quillby installation folder.")
                          + notRemoved});
    EXPECT_TRUE(QFile::exists(docs + QStringLiteral("/letter.txt")));

    // The copy started without being told its installation folder removes nothing either.
    Globals::Reset(Temp());
    const QStringList fromTemp = removeWith({QStringLiteral("INSTALLPATH=") + install, shortcut});
    ASSERT_EQ(fromTemp.size(), 1);
    EXPECT_TRUE(fromTemp[0].endsWith(QStringLiteral(", not the folder the uninstaller was started from.") + notRemoved));

    // The first start checks the log too: it neither copies itself nor starts a copy.
    WriteLog(startedLog, {QStringLiteral("INSTALLPATH=") + lookalike, shortcut});
    ResetProgramEnded();
    started.clear();
    Globals::Reset(install);
    MessageAnswers answers;
    (new frmMain)->Load();
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral(" names the folder ") + lookalike));
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(started.isEmpty());
    EXPECT_FALSE(QFile::exists(Temp() + QStringLiteral("/QuillbyUninstaller")));
    everythingIsThere();
}

TEST_F(UninstallTest, SelfRemovalScriptDeletesTheCopyAndItself)
{
    const QString folder = Temp() + QStringLiteral("/it's $here");
    WriteFile(folder + QStringLiteral("/QuillbyUninstaller"));
    WriteFile(folder + QStringLiteral("/killmyself.sh"),
              SelfRemovalScript(folder, ProgramTitle, folder).toUtf8());
    WriteFile(folder + QStringLiteral("/other"));
    EXPECT_EQ(QProcess::execute(QStringLiteral("/bin/sh"), {folder + QStringLiteral("/killmyself.sh")}), 0);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/QuillbyUninstaller")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/killmyself.sh")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/other")));
    QDir(folder).removeRecursively();
}

TEST_F(UninstallTest, NoLogBesideTheProgramEndsWithTheMessage)
{
    QFile::remove(install + QStringLiteral("/QUILLBY-InstallLog.txt"));
    Globals::Reset(install);
    MessageAnswers answers;
    auto* window = new frmMain;
    window->Load();
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral("No Install Log Found.\rExpected location: ") + install
                                         + QStringLiteral("/QUILLBY-InstallLog.txt\rThe uninstallation can not continue.")});
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby.mdb")));
}

TEST_F(UninstallTest, FirstStartCopiesItselfAndTheLogToTheTemporaryFolderAndStartsTheCopy)
{
    WriteFile(install + QStringLiteral("/QuillbyUninstaller"), "program");
    WriteFile(Temp() + QStringLiteral("/QuillbyUninstaller"), "an older copy");
    Globals::Reset(install);
    MessageAnswers answers;
    auto* window = new frmMain;
    window->Load();
    EXPECT_TRUE(answers.texts.isEmpty());
    EXPECT_EQ(ReadFile(Temp() + QStringLiteral("/QuillbyUninstaller")), QByteArray("program"));
    EXPECT_EQ(ReadFile(Temp() + QStringLiteral("/QUILLBY-InstallLog.txt")),
              ReadFile(install + QStringLiteral("/QUILLBY-InstallLog.txt")));
    ASSERT_EQ(started.size(), 1);
    // The copy is told which folder it was started for.
    EXPECT_EQ(started[0], (QStringList{Temp() + QStringLiteral("/QuillbyUninstaller"), install}));
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby")));
}

TEST_F(UninstallTest, AnsweringNoEndsWithoutRemovingAnythingAndKeepsTheCopies)
{
    QFile::copy(install + QStringLiteral("/QUILLBY-InstallLog.txt"), Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"));
    WriteFile(Temp() + QStringLiteral("/QuillbyUninstaller"));
    Globals::Reset(Temp(), install);
    MessageAnswers answers;
    answers.Expect(QStringLiteral("Are you sure"), MsgResult::No);
    auto* window = new frmMain;
    window->Load();
    auto* cmdContinue = window->findChild<QAbstractButton*>(QStringLiteral("cmdContinue"));
    ASSERT_TRUE(cmdContinue->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Uninstall..."));
    ClickChild(window, QStringLiteral("cmdContinue"));
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral("Are you sure you want to uninstall Quillby?")});
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby.mdb")));
    EXPECT_TRUE(QFile::exists(Temp() + QStringLiteral("/QuillbyUninstaller")));
    EXPECT_TRUE(QFile::exists(Temp() + QStringLiteral("/QUILLBY-InstallLog.txt")));
}

TEST_F(UninstallTest, TheWindowFitsItsTextsInEveryLanguageAndFontSize)
{
    // English and German, each at the usual font and at 13 pt: nothing in the window is cut.
    QFile::copy(install + QStringLiteral("/QUILLBY-InstallLog.txt"), Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"));
    for (const ShownAs& as : kEveryShownAs) {
        ShownLanguage language(as.locale, "uninstaller");
        ShownFont font(as.points);
        Globals::Reset(Temp(), install);
        auto* window = new frmMain;
        window->Load();
        EXPECT_EQ(CutTextsOfShownWindow(window, QStringLiteral("uninstaller"), as), QStringList());
        DeleteAllWindows();
    }
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby.mdb")));
}

TEST_F(UninstallTest, OnAGermanDesktopTheWindowAndItsQuestionAreGermanAndFit)
{
    ShownLanguage german("de_DE", "uninstaller");
    ASSERT_TRUE(german.Translated());
    QFile::copy(install + QStringLiteral("/QUILLBY-InstallLog.txt"), Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"));
    Globals::Reset(Temp(), install);
    MessageAnswers answers;
    answers.Expect(QStringLiteral("Möchten Sie"), MsgResult::No);
    auto* window = new frmMain;
    window->Load();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Deinstallieren..."));
    EXPECT_EQ(ClippedTexts(window), QStringList());
    if (const QString shots = qEnvironmentVariable("QUILLBY_SHOTS"); !shots.isEmpty())
        window->grab().save(shots + QStringLiteral("/uninstaller-de_DE.png"));
    ClickChild(window, QStringLiteral("cmdContinue"));
    EXPECT_EQ(answers.texts, QStringList{QStringLiteral("Möchten Sie Quillby wirklich deinstallieren?")});
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby.mdb")));
}

TEST_F(UninstallTest, TheCopyShowsTheSamePictureIsReadAsShownAndLeavesNoCopyBehind)
{
    QImage skull(32, 32, QImage::Format_ARGB32);
    skull.fill(QColor(0x80, 0x20, 0x90));
    ASSERT_TRUE(skull.save(install + QStringLiteral("/Skull.ico"), "ICO"));
    auto picture = [](QWidget* window) {
        return window->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
    };

    // First start, from the installation folder.
    Globals::Reset(install);
    auto* first = new frmMain;
    first->Load();
    const QImage shown = picture(first);
    EXPECT_EQ(AccessibilityFaults(first), QStringList());
    ASSERT_EQ(started.size(), 1);

    // The copy's window, from the temporary folder: the same picture, read as it is shown.
    ResetProgramEnded();
    Globals::Reset(Temp(), install);
    MessageAnswers answers;
    answers.Expect(QStringLiteral("Are you sure"), MsgResult::Yes);
    auto* second = new frmMain;
    second->Load();
    EXPECT_EQ(picture(second), shown);
    EXPECT_EQ(AccessibilityFaults(second), QStringList());

    // After the removal only the program's copy and the script that removes it and itself
    // are left in the temporary folder.
    ClickChild(second, QStringLiteral("cmdContinue"));
    EXPECT_TRUE(ProgramEnded());
    EXPECT_FALSE(QFileInfo::exists(install));
    QStringList left = QDir(Temp()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{ProgramTitle, ScriptName}));
}
