#pragma once
#include "TestGrids.h"
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Every stored test of one list, oldest first, with its score, the number of tests and their
// average; the selected test's results open beside it.
class frmPastTests : public CompanionWindow {
    Q_OBJECT
public:
    explicit frmPastTests(QWidget* parent = nullptr);
    ~frmPastTests() override;

    // The open past-tests window, or nullptr.
    static frmPastTests* instance();

    // Shows the tests of a list and opens the results of the oldest.
    void SetListID(int32_t listId);
    int32_t ListID() const { return listId_; }
    // Brings the window to the front and focuses the grid.
    void SetFocusHere();

    QLabel* Label1;
    QTableWidget* MSFlexGrid1;
    QLineEdit* txtTotalTests;
    QLineEdit* txtAverageScore;
    QPushButton* cmdExit;
    QAction* mnuExit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void PlaceCompanion() override;

private:
    void BuildControls();
    void LoadPastTests();
    void RowSelected();

    int32_t listId_ = 0;
    bool filling_ = false;
};
