#include "DataFixtures.h"
#include "DataFolder.h"
#include "DbError.h"
#include "ReadOnlyPath.h"
#include "Statements.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <unistd.h>

namespace {
QString ConnectionString(const QString& path)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";";
}

// Opens a file that should fail and returns the error's text shown to the user.
QString OpenError(const QString& path)
{
    Connection c;
    try {
        c.Open(ConnectionString(path));
    } catch (const DbError& e) {
        EXPECT_FALSE(c.IsOpen());
        return e.userText();
    }
    ADD_FAILURE() << "opened " << path.toStdString();
    return {};
}
} // namespace

TEST(ConnectionString, DataSourceIsTheFilePath)
{
    EXPECT_EQ(Connection::DataSource(
                  "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/My Quillby/Quillby.mdb;"),
              "/opt/My Quillby/Quillby.mdb");
    EXPECT_EQ(Connection::DataSource("data source=/a/b.mdb"), "/a/b.mdb");
    EXPECT_EQ(Connection::DataSource("Provider=x;"), "");
    EXPECT_EQ(ConnectionStringFor("/opt/q"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/q/Quillby.mdb;");
}

TEST(DateLiterals, BecomeIsoTextOutsideQuotesOnly)
{
    EXPECT_EQ(Connection::RewriteDateLiterals(
                  " SELECT * FROM LISTS  WHERE TEST_DATE < #6/4/2004#  AND STATUS <> 'IGNORED' "),
              " SELECT * FROM LISTS  WHERE TEST_DATE < '2004-06-04'  AND STATUS <> 'IGNORED' ");
    EXPECT_EQ(Connection::RewriteDateLiterals("x = #12/31/1999# OR y = #1/1/2000 1:05:09 PM#"),
              "x = '1999-12-31' OR y = '2000-01-01 13:05:09'");
    // Text inside quotes is data, never rewritten; an impossible date is left for SQLite to refuse.
    EXPECT_EQ(Connection::RewriteDateLiterals("WHERE WORD = '#6/4/2004#'"),
              "WHERE WORD = '#6/4/2004#'");
    EXPECT_EQ(Connection::RewriteDateLiterals("WHERE WORD = 'it''s #1/2/2003#'"),
              "WHERE WORD = 'it''s #1/2/2003#'");
    EXPECT_EQ(Connection::RewriteDateLiterals("D < #2/30/2004#"), "D < #2/30/2004#");
}

// The key at the start or after a ';' only, its words as written (letter case aside), blanks
// around them; a quoted value may hold ';'.
TEST(ConnectionString, DataSourceKeyAndValueForms)
{
    const struct {
        const char* connection;
        const char* path;
    } cases[] = {
        {"  DATA SOURCE  =  /a/b.mdb ; Provider=x", "/a/b.mdb"},
        {"Provider=x;\tData Source=\n/c.mdb", "/c.mdb"},
        {"Provider=x; Data Source = '/a;b.mdb'; X=1", "/a;b.mdb"},
        {"Data Source=\"it\"\"s.mdb\"", "it\"s.mdb"},
        {"Data  Source=/two-blanks.mdb", ""},
        {"XData Source=/y.mdb", ""},
        {"Provider=Data Source=/z.mdb", ""},
        {"Data Source=", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Connection::DataSource(c.connection), c.path) << c.connection;
}

// Each form of a date literal, and the near misses that are left for SQLite to refuse.
TEST(DateLiterals, EachFormAndTheNearMisses)
{
    const struct {
        const char* literal;
        const char* iso;
    } cases[] = {
        {"#1/2/2003 12:00:00 AM#", "'2003-01-02 00:00:00'"},
        {"#1/2/2003 12:30 pm#", "'2003-01-02 12:30:00'"},
        {"#1/2/2003 13:30PM#", "'2003-01-02 13:30:00'"},
        {"#1/2/2003 9:07#", "'2003-01-02 09:07:00'"},
        {"# 01/02/2003  #", "'2003-01-02'"},
        {"#1/2/2003 1:5#", "#1/2/2003 1:5#"},
        {"#1/2/2003 1:05:9#", "#1/2/2003 1:05:9#"},
        {"#1/2/2003 25:00#", "#1/2/2003 25:00#"},
        {"#1/2/2003 1:05:09 PMX#", "#1/2/2003 1:05:09 PMX#"},
        {"#1/2/2003 AM#", "#1/2/2003 AM#"},
        {"#1/2/03#", "#1/2/03#"},
        {"#123/2/2003#", "#123/2/2003#"},
        {"#1/2/20034#", "#1/2/20034#"},
        {"#1/2/2003", "#1/2/2003"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Connection::RewriteDateLiterals(QStringLiteral("D = ") + c.literal),
                  QStringLiteral("D = ") + c.iso)
            << c.literal;
}

TEST(ConnectionOpen, FailsClearlyOnMissingFolderOrForeignFiles)
{
    QTemporaryDir dir;
    const QString missing = dir.path() + "/Quillby.mdb";
    EXPECT_TRUE(OpenError(missing).contains(missing));
    EXPECT_FALSE(QFile::exists(missing)) << "opening must never create the file";

    EXPECT_TRUE(OpenError(dir.path()).contains("folder"));

    const QString text = dir.path() + "/text.mdb";
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("This is a letter to the school, not a database.\n").repeated(200));
    f.close();
    const QString textError = OpenError(text);
    EXPECT_TRUE(textError.contains(text));
    EXPECT_TRUE(textError.contains("not a database")) << textError.toStdString();
    EXPECT_EQ(QFile(text).size(), 200 * 48) << "a foreign file must be left as it was";

    const QString empty = dir.path() + "/empty.mdb";
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_TRUE(OpenError(empty).contains("no table LISTS"));

    EXPECT_TRUE(OpenError("").isEmpty() == false);
}

TEST(ConnectionOpen, ReadOnlyFileIsRefusedAtOpen)
{
    QTemporaryDir dir;
    const QString path = MakeTestDatabase(dir.path());
    ReadOnlyPath readOnly(path);
    if (!readOnly.effective())
        GTEST_SKIP() << "cannot make a file read-only for the super-user here";
    const QString error = OpenError(path);
    EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
    EXPECT_TRUE(error.contains(path));
}

TEST(ConnectionOpen, ReadOnlyFolderIsRefusedAtOpen)
{
    QTemporaryDir dir;
    const QString path = MakeTestDatabase(dir.path());
    {
        ReadOnlyPath readOnly(dir.path());
        if (!readOnly.effective())
            GTEST_SKIP() << "cannot make a folder read-only for the super-user here";
        const QString error = OpenError(path);
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
    }
    Connection c;
    EXPECT_NO_THROW(c.Open(ConnectionString(path)));
}

TEST(ConnectionOpen, LockedFileFailsTheStatementWithoutHanging)
{
    TestAppFolder app;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(app.dbPath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; INSERT INTO IDS VALUES ('X', 1);", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    try {
        Db().Execute(" DELETE FROM TESTS  WHERE TEST_ID = 1 ");
        ADD_FAILURE() << "a locked file accepted a change";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("locked")) << e.userText().toStdString();
        EXPECT_TRUE(e.message().contains(app.dbPath()));
        EXPECT_EQ(e.statement(), " DELETE FROM TESTS  WHERE TEST_ID = 1 ");
    }
    EXPECT_LT(timer.elapsed(), 10000);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NO_THROW(Db().Execute(" DELETE FROM TESTS  WHERE TEST_ID = 1 "));
}

TEST(ConnectionExecute, FailuresCarryStatementAndSqliteMessage)
{
    TestAppFolder app;
    try {
        Db().Execute(" DELETE FROM NO_SUCH_TABLE ");
        ADD_FAILURE();
    } catch (const DbError& e) {
        EXPECT_EQ(e.statement(), " DELETE FROM NO_SUCH_TABLE ");
        EXPECT_TRUE(e.message().contains("no such table: NO_SUCH_TABLE"));
        EXPECT_TRUE(e.userText().contains("DELETE FROM NO_SUCH_TABLE"));
    }
    Connection closed;
    EXPECT_THROW(closed.Execute(" DELETE FROM LISTS "), DbError);
    EXPECT_THROW(Recordset(" SELECT * FROM LISTS ", closed), DbError);
}

TEST(ConnectionExecute, OldListQueryFindsListsBeforeTheDateNotIgnored)
{
    TestAppFolder app;
    const QDate today = QDate::currentDate();
    AddList(1, today.addDays(-1));             // old
    AddList(2, today);                          // due today: not old
    AddList(3, today.addDays(-30), "IGNORED");  // ignored for good
    AddList(4, today.addYears(-3));             // long past
    AddList(5, today.addDays(1));

    const QString todayText = today.toString("M/d/yyyy");
    const QString sql = QString(Sql::SELECT_LISTS) + Sql::WHERE_TEST_DATE_BEFORE + todayText +
                        Sql::DATE_END + Sql::AND_NOT_IGNORED;
    const QString example = QString(Sql::SELECT_LISTS) + Sql::WHERE_TEST_DATE_BEFORE + "6/4/2004" +
                            Sql::DATE_END + Sql::AND_NOT_IGNORED;
    EXPECT_EQ(example, " SELECT * FROM LISTS  WHERE TEST_DATE < #6/4/2004#  AND STATUS <> 'IGNORED' ");

    QList<int> found;
    for (Recordset rs(sql, Db()); !rs.Eof(); rs.MoveNext())
        found << rs.Field("LIST_ID").toLong();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (QList<int>{1, 4}));
}

TEST(ConnectionExecute, ChangesAreInTheFileWhenTheCallReturns)
{
    TestAppFolder app;
    AddList(9, QDate(2004, 6, 4));
    Db().Execute(" UPDATE LISTS  SET STATUS = 'IGNORED'  WHERE LIST_ID = 9 ");
    // A second, independent connection sees the committed change.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(app.dbPath().toUtf8().constData(), &other, SQLITE_OPEN_READONLY,
                              nullptr),
              SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(other, "SELECT STATUS, TEST_DATE FROM LISTS WHERE LIST_ID = 9", -1, &stmt,
                       nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "IGNORED");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)), "2004-06-04");
    sqlite3_finalize(stmt);
    sqlite3_close(other);
}

TEST(Transaction, RollsBackWhenLeftWithoutCommit)
{
    TestAppFolder app;
    AddList(1, QDate(2004, 6, 4));
    try {
        Transaction t(Db());
        Db().Execute(" DELETE FROM LISTS  WHERE LIST_ID = 1 ");
        Db().Execute(" DELETE FROM NO_SUCH_TABLE ");
        t.Commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(RawCount("SELECT * FROM LISTS"), 1);
}

TEST(CompiledStatements, StatementsDifferingOnlyInNumbersGiveTheirOwnRows)
{
    TestAppFolder app;
    AddWord(1, 1, "12");
    AddWord(2, 1, "cat");
    AddWord(3, 2, "dog");
    AddWord(4, -3, "owl");
    for (int round = 0; round < 2; ++round) { // the second round runs from the cache
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE LIST_ID = 1 "), 2);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE LIST_ID = 2 "), 1);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE LIST_ID = 3 "), 0);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE LIST_ID = -3 "), 1);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD = '12' "), 1);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD = 12 "), 1);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD_ID = 2  AND LIST_ID = 1 "), 1);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD_ID = 2  AND LIST_ID = 2 "), 0);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD_ID = 99999999999999999999 "), 0);
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD_ID=1"), 1);
    }
    // A snapshot read while another snapshot of the same shape is open still works.
    Recordset outer(" SELECT * FROM WORDS  WHERE LIST_ID = 1 ", Db());
    Recordset inner(" SELECT * FROM WORDS  WHERE LIST_ID = 2 ", Db());
    EXPECT_EQ(outer.RecordCount(), 2);
    EXPECT_EQ(inner.Field("WORD").toText(), "dog");
    EXPECT_THROW(Db().CountRows(" SELECT * FROM NOWHERE  WHERE LIST_ID = 1 "), DbError);
}
