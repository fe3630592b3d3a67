#include "ImportQueries.h"

#include "Connection.h"
#include "DbError.h"
#include "Globals.h"
#include "Ids.h"
#include "Recordset.h"
#include "Statements.h"

#include <QCoreApplication>
#include <stdexcept>

WordDetails EditorWord(const QString& word, const QString& definition, const QString& sentence,
                       bool caseSensitive)
{
    return {word.trimmed(), definition.trimmed(), sentence.trimmed(),
            caseSensitive ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
}

namespace {
void RefuseBlankWords(const std::vector<WordDetails>& words)
{
    for (const WordDetails& word : words)
        if (word.word.trimmed().isEmpty())
            throw std::invalid_argument("a blank word cannot be stored");
}

std::vector<int32_t> StoreWords(int32_t listId, const std::vector<WordDetails>& words)
{
    std::vector<int32_t> ids;
    ids.reserve(words.size());
    for (const WordDetails& word : words) {
        const int32_t id = GetNextID(QString::fromLatin1(IdCode::WORD_ID));
        // A counter behind the stored words would have the word overwrite another one.
        if (ReadWordDetails(id))
            throw DbError(WordRowStatement(id),
                          QCoreApplication::translate("ImportQueries",
                                                      "The word counter is behind the stored "
                                                      "words: WORD_ID %1 is in use.")
                              .arg(id));
        StoreWord(id, listId,
                  EditorWord(word.word, word.definition, word.sentence,
                             word.caseSensitive.trimmed().compare(QLatin1String("TRUE"),
                                                                  Qt::CaseInsensitive) == 0));
        ids.push_back(id);
    }
    return ids;
}
} // namespace

std::vector<int32_t> AddWordsToList(int32_t listId, const std::vector<WordDetails>& words)
{
    RefuseBlankWords(words);
    Transaction transaction(Globals::DbConnection());
    // The list may have been deleted in the main window while the words were chosen.
    if (!ReadListDates(listId))
        throw DbError(QStringLiteral("LIST_ID %1").arg(listId),
                      QCoreApplication::translate("ImportQueries",
                                                  "The list was deleted; the words were not "
                                                  "stored. Use Create List instead."));
    std::vector<int32_t> ids = StoreWords(listId, words);
    transaction.Commit();
    return ids;
}

int32_t CreateListWithWords(const NewListDates& dates, const std::vector<WordDetails>& words)
{
    RefuseBlankWords(words);
    Transaction transaction(Globals::DbConnection());
    const int32_t listId = GetNextID(QString::fromLatin1(IdCode::LIST_ID));
    AddList(listId, dates);
    StoreWords(listId, words);
    transaction.Commit();
    return listId;
}

std::vector<WordDetails> ListWordDetails(int32_t listId)
{
    Recordset rs(QString(Sql::SELECT_WORDS) + Sql::WHERE_LIST_ID + QString::number(listId) +
                     Sql::VALUE_END + Sql::ORDER_BY_WORD_ID,
                 Globals::DbConnection());
    std::vector<WordDetails> words;
    for (; !rs.Eof(); rs.MoveNext())
        words.push_back({rs.Field(QStringLiteral("WORD")).toText(),
                         rs.Field(QStringLiteral("DEFINITION")).toText(),
                         rs.Field(QStringLiteral("SENTENCE")).toText(),
                         rs.Field(QStringLiteral("CASE_SENSITIVE")).toText()});
    rs.Close();
    return words;
}
