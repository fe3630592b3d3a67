#pragma once
#include "PracticeRounds.h"
#include "TestQueries.h"

#include <QByteArray>
#include <cstdint>
#include <map>
#include <vector>

// A list's tests read a page at a time, in the order of its past tests (start time, ties as
// stored), each with its place among them: what the past-tests grid shows costs the same for
// a list of ten tests and one of ten thousand.

// Whether some test of the list has a key or a start time not in the form the program stores
// (read then as a whole, row by row, to say which rows were left out). Found through an
// index of such rows alone. Throws DbError.
bool ListHasOddTests(int32_t listId);

// The list's tests, practice rounds and tests never finished among them, counted in the index
// of a list's tests. Throws DbError.
int32_t CountAllListTests(int32_t listId);

// The list's practice rounds and tests never finished, counted in an index of such tests alone
// (with the whole-list tests, one first-try count each, they make all its tests). Throws
// DbError.
int32_t CountListRoundsAndUnfinished(int32_t listId);

// The first-try hits of the list's whole-list tests, oldest first (a score per test for the
// chart and the average). Throws DbError.
std::vector<int32_t> ReadWholeListFirstTries(int32_t listId);

// One test of a page, with its place and where it stands in the order.
struct PagedTest {
    StoredTest test;
    TestPlace place;
    QByteArray startTime; // as stored
    int64_t rowid = 0;
};

// What pages read so far tell the next ones: the places of their tests, by TEST_ID, with their
// order keys (a practice round whose test was read before finds its place there without a
// statement), and the whole-list tests before the row that follows each page (the next page
// numbers its tests on from there without counting the rows before it).
struct KnownPlaces {
    std::map<int32_t, PagedTest> tests;
    std::map<int, int32_t> wholeBefore; // row -> whole-list tests in the rows before it
};

// The `count` tests of a list from the `first` (0 the oldest) with their places, as
// HistoryOfList places them; adds them to known. Only for a list without odd tests. Throws
// DbError.
std::vector<PagedTest> ReadListTestPage(int32_t listId, int first, int count, KnownPlaces& known);
