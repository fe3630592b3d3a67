#include "Tasks.h"

#include "ErrorReport.h"
#include "Globals.h"
#include "OneOpenWindow.h"
#include "TaskNotices.h"
#include "AfterFirstPaint.h"
#include "frmEditList.h"
#include "frmLists.h"
#include "frmPastTests.h"
#include "frmTest.h"
#include "frmTestResults.h"
#include "frmTestSetup.h"

#include <QEvent>
#include <QTimer>

namespace {
// Runs a task the main window handed over; when it fails the user is back at the lists.
template <class F>
void RunTask(F&& task)
{
    if (!Guarded(std::forward<F>(task)))
        ReturnToLists();
}
} // namespace

Tasks::Tasks(frmLists* main) : main_(main)
{
    if (main_)
        ServeMainWindow();
}

Tasks::~Tasks()
{
    delete ahead_.data();
    delete pastAhead_.data();
}

void Tasks::ServeMainWindow()
{
    connect(main_, &frmLists::EditListRequested, this,
            [this](int32_t listId) { RunTask([&] { OpenListEditor(listId); }); });
    connect(main_, &frmLists::TestRequested, this,
            [this](int32_t listId) { RunTask([&] { TestList(listId); }); });
    connect(main_, &frmLists::PastTestsRequested, this,
            [this](int32_t listId) { RunTask([&] { OpenPastTests(listId); }); });
}

void Tasks::TestList(int32_t listId)
{
    if (Globals::SkipTestSetup)
        StartTest(listId, ReadDefaultTestSettings());
    else
        OpenTestSetup(listId);
}

// A window that cannot load closes, which shows the main window again.
frmEditList* Tasks::OpenListEditor(int32_t listId)
{
    return OpenOne<frmEditList>([] { return new frmEditList; },
                                [listId](frmEditList& editor) { editor.SetListID(listId); });
}

frmTestSetup* Tasks::OpenTestSetup(int32_t listId)
{
    auto* setup = OpenOne<frmTestSetup>([] { return new frmTestSetup; },
                                        [](frmTestSetup& window) { window.LoadDefaults(); });
    if (!setup)
        return nullptr;
    setup->disconnect(this); // an open window may have been opened for another list
    connect(setup, &frmTestSetup::TestChosen, this,
            [this, listId](const TestSettings& settings) { StartTest(listId, settings); });
    return setup;
}

frmTest* Tasks::StartTest(int32_t listId, const TestSettings& settings)
{
    return BeginTest(listId, 0, settings);
}

frmTest* Tasks::PractiseMissedWords(int32_t listId, int32_t testId, const TestSettings& settings)
{
    return BeginTest(listId, testId, settings);
}

// The window shows only when a test runs (Start otherwise closes it and returns to the lists).
frmTest* Tasks::BeginTest(int32_t listId, int32_t practisedTestId, const TestSettings& settings)
{
    auto* test = new frmTest;
    connect(test, &frmTest::Finished, this,
            [this, listId, settings](int32_t testId) { ShowResults(listId, testId, settings); });
    connect(test, &frmTest::LastWordAsked, this, [this, test] {
        if (!ahead_) {
            ahead_ = frmTestResults::MakeAhead();
            aheadFor_ = test;
        }
    });
    // A test left after its last word was asked shows no results: what it made goes with it.
    connect(test, &QObject::destroyed, this, [this, test] {
        if (ahead_ && aheadFor_ == test)
            delete ahead_.data();
    });
    const bool running = practisedTestId != 0
                             ? test->StartPractice(listId, practisedTestId, settings)
                             : test->Start(listId, settings);
    if (!running)
        return nullptr;
    test->show();
    return test;
}

void Tasks::ShowResults(int32_t listId, int32_t testId, const TestSettings& settings)
{
    auto* results = TakeAheadOr(ahead_, [] { return new frmTestResults; });
    Guarded([&] { results->SetTestID(testId); });
    results->SetOpener(ResultsOpener::Test);
    connect(results, &frmTestResults::TestAgainRequested, this,
            [this, listId, settings] { StartTest(listId, settings); });
    const auto practise = [this, listId, settings](int32_t missedOf) {
        PractiseMissedWords(listId, missedOf, settings);
    };
    connect(results, &frmTestResults::PractiseRequested, this, practise);
    results->show();
}

// Past Tests is a child of the main window. A practice round from there takes the stored
// defaults, as a test started without the set-up window does.
frmPastTests* Tasks::OpenPastTests(int32_t listId)
{
    const auto practise = [this](int32_t list, int32_t testId) {
        PractiseMissedWords(list, testId, ReadDefaultTestSettings());
    };
    const auto make = [this, practise] {
        auto* window = TakeAheadOr(pastAhead_, [this] { return new frmPastTests(main_); });
        connect(window, &frmPastTests::PractiseRequested, this, practise);
        return window;
    };
    auto* past = OpenOne<frmPastTests>(
        make, [listId](frmPastTests& window) { window.SetListID(listId); });
    if (past)
        past->SetFocusHere();
    return past;
}

void Tasks::KeepPastTestsReady()
{
    if (!main_)
        return;
    main_->installEventFilter(this);
    if (main_->isVisible()) // shown already, and painted
        QTimer::singleShot(kAheadIdleMs, this, &Tasks::MakePastTestsAhead);
}

bool Tasks::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: a filter installed on the window while its events are filtered would be
    // handed the same event again.
    if (watched == main_ && event->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, &Tasks::MakePastTestsAheadSoon, Qt::QueuedConnection);
    return false;
}

// Made while the user looks at the main window, after what its showing starts (its paint,
// the day's backup) has had its turn: about 10 ms that no paint waits for.
void Tasks::MakePastTestsAheadSoon()
{
    RunAfterFirstPaint(main_, [tasks = QPointer<Tasks>(this)] {
        if (tasks)
            QTimer::singleShot(kAheadIdleMs, tasks, [tasks] { tasks->MakePastTestsAhead(); });
    });
}

void Tasks::MakePastTestsAhead()
{
    // Not while the main window is hidden (a task runs), nor beside an open Past Tests.
    if (pastAhead_ || !main_->isVisible() || frmPastTests::instance())
        return;
    pastAhead_ = frmPastTests::MakeAhead(main_);
}
