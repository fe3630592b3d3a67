#include "Tasks.h"

#include "ErrorReport.h"
#include "frmEditList.h"
#include "Globals.h"
#include "frmLists.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestSetup.h"

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

void OpenTestSetup()
{
    auto* setup = frmTestSetup::instance();
    if (!setup)
        setup = new frmTestSetup;
    if (!Guarded([&] { setup->LoadDefaults(); })) {
        setup->close(); // shows the main window again
        return;
    }
    setup->show();
    setup->raise();
    setup->activateWindow();
}

void StartTest(bool useCustomSettings)
{
    auto* test = new frmTest;
    if (useCustomSettings)
        test->LoadCustomOptions();
    else
        test->LoadDefaultOptions();
    // Start closes the window and shows the main window again when no test runs.
    if (test->Start(Globals::SelectedListID))
        test->show();
}

void OpenPastTests(int32_t listId, QWidget* owner)
{
    auto* past = frmPastTests::instance();
    if (!past)
        past = new frmPastTests(owner);
    if (!Guarded([&] { past->SetListID(listId); })) {
        past->close(); // shows the main window again
        return;
    }
    past->show();
    past->SetFocusHere();
}
