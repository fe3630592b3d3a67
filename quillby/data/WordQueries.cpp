#include "WordQueries.h"

#include "Globals.h"
#include "PracticeRounds.h"
#include "Recordset.h"
#include "Statements.h"

namespace {

QString AttemptsOfWord(int32_t wordId)
{
    return QString(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_WORD_ID + QString::number(wordId) +
           Sql::VALUE_END;
}

} // namespace

QString WordRowStatement(int32_t wordId)
{
    return QString(Sql::SELECT_WORDS) + Sql::WHERE_WORD_ID + QString::number(wordId) +
           Sql::VALUE_END;
}

std::optional<WordDetails> ReadWordDetails(int32_t wordId)
{
    Recordset rs(WordRowStatement(wordId), Globals::DbConnection());
    std::optional<WordDetails> details;
    if (!rs.Eof())
        details = WordDetails{rs.Field("WORD").toText(), rs.Field("DEFINITION").toText(),
                              rs.Field("SENTENCE").toText(),
                              rs.Field("CASE_SENSITIVE").toText()};
    rs.Close();
    return details;
}

void StoreWord(int32_t wordId, int32_t listId, const WordDetails& details)
{
    Recordset rs(WordRowStatement(wordId), Globals::DbConnection());
    if (rs.Eof()) {
        rs.AddNew();
        rs.SetField("WORD_ID", Variant(wordId));
    }
    rs.SetField("LIST_ID", Variant(listId));
    rs.SetField("WORD", Variant(details.word));
    rs.SetField("DEFINITION", Variant(details.definition));
    rs.SetField("SENTENCE", Variant(details.sentence));
    rs.SetField("CASE_SENSITIVE", Variant(details.caseSensitive));
    rs.Update();
    rs.Close();
}

std::vector<ListWord> ListWordsById(int32_t listId, SkippedRows& skipped)
{
    Recordset rs(QString(Sql::SELECT_WORDS) + Sql::WHERE_LIST_ID + QString::number(listId) +
                     Sql::VALUE_END + Sql::ORDER_BY_WORD_ID,
                 Globals::DbConnection());
    std::vector<ListWord> words;
    for (; !rs.Eof(); rs.MoveNext()) {
        if (const auto id = RowKey(rs, QStringLiteral("WORD_ID")))
            words.push_back({*id, rs.Field("WORD").toText()});
        else
            skipped.Add(QStringLiteral("WORDS"), rs);
    }
    rs.Close();
    return words;
}

// Practice rounds of missed words are no tests of the list: their answers count nowhere here.
int32_t CountFirstTryCorrect(int32_t wordId)
{
    return CountWholeListAttempts(AttemptsOfWord(wordId) + Sql::AND_FIRST_ATTEMPT +
                                  Sql::AND_CORRECT);
}

int32_t CountIncorrect(int32_t wordId)
{
    return CountWholeListAttempts(AttemptsOfWord(wordId) + Sql::AND_INCORRECT);
}
