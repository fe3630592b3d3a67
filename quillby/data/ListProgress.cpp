#include "ListProgress.h"

#include "Globals.h"
#include "Recordset.h"

#include <unordered_map>

namespace {

// The wrong answers at the list's words, read from the index of wrong answers alone
// (WORD_ATTEMPTS_MISSES) word after word in key order, so that they arrive grouped by word and
// spelling with no sorting. Each one's test is looked up among the list's whole-list tests
// (practice rounds of missed words stay out of its figures), gathered once,
// rather than in the TESTS table row by row; an answer belongs to at most one test (TEST_ID is
// unique), so the counts are those of a join on TESTS.
QString ListMissesWhere(const QString& id)
{
    // The unary plus keeps the planner from walking the list's tests inside each word.
    return QStringLiteral(" FROM WORD_ATTEMPTS A"
                          " WHERE A.WORD_ID IN (SELECT WORD_ID FROM WORDS WHERE LIST_ID = %1)"
                          " AND A.RESULT = 'INCORRECT'"
                          " AND +A.TEST_ID IN (SELECT TEST_ID FROM TESTS WHERE LIST_ID = %1"
                          " AND PRACTICE_OF IS NULL)")
        .arg(id);
}

QString MissedWordsSql(int32_t listId)
{
    const QString id = QString::number(listId);
    return QStringLiteral(
               "SELECT W.WORD_ID AS WORD_ID, W.WORD AS WORD,"
               " M.TESTS_MISSED AS TESTS_MISSED, M.MISSES AS MISSES FROM ("
               " SELECT A.WORD_ID AS WORD_ID,"
               " COUNT(DISTINCT A.TEST_ID) AS TESTS_MISSED, COUNT(*) AS MISSES"
               "%2 GROUP BY A.WORD_ID) M"
               " JOIN WORDS W ON W.WORD_ID = M.WORD_ID WHERE W.LIST_ID = %1"
               " ORDER BY TESTS_MISSED DESC, MISSES DESC, W.WORD, W.WORD_ID")
        .arg(id, ListMissesWhere(id));
}

// The most tried wrong spellings of each word of the list, ranked inside the word by the
// database.
QString SpellingsSql(int32_t listId, int maxSpellings)
{
    return QStringLiteral(
               "SELECT WORD_ID, GUESS, TIMES FROM ("
               " SELECT A.WORD_ID AS WORD_ID, A.GUESS COLLATE BINARY AS GUESS,"
               " COUNT(*) AS TIMES, ROW_NUMBER() OVER (PARTITION BY A.WORD_ID"
               " ORDER BY COUNT(*) DESC, A.GUESS COLLATE BINARY) AS RANKING"
               "%1 GROUP BY A.WORD_ID, A.GUESS COLLATE BINARY)"
               " WHERE RANKING <= %2 ORDER BY WORD_ID, RANKING")
        .arg(ListMissesWhere(QString::number(listId)), QString::number(maxSpellings));
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
