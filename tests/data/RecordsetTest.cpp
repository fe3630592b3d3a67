#include "Connection.h"
#include "DbError.h"
#include "Globals.h"
#include "Recordset.h"
#include "TestDb.h"

#include <gtest/gtest.h>

namespace {
Connection& Db()
{
    return Globals::DbConnection();
}

void AddWord(int32_t wordId, int32_t listId, const QString& word)
{
    Recordset rs(QStringLiteral(" SELECT * FROM WORDS  WHERE WORD_ID = %1 ").arg(wordId), Db());
    rs.AddNew();
    rs.SetField("WORD_ID", wordId);
    rs.SetField("LIST_ID", listId);
    rs.SetField("WORD", word);
    rs.SetField("DEFINITION", QString());
    rs.SetField("SENTENCE", QString());
    rs.SetField("CASE_SENSITIVE", "FALSE");
    rs.Update();
}
} // namespace

TEST(Recordset, AddNewThenReadBack)
{
    TestAppFolder app;
    AddWord(1, 7, "cat");
    Recordset rs(" SELECT * FROM WORDS  WHERE LIST_ID = 7 ", Db());
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(rs.Field("word").toText(), "cat");
    EXPECT_EQ(rs.Field("WORD_ID").toLong(), 1);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
}
