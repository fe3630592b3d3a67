#pragma once
#include "RowKeys.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The WORDS rows and their attempts as the word windows read them.

// The statement that reads one WORDS row: " SELECT * FROM WORDS  WHERE WORD_ID = <id> ".
QString WordRowStatement(int32_t wordId);

// A stored word as the list editor shows it.
struct WordDetails {
    QString word;
    QString definition;
    QString sentence;
    QString caseSensitive; // the stored flag text
};

// The word, nothing when there is no such word. Throws DbError.
std::optional<WordDetails> ReadWordDetails(int32_t wordId);

// Stores the word under wordId in the list, adding the row when there is none. Throws DbError.
void StoreWord(int32_t wordId, int32_t listId, const WordDetails& details);

struct ListWord {
    int32_t wordId = 0;
    QString word;
};

// The words of the list in creation (WORD_ID) order; rows without a usable WORD_ID are left
// out and added to skipped. Throws DbError.
std::vector<ListWord> ListWordsById(int32_t listId, SkippedRows& skipped);

// The statistics of a word over its whole-list tests. Throw DbError.
int32_t CountFirstTryCorrect(int32_t wordId);
int32_t CountIncorrect(int32_t wordId);

// The text of the word, "" when there is no such word. Throws DbError.
QString GetWordText(int32_t wordId);
// Whether a word (other than exceptWordId) has this text in any letter case, and so plays the
// recording of that text. Throws DbError.
bool WordTextInUse(const QString& text, int32_t exceptWordId = 0);
// Deletes the word with its answers, then its recording unless another word plays it.
// Throws DbError.
void DeleteWord(int32_t wordId);
// Deletes the recordings of removed words unless a remaining word still plays them.
void DeleteUnusedRecordings(const QStringList& removedWords);
