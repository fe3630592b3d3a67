#pragma once
#include "PracticeStore.h"

#include <memory>

class Connection;

// A practice test's words, answers and TESTS row in the database of a connection.
class SqlitePracticeStore : public PracticeStore {
public:
    explicit SqlitePracticeStore(Connection& db) : db_(db) {}

    QStringList TestWordIds(int32_t listId, int32_t missedIn, WordSort sort,
                            SkippedRows& skipped) override;
    std::optional<PracticeWord> ReadWord(const QString& wordId) override;
    int32_t NewTestId() override;
    void MarkRunning(const RunningTest& test) override;
    void StoreAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                      const QString& result, int32_t attemptNumber) override;
    void StoreTest(const RunningTest& test, const QDateTime& endTime) override;
    void DiscardTest(int32_t testId) override;

private:
    Connection& db_;
};

// The store of the program's own database (Globals::DbConnection()).
std::unique_ptr<PracticeStore> ProgramPracticeStore();
