#include "UninstallFunctions.h"
#include "WindowDriver.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

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
        Globals::Reset(Temp());
        Globals::TempPath = Temp();
        SetStartProgramHook([this](const QString& program, const QStringList& arguments) {
            started << (QStringList{program} + arguments);
            return true;
        });
        install = Home() + QStringLiteral("/Apps/Quillby");
        for (const QString& name : {QStringLiteral("Quillby"), QStringLiteral("Quillby.mdb"),
                                    QStringLiteral("QuillbyUninstaller"), QStringLiteral("Wavs/CAT.wav")})
            WriteFile(install + QLatin1Char('/') + name);
        WriteLog(install + QStringLiteral("/QUILLBY-InstallLog.txt"), {QStringLiteral("INSTALLPATH=") + install});
    }
    void TearDown() override
    {
        SetStartProgramHook({});
        DeleteAllWindows();
        for (const QString& folder : {Home() + QStringLiteral("/Apps"), Home() + QStringLiteral("/Documents"),
                                      Home() + QStringLiteral("/Desktop"), Home() + QStringLiteral("/.local")})
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

TEST_F(UninstallTest, RemovingTheInstallationFolderNeverFollowsLinksOut)
{
    const QString letter = Home() + QStringLiteral("/Documents/letter.txt");
    WriteFile(letter);
    ASSERT_TRUE(QFile::link(Home() + QStringLiteral("/Documents"), install + QStringLiteral("/Wavs/documents")));
    ASSERT_TRUE(QFile::link(letter, install + QStringLiteral("/letter-link.txt")));
    RemoveInstallFolder(QStringLiteral("INSTALLPATH=") + install);
    EXPECT_FALSE(QFileInfo::exists(install));
    EXPECT_FALSE(QFileInfo(install).isSymLink());
    EXPECT_EQ(ReadFile(letter), QByteArray("data"));
    EXPECT_EQ(Globals::AcceptedInstallPath, install);
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
    for (const QString& path : {docs + QStringLiteral("/letter.txt"), docs + QStringLiteral("/notes.txt"),
                                Home() + QStringLiteral("/Desktop/Other.desktop"),
                                Home() + QStringLiteral("/Apps/ThumbsOnly/Thumbs.db"),
                                Home() + QStringLiteral("/Apps/Busy/Thumbs.db"),
                                Home() + QStringLiteral("/Apps/Busy/photo.jpg")})
        WriteFile(path);
    QDir().mkpath(Home() + QStringLiteral("/Apps/Empty/Inner"));
    WriteLog(Globals::LogPath = Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"), {
        QStringLiteral("INSTALLPATH=") + install,
        install + QStringLiteral("/Quillby"),
        docs + QStringLiteral("/letter.txt"),
        install + QStringLiteral("/../../Documents/notes.txt"),
        Home() + QStringLiteral("/Desktop/Quillby.desktop"),
        Home() + QStringLiteral("/Desktop/Other.desktop"),
        menu + QStringLiteral("/Uninstall Quillby.desktop"),
        otherShortcut,
        QStringLiteral("Documents/letter.txt"),
        QString(),
        Home() + QStringLiteral("/Apps/Empty"),
        Home() + QStringLiteral("/Apps/Empty/Inner"),
        Home() + QStringLiteral("/Apps/ThumbsOnly"),
        Home() + QStringLiteral("/Apps/Busy"),
        docs,
        menu,
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
    EXPECT_FALSE(QFileInfo::exists(menu)); // emptied by the shortcut's removal, then removed
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Apps/Empty"))); // inside out
    EXPECT_FALSE(QFileInfo::exists(Home() + QStringLiteral("/Apps/ThumbsOnly")));
    EXPECT_TRUE(QFile::exists(Home() + QStringLiteral("/Apps/Busy/Thumbs.db")));
    EXPECT_TRUE(QFile::exists(Home() + QStringLiteral("/Apps/Busy/photo.jpg")));
    EXPECT_TRUE(QFileInfo(Home()).isDir());
    EXPECT_FALSE(QFile::exists(Globals::LogPath));

    EXPECT_EQ(answers.texts, QStringList{QStringLiteral(
        "Quillby was successfully uninstalled.\r\rYou may need to restart your computer before all changes take effect.")});
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], (QStringList{QStringLiteral("/bin/sh"), Temp() + QStringLiteral("/killmyself.sh")}));
    EXPECT_TRUE(ProgramEnded());
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
    EXPECT_EQ(started[0], QStringList{Temp() + QStringLiteral("/QuillbyUninstaller")});
    EXPECT_TRUE(ProgramEnded());
    EXPECT_TRUE(QFile::exists(install + QStringLiteral("/Quillby")));
}

TEST_F(UninstallTest, AnsweringNoEndsWithoutRemovingAnythingAndKeepsTheCopies)
{
    QFile::copy(install + QStringLiteral("/QUILLBY-InstallLog.txt"), Temp() + QStringLiteral("/QUILLBY-InstallLog.txt"));
    WriteFile(Temp() + QStringLiteral("/QuillbyUninstaller"));
    Globals::Reset(Temp());
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
    Globals::Reset(Temp());
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
