// Copying a list to another child's database: new identifiers there, the words and their
// recordings along, no tests, and nothing at all when that child's Quillby is open.
#include "ChildCopy.h"
#include "Children.h"
#include "DataFixtures.h"
#include "DataFolder.h"
#include "DatabaseFileLock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class CopyToChild : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddList(5, QDate(2099, 6, 11));
        AddWord(50, 5, "kite");
        AddWord(51, 5, "Because");
        AddWord(52, 5, "a/b"); // a text that names no file: no recording to copy
        AddTest(500, 5);
        WriteFile(Globals::WavPath + "/KITE.wav", "kite sound");
        WriteFile(Globals::WavPath + "/BECAUSE.wav", "because sound");
        ChildRegistry registry(Globals::DataPath, QString());
        ASSERT_EQ(registry.Add("Ben", "Ann"), QString());
        ben = Globals::DataPath + "/Children/Ben";
        to.Open(ConnectionStringFor(ben));
        to.Execute(" INSERT INTO IDS (CODE, VALUE) VALUES ('LIST_ID', 41), ('WORD_ID', 1) ");
        to.Execute(" INSERT INTO WORDS (WORD_ID, LIST_ID, WORD) VALUES (1, 9, 'KITE') ");
        to.Close();
        WriteFile(ben + "/Wavs/KITE.wav", "Ben's own kite");
    }
    QString Copy() { return CopyListToChild(Db(), Globals::WavPath, 5, ben, "Ben"); }
    long long Count(const QString& sql)
    {
        Connection c;
        c.Open(ConnectionStringFor(ben));
        return c.CountRows(sql);
    }

    TestAppFolder app;
    QString ben;
    Connection to;
};
} // namespace

TEST_F(CopyToChild, TheListItsWordsAndRecordingsGoWithNewIdentifiers)
{
    ASSERT_EQ(Copy(), QString());
    Connection c;
    c.Open(ConnectionStringFor(ben));
    struct Expect {
        const char* sql;
        long long rows;
    } expectations[] = {
        {" SELECT * FROM LISTS  WHERE LIST_ID = 42  AND TEST_DATE = '2099-06-11' ", 1},
        {" SELECT * FROM LISTS ", 1},
        {" SELECT * FROM WORDS  WHERE LIST_ID = 42 ", 3},
        {" SELECT * FROM WORDS  WHERE LIST_ID = 42  AND WORD_ID IN (2, 3, 4) ", 3},
        {" SELECT * FROM WORDS  WHERE LIST_ID = 42  AND WORD = 'Because' ", 1},
        {" SELECT * FROM TESTS ", 0},
        {" SELECT * FROM WORD_ATTEMPTS ", 0},
    };
    for (const Expect& e : expectations)
        EXPECT_EQ(c.CountRows(e.sql), e.rows) << e.sql;
    EXPECT_EQ(ReadFile(ben + "/Wavs/BECAUSE.wav"), "because sound");
    EXPECT_EQ(ReadFile(ben + "/Wavs/KITE.wav"), "Ben's own kite"); // never copied over
    // The copy leaves the list where it was.
    EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE LIST_ID = 5 "), 3);
    EXPECT_EQ(Db().CountRows(" SELECT * FROM TESTS  WHERE LIST_ID = 5 "), 1);
    c.Close();
    ASSERT_EQ(Copy(), QString()); // a second copy is a second list
    EXPECT_EQ(Count(" SELECT * FROM LISTS  WHERE LIST_ID = 43 "), 1);
}

TEST_F(CopyToChild, NothingChangesWhenTheOtherChildsQuillbyIsOpenOrTheListIsGone)
{
    {
        DatabaseFileLock running;
        ASSERT_EQ(running.Take(ben + "/Quillby.mdb"), DatabaseFileLock::Result::Taken);
        EXPECT_TRUE(Copy().contains("Quillby is open for Ben"));
    }
    EXPECT_TRUE(
        CopyListToChild(Db(), Globals::WavPath, 99, ben, "Ben").contains("not copied to Ben"));
    EXPECT_EQ(Count(" SELECT * FROM LISTS "), 0);
    EXPECT_EQ(Count(" SELECT * FROM WORDS "), 1);
    EXPECT_FALSE(QFile::exists(ben + "/Wavs/BECAUSE.wav"));
    EXPECT_EQ(Count(" SELECT * FROM IDS  WHERE CODE = 'LIST_ID' AND VALUE = 41 "), 1);
    EXPECT_EQ(Count(" SELECT * FROM IDS  WHERE CODE = 'WORD_ID' AND VALUE = 1 "), 1);
}
