#pragma once
#include <QObject>
#include <cstdint>

// What the task windows (list editor, test set-up, test, results, past tests) tell the main
// window without knowing it: they call the three functions below, the main window listens to
// the board's signals.
class TaskNoticeBoard : public QObject {
    Q_OBJECT
signals:
    // The words or tests of a list changed: its row shows new counts.
    void ListChanged(int32_t listId);
    // A practice test of a list was stored.
    void TestStored(int32_t listId);
    // The task has ended: the main window shows itself again.
    void TaskEnded();
};
TaskNoticeBoard& TaskNotices();

void ListChanged(int32_t listId);
void TestStored(int32_t listId);
void ReturnToLists();
