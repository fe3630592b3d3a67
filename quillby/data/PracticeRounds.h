#pragma once
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// Practice rounds of missed words: stored tests whose TESTS.PRACTICE_OF names the test whose
// missed words they asked (a whole-list test, or an earlier round). They are kept like any
// test, but a list's history (its test count, average, chart and hardest words) is that of
// its whole-list tests.

// Where a test stands among the tests of its list, as the user knows it: whole-list tests are
// numbered 1, 2, ... oldest first, as the chart of the scores counts them; a practice round
// carries the number of the whole-list test its chain of rounds began with, and its round
// (1 on that test's missed words, 2 on the first round's, ...).
struct TestPlace {
    int number = 0; // for a round: 0 when the test it practised is not among the list's tests
    int round = 0;  // 0 for a whole-list test
};

// One test of a list: its TEST_ID and the test it practised (nothing for a whole-list test;
// 0 when PRACTICE_OF holds no usable key).
using ListTest = std::pair<int32_t, std::optional<int32_t>>;

class Recordset;

// The PRACTICE_OF of a record set's current row, as ListTest holds it.
std::optional<int32_t> PractisedTest(const Recordset& rs);

// The places of a list's tests, given oldest first.
std::map<int32_t, TestPlace> TestPlaces(const std::vector<ListTest>& tests);

// The place of one stored test among the tests of its list. Throws DbError.
TestPlace PlaceOfTest(int32_t testId);

// The rows of a statement over WORD_ATTEMPTS that belong to no practice round: a word's
// statistics in the list editor count its whole-list tests, as its "Total Tests" does.
// Throws DbError.
int32_t CountWholeListAttempts(const QString& attemptsSql);
