#pragma once
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class QAction;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;
class QWidget;

// Shared by the practice windows (results, past tests, word attempts, reveal).

// The label that shows a word: bold, the given times the usual size, taken as plain text.
QLabel* MakeWordLabel(QWidget* parent, const char* name, double scale);

// The window's "&File" menu (mnuFile) with its "E&xit" item (mnuExit), which closes the window.
QAction* AddFileMenu(QMainWindow* window);
// Gives a text box at least the room to show `widest` whole at its font.
void MakeRoomFor(QLineEdit* box, const QString& widest);
// A read-only text box with its label, added as a row of a form.
QLineEdit* AddReadOnlyField(QFormLayout* form, QWidget* parent, const char* labelName,
                            const QString& caption, const char* name, const QString& toolTip = {});
// The grid MSFlexGrid1: whole rows selected one at a time, no editing, no row numbers. The
// stretching column takes the width the others leave, so the columns fill the grid.
QTableWidget* MakeGrid(QWidget* parent, const QString& accessibleName, int stretchingColumn);
// The same settings for a view over a model of its own, whose columns its window sets.
void ConfigureGrid(QTableView* grid, const QString& accessibleName);

// Empties a grid and sets its headings, column widths (twips) and alignments. A column of
// width 1 holds a key and is hidden.
void ResetGrid(QTableWidget* grid, const QStringList& headings,
               std::initializer_list<int> widthsTwips,
               std::initializer_list<Qt::Alignment> alignments);
// A selected row keeps its colour and gets a frame (the last visible column is column 1).
void KeepColoursWhenSelected(QTableWidget* grid);
// Appends a row of texts with the columns' alignments; returns its index.
int AddGridRow(QTableWidget* grid, const QStringList& cells);
// Appends rows of texts the same way, in one insertion; returns the first one's index.
int AddGridRows(QTableWidget* grid, const std::vector<QStringList>& rows);
// Moves a window to the right of another, with its top at the given height.
void PlaceBeside(QWidget* window, const QWidget* of, int top);
// The number of rows a statement returns, counted by the database.
int CountRows(const QString& sql);

// A window with a companion window beside it (the results beside the past tests, the word
// attempts beside the results) that follows it when it moves or changes size.
class CompanionWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Moves the companion, when there is one, beside this window.
    virtual void PlaceCompanion() {}
};
