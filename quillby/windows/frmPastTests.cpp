#include "frmPastTests.h"

#include "ListQueries.h"
#include "ListTestPages.h"
#include "ProcessEvents.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "MsgBox.h"
#include "PracticeRounds.h"
#include "PrintCommands.h"
#include "ListProgress.h"
#include "ListProgressPanel.h"
#include "RowKeys.h"
#include "ScoreChart.h"
#include "TestQueries.h"
#include "TestGrids.h"
#include "TestReport.h"
#include "Twips.h"
#include "TaskNotices.h"
#include "frmTestResults.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

frmPastTests::frmPastTests(QWidget* parent)
    : CompanionWindow(parent, Qt::Window), OneOpenWindow(this)
{
    Build();
}

frmPastTests::frmPastTests(Unclaimed unclaimed, QWidget* parent)
    : CompanionWindow(parent, Qt::Window), OneOpenWindow(this, unclaimed)
{
    Build();
}

frmPastTests* frmPastTests::MakeAhead(QWidget* parent)
{
    auto* window = new frmPastTests(Unclaimed{}, parent);
    ReadyToMap(window);
    window->winId();
    window->aheadResults_ = frmTestResults::MakeAhead(window);
    // The wait cursor shown while a list's past tests load is looked up now: its first use
    // reads the cursor theme's files.
    window->setCursor(Qt::WaitCursor);
    window->unsetCursor();
    return window;
}

void frmPastTests::Build()
{
    setObjectName(QStringLiteral("frmPastTests"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Past Tests"));
    BuildControls();
    move(Twips(100), Twips(600));
}

void frmPastTests::BuildControls()
{
    mnuExit = AddFileMenu(this);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    Label1 = MakeLabel(central, "Label1", tr("Select a test..."));
    MSFlexGrid1 = new QTableView(central);
    ConfigureGrid(MSFlexGrid1, tr("Select a test..."));
    tests_ = new PastTestsModel(MSFlexGrid1);
    MSFlexGrid1->setModel(tests_);
    tests_->SetPageListener([this](int first, int count) { WidenTestColumn(first, count); });
    SetColumnWidth(MSFlexGrid1, PastTestsModel::DateColumn, 1400);
    SetColumnWidth(MSFlexGrid1, PastTestsModel::ScoreColumn, 1400);
    // The Score column is at least its set width and takes what the others leave.
    MSFlexGrid1->horizontalHeader()->setSectionResizeMode(PastTestsModel::ScoreColumn,
                                                          QHeaderView::Stretch);
    MSFlexGrid1->setColumnHidden(PastTestsModel::KeyColumn, true);
    MSFlexGrid1->setColumnHidden(PastTestsModel::TestColumn, true);
    MSFlexGrid1->setMinimumWidth(GridWidthForColumns(MSFlexGrid1));
    Label1->setBuddy(MSFlexGrid1);
    auto* totals = new QFormLayout;
    txtTotalTests = AddReadOnlyField(totals, central, "Label2", tr("Total Tests:"),
                             "txtTotalTests", tr("Total tests for this word list"));
    txtAverageScore =
        AddReadOnlyField(totals, central, "Label3", tr("Average Score:"), "txtAverageScore",
                 tr("Average score of all tests taken for this word list"));
    cmdExit = MakeButton(central, "cmdExit", tr("&Close"));
    progress = new ListProgressPanel(central);

    auto* buttons = new QHBoxLayout;
    cmdPrint = MakeButton(central, "cmdPrint", tr("&Print..."),
                          tr("Print the tests of this list with the chart"));
    cmdExport = MakeButton(central, "cmdExport", tr("&Export Results..."),
                           tr("Save every answer of this list's tests for a spreadsheet"));
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(Label1);
    layout->addWidget(MSFlexGrid1, 1);
    layout->addLayout(totals);
    layout->addWidget(progress, 2);
    layout->addLayout(buttons);
    resize(Twips(5600), Twips(10400));
    resize(size().expandedTo(minimumSizeHint())); // the size it is shown at

    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        QStringList facts;
        for (QLineEdit* field : {txtTotalTests, txtAverageScore})
            facts << QStringLiteral("%1: %2").arg(field->accessibleName(), field->text());
        PrintPastTests(this, listId_, facts, *MSFlexGrid1->model(), PastTestsModel::KeyColumn,
                       PastTestsModel::TestColumn, progress->chartScores);
    });
    connect(cmdExport, &QPushButton::clicked, this, [this] { ExportListResults(this, listId_); });
    // A test chosen by mouse or keyboard shows its results; a click on (or Enter in) the
    // selected test opens them again once they were closed.
    connect(MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] {
                if (!filling_)
                    RowSelected();
            });
    for (auto signal : {&QAbstractItemView::clicked, &QAbstractItemView::activated})
        connect(MSFlexGrid1, signal, this, [this] {
            if (!frmTestResults::instance())
                RowSelected();
        });
    connect(progress, &ListProgressPanel::WordChosen, this, &frmPastTests::ShowWordInResults);
}

void frmPastTests::SetListID(int32_t listId)
{
    listId_ = listId;
    LoadPastTests();
}

void frmPastTests::LoadPastTests()
{
    filling_ = true;
    const int32_t words = CountListWords(listId_);
    const ListHistory history = ListHasOddTests(listId_) ? LoadAllTests(words) : LoadPages(words);
    filling_ = false;

    const int total = static_cast<int>(history.scores.size());
    txtTotalTests->setText(QString::number(total));
    txtAverageScore->setText(PercentText(history.average));
    progress->ShowProgress(history.scores,
                           total == 0 ? std::vector<HardWord>{} : HardestWords(listId_));
    if (tests_->rowCount() == 0)
        return;
    // The oldest test's results open at once.
    filling_ = true;
    MSFlexGrid1->setCurrentIndex(tests_->index(0, PastTestsModel::DateColumn));
    filling_ = false;
    RowSelected();
    if (isVisible())
        ProcessEvents(3);
    MSFlexGrid1->setFocus();
}

ListHistory frmPastTests::LoadAllTests(int32_t words)
{
    // Every test's score by GetTestScore's rule, from a tally row per test.
    SkippedRows skipped;
    ListHistory history = HistoryOfList(ReadListTests(listId_, skipped), words);
    ShowRows(std::move(history.tests), history.practised);
    if (!skipped.empty())
        MsgBox(skipped.Message(), MsgButtons::OK, MsgIcon::Exclamation, this);
    return history;
}

ListHistory frmPastTests::LoadPages(int32_t words)
{
    // The grid reads its rows as it shows them; the chart and the totals need only the
    // first-try hits of the whole-list tests.
    ListHistory history = ScoresOfList(ReadWholeListFirstTries(listId_), words);
    const int32_t tests = static_cast<int32_t>(history.scores.size()) +
                          CountListRoundsAndUnfinished(listId_);
    tests_->SetPagedList(listId_, words, tests);
    // The Test column fits the first page's texts (the rows shown), and later pages' texts as
    // they are read: what it shows never waits for the rows it does not show.
    const bool practised = tests > history.scores.size();
    MSFlexGrid1->setColumnHidden(PastTestsModel::TestColumn, !practised);
    if (practised) {
        MSFlexGrid1->horizontalHeader()->resizeSection(PastTestsModel::TestColumn, 0);
        WidenTestColumn(0, PastTestsModel::kPageRows);
    }
    return history;
}

void frmPastTests::WidenTestColumn(int first, int count)
{
    if (MSFlexGrid1->isColumnHidden(PastTestsModel::TestColumn))
        return;
    WidenColumnToRows(MSFlexGrid1, PastTestsModel::TestColumn, first, count);
    KeepScoreColumnWidth();
}

// The grid is at least as wide as its columns: the Score column, which takes what the others
// leave, keeps its set width beside a wide Test column (the window widens instead).
void frmPastTests::KeepScoreColumnWidth()
{
    MSFlexGrid1->setMinimumWidth(GridWidthForColumns(MSFlexGrid1));
}

// The rows in the grid, with the Test column shown only when there is a practice round.
void frmPastTests::ShowRows(std::vector<PastTestsModel::Row> rows, bool practised)
{
    tests_->SetRows(std::move(rows));
    ShowTestColumn(practised);
}

void frmPastTests::ShowTestColumn(bool practised)
{
    MSFlexGrid1->setColumnHidden(PastTestsModel::TestColumn, !practised);
    if (practised)
        FitColumnToContents(MSFlexGrid1, PastTestsModel::TestColumn);
    KeepScoreColumnWidth();
}

void frmPastTests::RowSelected()
{
    const int row = MSFlexGrid1->currentIndex().row();
    if (row < 0)
        return;
    const int32_t testId = tests_->TestID(row);
    auto* results = frmTestResults::instance();
    QString word;
    if (results)
        word = results->SelectedWord();
    else
        results = NewResults();
    Guarded([&] {
        results->SetTestID(testId);
        results->SetFocusToWord(word);
    });
    PlaceCompanion();
    // Filled before the window shows, the results show with it (showEvent): the windows
    // appear together, without a pass of the event loop between them.
    if (isVisible()) {
        results->show();
        ProcessEvents(6);
    }
    MSFlexGrid1->setFocus();
}

frmTestResults* frmPastTests::NewResults()
{
    auto* results = TakeAheadOr(aheadResults_, [this] { return new frmTestResults(this); });
    results->SetOpener(ResultsOpener::PastTests);
    connect(results, &frmTestResults::ClosedToPastTests, this, &frmPastTests::SetFocusHere);
    connect(results, &frmTestResults::PractiseRequested, this, &frmPastTests::HandOverToPractice);
    return results;
}

void frmPastTests::showEvent(QShowEvent* event)
{
    CompanionWindow::showEvent(event);
    auto* results = frmTestResults::instance();
    if (results && results->parentWidget() == this && !event->spontaneous() &&
        !results->isVisible()) {
        PlaceCompanion();
        results->show();
    }
}

void frmPastTests::ShowWordInResults(const QString& word)
{
    if (!frmTestResults::instance())
        RowSelected();
    if (auto* results = frmTestResults::instance()) {
        Guarded([&] { results->SetFocusToWord(word); });
        results->raise();
    }
}

void frmPastTests::PlaceCompanion()
{
    auto* results = frmTestResults::instance();
    if (results && results->parentWidget() == this)
        PlaceBeside(results, this, y());
}

void frmPastTests::HandOverToPractice(int32_t testId)
{
    handingOver_ = true;
    close();
    emit PractiseRequested(listId_, testId);
}

void frmPastTests::SetFocusHere()
{
    raise();
    activateWindow();
    MSFlexGrid1->setFocus();
}

void frmPastTests::closeEvent(QCloseEvent* event)
{
    event->accept();
    Forget();
    if (!handingOver_)
        ReturnToLists();
}
