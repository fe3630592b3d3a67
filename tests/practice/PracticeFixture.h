#pragma once
#include "MsgBox.h"
#include "TestDb.h"
#include "TestOptions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class frmRevealAnswer;
class frmTest;

// One stored answer, as the results read it.
struct AttemptRow {
    int32_t wordId = 0;
    QString guess;
    QString result;
    int32_t number = 0;
    bool operator==(const AttemptRow&) const = default;
};

// A fresh application folder with a real database holding the default settings row,
// temporary messages off, message boxes answered by the test, and a pump that answers the
// modal windows a test opens (temporary messages, the reveal window).
class PracticeTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rows made straight in the database, as earlier sessions of the program left them.
    int32_t AddList();
    int32_t AddWord(int32_t listId, const QString& text, bool caseSensitive = false,
                    const QString& definition = QStringLiteral("a definition"),
                    const QString& sentence = QStringLiteral("a sentence"));
    int32_t AddStoredTest(int32_t listId, int32_t moveOnAfter, const QDateTime& start,
                          const QDateTime& end);
    void AddAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                    bool correct, int32_t number);
    void SetSetting(const char* column, const QString& value);
    QString Setting(const char* column) const;
    int CountRows(const QString& sql) const;
    std::vector<AttemptRow> Attempts(int32_t testId) const;

    // Starts a test on a list with the given settings and shows its window.
    frmTest* Begin(int32_t listId, const TestSettings& settings);
    // Types an answer and presses Enter.
    void Answer(frmTest* test, const QString& text);

    // Steps run, one per appearance, on the reveal window while it waits.
    std::deque<std::function<void(frmRevealAnswer*)>> revealSteps;
    int revealsSeen = 0;
    // Temporary messages seen while MessageTime is on: "top|bottom".
    QStringList tempMessages;
    // Answers for the coming message boxes (default: OK / Yes) and the texts shown.
    std::deque<MsgResult> answers;
    QStringList messages;
    std::unique_ptr<TestAppFolder> folder;

private:
    void Pump();
    QTimer pump_;
    bool stepPending_ = false;
};

// Closes every window the practice test opened and lets their deletion run.
void CloseTestWindows();
