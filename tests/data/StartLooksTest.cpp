#include "StartLooks.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

namespace {
// Runs sql on a read-write handle of its own: another program's change to the file.
void Change(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

long long Count(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    long long value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

// Ends the looks and closes a shared handle nobody took, whatever the test's outcome.
struct EndLooks {
    ~EndLooks()
    {
        EndStartLooks();
        TakeStartLook({});
    }
};
} // namespace

// Between the start's begin and end, the looks at one file share a handle and still see what
// others changed meanwhile; a look at another file, or after the end, has its own handle.
TEST(StartLooks, LooksAtOneFileShareAHandleOnlyDuringTheStart)
{
    QTemporaryDir dir;
    const std::string first = dir.filePath(QStringLiteral("first.mdb")).toStdString();
    const std::string second = dir.filePath(QStringLiteral("second.mdb")).toStdString();
    Change(first, "PRAGMA journal_mode = WAL; CREATE TABLE T (A); INSERT INTO T VALUES (1)");
    Change(second, "CREATE TABLE U (A)");

    const EndLooks ending;
    BeginStartLooks();
    sqlite3* shared = nullptr;
    {
        const ReadOnlyLook look(first, 0);
        shared = look.get();
        ASSERT_NE(shared, nullptr);
        EXPECT_EQ(Count(shared, "SELECT COUNT(*) FROM T"), 1);
    }
    Change(first, "INSERT INTO T VALUES (2); CREATE TABLE V (B)");
    {
        const ReadOnlyLook again(first, 0);
        const ReadOnlyLook other(second, 0);
        EXPECT_EQ(again.get(), shared);
        EXPECT_NE(other.get(), shared);
        EXPECT_EQ(Count(again.get(), "SELECT COUNT(*) FROM T"), 2) << "a row added meanwhile";
        EXPECT_EQ(Count(again.get(), "SELECT COUNT(*) FROM V"), 0) << "a table added meanwhile";
        EXPECT_EQ(Count(other.get(), "SELECT COUNT(*) FROM U"), 0);
    }
    EXPECT_EQ(TakeStartLook(first), nullptr) << "not while the looks go on";
    EndStartLooks();
    const ReadOnlyLook after(first, 0);
    const ReadOnlyLook alongside(first, 0);
    ASSERT_NE(after.get(), nullptr);
    EXPECT_NE(after.get(), alongside.get());
    EXPECT_NE(after.get(), shared);
    EXPECT_EQ(Count(after.get(), "SELECT COUNT(*) FROM T"), 2);
}

// The program's connection keeps the shared handle of its own file, which can write; a
// handle on another file is closed, and taken once only.
TEST(StartLooks, TheProgramsConnectionKeepsTheHandleOfItsFile)
{
    QTemporaryDir dir;
    const std::string first = dir.filePath(QStringLiteral("first.mdb")).toStdString();
    const std::string second = dir.filePath(QStringLiteral("second.mdb")).toStdString();
    Change(first, "PRAGMA journal_mode = WAL; CREATE TABLE T (A)");
    Change(second, "CREATE TABLE U (A)");
    const EndLooks ending;
    for (const bool sameFile : {true, false}) {
        BeginStartLooks();
        sqlite3* shared = ReadOnlyLook(first, 0).get();
        ASSERT_NE(shared, nullptr);
        EndStartLooks();
        sqlite3* kept = TakeStartLook(sameFile ? first : second);
        EXPECT_EQ(TakeStartLook(first), nullptr) << "taken or closed already";
        if (!sameFile) {
            EXPECT_EQ(kept, nullptr);
            continue;
        }
        ASSERT_EQ(kept, shared);
        EXPECT_EQ(sqlite3_db_readonly(kept, "main"), 0);
        EXPECT_EQ(sqlite3_exec(kept, "INSERT INTO T VALUES (1)", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        EXPECT_EQ(Count(kept, "SELECT COUNT(*) FROM T"), 1);
        sqlite3_close(kept);
    }
}

// A missing file or a folder gives no handle, shared or not, and leaves no file behind; a
// later look at a real file still works.
TEST(StartLooks, NoHandleOnAMissingFileOrAFolder)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath(QStringLiteral("missing.mdb")).toStdString();
    const std::string real = dir.filePath(QStringLiteral("real.mdb")).toStdString();
    Change(real, "CREATE TABLE T (A)");
    const EndLooks ending;
    for (const bool during : {true, false}) {
        if (during)
            BeginStartLooks();
        else
            EndStartLooks();
        EXPECT_EQ(ReadOnlyLook(missing, 0).get(), nullptr) << during;
        EXPECT_EQ(ReadOnlyLook(dir.path().toStdString(), 0).get(), nullptr) << during;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(missing))) << during;
        const ReadOnlyLook look(real, 0);
        EXPECT_EQ(Count(look.get(), "SELECT COUNT(*) FROM T"), 0) << during;
    }
}
