#pragma once
#include "Variant.h"

#include <QString>
#include <cstdint>

// Shared procedures over the database and the sound folder. All use Globals::DbConnection()
// and Globals::WavPath; database failures raise DbError to the calling operation.

int32_t CountListWords(int32_t listId);
int32_t CountListTests(int32_t listId);    // whole-list tests: practice rounds do not count
int32_t CountWordsAsked(int32_t testId);   // the words a test stored answers for
QString GetWordText(int32_t wordId);      // "" when there is no such word
QString GetListTestDate(int32_t listId);  // short date text, "" when there is no such list
int32_t GetTestScore(int32_t testId);     // per cent right at the first attempt, halves to even
                                          // (of the words asked, for a practice round)

// numerator / denominator (both >= 0, denominator > 0) rounded to the nearest whole number,
// halves to the even neighbour, computed exactly in whole numbers.
int64_t DivideHalfEven(int64_t numerator, int64_t denominator);
// A test's score as the results and the past tests show it: first-try hits as a whole per
// cent of the list's words; 100 for a list without words.
int32_t ScorePercent(int64_t firstTryCorrect, int64_t listWords);
// GetTestScore's rule from its two counts: 0 without first-try hits, else ScorePercent.
int32_t TestScore(int64_t firstTryCorrect, int64_t listWords);
void RecordAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                   const QString& result, int32_t attemptNumber);
// Whether a word (other than exceptWordId) has this text in any letter case, and so plays the
// recording of that text.
bool WordTextInUse(const QString& text, int32_t exceptWordId = 0);
void DeleteWord(int32_t wordId);
void DeleteList(int32_t listId);
void DeleteTest(int32_t testId);

// 0..max inclusive, re-seeded from the time of day; varies between draws in one clock tick.
int32_t RandomNumber(int32_t max);

void DeleteFileQuietly(const QString& path);

QString CheckValueToText(int checkValue);  // 1 -> "TRUE", anything else "FALSE"
int TextToCheckValue(const QString& text); // "TRUE" in any case -> 1, else 0
bool TextToBoolean(const QString& text);   // "TRUE" in any case -> true

// A stored date in the platform's short date form, as the grid and the prompts show dates;
// a value that is no date shows as its text.
QString ShortDateText(const Variant& value);

// "Let pending window events run n times."
void ProcessEvents(int times);
