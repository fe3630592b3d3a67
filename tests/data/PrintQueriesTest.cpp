// What printing and the results export read, and the CSV a spreadsheet gets.
#include "DataFixtures.h"
#include "PrintQueries.h"

namespace {
void AddAnswer(int32_t testId, int32_t wordId, const QString& typed, const QString& result,
               int attempt)
{
    Db().Execute(QStringLiteral(" INSERT INTO WORD_ATTEMPTS VALUES (%1, 1, %2, '%3', '%4', %5) ")
                     .arg(testId)
                     .arg(wordId)
                     .arg(QString(typed).replace("'", "''"), result)
                     .arg(attempt));
}
} // namespace

TEST(ResultsExport, EveryAnswerOfTheListInTheOrderGivenAsCsv)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 11));
    AddList(2, QDate(2026, 12, 18));
    AddWord(1, 1, "because");
    AddWord(2, 1, "their");
    AddTest(7, 1);
    AddTest(9, 1);
    AddTest(8, 2);                           // another list's test stays out
    AddAnswer(7, 2, "=1+1", "INCORRECT", 1); // a spreadsheet must not run it
    AddAnswer(7, 2, "their", "CORRECT", 2);
    AddAnswer(7, 1, "becos, \"really\"", "INCORRECT", 1);
    AddAnswer(7, 1, "because", "CORRECT", 2);
    AddAnswer(8, 1, "other", "CORRECT", 1);
    AddAnswer(9, 1, "Äpfel-ß", "INCORRECT", 1);

    const std::vector<AnswerRow> rows = ReadListAnswers(1);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].test, 1);
    EXPECT_EQ(rows[4].test, 2) << "tests numbered in the list's order";
    EXPECT_EQ(rows[0].start, QDateTime(QDate(2026, 12, 8), QTime(17, 0, 0)));

    const QByteArray csv = AnswersCsv(rows);
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(lines, (QStringList{
                         "test,date,word,attempt,typed,result",
                         "1,2026-12-08 17:00:00,their,1,'=1+1,INCORRECT",
                         "1,2026-12-08 17:00:00,their,2,their,CORRECT",
                         "1,2026-12-08 17:00:00,because,1,\"becos, \"\"really\"\"\",INCORRECT",
                         "1,2026-12-08 17:00:00,because,2,because,CORRECT",
                         "2,2026-12-08 17:00:00,because,1,Äpfel-ß,INCORRECT",
                     }));
    EXPECT_EQ(AnswersCsv({}), QByteArray("\xEF\xBB\xBFtest,date,word,attempt,typed,result\r\n"));
}

TEST(ResultsExport, TheWrongSpellingsOfATestAndTheListSheet)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 11));
    AddWord(2, 1, "their");
    AddWord(1, 1, "because");
    AddTest(7, 1);
    AddAnswer(7, 1, "becuase", "INCORRECT", 1);
    AddAnswer(7, 1, "becase", "INCORRECT", 2);
    AddAnswer(7, 1, "because", "CORRECT", 3);
    AddAnswer(7, 2, "their", "CORRECT", 1);
    const auto wrong = ReadWrongSpellings(7);
    ASSERT_EQ(wrong.size(), 1u);
    EXPECT_EQ(wrong.at(1), (QStringList{"becuase", "becase"}));
    const ListSheet sheet = ReadListSheet(1);
    EXPECT_EQ(sheet.testDate, QDate(2026, 12, 11));
    EXPECT_EQ(sheet.weekStart, QDate(2026, 12, 7));
    ASSERT_EQ(sheet.words.size(), 2u);
    EXPECT_EQ(sheet.words[0].word, "because") << "in creation order";
    EXPECT_EQ(ReadTestTimes(1).at(7).end, QDateTime(QDate(2026, 12, 8), QTime(17, 5, 0)));
}
