#pragma once
#include "OneOpenWindow.h"
#include <QMainWindow>
#include <cstdint>

class frmEditWord;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The list editor: the words of one list in creation order, the details and test statistics
// of the selected word, and the commands that add, edit, delete and pronounce words.
// Modeless; set ListID, then show it. Closing refreshes the list's row in the main window
// and shows the main window again.
class frmEditList : public QMainWindow, public OneOpenWindow<frmEditList> {
    Q_OBJECT
public:
    explicit frmEditList(QWidget* parent = nullptr);

    int32_t ListID() const { return listId_; }
    // Reads the list's test count and fills the grid. Throws DbError.
    void SetListID(int32_t listId);
    int32_t ListTestCount() const { return listTestCount_; }

    // The word editor's notices: a new word saved, an existing word saved.
    void TakeInNewWord(int32_t wordId);
    void TakeInUpdatedWord(int32_t wordId);
    // Brings the window to the front with the focus in the grid.
    void SetFoucsHere();

    // The WORD_ID of a grid row (0-based word rows), 0 when there is none.
    int32_t RowWordID(int row) const;

    QTableWidget* MSFlexGrid1 = nullptr;
    QGroupBox* frameDetails = nullptr;
    QLineEdit* txtWord = nullptr;
    QPlainTextEdit* txtDefinition = nullptr;
    QPlainTextEdit* txtSentence = nullptr;
    QLineEdit* txtCaseSensitive = nullptr;
    QPushButton* cmdPronounce = nullptr;
    QGroupBox* framePastTests = nullptr;
    QLineEdit* txtTests = nullptr;
    QLineEdit* txtCorrect = nullptr;
    QLineEdit* txtIncorrect = nullptr;
    QPushButton* cmdAddWord = nullptr;
    QPushButton* cmdEditWord = nullptr;
    QPushButton* cmdDeleteWord = nullptr;
    QPushButton* cmdCopyToChild = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdPrintSheet = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuNewWord = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuPopUp = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* mnuDelete = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildDetails();
    QWidget* BuildGridAndButtons();
    void BuildMenus();

    void cmdAddWord_Click();
    void cmdEditWord_Click();
    void cmdDeleteWord_Click();
    void cmdPronounce_Click();
    void mnuExport_Click();
    void OpenWordEditor(int32_t wordId);
    void ListenTo(frmEditWord* editor);
    void FirstActivation();
    void GridMouseDown(QMouseEvent* event);

    void ResetWordGrid();
    void LoadWords();
    int AddWordRow(int32_t wordId, const QString& text);
    int RowOfWord(int32_t wordId) const;
    void EnterCell();
    void ShowWordDetails(int32_t wordId);
    void ClearDetails();

    int32_t listId_ = 0;
    int32_t listTestCount_ = 0;
    bool firstActivation_ = true;
};
