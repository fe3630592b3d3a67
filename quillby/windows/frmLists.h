#pragma once
#include "OneOpenWindow.h"
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
class frmLists : public QMainWindow, public OneOpenWindow<frmLists> {
    Q_OBJECT
public:
    explicit frmLists(QWidget* parent = nullptr);

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
    // Opens the "Import Words" window, reading file when one is given.
    void OpenImport(const QString& file = {});
    // Whether a file from outside (a second start) can be imported now: the main window shows,
    // no question or other modal window is open and no picture is being read.
    bool CanImportNow() const;

    // The grid's data rows (heading not counted; all of them, read to the end), the text of
    // one cell, the key column's text of one row, and the current row (-1 for none).
    int ListRowCount() const;
    QString CellText(int dataRow, int column) const;
    QString RowKey(int dataRow) const;
    int CurrentRow() const;
    // The LIST_ID of the selected row, the list the commands act on; 0 when none is selected.
    int32_t CurrentListID() const;

    // "Switch Child" in the File menu, shown for a family of two or more children.
    void ShowSwitchChild(bool shown);

signals:
    // File, Children... and File, Switch Child: the children's commands answer them.
    void ChildrenClicked();
    void SwitchChildClicked();
    // The main window has closed: the program ends (main() quits its event loop on this).
    void Closed();
    // A list-level task on a list; the window has hidden itself and shows again when the
    // task ends (TaskNotices.h).
    void EditListRequested(int32_t listId);
    void TestRequested(int32_t listId);
    void PastTestsRequested(int32_t listId);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A file dropped on the main window is imported.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
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
    void ImportStored(int32_t listId, bool created);
    // Selects the first list of the test date typed in the search box, however far down.
    void FindListByDate();
    // Runs a list-level task after hiding the window; shows it again when the task failed.
    template <class F>
    void RunHiddenTask(F&& task);
    // Hides the window and asks for a task on the selected list.
    void HandOver(void (frmLists::*request)(int32_t listId));

    QLabel* Label1;
    QTableView* MSFlexGrid1;
    ListGridModel* gridRows;
    QLabel* lblFindDate;
    QLineEdit* txtFindDate;
    QPushButton* cmdNewList;
    QPushButton* cmdImport;
    QPushButton* cmdEditList;
    QPushButton* cmdTest;
    QPushButton* cmdPastTests;
    QPushButton* cmdDeleteList;
    QPushButton* cmdOptions;
    QPushButton* cmdExit;

    QMenu* mnuFile;
    QMenu* mnuLists;
    QAction* mnuNewList;
    QAction* mnuImport;
    QAction* mnuEditList;
    QAction* mnuTest;
    QAction* mnuPastTests;
    QAction* mnuDeleteList;
    QAction* mnuOptions;
    QAction* mnuChildren;
    QAction* mnuSwitchChild;
    QAction* mnuBackUp;
    QAction* mnuRestore;
    QAction* mnuExit;
    QMenu* mnuH;
    QAction* mnuHelp;
    QAction* mnuD2;
    QAction* mnuAbout;
};
