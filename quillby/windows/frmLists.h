#pragma once
#include <QMainWindow>
#include <QString>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;
class ListGridModel;

// The main window: the grid of word lists and the commands on them.
class frmLists : public QMainWindow {
    Q_OBJECT
public:
    explicit frmLists(QWidget* parent = nullptr);
    ~frmLists() override;

    // The open main window, or nullptr when there is none.
    static frmLists* instance();

    // Runs the start sequence for the program in appFolder: opens the database, reads the
    // general settings, offers the old lists, fills the grid. Returns false (after one message
    // naming the file) when the database cannot be opened; the window must not be shown then.
    bool LoadForm(const QString& appFolder);

    // Shows the main window again (after a list-level task) and focuses the grid.
    void SetFocusHere();
    // Refreshes the word and test counts of that list's row.
    void UpdateList(int32_t listId);
    // Adds 1 to that list's test count in the grid.
    void IncrementListTests(int32_t listId);

    // Refills the grid from the database, newest list first.
    void LoadWordLists();
    // Empties the grid and sets up its columns.
    void ClearGrid();
    // Runs the new-list window and continues with the list editor.
    void LaunchNewList();

    // The grid's data rows (heading not counted; all of them, read to the end), the text of
    // one cell, the key column's text of one row, and the current row (-1 for none).
    int ListRowCount() const;
    QString CellText(int dataRow, int column) const;
    QString RowKey(int dataRow) const;
    int CurrentRow() const;

signals:
    // The main window has closed: the program ends (main() quits its event loop on this).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Home and End in the grid go to the first and the last list (a row is selected whole, so
    // there is no first or last column to go to).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void ConnectCommands();
    void ListenToTasks();
    void RefreshListCommands();
    bool ListSelected() const;
    int32_t CurrentListID() const;
    void SelectRow(int dataRow);

    void NewListClicked();
    void EditListClicked();
    void TestClicked();
    void PastTestsClicked();
    void DeleteListClicked();
    void OptionsClicked();
    void HelpClicked();
    void AboutClicked();
    void GridContextMenu(const QPoint& pos);
    // Selects the first list of the test date typed in the search box, however far down.
    void FindListByDate();
    // Runs a list-level task after hiding the window; shows it again when the task failed.
    template <class F>
    void RunHiddenTask(F&& task);

    QLabel* Label1;
    QTableView* MSFlexGrid1;
    ListGridModel* gridRows;
    QLabel* lblFindDate;
    QLineEdit* txtFindDate;
    QPushButton* cmdNewList;
    QPushButton* cmdEditList;
    QPushButton* cmdTest;
    QPushButton* cmdPastTests;
    QPushButton* cmdDeleteList;
    QPushButton* cmdOptions;
    QPushButton* cmdExit;

    QMenu* mnuFile;
    QMenu* mnuLists;
    QAction* mnuNewList;
    QAction* mnuEditList;
    QAction* mnuTest;
    QAction* mnuPastTests;
    QAction* mnuDeleteList;
    QAction* mnuOptions;
    QAction* mnuExit;
    QMenu* mnuH;
    QAction* mnuHelp;
    QAction* mnuD2;
    QAction* mnuAbout;
};
