#include "ListQueries.h"
#include "ProcessEvents.h"
#include "RandomNumber.h"
#include "StoredText.h"
#include "TestQueries.h"
#include "WordQueries.h"
#include "DataFixtures.h"
#include "DbError.h"
#include "WavFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSet>

namespace {
// Whether another word still plays a recording: one indexed lookup.
const QString kInUse = QStringLiteral("SELECT 1 FROM WORDS WHERE WORD IN (?, ?, ?) "
                                      "AND (WORD_ID IS NULL OR WORD_ID <> ?) LIMIT 1");

void TouchWav(const QString& word)
{
    QFile f(WordWavFile(word));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << f.fileName().toStdString();
    f.write("RIFF");
}

bool WavExists(const QString& word)
{
    return QFile::exists(WordWavFile(word));
}

// A list with the given number of words (ids listId*100 + 1 ...).
void AddListWithWords(int32_t listId, int words)
{
    AddList(listId, QDate(2004, 6, 4));
    for (int i = 1; i <= words; ++i)
        AddWord(listId * 100 + i, listId, QStringLiteral("word%1x%2").arg(listId).arg(i));
}
} // namespace

TEST(Counts, WalkTheRowsOfTheList)
{
    TestAppFolder app;
    AddListWithWords(7, 3);
    AddListWithWords(8, 2);
    AddTest(1, 7);
    AddTest(2, 7);
    StatementLog log;
    EXPECT_EQ(CountListWords(7), 3);
    EXPECT_EQ(CountListTests(7), 2);
    EXPECT_EQ(CountListWords(8), 2);
    EXPECT_EQ(CountListTests(8), 0);
    EXPECT_EQ(CountListWords(99), 0);
    EXPECT_EQ(log.statements.mid(0, 2),
              (QStringList{" SELECT * FROM WORDS  WHERE LIST_ID = 7 ",
                           " SELECT * FROM TESTS  WHERE LIST_ID = 7 "}));
}

TEST(Lookups, WordTextAndTestDate)
{
    TestAppFolder app;
    AddList(7, QDate(2004, 6, 4));
    AddWord(3, 7, "Their");
    StatementLog log;
    EXPECT_EQ(GetWordText(3), "Their");
    EXPECT_EQ(GetWordText(4), "");
    EXPECT_EQ(GetListTestDate(7), QLocale().toString(QDate(2004, 6, 4), QLocale::ShortFormat));
    EXPECT_EQ(GetListTestDate(8), "");
    EXPECT_EQ(log.statements,
              (QStringList{" SELECT * FROM WORDS  WHERE WORD_ID = 3 ",
                           " SELECT * FROM WORDS  WHERE WORD_ID = 4 ",
                           " SELECT * FROM LISTS  WHERE LIST_ID = 7 ",
                           " SELECT * FROM LISTS  WHERE LIST_ID = 8 "}));
}

TEST(GetTestScore, PerCentOfFirstAttemptsCorrectHalvesToEven)
{
    TestAppFolder app;
    AddListWithWords(1, 4);
    AddTest(10, 1);
    RecordAttempt(10, 1, 101, "a", "CORRECT", 1);
    RecordAttempt(10, 1, 102, "b", "CORRECT", 1);
    RecordAttempt(10, 1, 103, "c", "CORRECT", 1);
    RecordAttempt(10, 1, 104, "x", "INCORRECT", 1);
    RecordAttempt(10, 1, 104, "d", "CORRECT", 2); // a second try does not count
    RecordAttempt(11, 1, 101, "a", "CORRECT", 1); // another test does not count
    StatementLog log;
    EXPECT_EQ(GetTestScore(10), 75);
    EXPECT_EQ(log.statements,
              (QStringList{" SELECT * FROM TESTS  WHERE TEST_ID = 10 ",
                           " SELECT * FROM WORDS  WHERE LIST_ID = 1 ",
                           " SELECT * FROM WORD_ATTEMPTS  WHERE TEST_ID = 10  AND ATTEMPT_NUMBER = 1 "
                           " AND RESULT = 'CORRECT' "}));

    AddListWithWords(2, 8);
    AddTest(20, 2);
    RecordAttempt(20, 2, 201, "w", "CORRECT", 1);
    EXPECT_EQ(GetTestScore(20), 12) << "12.5 rounds to the even 12";
    RecordAttempt(20, 2, 202, "w", "CORRECT", 1);
    RecordAttempt(20, 2, 203, "w", "CORRECT", 1);
    EXPECT_EQ(GetTestScore(20), 38) << "37.5 rounds to the even 38";
}

TEST(GetTestScore, NoCorrectAnswersNoWordsAndDeletedWords)
{
    TestAppFolder app;
    AddList(3, QDate(2004, 6, 4));
    AddTest(30, 3);
    EXPECT_EQ(GetTestScore(30), 0) << "no words and no correct answers";
    RecordAttempt(30, 3, 1, "x", "INCORRECT", 1);
    EXPECT_EQ(GetTestScore(30), 0);
    RecordAttempt(30, 3, 2, "y", "CORRECT", 1);
    EXPECT_EQ(GetTestScore(30), 100) << "correct answers but the list has no words now";
    EXPECT_EQ(GetTestScore(31), 0) << "no such test";

    AddListWithWords(4, 4);
    AddTest(40, 4);
    for (int i = 1; i <= 4; ++i)
        RecordAttempt(40, 4, 400 + i, "w", "CORRECT", 1);
    EXPECT_EQ(GetTestScore(40), 100);
    DeleteWord(401);
    DeleteWord(402);
    DeleteWord(403);
    RecordAttempt(40, 4, 401, "w", "CORRECT", 1); // words deleted after the test
    RecordAttempt(40, 4, 402, "w", "CORRECT", 1);
    EXPECT_EQ(GetTestScore(40), 300) << "more first-attempt answers than words left";
}

TEST(RecordAttempt, AppendsOneRowWithTheArguments)
{
    TestAppFolder app;
    StatementLog log;
    RecordAttempt(5, 6, 7, "don't", "INCORRECT", 2);
    EXPECT_EQ(log.statements, QStringList{" SELECT * FROM WORD_ATTEMPTS  WHERE WORD_ID = 7 "});
    EXPECT_EQ(Raw("SELECT TEST_ID, LIST_ID, WORD_ID, GUESS, RESULT, ATTEMPT_NUMBER FROM WORD_ATTEMPTS"),
              QStringList{"5|6|7|don't|INCORRECT|2"});
}

TEST(DeleteList, EmptiesAllFourTablesAndTheRecordings)
{
    TestAppFolder app;
    AddListWithWords(1, 2);
    AddWord(150, 1, "Their");
    AddListWithWords(2, 1);
    AddWord(250, 2, "their");  // same recording, other list
    AddWord(251, 2, "keep");
    AddTest(10, 1);
    AddTest(20, 2);
    RecordAttempt(10, 1, 101, "a", "CORRECT", 1);
    RecordAttempt(10, 1, 150, "thier", "INCORRECT", 1);
    RecordAttempt(20, 2, 201, "a", "CORRECT", 1);
    TouchWav("word1x1");
    TouchWav("word1x2");
    TouchWav("Their");
    TouchWav("keep");

    StatementLog log;
    DeleteList(1);
    EXPECT_EQ(log.statements,
              (QStringList{" SELECT * FROM WORDS  WHERE LIST_ID = 1 ",
                           " DELETE FROM WORDS  WHERE LIST_ID = 1 ",
                           " DELETE FROM LISTS  WHERE LIST_ID = 1 ",
                           " DELETE FROM TESTS  WHERE LIST_ID = 1 ",
                           " DELETE FROM WORD_ATTEMPTS  WHERE LIST_ID = 1 ",
                           kInUse, kInUse, kInUse}))
        << "then, for each recording of the list: is it still used";
    for (const char* table : {"LISTS", "WORDS", "TESTS", "WORD_ATTEMPTS"}) {
        EXPECT_EQ(RawCount(QStringLiteral("SELECT * FROM %1 WHERE LIST_ID = 1").arg(table)), 0)
            << table;
        EXPECT_GT(RawCount(QStringLiteral("SELECT * FROM %1 WHERE LIST_ID = 2").arg(table)), 0)
            << table;
    }
    EXPECT_FALSE(WavExists("word1x1"));
    EXPECT_FALSE(WavExists("word1x2"));
    EXPECT_TRUE(WavExists("THEIR")) << "another list's word still plays THEIR.wav";
    EXPECT_TRUE(WavExists("keep"));

    DeleteList(2);
    EXPECT_FALSE(WavExists("their"));
    EXPECT_FALSE(WavExists("keep"));
    EXPECT_NO_THROW(DeleteList(77)) << "a list without rows anywhere";
}

TEST(DeleteList, RefusedDeletionKeepsRowsAndRecordings)
{
    TestAppFolder app;
    AddListWithWords(1, 1);
    TouchWav("word1x1");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(app.dbPath().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(DeleteList(1), DbError);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(RawCount("SELECT * FROM WORDS WHERE LIST_ID = 1"), 1);
    EXPECT_EQ(RawCount("SELECT * FROM LISTS WHERE LIST_ID = 1"), 1);
    EXPECT_TRUE(WavExists("word1x1"));
}

TEST(DeleteWord, RemovesTheWordItsAttemptsAndItsRecording)
{
    TestAppFolder app;
    AddListWithWords(1, 2);
    AddWord(150, 1, "café");
    AddWord(250, 2, "CAFÉ");
    RecordAttempt(10, 1, 101, "a", "CORRECT", 1);
    RecordAttempt(10, 1, 102, "b", "CORRECT", 1);
    TouchWav("word1x1");
    TouchWav("café");

    StatementLog log;
    DeleteWord(101);
    EXPECT_EQ(log.statements,
              (QStringList{" SELECT * FROM WORDS  WHERE WORD_ID = 101 ",
                           " DELETE FROM WORDS  WHERE WORD_ID = 101 ",
                           " DELETE FROM WORD_ATTEMPTS  WHERE WORD_ID = 101 ", kInUse}));
    EXPECT_EQ(Raw("SELECT WORD_ID FROM WORD_ATTEMPTS"), QStringList{"102"});
    EXPECT_EQ(RawCount("SELECT * FROM WORDS WHERE WORD_ID = 101"), 0);
    EXPECT_FALSE(WavExists("word1x1"));

    DeleteWord(150);
    EXPECT_TRUE(WavExists("café")) << "CAFÉ in list 2 still uses CAFÉ.wav";
    DeleteWord(250);
    EXPECT_FALSE(WavExists("café"));

    // Letters beyond ASCII in mixed case: the indexed lookup misses them, the file names do not.
    AddWord(160, 1, "ångström");
    AddWord(260, 2, "Ångström");
    AddWord(270, 2, "STRASSE");
    AddWord(170, 1, "straße");
    TouchWav("ångström");
    TouchWav("STRASSE");
    DeleteWord(160);
    EXPECT_TRUE(WavExists("Ångström")) << "Ångström still plays ÅNGSTRÖM.wav";
    DeleteWord(170);
    EXPECT_TRUE(WavExists("STRASSE")) << "straße is STRASSE.wav, which STRASSE still plays";

    // No such word: nothing else in the sound folder is touched.
    QFile stray(Globals::WavPath + "/.wav");
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    EXPECT_NO_THROW(DeleteWord(999));
    EXPECT_TRUE(stray.exists());
}

TEST(DeleteWord, WordThatCannotNameAFileDeletesNothingOutsideTheFolder)
{
    TestAppFolder app;
    QFile outside(app.path() + "/SECRET.wav");
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.close();
    AddWord(1, 1, "../secret");
    DeleteWord(1);
    EXPECT_TRUE(outside.exists());
    EXPECT_EQ(RawCount("SELECT * FROM WORDS"), 0);
}

TEST(DeleteTest, RemovesTheTestAndOnlyItsAttempts)
{
    TestAppFolder app;
    AddTest(10, 1);
    AddTest(11, 1);
    RecordAttempt(10, 1, 1, "a", "CORRECT", 1);
    RecordAttempt(11, 1, 1, "a", "CORRECT", 1);
    StatementLog log;
    DeleteTest(10);
    EXPECT_EQ(log.statements, (QStringList{" DELETE FROM TESTS  WHERE TEST_ID = 10 ",
                                           " DELETE FROM WORD_ATTEMPTS  WHERE TEST_ID = 10 "}));
    EXPECT_EQ(Raw("SELECT TEST_ID FROM TESTS"), QStringList{"11"});
    EXPECT_EQ(Raw("SELECT TEST_ID FROM WORD_ATTEMPTS"), QStringList{"11"});
}

TEST(RandomNumber, StaysInRangeAndVariesWithinOneClockTick)
{
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(RandomNumber(0), 0);
    EXPECT_EQ(RandomNumber(-5), 0) << "a negative bound returns at once";

    QElapsedTimer timer;
    timer.start();
    QSet<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int n = RandomNumber(1000);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 1000);
        seen.insert(n);
    }
    ASSERT_LT(timer.elapsed(), 3000) << "all draws inside one three-second seed";
    EXPECT_GT(seen.size(), 150);

    QSet<int> small;
    for (int i = 0; i < 2000; ++i)
        small.insert(RandomNumber(3));
    EXPECT_EQ(small, (QSet<int>{0, 1, 2, 3})) << "both end values occur";
}

TEST(FlagTexts, CheckValuesAndBooleans)
{
    EXPECT_EQ(CheckValueToText(1), "TRUE");
    EXPECT_EQ(CheckValueToText(0), "FALSE");
    EXPECT_EQ(CheckValueToText(2), "FALSE");
    EXPECT_EQ(TextToCheckValue("TRUE"), 1);
    EXPECT_EQ(TextToCheckValue("True"), 1);
    EXPECT_EQ(TextToCheckValue("yes"), 0);
    EXPECT_TRUE(TextToBoolean("true"));
    EXPECT_FALSE(TextToBoolean(" TRUE"));
    EXPECT_FALSE(TextToBoolean(""));
    EXPECT_FALSE(TextToBoolean("FALSE"));
}

TEST(DeleteFileQuietly, MissingFilesAndFoldersAreIgnored)
{
    QTemporaryDir dir;
    EXPECT_NO_THROW(DeleteFileQuietly(dir.path() + "/none.wav"));
    EXPECT_NO_THROW(DeleteFileQuietly(""));
    DeleteFileQuietly(dir.path());
    EXPECT_TRUE(QDir(dir.path()).exists());
    QFile f(dir.path() + "/x.wav");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    DeleteFileQuietly(f.fileName());
    EXPECT_FALSE(f.exists());
    ProcessEvents(3); // without an application object: nothing to run
}
