// The Debian package as a user receives it, unpacked with dpkg-deb into a throwaway root: its
// control data, its files under /usr, the menu entry and metainfo as the desktop's own
// validators see them, the theme icons, and the unpacked program started on a fresh home.

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString DebPath = QStringLiteral(QUILLBY_DEB);
const QString ProgramDir = QStringLiteral("/usr/lib/quillby");
const QString DesktopFile = QStringLiteral("/usr/share/applications/quillby.desktop");
const QString MetainfoFile = QStringLiteral("/usr/share/metainfo/example.corvale.Quillby.metainfo.xml");
const int ThemeSizes[] = {16, 32, 48, 64, 128, 256};
constexpr uid_t OrdinaryUser = 65534; // nobody

QString ThemePng(int size)
{
    return QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/quillby.png").arg(size);
}

const QString ThemeSvg = QStringLiteral("/usr/share/icons/hicolor/scalable/apps/quillby.svg");
const QString ManualPage = QStringLiteral("/usr/share/man/man1/quillby.1.gz");
const QString DocDir = QStringLiteral("/usr/share/doc/quillby");

struct ToolRun {
    int exitCode = -1;
    QString output; // standard output and error together
};

ToolRun RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAll());
    return run;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The package names in a Depends or Recommends field, without versions; alternatives count.
QStringList PackageNames(const QString& field)
{
    QStringList names;
    for (QString entry : field.split(QRegularExpression(QStringLiteral("[,|]")), Qt::SkipEmptyParts))
        names << entry.remove(QRegularExpression(QStringLiteral("\\(.*\\)"))).trimmed();
    return names;
}

// Sums the rows of the tables that hold a family's lists, words and tests, read with the
// sqlite3 shell; -1 when the file is no Quillby database.
int StoredRows(const QString& database)
{
    const ToolRun query = RunTool(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), database,
        QStringLiteral("SELECT (SELECT COUNT(*) FROM LISTS) + (SELECT COUNT(*) FROM WORDS)"
                       " + (SELECT COUNT(*) FROM TESTS) + (SELECT COUNT(*) FROM WORD_ATTEMPTS);")});
    bool number = false;
    const int rows = query.output.trimmed().toInt(&number);
    return query.exitCode == 0 && number ? rows : -1;
}

int Mode(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QString LinkText(const QString& path)
{
    char text[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), text, sizeof text);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(text, int(length)));
}

int OpaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

class DebPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(scratch->isValid());
        // An ordinary user started from here must reach the unpacked files.
        ::chmod(QFile::encodeName(scratch->path()).constData(), 0755);
        QDir().mkpath(scratch->filePath(QStringLiteral("root")));
        root = QDir(scratch->filePath(QStringLiteral("root"))).canonicalPath();
        const ToolRun unpack = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), DebPath, root});
        ASSERT_EQ(unpack.exitCode, 0) << unpack.output.toStdString();
    }

    static void TearDownTestSuite()
    {
        ::chmod(QFile::encodeName(Root(ProgramDir)).constData(), 0755); // so it can be removed
        scratch.reset();
    }

    static QString Root(const QString& path) { return root + path; }

    static QString Field(const char* name)
    {
        return RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), DebPath, QString::fromLatin1(name)})
            .output.trimmed();
    }

    // A fresh home for one start of the program, owned by the user who will run it.
    static QString MakeHome(const QString& name, uid_t owner)
    {
        const QString home = scratch->filePath(name);
        for (const QString& sub : {QString(), QStringLiteral("/.local"), QStringLiteral("/.local/share"),
                                   QStringLiteral("/.config"), QStringLiteral("/.cache"), QStringLiteral("/runtime")}) {
            QDir().mkpath(home + sub);
            ::chown(QFile::encodeName(home + sub).constData(), owner, owner);
        }
        ::chmod(QFile::encodeName(home + QStringLiteral("/runtime")).constData(), 0700);
        return home;
    }

    static inline std::unique_ptr<QTemporaryDir> scratch;
    static inline QString root;
};

// The unpacked Quillby, started through /usr/bin/quillby as the menu entry starts it, offscreen
// and on a home of its own; ended with a signal when the test is done with it.
class StartedQuillby {
public:
    StartedQuillby(const QString& root, const QString& home, bool asOrdinaryUser)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("TMPDIR"), home + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(home);
        const QString program = root + QStringLiteral("/usr/bin/quillby");
        if (asOrdinaryUser)
            process.start(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=%1").arg(OrdinaryUser), QStringLiteral("--regid=%1").arg(OrdinaryUser),
                           QStringLiteral("--clear-groups"), QStringLiteral("--"), program});
        else
            process.start(program, {});
    }

    ~StartedQuillby()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(3000);
    }

    // Waits until the program holds `database` open, its sign of a finished start (the main
    // window loads the data before it shows), then a second more to see it stays up.
    bool StartsOn(const QString& database)
    {
        if (!process.waitForStarted(5000))
            return false;
        bool open = false;
        for (int tries = 0; tries < 100 && !open; ++tries)
            open = !process.waitForFinished(100) && HasOpen(database);
        return open && !process.waitForFinished(1000);
    }

    QString Output() { return QString::fromUtf8(process.readAll()); }

private:
    bool HasOpen(const QString& path) const
    {
        QDirIterator fds(QStringLiteral("/proc/%1/fd").arg(process.processId()), QDir::Files | QDir::System);
        while (fds.hasNext())
            if (QFileInfo(fds.next()).symLinkTarget() == path)
                return true;
        return false;
    }

    QProcess process;
};

TEST_F(DebPackage, ControlNamesThePackageTheQtLibrariesAndTheSoundPlugins)
{
    const QString arch = RunTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).output.trimmed();
    EXPECT_TRUE(DebPath.endsWith(QStringLiteral("/quillby_" QUILLBY_VERSION "_") + arch + QStringLiteral(".deb")));
    EXPECT_EQ(Field("Package"), QStringLiteral("quillby"));
    EXPECT_EQ(Field("Version"), QStringLiteral(QUILLBY_VERSION));
    EXPECT_EQ(Field("Architecture"), arch);
    EXPECT_EQ(Field("Homepage"), QStringLiteral("https://corvale.example/"));
    EXPECT_EQ(Field("Section"), QStringLiteral("education"));

    // The libraries come from dpkg-shlibdeps with their versions; the plugins are named by hand.
    const QString depends = Field("Depends");
    QStringList needed = PackageNames(depends);
    for (const char* package : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6",
                                "libsqlite3-0", "libc6", "gstreamer1.0-plugins-base",
                                "gstreamer1.0-plugins-good", "hicolor-icon-theme", "libflite1"})
        EXPECT_TRUE(needed.contains(QString::fromLatin1(package))) << package << " missing from: " << depends.toStdString();
    // The chart of scores is Quillby's own painting: no chart library (nor the OpenGL one it
    // brings) is needed.
    for (const char* package : {"libqt6charts6", "libqt6openglwidgets6"})
        EXPECT_FALSE(needed.contains(QString::fromLatin1(package)))
            << package << " in: " << depends.toStdString();
    EXPECT_TRUE(depends.contains(QRegularExpression(QStringLiteral("libqt6core6 \\(>= 6\\.[0-9.]+\\)"))))
        << depends.toStdString();
    EXPECT_EQ(needed.removeDuplicates(), 0) << depends.toStdString();
    const QStringList recommended = PackageNames(Field("Recommends"));
    EXPECT_TRUE(recommended.contains(QStringLiteral("pulseaudio")) && recommended.contains(QStringLiteral("pipewire-pulse")))
        << recommended.join(QLatin1Char(' ')).toStdString();
    // The voice for words without a recording is linked in, so no speech plugin is needed.
    EXPECT_FALSE(recommended.contains(QStringLiteral("qt6-speech-flite-plugin")))
        << recommended.join(QLatin1Char(' ')).toStdString();
}

TEST_F(DebPackage, InstallsTheProgramWithItsFilesUnderUsrAndALinkOnThePath)
{
    QStringList files;
    QDirIterator entries(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files << entries.next().mid(root.size());
    files.sort();
    QStringList expected{QStringLiteral("/usr/bin/quillby"), DesktopFile, MetainfoFile, ThemeSvg,
                         ManualPage, DocDir + QStringLiteral("/copyright"),
                         DocDir + QStringLiteral("/changelog.gz")};
    for (const char* name : {"Quillby", "Quillby.mdb", "Robot.ico", "Sound_Correct.wav", "Sound_Incorrect.wav"})
        expected << ProgramDir + QLatin1Char('/') + QString::fromLatin1(name);
    for (const char* module : {"libquillby_ocr.so", "libquillby_print.so", "libquillby_audio.so"})
        expected << ProgramDir + QStringLiteral("/plugins/") + QString::fromLatin1(module);
    for (int size : ThemeSizes)
        expected << ThemePng(size);
    expected.sort();
    EXPECT_EQ(files, expected);

    // A relative link, so it holds wherever the root is; the program finds its files beside
    // its real path.
    const QFileInfo link(Root(QStringLiteral("/usr/bin/quillby")));
    EXPECT_EQ(LinkText(link.filePath()), QStringLiteral("../lib/quillby/Quillby"));
    EXPECT_EQ(ReadAll(link.filePath()).left(4), QByteArray("\x7f" "ELF"));
    EXPECT_EQ(Mode(Root(ProgramDir + QStringLiteral("/Quillby"))), 0755);
    EXPECT_EQ(Mode(Root(ProgramDir + QStringLiteral("/Quillby.mdb"))), 0644);
    EXPECT_EQ(Mode(Root(ProgramDir)), 0755);
    // The shipped database is an empty one, never the developer's lists.
    EXPECT_EQ(StoredRows(Root(ProgramDir + QStringLiteral("/Quillby.mdb"))), 0);
    const ToolRun listing = RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), DebPath});
    EXPECT_FALSE(listing.output.isEmpty());
    for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(line.contains(QStringLiteral(" root/root "))) << line.toStdString();
}

TEST_F(DebPackage, MenuEntryAndMetainfoPassTheDesktopValidators)
{
    const ToolRun desktop = RunTool(QStringLiteral("desktop-file-validate"), {Root(DesktopFile)});
    EXPECT_EQ(desktop.exitCode, 0);
    EXPECT_EQ(desktop.output, QString()) << "no error, warning or hint expected";
    const QString entry = QString::fromUtf8(ReadAll(Root(DesktopFile)));
    // "Open with Quillby" on a word list, a picture or a PDF imports its words.
    for (const char* line :
         {"\nExec=quillby --import %f\n", "\nTryExec=quillby\n", "\nIcon=quillby\n",
          "\nStartupWMClass=Quillby\n", "\nCategories=Education;\n", "\nName=Quillby\n",
          "\nMimeType=text/plain;text/csv;text/tab-separated-values;image/png;"
          "image/jpeg;image/tiff;image/bmp;application/pdf;\n"})
        EXPECT_TRUE(entry.contains(QString::fromLatin1(line))) << line;

    const ToolRun metainfo = RunTool(QStringLiteral("appstreamcli"),
                                     {QStringLiteral("validate"), QStringLiteral("--no-net"), Root(MetainfoFile)});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();
    EXPECT_FALSE(metainfo.output.contains(QRegularExpression(QStringLiteral("^[EW]:"), QRegularExpression::MultilineOption)))
        << metainfo.output.toStdString();
    // The metainfo points at the files this package installs.
    const QString xml = QString::fromUtf8(ReadAll(Root(MetainfoFile)));
    for (const char* part : {"<id>example.corvale.Quillby</id>", "<launchable type=\"desktop-id\">quillby.desktop</launchable>",
                             "<icon type=\"stock\">quillby</icon>", "<binary>quillby</binary>",
                             "<developer_name>Corvale</developer_name>", "<url type=\"homepage\">https://corvale.example/</url>",
                             "<release version=\"" QUILLBY_VERSION "\""})
        EXPECT_TRUE(xml.contains(QString::fromLatin1(part))) << part;
}

TEST_F(DebPackage, ThemeIconsArePngsOfTheirSizeAndTheSvgDrawsTheSameRobot)
{
    QImage png64;
    for (int size : ThemeSizes) {
        SCOPED_TRACE(size);
        QImageReader reader(Root(ThemePng(size)));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray("png"));
        EXPECT_EQ(reader.size(), QSize(size, size));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << "the corners are transparent";
        EXPECT_GT(OpaquePixels(image), size * size / 3);
        if (size == 64)
            png64 = image;
    }

    QSvgRenderer svg(Root(ThemeSvg));
    ASSERT_TRUE(svg.isValid()) << "the SVG does not parse";
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));
    QImage drawn(64, 64, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    const int opaque = OpaquePixels(drawn);
    EXPECT_NEAR(opaque, OpaquePixels(png64), OpaquePixels(png64) / 10) << "the SVG shows another shape";

    // Qt finds the icon by its name once the package's icons join the hicolor theme.
    QIcon::setThemeSearchPaths({Root(QStringLiteral("/usr/share/icons")), QStringLiteral("/usr/share/icons")});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const QIcon icon = QIcon::fromTheme(QStringLiteral("quillby"));
    ASSERT_FALSE(icon.isNull()) << "is hicolor-icon-theme installed?";
    EXPECT_EQ(icon.pixmap(48, 48).size(), QSize(48, 48));
}

// What Debian asks of every package, and lintian, its checker of packages, when installed
// (scripts/install-deps.sh installs it): no error and no warning.
TEST_F(DebPackage, CarriesCopyrightChangelogAndManualPageAndLintianFindsNoFault)
{
    const QString copyright = QString::fromUtf8(ReadAll(Root(DocDir + QStringLiteral("/copyright"))));
    EXPECT_TRUE(copyright.startsWith(QStringLiteral(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
    for (const char* field : {"\nUpstream-Name: Quillby\n", "\nFiles: *\n", "\nCopyright: ",
                              "\nLicense: "})
        EXPECT_TRUE(copyright.contains(QString::fromLatin1(field))) << field;
    // The changelog's newest entry names this version; both files are gzip -9n, no name inside.
    for (const QString& file : {DocDir + QStringLiteral("/changelog.gz"), ManualPage}) {
        const QByteArray packed = ReadAll(Root(file));
        ASSERT_GE(packed.size(), 10) << file.toStdString();
        EXPECT_EQ(packed.left(3), QByteArray("\x1f\x8b\x08")) << file.toStdString();
        EXPECT_EQ(packed[3] & 0x08, 0) << "no file name stored in " << file.toStdString();
        EXPECT_EQ(packed.mid(4, 4), QByteArray(4, '\0')) << "no time stamp in " << file.toStdString();
    }
    const ToolRun changelog = RunTool(QStringLiteral("zcat"), {Root(DocDir + QStringLiteral("/changelog.gz"))});
    EXPECT_TRUE(changelog.output.startsWith(QStringLiteral("quillby (" QUILLBY_VERSION ") ")))
        << changelog.output.toStdString();
    const ToolRun manual = RunTool(QStringLiteral("zcat"), {Root(ManualPage)});
    EXPECT_TRUE(manual.output.contains(QStringLiteral("\n.SH NAME\nquillby \\- ")))
        << manual.output.toStdString();

    if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
        GTEST_SKIP() << "lintian is not installed";
    const ToolRun lintian = RunTool(QStringLiteral("lintian"),
                                    {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), DebPath},
                                    120000);
    EXPECT_EQ(lintian.exitCode, 0) << lintian.output.toStdString();
    EXPECT_FALSE(lintian.output.contains(QRegularExpression(QStringLiteral("^[EW]: "),
                                                            QRegularExpression::MultilineOption)))
        << lintian.output.toStdString();
}

TEST_F(DebPackage, UnpackedProgramStartsOnTheDatabaseBesideIt)
{
    // Run as whoever runs the tests, the program's folder is writable: its data stays there.
    const QString home = MakeHome(QStringLiteral("home-beside"), ::getuid());
    StartedQuillby quillby(root, home, false);
    EXPECT_TRUE(quillby.StartsOn(Root(ProgramDir + QStringLiteral("/Quillby.mdb")))) << quillby.Output().toStdString();
}

TEST_F(DebPackage, ReadOnlyInstallationKeepsEachUsersDataInTheirDataFolder)
{
    // As installed, the program's folder belongs to root: an ordinary user cannot write there.
    const bool asRoot = ::getuid() == 0;
    const QString folder = Root(ProgramDir);
    if (!asRoot) {
        ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    }
    const QByteArray shipped = ReadAll(folder + QStringLiteral("/Quillby.mdb"));
    const QString home = MakeHome(QStringLiteral("home-user"), asRoot ? OrdinaryUser : ::getuid());
    const QString data = home + QStringLiteral("/.local/share/Quillby");
    {
        StartedQuillby quillby(root, home, asRoot);
        EXPECT_TRUE(quillby.StartsOn(data + QStringLiteral("/Quillby.mdb"))) << quillby.Output().toStdString();
    }
    EXPECT_EQ(StoredRows(data + QStringLiteral("/Quillby.mdb")), 0) << "a copy of the shipped empty database";
    EXPECT_EQ(ReadAll(folder + QStringLiteral("/Quillby.mdb")), shipped);
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("/Wavs")).isDir()) << "the recordings go beside the user's database";
}

} // namespace

int main(int argc, char** argv)
{
    return RunGuiTests(argc, argv);
}
