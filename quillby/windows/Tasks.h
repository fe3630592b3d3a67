#pragma once
#include <cstdint>

class QWidget;

// The list-level tasks the main window starts. Each runs in its own modeless window while the
// main window stays hidden; the task's window shows the main window again (frmLists::SetFocusHere)
// when it ends. The main window checks the selection before calling these.

// Loads the list editor, sets its ListID and shows it.
void OpenListEditor(int32_t listId);
// Loads the test set-up window, calls its LoadDefaults and shows it.
void OpenTestSetup();
// Opens the practice-test window on Globals::SelectedListID: with the settings of the set-up
// window when useCustomSettings, else with the stored test defaults.
void StartTest(bool useCustomSettings);
// Loads the past-tests window for a list, owned by owner, and shows it.
void OpenPastTests(int32_t listId, QWidget* owner);
