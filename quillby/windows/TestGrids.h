#pragma once
#include <Qt>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

class QTableView;
class QTableWidget;
class QWidget;

// The grids of the practice windows (results, past tests) and the list editor.

// The grid MSFlexGrid1: whole rows selected one at a time, no editing, no row numbers. The
// stretching column takes the width the others leave, so the columns fill the grid.
QTableWidget* MakeGrid(QWidget* parent, const QString& accessibleName, int stretchingColumn);
// The same settings for a view over a model of its own, whose columns its window sets.
void ConfigureGrid(QTableView* grid, const QString& accessibleName);
// What resizeColumnToContents does, at the same width, for a grid of thousands of rows: the
// cells whose text is the widest (by the font's advances, a pixel or two either way) are the
// only ones laid out, of the rows Qt weighs (the first thousand of a grid not shown).
void FitColumnToContents(QTableView* grid, int column);
// Widens the column, never narrows it, so that the cells of those rows show whole: a grid that
// reads its rows as it shows them fits each block of rows as it comes, without reading the
// others.
void WidenColumnToRows(QTableView* grid, int column, int first, int count);

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
