#pragma once
#include <cstdint>

class QWidget;

// The list-level tasks the main window starts. Each runs in its own modeless window while the
// main window stays hidden; the task's window says when it ends (ReturnToLists, TaskNotices.h)
// and the main window, which listens, shows itself again. The main window checks the
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
// A practice round on Globals::SelectedListID with the settings of the test just finished,
// asking only the words of that test (testId) that were not right at the first attempt.
void PractiseMissedWords(int32_t testId);
// A practice round on the missed words of a past test (testId) of listId, which becomes
// Globals::SelectedListID, with the stored test defaults, as a plain test takes them.
void PractisePastMissedWords(int32_t listId, int32_t testId);
// Whether a practice-test window is open.
bool TestRunning();
// Loads the past-tests window for a list, owned by owner, and shows it.
void OpenPastTests(int32_t listId, QWidget* owner);
