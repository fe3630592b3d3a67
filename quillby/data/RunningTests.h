#pragma once
#include <cstdint>

class Connection;

// The answers of a test are stored as they are given, before the test's own row exists. A test
// the program never finished (killed, the machine switched off) would leave its answers for
// ever, counted as wrong guesses. Each running test is listed in RUNNING_TESTS while it runs, so
// the next start removes exactly those answers without reading the whole answer table.

// Adds RUNNING_TESTS to a database made before it existed; that first time, the answers of
// every test without a TESTS row are removed once.
void PrepareRunningTests(Connection& connection);

// A test has started, and has ended (stored or given up).
void MarkTestRunning(int32_t testId);
void MarkTestEnded(int32_t testId);

// At start-up, while this program holds the database alone: removes the answers of the tests
// still listed that have no TESTS row, and empties the list. Returns how many tests it cleared.
int RemoveUnfinishedTests();
