#pragma once
#include "PracticeRounds.h"
#include "TestQueries.h" // StoredTest

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What a finished (or stopped) test comes to, from rows already read: its score and counts,
// each word's verdict and attempt text, its minutes, and a list's history of tests. The
// results, word-attempts and past-tests windows show what these return.

// The summary of one test. A whole-list test is scored on its list's words, a practice round
// or a test never finished on the words it asked.
struct TestSummary {
    int32_t wordsOnTest = 0;
    int32_t firstTry = 0; // words right at the first attempt
    int32_t movedOn = 0;  // words still wrong at the last allowed attempt
    int32_t score = 0;    // percent of the words on the test, half to even
};
TestSummary SummariseTest(bool wholeList, int32_t listWords, int32_t wordsAsked, int32_t firstTry,
                          int32_t movedOn);

// How a word went in a test, from its wrong attempts and the attempts allowed.
enum class WordColour { White, Yellow, Red }; // right, right after misses, moved on
struct WordVerdict {
    int attempts = 1;
    WordColour colour = WordColour::White;
};
WordVerdict JudgeWord(int misses, int moveOnAfter);

// The sentence under a word's attempts, and whether the right spelling ends its list of
// attempts (it does unless the word was moved on).
QString AttemptResultText(int misses, int moveOnAfter);
bool EndsWithRightSpelling(int misses, int moveOnAfter);

// Whole minutes on the clock between two times (10:00:59 to 10:01:01 is one minute).
int MinutesBetween(const QDateTime& start, const QDateTime& end);

// "57 %".
QString PercentText(int score);
// A practice round's name: "Missed words of test N" with its round from the second on.
QString PracticeRoundText(const TestPlace& place);
// The Test column of the past tests: the number of a whole-list test, a round's name, or
// "Not finished".
QString TestNameText(const TestPlace& place, bool unfinished);

// One line of a list's history.
struct PastTest {
    int32_t testId = 0;
    QDate date;
    int score = 0;
    TestPlace place;
    bool unfinished = false; // stored as far as it went when the program stopped
};

// A list's history: every test with its score and place; the total, scores and average of
// its whole-list tests only (rounds and unfinished tests stay out).
struct ListHistory {
    std::vector<PastTest> tests;
    QList<int> scores;
    int average = 0;
    bool practised = false; // some test is a practice round or unfinished
};
ListHistory HistoryOfList(const std::vector<StoredTest>& tests, int32_t listWords);
// The scores and average of a list's whole-list tests from their first-try hits, oldest
// first (the history without its rows).
ListHistory ScoresOfList(const std::vector<int32_t>& firstTries, int32_t listWords);
