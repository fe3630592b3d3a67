#pragma once
#include "TestOptions.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class frmEditList;
class frmLists;
class frmPastTests;
class frmTest;
class frmTestSetup;
class frmTestResults;

// The one place that makes the list-level task windows and connects them. The main window
// and the task windows say what the user asked for as signals (edit this list, a test with
// these settings, the test again, its missed words, the past tests); Tasks opens the window
// that does it, with the list and the settings as arguments. Each task runs in its own
// modeless window while the main window stays hidden; the task's window says when it ends
// (ReturnToLists, TaskNotices.h) and the main window, which listens, shows itself again.
class Tasks : public QObject {
    Q_OBJECT
public:
    // Serves the requests of the main window; with none, the task windows are opened through
    // the functions below alone.
    explicit Tasks(frmLists* main = nullptr);
    ~Tasks() override;

    // Loads the list editor (or takes the open one) for a list and shows it.
    frmEditList* OpenListEditor(int32_t listId);
    // Loads the test set-up window with the stored defaults; Continue tests the list.
    frmTestSetup* OpenTestSetup(int32_t listId);
    // A test of the list with these settings, its results after it. Returns the test window,
    // or nullptr when no test runs (the window has then returned to the lists).
    frmTest* StartTest(int32_t listId, const TestSettings& settings);
    // A practice round on the words of a stored test (testId) of the list that were not right
    // at the first attempt, likewise.
    frmTest* PractiseMissedWords(int32_t listId, int32_t testId, const TestSettings& settings);
    // Loads the past tests of a list and shows them.
    frmPastTests* OpenPastTests(int32_t listId);
    // From now on keeps a Past Tests window made ahead, hidden, whenever the main window has
    // shown for a moment: opening Past Tests then only loads the list. The program's own
    // choice; without it each opening makes its windows.
    void KeepPastTestsReady();

protected:
    // The main window shown: time to make the next Past Tests ahead.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ServeMainWindow();
    // The Test command: the set-up window, or a test with the stored defaults at once.
    void TestList(int32_t listId);
    frmTest* BeginTest(int32_t listId, int32_t practisedTestId, const TestSettings& settings);
    // The results of a test just taken; Test Again and the missed words keep its settings.
    void ShowResults(int32_t listId, int32_t testId, const TestSettings& settings);
    // Makes a Past Tests ahead once the main window has painted and has been idle a moment.
    void MakePastTestsAheadSoon();
    void MakePastTestsAhead();

    frmLists* main_;
    // Results made ready while a test's last word is asked, for the next results shown.
    QPointer<frmTestResults> ahead_;
    // The test whose last word made them (compared only: it may be gone).
    const QObject* aheadFor_ = nullptr;
    // The Past Tests window made ahead, hidden, for the next one opened.
    QPointer<frmPastTests> pastAhead_;
    // How long the main window is left to itself after its paint before one is made.
    static constexpr int kAheadIdleMs = 300;
};
