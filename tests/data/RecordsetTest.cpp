#include "StoredText.h"
#include "TestQueries.h"
#include "WordQueries.h"
#include "DataFixtures.h"
#include "DbError.h"

namespace {
const QStringList& OddWords()
{
    static const QStringList words = {
        "don't",
        "say \"cheese\"",
        "café",
        "naïve Ærø",
        "🦉 owl",
        "'; DROP TABLE WORDS; --",
        "x' OR '1'='1",
        "#6/4/2004#",
        QString(2000, QChar(u'w')),
        QString::fromUtf8("\xe2\x80\x8b zero width"),
    };
    return words;
}
} // namespace

TEST(Recordset, OddWordTextsAreStoredAndReadBackUnchanged)
{
    TestAppFolder app;
    int id = 0;
    for (const QString& word : OddWords()) {
        ++id;
        AddWord(id, 1, word);
        Recordset rs(QStringLiteral(" SELECT * FROM WORDS  WHERE WORD_ID = %1 ").arg(id), Db());
        rs.SetField("DEFINITION", word);
        rs.SetField("SENTENCE", "A sentence with " + word + " in it.");
        rs.Update();
        EXPECT_EQ(GetWordText(id), word);
        RecordAttempt(1, 1, id, word, "INCORRECT", 1);
    }
    EXPECT_EQ(RawCount("SELECT * FROM WORDS"), OddWords().size()) << "no text changed a statement";
    id = 0;
    for (const QString& word : OddWords()) {
        ++id;
        Recordset rs(QStringLiteral(" SELECT * FROM WORDS  WHERE WORD_ID = %1 ").arg(id), Db());
        EXPECT_EQ(rs.Field("DEFINITION").toText(), word);
        EXPECT_EQ(rs.Field("SENTENCE").toText(), "A sentence with " + word + " in it.");
        Recordset attempts(QStringLiteral(" SELECT * FROM WORD_ATTEMPTS  WHERE WORD_ID = %1 ").arg(id),
                           Db());
        EXPECT_EQ(attempts.Field("GUESS").toText(), word);
    }
}

TEST(Recordset, WordsSortWithoutRegardToLetterCase)
{
    TestAppFolder app;
    AddWord(1, 1, "Dog");
    AddWord(2, 1, "cat");
    AddWord(3, 1, "Bee");
    AddWord(4, 1, "apple");
    QStringList order;
    for (Recordset rs(" SELECT * FROM WORDS  WHERE LIST_ID = 1  ORDER BY WORD ", Db()); !rs.Eof();
         rs.MoveNext())
        order << rs.Field("WORD").toText();
    EXPECT_EQ(order, (QStringList{"apple", "Bee", "cat", "Dog"}));
}

TEST(Recordset, DatesAreStoredAsIsoTextAndReadAsDates)
{
    TestAppFolder app;
    Recordset rs(" SELECT * FROM LISTS  WHERE LIST_ID = 1 ", Db());
    rs.AddNew();
    rs.SetField("LIST_ID", 1);
    rs.SetField("WEEK_START", "5/31/2004");          // text as the windows write it
    rs.SetField("WEEK_END", QDate(2004, 6, 4));
    rs.SetField("TEST_DATE", "6/4/2004");
    rs.SetField("CREATED_DATE", QDateTime(QDate(2004, 5, 30), QTime(21, 7, 3)));
    rs.SetField("STATUS", "CREATED");
    rs.Update();
    rs.Close();

    EXPECT_EQ(Raw("SELECT WEEK_START, WEEK_END, TEST_DATE, CREATED_DATE FROM LISTS"),
              QStringList{"2004-05-31|2004-06-04|2004-06-04|2004-05-30 21:07:03"});

    Recordset back(" SELECT * FROM LISTS  WHERE LIST_ID = 1 ", Db());
    EXPECT_EQ(back.Field("TEST_DATE").type(), Variant::Type::Date);
    EXPECT_EQ(back.Field("TEST_DATE").toDate(), QDate(2004, 6, 4));
    EXPECT_EQ(back.Field("TEST_DATE").toText(), "6/4/2004");
    EXPECT_EQ(back.Field("CREATED_DATE").type(), Variant::Type::DateTime);
    EXPECT_EQ(back.Field("CREATED_DATE").toDateTime(), QDateTime(QDate(2004, 5, 30), QTime(21, 7, 3)));
}

TEST(Recordset, DateColumnTextThatIsNoIsoDateStaysText)
{
    TestAppFolder app;
    Db().Execute("INSERT INTO LISTS (LIST_ID, TEST_DATE, CREATED_DATE) "
                 "VALUES (1, 'abcd-06-04', '2004-06-04T13:05:09')");
    Recordset rs(" SELECT * FROM LISTS  WHERE LIST_ID = 1 ", Db());
    EXPECT_EQ(rs.Field("TEST_DATE").type(), Variant::Type::Text);
    EXPECT_EQ(rs.Field("TEST_DATE").toText(), "abcd-06-04");
    EXPECT_EQ(rs.Field("CREATED_DATE").toDateTime(), QDateTime(QDate(2004, 6, 4), QTime(13, 5, 9)));
}

TEST(Recordset, UpdateChangesOnlyTheCurrentRowEvenAmongIdenticalRows)
{
    TestAppFolder app;
    RecordAttempt(1, 1, 5, "teh", "INCORRECT", 1);
    RecordAttempt(1, 1, 5, "teh", "INCORRECT", 1);
    EXPECT_EQ(RawCount("SELECT * FROM WORD_ATTEMPTS"), 2) << "identical attempts are two rows";

    Recordset rs(" SELECT * FROM WORD_ATTEMPTS  WHERE WORD_ID = 5 ", Db());
    ASSERT_EQ(rs.RecordCount(), 2);
    rs.MoveNext();
    rs.SetField("guess", "the");
    rs.Update();
    EXPECT_EQ(Raw("SELECT GUESS FROM WORD_ATTEMPTS ORDER BY rowid"), (QStringList{"teh", "the"}));
    EXPECT_EQ(rs.Field("GUESS").toText(), "the");
}

TEST(Recordset, MissingColumnsAndRowsAreErrors)
{
    TestAppFolder app;
    AddWord(1, 1, "cat");
    Recordset rs(" SELECT * FROM WORDS  WHERE WORD_ID = 1 ", Db());
    EXPECT_EQ(rs.Field("word").toText(), "cat") << "column names in any letter case";
    EXPECT_THROW(rs.Field("COLOUR"), DbError);
    EXPECT_THROW(rs.SetField("COLOUR", 1), DbError);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.Field("WORD"), DbError);
    EXPECT_THROW(rs.MoveNext(), DbError);
    EXPECT_THROW(Recordset(" SELECT * FROM WORDS  WHERE NOPE = 1 ", Db()), DbError);
}

TEST(Recordset, RowDeletedMeanwhileIsNotSilentlyLost)
{
    TestAppFolder app;
    AddWord(1, 1, "cat");
    Recordset rs(" SELECT * FROM WORDS  WHERE WORD_ID = 1 ", Db());
    Db().Execute(" DELETE FROM WORDS  WHERE WORD_ID = 1 ");
    rs.SetField("WORD", "dog");
    EXPECT_THROW(rs.Update(), DbError);
}

TEST(Recordset, OtherSelectsAreReadOnlySnapshots)
{
    TestAppFolder app;
    AddWord(1, 1, "cat");
    AddWord(2, 1, "dog");
    Recordset rs("SELECT WORD, LIST_ID FROM WORDS ORDER BY WORD DESC", Db());
    EXPECT_EQ(rs.Columns(), (QStringList{"WORD", "LIST_ID"}));
    EXPECT_EQ(rs.Field("WORD").toText(), "dog");
    EXPECT_THROW(rs.AddNew(), DbError);
    rs.SetField("WORD", "cow");
    EXPECT_THROW(rs.Update(), DbError);
    EXPECT_EQ(RawCount("SELECT * FROM WORDS WHERE WORD = 'cow'"), 0);
}

TEST(Recordset, SnapshotDoesNotSeeLaterChanges)
{
    TestAppFolder app;
    AddWord(1, 1, "cat");
    Recordset rs(" SELECT * FROM WORDS  WHERE LIST_ID = 1 ", Db());
    AddWord(2, 1, "dog");
    EXPECT_EQ(rs.RecordCount(), 1);
}

TEST(Recordset, SettingsRowNumbersWrittenAsTextReadAsNumbers)
{
    TestAppFolder app;
    Recordset rs(" SELECT * FROM OPTIONS ", Db());
    ASSERT_TRUE(rs.Eof());
    rs.AddNew();
    rs.SetField("MOVE_ON_AFTER", "3");
    rs.SetField("MESSAGE_TIME", 6);
    rs.SetField("PROMPT_TO_DELETE_LISTS", "true");
    rs.Update();
    rs.Close();
    Recordset back(" SELECT * FROM OPTIONS ", Db());
    EXPECT_EQ(back.Field("MOVE_ON_AFTER").toLong(), 3);
    EXPECT_EQ(back.Field("MESSAGE_TIME").toLong(), 6);
    EXPECT_TRUE(TextToBoolean(back.Field("PROMPT_TO_DELETE_LISTS").toText()));
    EXPECT_TRUE(back.Field("TEST_DAY").isNull());
    EXPECT_EQ(back.Field("TEST_DAY").toText(), "");
}

TEST(Recordset, FullDiskFailsTheWriteClearlyAndKeepsWhatWasStored)
{
    TestAppFolder app;
    AddWord(1, 1, "cat");
    // Cap the file at its present size: the next page it needs is refused as on a full disk.
    const QStringList pages = Raw("PRAGMA page_count");
    ASSERT_EQ(pages.size(), 1);
    Raw("PRAGMA max_page_count = " + pages.first());
    try {
        for (int i = 0; i < 200; ++i)
            RecordAttempt(1, 1, 1, QString(400, QChar('x')), "INCORRECT", i + 1);
        ADD_FAILURE() << "the capped file took every attempt";
    } catch (const DbError& e) {
        // Plain words for the screen; the statement only in the text for the log.
        EXPECT_TRUE(e.message().startsWith("The disk is full")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(app.dbPath()));
        EXPECT_FALSE(e.message().contains("INSERT")) << e.message().toStdString();
        EXPECT_TRUE(e.userText().contains("WORD_ATTEMPTS")) << e.userText().toStdString();
    }
    EXPECT_EQ(GetWordText(1), "cat");
    Raw("PRAGMA max_page_count = 1000000");
    EXPECT_NO_THROW(RecordAttempt(1, 1, 1, "cat", "CORRECT", 1));
}
