#pragma once
#include "ListQueries.h"
#include "WordQueries.h"

#include <cstdint>
#include <vector>

// Storing imported words: many words at once, as the word editor stores one.

// A word as the word editor stores it: its three texts without blanks at both ends and the
// flag text "TRUE" or "FALSE".
WordDetails EditorWord(const QString& word, const QString& definition, const QString& sentence,
                       bool caseSensitive);

// Adds the words to the list in one transaction, each under a new WORD_ID from the counter,
// in the given order; all or none are stored. A blank word (after trimming) is refused
// before anything is written (std::invalid_argument), as the word editor refuses it; so is a
// list that is not there (DbError). Returns the new WORD_IDs. Throws DbError.
std::vector<int32_t> AddWordsToList(int32_t listId, const std::vector<WordDetails>& words);

// The words of the list in creation (WORD_ID) order with their stored texts, for export.
// Throws DbError.
std::vector<WordDetails> ListWordDetails(int32_t listId);

// Creates a list with the dates (as New List stores them) holding the words, in one
// transaction. Returns the new LIST_ID. Throws DbError, std::invalid_argument as above.
int32_t CreateListWithWords(const NewListDates& dates, const std::vector<WordDetails>& words);
