#include "Connection.h"
#include "DbError.h"
#include "DbMaker.h"
#include "Globals.h"
#include "DataFolder.h"
#include "InitApplication.h"
#include "DataFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

TEST(InitApplication, SetsThePathsAndMakesTheSoundFolder)
{
    QTemporaryDir dir;
    InitTestApp(dir.path());
    EXPECT_TRUE(Globals::DbConnection().IsOpen());
    EXPECT_EQ(Globals::DbConnection().FilePath(), dir.path() + "/Quillby.mdb");
    EXPECT_EQ(Globals::AppPath, dir.path());
    EXPECT_EQ(Globals::WavPath, dir.path() + "/Wavs");
    EXPECT_TRUE(QDir(Globals::WavPath).exists());
    EXPECT_EQ(Globals::CorrectSoundPath, dir.path() + "/Sound_Correct.wav");
    EXPECT_EQ(Globals::IncorrectSoundPath, dir.path() + "/Sound_Incorrect.wav");
    Globals::DbConnection().Close();
}

TEST(InitApplication, MissingDatabaseIsReportedByName)
{
    QTemporaryDir dir;
    try {
        InitApplication(dir.path());
        ADD_FAILURE();
    } catch (const DbError& e) {
        EXPECT_TRUE(e.userText().contains(dir.path() + "/Quillby.mdb"));
    }
    EXPECT_FALSE(Globals::DbConnection().IsOpen());
    EXPECT_FALSE(QFile::exists(dir.path() + "/Quillby.mdb"));
    EXPECT_EQ(Globals::WavPath, dir.path() + "/Wavs") << "paths are set all the same";
}

TEST(DatabaseFile, MadeFromTheSchemaAndNeverOverwritten)
{
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/Quillby.mdb").toStdString();
    std::string error;
    ASSERT_EQ(MakeDatabaseFile(SchemaPath().toStdString(), path, error), MakeResult::Created) << error;

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "INSERT INTO LISTS (LIST_ID) VALUES (42)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    // The unique key columns refuse a second row with the same identifier.
    EXPECT_NE(sqlite3_exec(db, "INSERT INTO LISTS (LIST_ID) VALUES (42)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_NE(sqlite3_exec(db, "INSERT INTO IDS VALUES ('LIST_ID', 1); INSERT INTO IDS VALUES "
                               "('list_id', 2)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    EXPECT_EQ(MakeDatabaseFile(SchemaPath().toStdString(), path, error), MakeResult::KeptExisting);
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM LISTS WHERE LIST_ID = 42", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(stmt, 0), 1) << "the user's list survived the rebuild";
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

TEST(DatabaseFile, BadSchemaLeavesNoFileBehind)
{
    QTemporaryDir dir;
    const QString schema = dir.path() + "/broken.sql";
    QFile f(schema);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("CREATE TABLE LISTS (LIST_ID INTEGER); CREATE TABLE oops (");
    f.close();
    std::string error;
    const std::string path = (dir.path() + "/Quillby.mdb").toStdString();
    EXPECT_EQ(MakeDatabaseFile(schema.toStdString(), path, error), MakeResult::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path) + ".partial"));
    EXPECT_EQ(MakeDatabaseFile((dir.path() + "/none.sql").toStdString(), path, error),
              MakeResult::Failed);
}

// A shared installation (a folder the user may not write): the database, its recordings and
// the working files go to the user's own data folder, seeded once from the shipped database.
TEST(InitApplication, ProgramFolderNotWritableKeepsTheDataPerUser)
{
    QTemporaryDir program;
    QTemporaryDir home;
    MakeTestDatabase(program.path());
    {
        Connection shipped;
        shipped.Open(ConnectionStringFor(program.path()));
        shipped.Execute("INSERT INTO LISTS (LIST_ID) VALUES (7)");
    }
    const bool root = geteuid() == 0;
    if (root && QProcess::execute("chattr", {"+i", program.path()}) != 0)
        GTEST_SKIP() << "cannot make a folder read-only for the super-user here";
    if (!root)
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());

    const QString data = home.path() + "/Quillby";
    InitApplication(program.path());
    EXPECT_EQ(Globals::DataPath, data);
    EXPECT_EQ(Globals::DbConnection().FilePath(), data + "/Quillby.mdb");
    EXPECT_EQ(Globals::WavPath, data + "/Wavs");
    EXPECT_TRUE(QDir(Globals::WavPath).exists());
    EXPECT_EQ(Globals::CorrectSoundPath, program.path() + "/Sound_Correct.wav");
    EXPECT_EQ(RawCount("SELECT * FROM LISTS WHERE LIST_ID = 7"), 1) << "the shipped rows";
    Globals::DbConnection().Execute("INSERT INTO LISTS (LIST_ID) VALUES (8)");
    Globals::DbConnection().Close();

    InitApplication(program.path());
    EXPECT_EQ(RawCount("SELECT * FROM LISTS"), 2) << "the user's copy is never replaced";
    Globals::DbConnection().Close();

    if (root)
        QProcess::execute("chattr", {"-i", program.path()});
    QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (savedHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedHome);
}
