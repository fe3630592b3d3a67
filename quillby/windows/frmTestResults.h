#pragma once
#include "OneOpenWindow.h"
#include "TestGrids.h"
#include "CompanionWindow.h"
#include <QPointer>
#include "frmTestWordDetails.h"
#include <cstdint>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Who opened a results window, which decides what closing it leads to.
enum class ResultsOpener {
    None,      // closing ends nothing else
    Test,      // a test just finished: "Test Again?", else back to the lists
    PastTests, // the past tests of the list, which get the focus back
};

// The results of one test: date, time, minutes, score, first-try and moved-on counts, and the
// list's words coloured by their misses; a selected word's attempts show beside it.
class frmTestResults : public CompanionWindow, public OneOpenWindow<frmTestResults> {
    Q_OBJECT
public:
    explicit frmTestResults(QWidget* parent = nullptr);
    // A hidden window built while the last word of a test is asked (or with Past Tests made
    // ahead, its parent), polished and with its native window made, so that the results of
    // the test only fill and map it. It becomes the open results window when TakeAhead hands
    // it out.
    static frmTestResults* MakeAhead(QWidget* parent = nullptr);
    void TakeAhead() { Claim(); }

    // Fills the window for a test and opens the word attempts of its first word.
    void SetTestID(int32_t testId);
    int32_t TestID() const { return testId_; }
    // Where closing the results leads.
    void SetOpener(ResultsOpener opener)
    {
        opener_ = opener;
        ShowPractiseCommand();
    }
    // Whether the test shown is a practice round of missed words.
    bool PracticeRound() const { return practiceRound_; }
    // The word of the selected row; "" when none.
    QString SelectedWord() const;
    // Selects every row whose word is exactly this one (the last match stays selected).
    void SetFocusToWord(const QString& word);
    frmTestWordDetails* WordDetails() const { return details_; }

    QLineEdit* txtDate;
    QLineEdit* txtStartTime;
    QGroupBox* frameSummary;
    QLineEdit* txtScore;
    QLineEdit* txtCorrectOnFirstTry;
    QLineEdit* txtTotalWords;
    QLineEdit* txtMovedOn;
    QLineEdit* txtTotalTime;
    QTableWidget* MSFlexGrid1;
    QLabel* Label8;
    QPushButton* cmdExit;
    QPushButton* cmdPrint;
    QAction* mnuExit;
    // A practice round on the words the test missed (closes the results, no question; from
    // the past tests it closes them too).
    QPushButton* cmdPractiseMissed;
    // For a practice round: whose missed words it asked.
    QLabel* lblPracticeRound;

signals:
    // Results opened from the past tests have closed: the focus goes back there.
    void ClosedToPastTests();
    // The results have closed to practise the missed words of testId.
    void PractiseRequested(int32_t testId);
    // Results after a test have closed with "Test Again?" answered Yes: another test of the
    // list with the same settings.
    void TestAgainRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Places the word attempts beside it and shows those loaded while the results were hidden.
    void showEvent(QShowEvent* event) override;
    void PlaceCompanion() override;

private:
    frmTestResults(Unclaimed, QWidget* parent);
    void Load();
    void BuildControls();
    void ClearSummary();
    void LoadResults();
    void ResetResultsGrid();
    void FillWordGrid();
    void SelectRow(int row);
    void RowSelected();
    void ShowPractiseCommand();
    void TestAgain();

    int32_t testId_ = 0;
    bool practiceRound_ = false;
    int32_t practisedTestId_ = 0; // for a practice round: the test whose missed words it asked
    int missedWords_ = 0;
    bool practiseChosen_ = false;
    int32_t listId_ = 0;
    int32_t moveOnAfter_ = 0;
    bool gridReady_ = false;
    ResultsOpener opener_ = ResultsOpener::None;
    QPointer<frmTestWordDetails> details_;
    QPointer<frmTestWordDetails> placed_; // the word attempts placed beside these results
};
