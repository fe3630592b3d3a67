#include "frmTestResults.h"

#include "ListQueries.h"
#include "ProcessEvents.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "DateTexts.h"
#include "Translation.h"
#include "Globals.h"
#include "PrintCommands.h"
#include "MsgBox.h"
#include "PracticeRounds.h"
#include "RowKeys.h"
#include "TestQueries.h"
#include "TestGrids.h"
#include "TestReport.h"
#include "Twips.h"
#include "TaskNotices.h"
#include "frmTestWordDetails.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QColor RowColour(WordColour colour)
{
    switch (colour) {
    case WordColour::Red:
        return QColor(255, 0, 0);
    case WordColour::Yellow:
        return QColor(255, 255, 0);
    default:
        return QColor(255, 255, 255);
    }
}
} // namespace

frmTestResults::frmTestResults(QWidget* parent)
    : CompanionWindow(parent, Qt::Window), OneOpenWindow(this)
{
    Load();
}

frmTestResults::frmTestResults(Unclaimed unclaimed, QWidget* parent)
    : CompanionWindow(parent, Qt::Window), OneOpenWindow(this, unclaimed)
{
    Load();
}

void frmTestResults::Load()
{
    setObjectName(QStringLiteral("frmTestResults"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Test Results"));
    BuildControls();
    move(Twips(300), Twips(500));
}

frmTestResults* frmTestResults::MakeAhead(QWidget* parent)
{
    auto* results = new frmTestResults(Unclaimed{}, parent);
    results->details_ = new frmTestWordDetails(results);
    ReadyToMap(results);
    ReadyToMap(results->details_);
    // The results' native window is made now; the word attempts' is not: a window with a
    // parent asking for one would make every control of its parent native.
    results->winId();
    return results;
}

void frmTestResults::BuildControls()
{
    mnuExit = AddFileMenu(this);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* when = new QFormLayout;
    txtDate = AddReadOnlyField(when, central, "Label5", tr("Date:"), "txtDate");
    txtStartTime = AddReadOnlyField(when, central, "Label7", tr("Time:"), "txtStartTime");

    frameSummary = new QGroupBox(tr("Summary"), central);
    frameSummary->setObjectName(QStringLiteral("frameSummary"));
    auto* summary = new QFormLayout(frameSummary);
    txtScore = AddReadOnlyField(summary, frameSummary, "Label3", tr("Score:"), "txtScore",
                        tr("The score for this test"));
    txtCorrectOnFirstTry = AddReadOnlyField(
        summary, frameSummary, "Label2", tr("First Try:"), "txtCorrectOnFirstTry",
        tr("The number of words spelled correctly on the first attempt"));
    txtTotalWords = AddReadOnlyField(summary, frameSummary, "Label4", tr("Words on Test:"),
                             "txtTotalWords", tr("The number of words on the test"));
    txtMovedOn = AddReadOnlyField(summary, frameSummary, "Label6", tr("Moved on:"),
                          "txtMovedOn",
                          tr("The number of words that were not spelled correctly in "
                                         "the allotted number of attempts"));
    txtTotalTime = AddReadOnlyField(summary, frameSummary, "Label1", tr("Minutes:"),
                            "txtTotalTime",
                            tr("The total time in minutes this test took"));

    MSFlexGrid1 = MakeGrid(central, tr("Words"), 0);
    KeepColoursWhenSelected(MSFlexGrid1);
    ResetResultsGrid(); // the columns' widths, which the grid's least width follows
    MSFlexGrid1->setMinimumWidth(GridWidthForColumns(MSFlexGrid1));
    Label8 = MakeLabel(central, "Label8", tr("Click on a word to view the details"));
    cmdExit = MakeButton(central, "cmdExit", tr("&Close"), tr("Close this screen"));
    cmdPractiseMissed =
        MakeButton(central, "cmdPractiseMissed", tr("Practise &Missed Words"),
                   tr("Practise only the words that were not right at the first attempt"));
    lblPracticeRound = MakeLabel(central, "lblPracticeRound", QString());
    lblPracticeRound->setWordWrap(true);
    lblPracticeRound->hide();
    cmdPractiseMissed->hide();

    auto* left = new QVBoxLayout;
    left->addLayout(when);
    left->addWidget(lblPracticeRound);
    left->addWidget(frameSummary);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(MSFlexGrid1, 1);
    right->addWidget(Label8);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    cmdPrint = MakeButton(central, "cmdPrint", tr("&Print..."), tr("Print this test's results"));
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdPractiseMissed);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(Twips(7400), Twips(5000));
    resize(size().expandedTo(minimumSizeHint())); // the size it is shown at

    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        QStringList facts;
        for (QLineEdit* field : {txtDate, txtStartTime, txtScore, txtCorrectOnFirstTry,
                                 txtTotalWords, txtMovedOn, txtTotalTime})
            facts << QStringLiteral("%1: %2").arg(field->accessibleName(), field->text());
        PrintTestResults(this, testId_, facts, *MSFlexGrid1->model());
    });
    connect(cmdPractiseMissed, &QPushButton::clicked, this, [this] {
        practiseChosen_ = true;
        close();
    });
    // A row chosen by mouse or keyboard shows that word's attempts; a click on (or Enter
    // in) the selected row opens them again once they were closed.
    connect(MSFlexGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow)
                    Guarded([&] { RowSelected(); });
            });
    for (auto signal : {&QAbstractItemView::clicked, &QAbstractItemView::activated})
        connect(MSFlexGrid1, signal, this, [this] {
            if (!details_ || !details_->isVisible())
                Guarded([&] { RowSelected(); });
        });
}

void frmTestResults::SetTestID(int32_t testId)
{
    testId_ = testId;
    LoadResults();
    if (MSFlexGrid1->rowCount() > 0)
        RowSelected();
}

void frmTestResults::ClearSummary()
{
    for (QLineEdit* box : {txtDate, txtStartTime, txtCorrectOnFirstTry, txtTotalWords,
                           txtMovedOn, txtTotalTime})
        box->clear();
    txtScore->setText(PercentText(0));
}

void frmTestResults::LoadResults()
{
    const std::optional<TestRow> test = ReadTestRow(testId_);
    if (!test) {
        // A test without its row has nothing to show.
        ClearSummary();
        listId_ = 0;
        gridReady_ = false;
        practiceRound_ = false;
        missedWords_ = 0;
        MSFlexGrid1->setRowCount(0);
        ShowPractiseCommand();
        return;
    }
    listId_ = test->listId;
    // A practice round is scored on the words it asked, a whole-list test on the list.
    practiceRound_ = test->practiceOf.has_value();
    practisedTestId_ = test->practiceOf.value_or(0);
    // A test never finished is scored on the words it asked, as Past Tests scores it.
    const bool wholeList = !practiceRound_ && !test->unfinished;
    const int32_t listWords = wholeList ? CountListWords(listId_) : 0;
    const int32_t wordsAsked = wholeList ? 0 : CountWordsAsked(testId_);
    txtTotalTime->setText(QString::number(MinutesBetween(test->start, test->end)));
    moveOnAfter_ = test->moveOnAfter;
    txtDate->setText(DisplayDateText(test->start.date()));
    txtStartTime->setText(
        TranslationInForce()
            ? QLocale().toString(test->start.time(), QLocale::ShortFormat)
            : QLocale::c().toString(test->start.time(), QStringLiteral("h:mm AP")));
    ProcessEvents(2);

    const int firstTry = CountTestFirstTryCorrect(testId_);
    const int movedOn = CountTestMovedOn(testId_, moveOnAfter_);
    const TestSummary summary = SummariseTest(wholeList, listWords, wordsAsked, firstTry, movedOn);
    txtTotalWords->setText(QString::number(summary.wordsOnTest));
    txtCorrectOnFirstTry->setText(QString::number(summary.firstTry));
    txtMovedOn->setText(QString::number(summary.movedOn));
    txtScore->setText(PercentText(summary.score));
    lblPracticeRound->setText(practiceRound_ ? PracticeRoundText(PlaceOfTest(testId_)) : QString());
    lblPracticeRound->setVisible(practiceRound_);
    FillWordGrid();
    ShowPractiseCommand();
}

// Offered after a test and from the past tests, usable when the test missed a word.
void frmTestResults::ShowPractiseCommand()
{
    cmdPractiseMissed->setVisible(opener_ != ResultsOpener::None);
    cmdPractiseMissed->setEnabled(missedWords_ > 0);
}

void frmTestResults::ResetResultsGrid()
{
    ResetGrid(MSFlexGrid1, {tr("Word"), tr("Attempts"), QString()},
              {2500, 1200, 1},
              {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
               Qt::AlignLeft | Qt::AlignVCenter});
}

void frmTestResults::FillWordGrid()
{
    gridReady_ = false;
    ResetResultsGrid();
    missedWords_ = 0;
    // The words with their misses in this test, in one statement whatever the number of tests;
    // a practice round shows only the words it asked.
    SkippedRows skipped;
    for (const WordMisses& word : ReadWordsWithMisses(testId_, listId_, practiceRound_, skipped)) {
        missedWords_ += word.misses > 0 ? 1 : 0;
        const WordVerdict verdict = JudgeWord(word.misses, moveOnAfter_);
        const QColor colour = RowColour(verdict.colour);
        const int row = AddGridRow(MSFlexGrid1, {word.word, QString::number(verdict.attempts),
                                                 QString::number(word.wordId)});
        // Dark text on the light row colours, whatever the palette's own text colour.
        for (int column = 0; column < 3; ++column) {
            MSFlexGrid1->item(row, column)->setBackground(colour);
            MSFlexGrid1->item(row, column)->setForeground(QColor(Qt::black));
        }
    }
    if (!skipped.empty())
        MsgBox(skipped.Message(), MsgButtons::OK, MsgIcon::Exclamation, this);
    if (MSFlexGrid1->rowCount() > 0)
        MSFlexGrid1->setCurrentCell(0, 0);
    gridReady_ = true;
}

QString frmTestResults::SelectedWord() const
{
    const int row = MSFlexGrid1->currentRow();
    if (row < 0 || !MSFlexGrid1->item(row, 0))
        return QString();
    return MSFlexGrid1->item(row, 0)->text();
}

void frmTestResults::SelectRow(int row)
{
    if (MSFlexGrid1->currentRow() == row)
        RowSelected();
    else
        MSFlexGrid1->setCurrentCell(row, 0); // runs RowSelected through the grid
}

void frmTestResults::SetFocusToWord(const QString& word)
{
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row)
        if (MSFlexGrid1->item(row, 0)->text() == word)
            SelectRow(row);
}

void frmTestResults::RowSelected()
{
    const int row = MSFlexGrid1->currentRow();
    if (!gridReady_ || row < 0)
        return;
    if (!details_)
        details_ = new frmTestWordDetails(this);
    if (placed_ != details_) {
        placed_ = details_;
        PlaceCompanion();
    }
    details_->LoadWordDetails(testId_, MSFlexGrid1->item(row, 0)->text(),
                              MSFlexGrid1->item(row, 2)->text(), moveOnAfter_);
    // Results being filled before they show take their word attempts along when they show:
    // both appear together, without a pass of the event loop between them.
    if (isVisible()) {
        details_->show();
        ProcessEvents(3);
    }
    MSFlexGrid1->setFocus();
}

// Shown, the window is laid out and framed: the word attempts go beside it as it is now,
// whether it was made just now or ahead of time, and those loaded while it was hidden show too.
void frmTestResults::showEvent(QShowEvent* event)
{
    CompanionWindow::showEvent(event);
    PlaceCompanion();
    if (details_ && !event->spontaneous() && !details_->isVisible())
        details_->show();
}

void frmTestResults::PlaceCompanion()
{
    if (details_)
        PlaceBeside(details_, this, y() + MSFlexGrid1->mapTo(this, QPoint(0, 0)).y() + Twips(180));
}

// Another test with the same settings: after a practice round, the same round again.
void frmTestResults::TestAgain()
{
    if (practiceRound_ && practisedTestId_ != 0)
        emit PractiseRequested(practisedTestId_);
    else
        emit TestAgainRequested();
}

void frmTestResults::closeEvent(QCloseEvent* event)
{
    event->accept();
    Forget();
    // The word attempts belong to these results: they do not stay behind alone.
    if (details_)
        details_->close();
    if (opener_ == ResultsOpener::Test) {
        hide();
        if (practiseChosen_)
            emit PractiseRequested(testId_);
        else if (MsgBox(tr("Test Again?"), MsgButtons::YesNo) == MsgResult::Yes)
            TestAgain();
        else
            ReturnToLists();
    } else if (opener_ == ResultsOpener::PastTests) {
        if (practiseChosen_)
            emit PractiseRequested(testId_);
        else
            emit ClosedToPastTests();
    }
}
