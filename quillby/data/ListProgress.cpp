#include "ListProgress.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"

#include <unordered_map>

namespace {

// The words of the list with their tallies of wrong answers in whole-list tests, which the
// database keeps as answers and tests come and go: a row per word, whatever the number of
// answers behind it.
QString MissedWordsSql(int32_t listId)
{
    return QStringLiteral(
               "SELECT W.WORD_ID AS WORD_ID, W.WORD AS WORD,"
               " T.TESTS_MISSED AS TESTS_MISSED, T.MISSES AS MISSES"
               " FROM WORDS W JOIN WORD_TALLIES T ON T.WORD_ID = W.WORD_ID"
               " WHERE W.LIST_ID = %1 AND T.MISSES > 0"
               " ORDER BY TESTS_MISSED DESC, MISSES DESC, W.WORD COLLATE %2, W.WORD_ID")
        .arg(QString::number(listId), QLatin1String(Connection::LocaleCollation));
}

// The most often typed wrong spellings of each word of the list, read from the ranking index
// of the spelling tallies a few at a time per word.
QString SpellingsSql(int32_t listId, int maxSpellings)
{
    return QStringLiteral(
               "SELECT W.WORD_ID AS WORD_ID, G.GUESS AS GUESS, G.TIMES AS TIMES"
               " FROM WORDS W JOIN GUESS_TALLIES G ON G.WORD_ID = W.WORD_ID"
               " WHERE W.LIST_ID = %1 AND G.TIMES > 0 AND G.GUESS IN"
               " (SELECT R.GUESS FROM GUESS_TALLIES R WHERE R.WORD_ID = W.WORD_ID"
               " AND R.TIMES > 0 ORDER BY R.TIMES DESC, R.GUESS LIMIT %2)"
               " ORDER BY W.WORD_ID, G.TIMES DESC, G.GUESS")
        .arg(QString::number(listId), QString::number(maxSpellings));
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
