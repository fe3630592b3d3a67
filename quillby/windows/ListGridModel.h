#pragma once
#include "ListGridQueries.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

// The rows of the main window's grid: every word list, newest first, with its test date, its
// word and test counts and its key (LIST_ID, in a column the window hides).
// Rows are read a block at a time as the view scrolls down to them (fetchMore), each block
// found through the list key index, so filling the grid and showing it cost the same whether
// the database holds one list or 100,000.
class ListGridModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, WordsColumn, TestsColumn, KeyColumn, ColumnCount };

    explicit ListGridModel(QObject* parent = nullptr);

    // Starts again from the newest list and reads the first block. Throws DbError; the grid
    // is empty then.
    void Load();
    void Clear();
    // Adds a list whose counts are known to be 0 at the bottom; returns its row.
    int AppendList(int32_t listId, const QString& dateText);

    // 0 for a row that is not a list.
    int32_t ListID(int row) const;
    // The row showing that list among the rows read so far (a row not read yet will show the
    // database's values when it is), or -1.
    int RowOf(int32_t listId) const;
    // The text the grid shows in one cell ("" outside the rows); reads down to that row.
    QString CellText(int row, int column) const;
    // Every row, read to the end of the stored lists.
    int AllRowCount() const;

    // Reads that row's counts again. Throws DbError.
    void Recount(int row);
    // Adds 1 to the test count shown in that row.
    void IncrementTests(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    using Row = ListGridRow;

    Row& At(int row);
    // Reads the next block of stored lists, inserted above the lists added since. A failure
    // ends the reading and is reported once, after the view has finished painting, together
    // with the damaged rows the block left out and alsoSkipped.
    void FetchBlock(const SkippedRows& alsoSkipped = SkippedRows());
    // Reads blocks until the row exists or the stored lists end.
    void FetchThrough(int row) const;

    // The stored lists read so far, newest first, and whether there are more. Lists created
    // after Load (LIST_ID above newestListId_) are not among them.
    std::vector<Row> stored_;
    bool more_ = false;
    int32_t newestListId_ = 0;
    QString lastKey_; // LIST_ID of the last row read, damaged or not; "" before the first block
    // Lists created since, at the bottom until the next Load.
    std::vector<Row> appended_;
};
