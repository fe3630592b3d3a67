#pragma once
#include "Variant.h"

#include <QDate>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The LISTS rows and their words as the list windows read and write them.

// The dates a parent gives a new list.
struct NewListDates {
    QDate weekStart;
    QDate weekEnd;
    QDate testDate;
};

// Stores a new LISTS row under listId, created now with STATUS "CREATED". Throws DbError.
void AddList(int32_t listId, const NewListDates& dates);

// The creation and test dates of a stored list.
struct ListDates {
    QDate created;
    Variant testDate; // as stored, for ShortDateText
};

// The dates of the list, nothing when there is no such list. Throws DbError.
std::optional<ListDates> ReadListDates(int32_t listId);

// The words of the list in WORD order. Throws DbError.
QStringList ListWordsByWord(int32_t listId);

// Marks the list IGNORED, so the program no longer offers to delete it. Throws DbError.
void IgnoreList(int32_t listId);

// The lists not ignored whose test date is before the day (m/d/yyyy text), in the order
// the statement reads them. A test date that holds no date and a list without a usable key are
// left out. Throws DbError.
std::vector<int32_t> ListsTestedBefore(const QString& usDayText);

// The words of the list, and its whole-list tests (practice rounds and tests never finished
// do not count). Throw DbError.
int32_t CountListWords(int32_t listId);
int32_t CountListTests(int32_t listId);
// The list's test date as short date text, "" when there is no such list. Throws DbError.
QString GetListTestDate(int32_t listId);
// Deletes the list with its words, tests and answers, then the recordings no remaining word
// plays. Throws DbError.
void DeleteList(int32_t listId);
