#pragma once
#include <QDateTime>
#include <cstdint>

class Connection;

// The answers of a test are stored as they are given, before the test's own row exists. Each
// running test is listed in RUNNING_TESTS while it runs, with what its row will need, so that
// the next start finds the tests the program never finished (killed, crashed, the machine
// switched off) without reading the whole answer table, and keeps their answers: such a test
// is stored as far as it went, marked TESTS.UNFINISHED, for the parent to see.

// Adds RUNNING_TESTS (or its later columns) to a database made before it had them; when the
// table itself is new, the answers of every test without a TESTS row (left by a program that
// listed no running tests) are removed once.
void PrepareRunningTests(Connection& connection);

// What a running test's row needs when the test is kept unfinished.
struct RunningTest {
    int32_t testId = 0;
    int32_t listId = 0;
    int32_t moveOnAfter = 0;
    QDateTime startTime;
    int32_t practiceOf = 0; // 0 for a test of the whole list
};

// A test has started, and has ended (stored or given up: a test given up keeps nothing).
void MarkTestRunning(const RunningTest& test);
void MarkTestEnded(int32_t testId);
void MarkTestRunning(Connection& db, const RunningTest& test);
void MarkTestEnded(Connection& db, int32_t testId);

// At start-up, while this program holds the database alone: stores each test still listed
// that has answers but no TESTS row as an unfinished test (its end time unknown, given as its
// start), and empties the list. Returns how many tests it kept.
int KeepUnfinishedTests();
