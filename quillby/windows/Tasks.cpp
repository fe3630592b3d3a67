#include "Tasks.h"

#include "ErrorReport.h"
#include "frmEditList.h"
#include "frmLists.h"

// Interim: until the task windows exist, a task only brings the main window back.
namespace {
void BackToMainWindow()
{
    if (auto* main = frmLists::instance())
        main->SetFocusHere();
}
} // namespace

void OpenListEditor(int32_t listId)
{
    auto* editor = frmEditList::instance();
    if (!editor)
        editor = new frmEditList;
    if (!Guarded([&] { editor->SetListID(listId); })) {
        editor->close(); // shows the main window again
        return;
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}
void OpenTestSetup() { BackToMainWindow(); }
void StartTest(bool) { BackToMainWindow(); }
void OpenPastTests(int32_t, QWidget*) { BackToMainWindow(); }
