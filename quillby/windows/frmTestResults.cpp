#include "frmTestResults.h"

#include "AppFunctions.h"
#include "ErrorReport.h"
#include "FormHelpers.h"
#include "Translation.h"
#include "Globals.h"
#include "PrintCommands.h"
#include "MsgBox.h"
#include "PracticeRounds.h"
#include "Recordset.h"
#include "RowKeys.h"
#include "Statements.h"
#include "TestGrids.h"
#include "TestReport.h"
#include "Twips.h"
#include "TaskNotices.h"
#include "Tasks.h"
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
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
frmTestResults* g_instance = nullptr;

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

QString Sel(const char* table, const QString& id) { return QLatin1String(table) + id; }
} // namespace

frmTestResults::frmTestResults(QWidget* parent) : CompanionWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmTestResults"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Test Results"));
    g_instance = this;
    BuildControls();
    move(Twips(300), Twips(500));
}

frmTestResults::~frmTestResults()
{
    if (g_instance == this)
        g_instance = nullptr;
}

frmTestResults* frmTestResults::instance() { return g_instance; }

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
    const QString id = QString::number(testId_);
    Recordset rs(Sel(Sql::SELECT_TESTS, QLatin1String(Sql::WHERE_TEST_ID) + id + Sql::VALUE_END),
                 Globals::DbConnection());
    if (rs.Eof()) {
        // A test without its row has nothing to show.
        rs.Close();
        ClearSummary();
        listId_ = 0;
        gridReady_ = false;
        practiceRound_ = false;
        missedWords_ = 0;
        MSFlexGrid1->setRowCount(0);
        ShowPractiseCommand();
        return;
    }
    listId_ = rs.Field(QStringLiteral("LIST_ID")).toLong();
    // A practice round is scored on the words it asked, a whole-list test on the list.
    practiceRound_ = !rs.Field(QStringLiteral("PRACTICE_OF")).isNull();
    practisedTestId_ = practiceRound_ ? PractisedTest(rs).value_or(0) : 0;
    // A test never finished is scored on the words it asked, as Past Tests scores it.
    const bool unfinished = !rs.Field(QStringLiteral("UNFINISHED")).isNull();
    const bool wholeList = !practiceRound_ && !unfinished;
    const int32_t listWords = wholeList ? CountListWords(listId_) : 0;
    const int32_t wordsAsked = wholeList ? 0 : CountWordsAsked(testId_);
    const QDateTime start = rs.Field(QStringLiteral("START_TIME")).toDateTime();
    const QDateTime end = rs.Field(QStringLiteral("END_TIME")).toDateTime();
    txtTotalTime->setText(QString::number(MinutesBetween(start, end)));
    moveOnAfter_ = rs.Field(QStringLiteral("MOVE_ON_AFTER")).toLong();
    txtDate->setText(DisplayDateText(start.date()));
    txtStartTime->setText(TranslationInForce()
                              ? QLocale().toString(start.time(), QLocale::ShortFormat)
                              : QLocale::c().toString(start.time(), QStringLiteral("h:mm AP")));
    rs.Close();
    ProcessEvents(2);

    const QString attempts =
        QLatin1String(Sql::SELECT_WORD_ATTEMPTS) + Sql::WHERE_TEST_ID + id + Sql::VALUE_END;
    const int firstTry = CountRows(attempts + Sql::AND_FIRST_ATTEMPT + Sql::AND_CORRECT);
    const int movedOn = CountRows(attempts + Sql::AND_ATTEMPT_NUMBER +
                                  QString::number(moveOnAfter_) + Sql::VALUE_END +
                                  Sql::AND_INCORRECT);
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
    cmdPractiseMissed->setVisible(parentForm_ == QLatin1String("frmTest") ||
                                  parentForm_ == QLatin1String("frmPastTests"));
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
    const QString asked = practiceRound_ ? QLatin1String(Sql::AND_ASKED_IN_TEST) +
                                               QString::number(testId_) + Sql::CLOSE_SUBQUERY
                                         : QString();
    Recordset rs(QLatin1String(Sql::SELECT_WORDS_WITH_MISSES) + QString::number(testId_) +
                     Sql::CLOSE_MISSES + Sql::WHERE_LIST_ID + QString::number(listId_) +
                     Sql::VALUE_END + asked + Sql::ORDER_BY_WORD,
                 Globals::DbConnection());
    SkippedRows skipped;
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto key = RowKey(rs, QStringLiteral("WORD_ID"));
        if (!key) {
            skipped.Add(QStringLiteral("WORDS"), rs);
            continue;
        }
        const QString wordId = QString::number(*key);
        const int misses = rs.Field(QStringLiteral("MISSES")).toLong();
        missedWords_ += misses > 0 ? 1 : 0;
        const WordVerdict verdict = JudgeWord(misses, moveOnAfter_);
        const QColor colour = RowColour(verdict.colour);
        const int row = AddGridRow(MSFlexGrid1, {rs.Field(QStringLiteral("WORD")).toText(),
                                                 QString::number(verdict.attempts), wordId});
        // Dark text on the light row colours, whatever the palette's own text colour.
        for (int column = 0; column < 3; ++column) {
            MSFlexGrid1->item(row, column)->setBackground(colour);
            MSFlexGrid1->item(row, column)->setForeground(QColor(Qt::black));
        }
    }
    rs.Close();
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
    if (!details_) {
        details_ = new frmTestWordDetails(this);
        PlaceCompanion();
    }
    details_->LoadWordDetails(testId_, MSFlexGrid1->item(row, 0)->text(),
                              MSFlexGrid1->item(row, 2)->text(), moveOnAfter_);
    details_->show();
    ProcessEvents(3);
    MSFlexGrid1->setFocus();
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
        PractiseMissedWords(practisedTestId_);
    else
        StartTestAgain();
}

void frmTestResults::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (g_instance == this)
        g_instance = nullptr;
    // The word attempts belong to these results: they do not stay behind alone.
    if (details_)
        details_->close();
    if (parentForm_ == QLatin1String("frmTest")) {
        hide();
        if (practiseChosen_)
            PractiseMissedWords(testId_);
        else if (MsgBox(tr("Test Again?"), MsgButtons::YesNo) == MsgResult::Yes)
            TestAgain();
        else
            ReturnToLists();
    } else if (parentForm_ == QLatin1String("frmPastTests")) {
        if (practiseChosen_)
            emit PractiseChosen(testId_);
        else
            emit ClosedToPastTests();
    }
}
