#pragma once
#include "RowKeys.h"
#include "RunningTests.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What a practice test reads and stores: its words, its answers and its TESTS row. The
// session asks through this interface; SqlitePracticeStore keeps it in the database.

// The order the words of a test are read in (a random order is drawn from the stored one).
enum class WordSort { Stored, ByWordId, ByWord };

// A stored word as a test asks it.
struct PracticeWord {
    int32_t wordId = 0;
    QString word;
    QString definition;
    QString sentence;
    bool caseSensitive = false;
};

// Every call throws DbError when the store refuses.
class PracticeStore {
public:
    virtual ~PracticeStore() = default;

    // The WORD_ID texts of the list's words in the given order; when missedIn is not 0 only
    // the words not right at the first attempt of that test. A row whose key is damaged is
    // left out and added to skipped.
    virtual QStringList TestWordIds(int32_t listId, int32_t missedIn, WordSort sort,
                                    SkippedRows& skipped) = 0;
    // The word; nothing when it is no longer stored.
    virtual std::optional<PracticeWord> ReadWord(const QString& wordId) = 0;
    // A TEST_ID never handed out before.
    virtual int32_t NewTestId() = 0;
    // Lists the test as running, with what its row needs if the program never finishes it.
    virtual void MarkRunning(const RunningTest& test) = 0;
    // Appends one answer of the test.
    virtual void StoreAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                              const QString& result, int32_t attemptNumber) = 0;
    // Stores the finished test's row and ends its running mark, together.
    virtual void StoreTest(const RunningTest& test, const QDateTime& endTime) = 0;
    // Removes the test's answers (and row) and ends its running mark.
    virtual void DiscardTest(int32_t testId) = 0;
};
