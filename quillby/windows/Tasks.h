#pragma once
#include <QObject>
#include <cstdint>

class QWidget;

// The list-level tasks the main window starts. Each runs in its own modeless window while the
// main window stays hidden; the task's window says when it ends (ReturnToLists) and the main
// window, which listens to TaskNotices, shows itself again. The main window checks the
// selection before calling these.

// Loads the list editor, sets its ListID and shows it.
void OpenListEditor(int32_t listId);
// Loads the test set-up window, calls its LoadDefaults and shows it.
void OpenTestSetup();
// Opens the practice-test window on Globals::SelectedListID: with the settings of the set-up
// window when useCustomSettings, else with the stored test defaults.
void StartTest(bool useCustomSettings);
// Another test on Globals::SelectedListID with the settings of the test just finished.
void StartTestAgain();
// Whether a practice-test window is open.
bool TestRunning();
// Loads the past-tests window for a list, owned by owner, and shows it.
void OpenPastTests(int32_t listId, QWidget* owner);

// What the task windows tell the main window without knowing it.
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
