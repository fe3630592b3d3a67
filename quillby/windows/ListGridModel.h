#pragma once
#include "ListGridQueries.h"

#include <QAbstractTableModel>
#include <QString>
#include <QDate>
#include <cstdint>
#include <map>
#include <vector>

// The rows of the main window's grid: every word list, newest first, with its test date, its
// word and test counts and its key (LIST_ID, in a column the window hides).
// The model knows its row count from the start (counted in the list key index) and reads the
// block of rows around what the view shows when it first shows them, each block found through
// the key index, so filling the grid, End, Ctrl+End and the scroll bar cost the same whether
// the database holds one list or 100,000.
class ListGridModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, WordsColumn, TestsColumn, KeyColumn, ColumnCount };

    explicit ListGridModel(QObject* parent = nullptr);

    // Starts again from the newest list and counts the rows. Throws DbError; the grid is empty
    // then.
    void Load();
    void Clear();
    // Adds a list whose counts are known to be 0 at the bottom; returns its row.
    int AppendList(int32_t listId, const QString& dateText);

    // 0 for a row that is not a list.
    int32_t ListID(int row) const;
    // The row showing that list among the rows read so far (a row not read yet will show the
    // database's values when it is), or -1.
    int RowOf(int32_t listId) const;
    // The first row whose list has that test date, read or not; -1 when none. Throws DbError.
    int RowOfTestDate(const QDate& testDate) const;
    // The text the grid shows in one cell ("" outside the rows); reads that row's block.
    QString CellText(int row, int column) const;
    // Every row (the same as rowCount: the count is known without reading the rows).
    int AllRowCount() const;
    // The blocks read so far (for tests: reaching the end must not read the rows between).
    int BlocksRead() const { return static_cast<int>(blocks_.size()); }

    // Reads that row's counts again. Throws DbError.
    void Recount(int row);
    // Adds 1 to the test count shown in that row.
    void IncrementTests(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    using Row = ListGridRow;

    Row& At(int row);
    // The block holding that stored row, read when it has not been. A failure is reported
    // once, after the view has finished painting; the block's rows then show blank.
    std::vector<Row>& BlockOf(int row) const;
    std::vector<Row> ReadBlock(int block) const;

    // The stored lists (LIST_ID from 1 to newestListId_), counted at Load; blocks of them
    // read so far, by block number. Lists created after Load are not among them.
    int storedCount_ = 0;
    int32_t newestListId_ = 0;
    mutable std::map<int, std::vector<Row>> blocks_;
    mutable bool countsReadable_ = true;
    // Lists created since, at the bottom until the next Load.
    std::vector<Row> appended_;
};
