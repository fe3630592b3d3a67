#include "ListProgress.h"

#include "Globals.h"
#include "Recordset.h"

#include <unordered_map>

namespace {

QString MissedWordsSql(int32_t listId)
{
    const QString id = QString::number(listId);
    return QStringLiteral(
               "SELECT W.WORD_ID AS WORD_ID, W.WORD AS WORD,"
               " COUNT(DISTINCT A.TEST_ID) AS TESTS_MISSED, COUNT(*) AS MISSES"
               " FROM WORDS W"
               " JOIN WORD_ATTEMPTS A ON A.WORD_ID = W.WORD_ID"
               " JOIN TESTS T ON T.TEST_ID = A.TEST_ID"
               " WHERE W.LIST_ID = %1 AND T.LIST_ID = %1 AND A.RESULT = 'INCORRECT'"
               " AND T.PRACTICE_OF IS NULL"
               " GROUP BY W.WORD_ID"
               " ORDER BY TESTS_MISSED DESC, MISSES DESC, W.WORD, W.WORD_ID")
        .arg(id);
}

// The most tried wrong spellings of each word, ranked inside the word by the database.
QString SpellingsSql(int32_t listId, int maxSpellings)
{
    return QStringLiteral(
               "SELECT WORD_ID, GUESS, TIMES FROM ("
               " SELECT A.WORD_ID AS WORD_ID, A.GUESS COLLATE BINARY AS GUESS,"
               " COUNT(*) AS TIMES, ROW_NUMBER() OVER (PARTITION BY A.WORD_ID"
               " ORDER BY COUNT(*) DESC, A.GUESS COLLATE BINARY) AS RANKING"
               " FROM WORD_ATTEMPTS A JOIN TESTS T ON T.TEST_ID = A.TEST_ID"
               " WHERE T.LIST_ID = %1 AND A.RESULT = 'INCORRECT' AND T.PRACTICE_OF IS NULL"
               " GROUP BY A.WORD_ID, A.GUESS COLLATE BINARY)"
               " WHERE RANKING <= %2 ORDER BY WORD_ID, RANKING")
        .arg(listId)
        .arg(maxSpellings);
}

} // namespace

std::vector<HardWord> HardestWords(int32_t listId, int maxSpellings)
{
    std::vector<HardWord> words;
    std::unordered_map<int32_t, size_t> index;
    Recordset rs(MissedWordsSql(listId), Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext()) {
        HardWord word;
        word.wordId = rs.Field(QStringLiteral("WORD_ID")).toLong();
        word.word = rs.Field(QStringLiteral("WORD")).toText();
        word.testsMissed = rs.Field(QStringLiteral("TESTS_MISSED")).toLong();
        word.misses = rs.Field(QStringLiteral("MISSES")).toLong();
        index.emplace(word.wordId, words.size());
        words.push_back(std::move(word));
    }
    rs.Close();
    if (words.empty() || maxSpellings < 1)
        return words;
    Recordset guesses(SpellingsSql(listId, maxSpellings), Globals::DbConnection());
    for (; !guesses.Eof(); guesses.MoveNext()) {
        const auto found = index.find(guesses.Field(QStringLiteral("WORD_ID")).toLong());
        if (found == index.end())
            continue;
        words[found->second].spellings.push_back(
            {guesses.Field(QStringLiteral("GUESS")).toText(),
             int(guesses.Field(QStringLiteral("TIMES")).toLong())});
    }
    guesses.Close();
    return words;
}

QString SpellingsText(const std::vector<WrongSpelling>& spellings)
{
    QStringList parts;
    for (const WrongSpelling& spelling : spellings)
        parts << (spelling.times > 1
                      ? QStringLiteral("%1 (%2)").arg(spelling.text).arg(spelling.times)
                      : spelling.text);
    return parts.join(QStringLiteral(", "));
}
