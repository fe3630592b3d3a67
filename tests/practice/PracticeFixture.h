#pragma once
#include "MessageBoxes.h"
#include "PracticeRows.h"
#include "Tasks.h"
#include "TestOptions.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>

class QAbstractItemView;
class frmRevealAnswer;
class frmTest;

// A fresh application folder with a real database holding the default settings row,
// temporary messages off, message boxes answered by the test, and a pump that answers the
// modal windows a test opens (temporary messages, the reveal window).
class PracticeTest : public ::testing::Test, protected PracticeRows {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a test on a list with the given settings and shows its window, as the program
    // does (its results follow it); nullptr when no test runs.
    frmTest* Begin(int32_t listId, const TestSettings& settings);
    // Types an answer and presses Enter.
    void Answer(frmTest* test, const QString& text);
    // A list of three words with the longest clues a family might type; "beautiful" has a
    // recording.
    int32_t AddListOfLongWords();

    // Steps run, one per appearance, on the reveal window while it waits.
    std::deque<std::function<void(frmRevealAnswer*)>> revealSteps;
    int revealsSeen = 0;
    // Temporary messages seen while MessageTime is on: "top|bottom".
    QStringList tempMessages;
    // Answers for the coming message boxes (default: OK / Yes) and the texts shown.
    MessageBoxes boxes;
    std::deque<MsgResult>& answers = boxes.answers;
    QStringList& messages = boxes.texts;
    // Opens the task windows and connects them, as for the main window.
    Tasks tasks;

private:
    void Pump();
    QTimer pump_;
    bool stepPending_ = false;
};

// Closes every window the practice test opened and lets their deletion run.
void CloseTestWindows();

// A grid read and driven through its model, the way a view shows it and a click moves in it.
QString CellText(const QAbstractItemView* grid, int row, int column);
int RowCount(const QAbstractItemView* grid);
void SelectRow(QAbstractItemView* grid, int row);
