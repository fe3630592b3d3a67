#pragma once
#include "OneOpenWindow.h"
#include "PastTestsModel.h"
#include "PracticeRounds.h"
#include "CompanionWindow.h"
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <vector>

class ListProgressPanel;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class frmTestResults;

// Every stored test of one list, oldest first, with its score, the number of tests and their
// average, a chart of the scores and the list's hardest words; the selected test's results
// open beside it. Practice rounds of missed words are listed, marked as such, but the totals,
// the chart and the hardest words are those of the whole-list tests.
class frmPastTests : public CompanionWindow, public OneOpenWindow<frmPastTests> {
    Q_OBJECT
public:
    explicit frmPastTests(QWidget* parent = nullptr);
    // A hidden window built before it is asked for, with its results window, both polished
    // and with their native windows made: opening it then only loads a list and maps it. It
    // becomes the open Past Tests window when TakeAhead hands it out.
    static frmPastTests* MakeAhead(QWidget* parent);
    void TakeAhead() { Claim(); }

    // Shows the tests of a list and opens the results of the oldest.
    void SetListID(int32_t listId);
    int32_t ListID() const { return listId_; }
    // Brings the window to the front and focuses the grid.
    void SetFocusHere();

    QLabel* Label1;
    QTableView* MSFlexGrid1;
    QLineEdit* txtTotalTests;
    QLineEdit* txtAverageScore;
    QPushButton* cmdExit;
    QPushButton* cmdPrint;
    QPushButton* cmdExport;
    QAction* mnuExit;
    // The chart of the scores and the hardest words, below the totals.
    ListProgressPanel* progress;

signals:
    // The window has closed to practise the missed words of a test (testId) of the list.
    void PractiseRequested(int32_t listId, int32_t testId);

protected:
    void closeEvent(QCloseEvent* event) override;
    // Shows the results filled while the window was hidden.
    void showEvent(QShowEvent* event) override;
    void PlaceCompanion() override;

private:
    frmPastTests(Unclaimed, QWidget* parent);
    void Build();
    void BuildControls();
    void LoadPastTests();
    void RowSelected();
    // A results window of its own: the one made ahead, else a new one.
    frmTestResults* NewResults();
    // The tests read all at once (some row not in the stored form) or a page at a time; both
    // return the scores and average of the whole-list tests.
    ListHistory LoadAllTests(int32_t words);
    ListHistory LoadPages(int32_t words);
    void ShowRows(std::vector<PastTestsModel::Row> rows, bool practised);
    void ShowTestColumn(bool practised);
    // Widens the Test column to those rows' texts when it is shown.
    void WidenTestColumn(int first, int count);
    void KeepScoreColumnWidth();
    // Selects a word in the results, opening the results of the selected test when closed.
    void ShowWordInResults(const QString& word);
    // Closes with the results and asks for a practice round of a test's missed words.
    void HandOverToPractice(int32_t testId);

    PastTestsModel* tests_ = nullptr;
    QPointer<frmTestResults> aheadResults_; // made with the window made ahead, until used
    int32_t listId_ = 0;
    bool filling_ = false;
    bool handingOver_ = false; // closing for a practice round: the main window stays hidden
};
