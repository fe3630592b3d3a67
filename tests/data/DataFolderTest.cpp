// Where the database lives and how it is reached: folder names with any character a file name
// may hold, the user's data folder, the lock on the file itself, and a file that holds every
// stored change without its write-ahead log.
#include "DataFixtures.h"
#include "DataFolder.h"
#include "DatabaseFileLock.h"
#include "DbMaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Rows of a table in a copy of the database file alone, the way a backup copies it.
int RowsInCopyOfFileAlone(const QString& database, const char* table)
{
    QTemporaryDir copyDir;
    const QString copy = copyDir.path() + "/Quillby.mdb";
    EXPECT_TRUE(QFile::copy(database, copy));
    sqlite3* db = nullptr;
    sqlite3_open_v2(copy.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = QByteArray("SELECT COUNT(*) FROM ") + table;
    int rows = -1;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        rows = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

// Waits, handling events, until a copy of the file alone holds `rows` rows of the table (the
// idle checkpoint has run), for up to 30 s; returns the rows it holds then.
int WaitForRowsInCopyOfFileAlone(const QString& database, const char* table, int rows)
{
    QElapsedTimer waited;
    waited.start();
    while (RowsInCopyOfFileAlone(database, table) != rows && waited.elapsed() < 30000) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    return RowsInCopyOfFileAlone(database, table);
}

// Stores two lists from another process that then ends without closing its connection, as a
// program killed or a machine switched off would: the lists stay in the write-ahead log.
void StoreListsAndDie(const QString& database)
{
    const pid_t child = fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; "
                         "INSERT INTO LISTS (LIST_ID) VALUES (1); "
                         "INSERT INTO LISTS (LIST_ID) VALUES (2);",
                     nullptr, nullptr, nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

class XdgDataHome {
public:
    explicit XdgDataHome(const QByteArray& value)
        : savedData_(qgetenv("XDG_DATA_HOME")), savedHome_(qgetenv("HOME"))
    {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", value);
    }
    ~XdgDataHome()
    {
        Restore("XDG_DATA_HOME", savedData_);
        Restore("HOME", savedHome_);
    }
    QTemporaryDir home;

private:
    static void Restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QByteArray savedData_;
    QByteArray savedHome_;
};
} // namespace

// A folder name holding ';', quotes, '=' or outer blanks reaches the database through the
// connection string unchanged: the path is quoted there and read back whole.
TEST(DataFolderNames, AnyFileNameCharacterReachesTheDatabase)
{
    const QStringList names = {"Apps;Kids",      "a;b;c=d",        "say \"hi\"",
                               "it's",           "'quoted'",       "\"both\" 'kinds';",
                               " leading blank", "trailing blank ", "tab\there",
                               "line\nbreak",    "Data Source=x;", "ünïcödé;ß"};
    for (const QString& name : names) {
        QTemporaryDir root;
        const QString folder = root.path() + "/" + name + "/Quillby";
        ASSERT_TRUE(QDir().mkpath(folder)) << name.toStdString();
        MakeTestDatabase(folder);
        const QString connection = ConnectionStringFor(folder);
        EXPECT_EQ(Connection::DataSource(connection), folder + "/Quillby.mdb")
            << name.toStdString();
        Connection c;
        c.Open(connection);
        EXPECT_EQ(c.FilePath(), folder + "/Quillby.mdb") << name.toStdString();
        c.Execute("INSERT INTO LISTS (LIST_ID) VALUES (1)");
        EXPECT_EQ(c.CountRows("SELECT * FROM LISTS"), 1) << name.toStdString();
    }
}

// Connection strings written by hand or by older versions read as before; quoted values
// follow the usual rules of connection strings.
TEST(DataFolderNames, DataSourceReadsPlainAndQuotedValues)
{
    const struct {
        const char* connection;
        const char* path;
    } cases[] = {
        {"Provider=P;Data Source=/opt/q/Quillby.mdb;", "/opt/q/Quillby.mdb"},
        {"Provider=P;Data Source = /opt/My Quillby/Quillby.mdb ;", "/opt/My Quillby/Quillby.mdb"},
        {"Provider=P;Data Source=\"/a;b/Quillby.mdb\";", "/a;b/Quillby.mdb"},
        {"Provider=P;Data Source='/a;b/Quillby.mdb';", "/a;b/Quillby.mdb"},
        {"Provider=P;Data Source=\"/say \"\"hi\"\"/q.mdb\";", "/say \"hi\"/q.mdb"},
        {"Provider=P;Data Source='/it''s/q.mdb';", "/it's/q.mdb"},
        {"Provider=P;Data Source=\" /x /q.mdb \";User ID=;", " /x /q.mdb "},
        {"data source=\"/unterminated;", "/unterminated;"},
        {"Provider=P;", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Connection::DataSource(c.connection), QString::fromUtf8(c.path)) << c.connection;
    EXPECT_EQ(ConnectionStringFor("/opt/q"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/q/Quillby.mdb;");
    EXPECT_EQ(ConnectionStringFor("/a;b"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/a;b/Quillby.mdb\";");
}

// XDG_DATA_HOME counts only as an absolute path; anything else is ignored for
// ~/.local/share, as the XDG rules say.
TEST(UserDataHome, OnlyAnAbsoluteXdgDataHomeCounts)
{
    const struct {
        const char* value;
        bool used;
    } cases[] = {{"relative/share", false}, {"./share", false}, {"share", false},
                 {"~/share", false},        {"", false},        {"/abs/share", true},
                 {"/abs/share/", true}};
    for (const auto& c : cases) {
        XdgDataHome env(c.value);
        const QString expected = c.used ? QStringLiteral("/abs/share")
                                        : env.home.path() + QStringLiteral("/.local/share");
        EXPECT_EQ(UserDataHome(), expected) << c.value;
    }
}

// The lock follows the file: every path that leads to one database file meets the lock of
// the first holder; another file is free; the lock goes with its holder.
TEST(DatabaseFileLock, EveryPathToOneFileMeetsOneLock)
{
    QTemporaryDir dir;
    for (const char* folder : {"/A", "/B", "/C"})
        ASSERT_TRUE(QDir().mkpath(dir.path() + folder));
    const QString database = MakeTestDatabase(dir.path() + "/A");
    ASSERT_EQ(link(QFile::encodeName(database).constData(),
                   QFile::encodeName(dir.path() + "/B/Quillby.mdb").constData()),
              0);
    ASSERT_TRUE(QFile::link(database, dir.path() + "/symlink.mdb"));
    ASSERT_TRUE(QFile::link(dir.path() + "/A", dir.path() + "/linked"));
    const QString other = MakeTestDatabase(dir.path() + "/C");

    DatabaseFileLock first;
    ASSERT_EQ(first.Take(database), DatabaseFileLock::Result::Taken);
    const struct {
        QString path;
        DatabaseFileLock::Result second;
    } cases[] = {
        {database, DatabaseFileLock::Result::HeldElsewhere},
        {dir.path() + "/B/Quillby.mdb", DatabaseFileLock::Result::HeldElsewhere},
        {dir.path() + "/symlink.mdb", DatabaseFileLock::Result::HeldElsewhere},
        {dir.path() + "/linked/Quillby.mdb", DatabaseFileLock::Result::HeldElsewhere},
        {dir.path() + "/A/../A/./Quillby.mdb", DatabaseFileLock::Result::HeldElsewhere},
        {other, DatabaseFileLock::Result::Taken},
        {dir.path() + "/missing/Quillby.mdb", DatabaseFileLock::Result::Unavailable},
    };
    for (const auto& c : cases) {
        DatabaseFileLock second;
        EXPECT_EQ(second.Take(c.path), c.second) << c.path.toStdString();
    }
    first.Release();
    DatabaseFileLock after;
    EXPECT_EQ(after.Take(dir.path() + "/B/Quillby.mdb"), DatabaseFileLock::Result::Taken);
}

// A holder that is killed leaves nothing behind; while it lives, its lock holds across
// processes; and the lock never stands in SQLite's way.
TEST(DatabaseFileLock, AKilledHolderNeverBlocksAndSQLiteWorksBeside)
{
    QTemporaryDir dir;
    const QString database = MakeTestDatabase(dir.path());
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        DatabaseFileLock lock;
        const char taken = lock.Take(database) == DatabaseFileLock::Result::Taken ? 'y' : 'n';
        (void)!write(ready[1], &taken, 1);
        pause();
        _exit(0);
    }
    char taken = 0;
    ASSERT_EQ(read(ready[0], &taken, 1), 1);
    EXPECT_EQ(taken, 'y');
    DatabaseFileLock mine;
    EXPECT_EQ(mine.Take(database), DatabaseFileLock::Result::HeldElsewhere);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    ASSERT_EQ(mine.Take(database), DatabaseFileLock::Result::Taken);

    Connection c;
    c.Open(ConnectionStringFor(dir.path()));
    c.Execute("INSERT INTO LISTS (LIST_ID) VALUES (1)");
    sqlite3* reader = nullptr; // another connection reads and writes beside the held lock
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database).constData(), &reader), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(reader, "INSERT INTO LISTS (LIST_ID) VALUES (2)", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(reader);
    EXPECT_EQ(c.CountRows("SELECT * FROM LISTS"), 2);
    c.Close();
}

// A copy of Quillby.mdb alone holds every stored change: after a crash, once Quillby has
// started again; and while it runs, once it has been idle for a moment after a change.
TEST(Checkpoint, TheFileAloneHoldsEveryStoredChange)
{
    int argc = 1;
    char name[] = "test_data";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = MakeTestDatabase(dir.path());
    StoreListsAndDie(database);
    ASSERT_EQ(RowsInCopyOfFileAlone(database, "LISTS"), 0) << "the crash left them in the log";

    Connection c;
    c.Open(ConnectionStringFor(dir.path()));
    EXPECT_EQ(RowsInCopyOfFileAlone(database, "LISTS"), 2) << "moved into the file at start";

    c.Execute("INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES (1, 1)");
    c.Execute("INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES (2, 1)");
    EXPECT_EQ(WaitForRowsInCopyOfFileAlone(database, "TESTS", 2), 2)
        << "moved into the file when idle";
    c.Close();
}

// An old file's first opening counts its tallies with steps that do not wait for the disk;
// the log they leave is moved into the file once the program is idle, not while the user
// waits for the main window.
TEST(Checkpoint, AnOldFilesCountIsInTheFileOnceTheProgramIsIdle)
{
    int argc = 1;
    char name[] = "test_data";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = MakeTestDatabase(dir.path());
    sqlite3* db = nullptr;
    sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, kShapeBeforeTalliesSql, nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES (1, 1);"
                 " INSERT INTO WORD_ATTEMPTS VALUES (1, 1, 1, 'wrod', 'INCORRECT', 1);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);

    Connection c;
    c.Open(ConnectionStringFor(dir.path()));
    EXPECT_EQ(c.CountRows("SELECT * FROM GUESS_TALLIES"), 1) << "counted at the opening";
    EXPECT_EQ(WaitForRowsInCopyOfFileAlone(database, "GUESS_TALLIES", 1), 1)
        << "moved into the file";
    c.Close();
}

namespace {
int SyncLevel(Connection& c)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(c.Handle(), "PRAGMA synchronous", -1, &stmt, nullptr);
    const int level = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return level;
}
} // namespace

// Answers are stored without waiting on the disk: a program killed right after keeps them;
// the log is left alone while they come in (no checkpoint restarts it) and the next ordinary
// change brings the checkpoint back; the connection is back to full syncs afterwards.
TEST(Checkpoint, RelaxedCommitsSurviveAKillAndWaitForTheNextOrdinaryOne)
{
    QTemporaryDir dir;
    const QString database = MakeTestDatabase(dir.path());
    const pid_t child = fork();
    if (child == 0) {
        Connection c;
        c.Open(ConnectionStringFor(dir.path()));
        const Connection::RelaxedSync relaxed(c);
        c.Execute("INSERT INTO LISTS (LIST_ID) VALUES (1)");
        c.Execute("INSERT INTO LISTS (LIST_ID) VALUES (2)");
        kill(getpid(), SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    int argc = 1;
    char name[] = "test_data";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Connection c;
    c.Open(ConnectionStringFor(dir.path()));
    EXPECT_EQ(c.CountRows("SELECT * FROM LISTS"), 2) << "the killed program's relaxed commits";
    EXPECT_EQ(SyncLevel(c), 2) << "full syncs when opened";
    {
        const Connection::RelaxedSync relaxed(c);
        EXPECT_EQ(SyncLevel(c), 1);
        c.Execute("INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES (1, 1)");
    }
    EXPECT_EQ(SyncLevel(c), 2) << "full syncs again";
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1000) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    EXPECT_EQ(RowsInCopyOfFileAlone(database, "TESTS"), 0) << "a relaxed commit stays in the log";
    c.Execute("INSERT INTO TESTS (TEST_ID, LIST_ID) VALUES (2, 1)");
    EXPECT_EQ(WaitForRowsInCopyOfFileAlone(database, "TESTS", 2), 2)
        << "moved into the file when idle";
    c.Close();
}
