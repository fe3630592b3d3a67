#include "WordQueries.h"

#include "Connection.h"
#include "Globals.h"
#include "PracticeRounds.h"
#include "Recordset.h"
#include "SoundFolder.h"
#include "Statements.h"
#include "WavFiles.h"

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

QString GetWordText(int32_t wordId)
{
    Recordset rs(Sql::Where(Sql::SELECT_WORDS, Sql::WHERE_WORD_ID, wordId),
                 Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(QStringLiteral("WORD")).toText();
}

bool WordTextInUse(const QString& text, int32_t exceptWordId)
{
    // The words' collation folds ASCII letters: one indexed lookup of the text, its upper and
    // its lower form settles every text of ASCII letters and most others (café, CAFÉ).
    const QString except = QString::number(exceptWordId);
    if (Globals::DbConnection().AnyRow(
            QStringLiteral("SELECT 1 FROM WORDS WHERE WORD IN (?, ?, ?) "
                           "AND (WORD_ID IS NULL OR WORD_ID <> ?) LIMIT 1"),
            {text, text.toUpper(), text.toLower(), except}))
        return true;
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return false;
    // Other letters in mixed case (Ångström, ÅNGSTRÖM; straße, STRASSE) are compared as the
    // file names are made. Rare, and a recording kept is worth reading the words.
    Recordset rs(QStringLiteral("SELECT WORD FROM WORDS WHERE WORD_ID IS NULL OR WORD_ID <> ") +
                     except,
                 Globals::DbConnection());
    const QString upper = text.toUpper();
    for (; !rs.Eof(); rs.MoveNext())
        if (rs.Field(QStringLiteral("WORD")).toText().toUpper() == upper)
            return true;
    return false;
}

void DeleteUnusedRecordings(const QStringList& removedWords)
{
    QStringList files;
    for (const QString& word : removedWords) {
        const QString file = WordWavFile(word);
        if (file.isEmpty() || files.contains(file))
            continue;
        files << file;
        if (!WordTextInUse(word))
            DeleteFileQuietly(file);
    }
}

void DeleteWord(int32_t wordId)
{
    const QString word = GetWordText(wordId); // read before anything is deleted
    Connection& db = Globals::DbConnection();
    SoundChangeMark mark; // a crash before the recording goes leaves it to the next start
    {
        Transaction transaction(db);
        db.Execute(Sql::Where(Sql::DELETE_WORDS, Sql::WHERE_WORD_ID, wordId));
        db.Execute(Sql::Where(Sql::DELETE_WORD_ATTEMPTS, Sql::WHERE_WORD_ID, wordId));
        transaction.Commit();
    }
    DeleteUnusedRecordings({word});
}
