#pragma once
#include "RowKeys.h"

class Connection;

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The TESTS rows and their attempts as the results, word-attempts and past-tests windows
// read them.

// One stored test of a list as read, oldest first.
struct StoredTest {
    int32_t testId = 0;
    QDate date;
    bool unfinished = false;
    std::optional<int32_t> practiceOf; // the test a practice round practised
    int32_t firstTry = 0;
    int32_t wordsAsked = 0;
};

// The tests of a list, oldest first, with each one's first-try hits and words asked from the
// tallies the database keeps. A row whose key is damaged is left out and added to skipped.
// Throws DbError.
std::vector<StoredTest> ReadListTests(int32_t listId, SkippedRows& skipped);

// A test's own row.
struct TestRow {
    int32_t listId = 0;
    std::optional<int32_t> practiceOf; // as PractisedTest reads it: 0 when the key is damaged
    bool unfinished = false;
    QDateTime start;
    QDateTime end;
    int32_t moveOnAfter = 0;
};

// The row of the test; nothing when it has none. Throws DbError.
std::optional<TestRow> ReadTestRow(int32_t testId);

// The words of a test right at the first attempt, and those still wrong at the last allowed
// attempt. Throw DbError.
int32_t CountTestFirstTryCorrect(int32_t testId);
int32_t CountTestMovedOn(int32_t testId, int32_t moveOnAfter);

// A word of a list with its wrong answers in one test.
struct WordMisses {
    int32_t wordId = 0;
    QString word;
    int misses = 0;
};

// The words of the list in WORD order with their wrong answers in the test, in one statement;
// only the words the test asked when askedOnly. A row whose key is damaged is left out and
// added to skipped. Throws DbError.
std::vector<WordMisses> ReadWordsWithMisses(int32_t testId, int32_t listId, bool askedOnly,
                                            SkippedRows& skipped);

// The wrong answers to a word in a test, in the order they were given. Throws DbError.
QStringList ReadWrongGuesses(int32_t testId, int32_t wordId);

// The words a test stored answers for. Throws DbError.
int32_t CountWordsAsked(int32_t testId);
// Per cent right at the first attempt, halves to even: of the list's words for a whole-list
// test, of the words asked for a practice round or a test never finished. Throws DbError.
int32_t GetTestScore(int32_t testId);

// Appends one answer to WORD_ATTEMPTS. Throws DbError.
void RecordAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                   const QString& result, int32_t attemptNumber);
void RecordAttempt(Connection& db, int32_t testId, int32_t listId, int32_t wordId,
                   const QString& guess, const QString& result, int32_t attemptNumber);
// Deletes the test's row and its answers, together. Throws DbError.
void DeleteTest(int32_t testId);
void DeleteTest(Connection& db, int32_t testId);
