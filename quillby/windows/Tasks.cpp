#include "Tasks.h"

#include "ErrorReport.h"
#include "Globals.h"
#include "frmEditList.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestSetup.h"

namespace {
// Loads a test window, fills TestOptions with chooseSettings and begins the test; the
// window shows only when a test runs (Start otherwise closes it and returns to the lists).
template <class ChooseSettings>
void BeginTest(ChooseSettings chooseSettings, int32_t practisedTestId = 0)
{
    auto* test = new frmTest;
    chooseSettings(*test);
    if (practisedTestId != 0 ? test->StartPractice(Globals::SelectedListID, practisedTestId)
                             : test->Start(Globals::SelectedListID))
        test->show();
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
    BeginTest([useCustomSettings](frmTest& test) {
        auto* setup = frmTestSetup::instance();
        if (useCustomSettings && setup)
            test.LoadCustomOptions(setup->ChosenSettings());
        else if (!useCustomSettings)
            test.LoadDefaultOptions();
    });
}

void StartTestAgain()
{
    BeginTest([](frmTest& test) { test.UsePreviousTestOptions(); });
}

void PractiseMissedWords(int32_t testId)
{
    BeginTest([](frmTest& test) { test.UsePreviousTestOptions(); }, testId);
}

void PractisePastMissedWords(int32_t listId, int32_t testId)
{
    Globals::SelectedListID = listId; // "Test Again?" after the round tests this list
    BeginTest([](frmTest& test) { test.LoadDefaultOptions(); }, testId);
}

bool TestRunning() { return frmTest::instance() != nullptr; }

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
