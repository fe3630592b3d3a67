#pragma once
#include <QString>
#include <QStringList>
#include <initializer_list>

class QTableWidget;
class QWidget;

// Shared by the results and past-tests windows.

// Empties a grid and sets its headings, column widths (twips) and alignments. A column of
// width 1 holds a key and is hidden.
void ResetGrid(QTableWidget* grid, const QStringList& headings,
               std::initializer_list<int> widthsTwips,
               std::initializer_list<Qt::Alignment> alignments);
// A selected row keeps its colour and gets a frame (the last visible column is column 1).
void KeepColoursWhenSelected(QTableWidget* grid);
// Appends a row of texts with the columns' alignments; returns its index.
int AddGridRow(QTableWidget* grid, const QStringList& cells);
// A whole-number score as shown: "75 %".
QString PercentText(int score);
// Moves a window to the right of another, with its top at the given height.
void PlaceBeside(QWidget* window, const QWidget* of, int top);
// Counts the rows a statement returns.
int CountRows(const QString& sql);
