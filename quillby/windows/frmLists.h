#pragma once
#include <QMainWindow>
#include <cstdint>

// The main window: the grid of word lists and the commands on them.
class frmLists : public QMainWindow {
    Q_OBJECT
public:
    explicit frmLists(QWidget* parent = nullptr);
    ~frmLists() override;

    // The open main window, or nullptr when there is none.
    static frmLists* instance();

    // Shows the main window again (after a list-level task) and focuses the grid.
    void SetFocusHere();
    // Refreshes the word and test counts of that list's row.
    void UpdateList(int32_t listId);
    // Adds 1 to that list's test count in the grid.
    void IncrementListTests(int32_t listId);
};
