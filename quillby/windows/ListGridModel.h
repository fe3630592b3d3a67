#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

// The rows of the main window's grid: every word list, newest first, with its test date, its
// word and test counts and its key (LIST_ID, in a column the window hides).
// Filling the grid reads only how many lists there are; the rows themselves (date, counts)
// are read a block at a time when the view first asks for one of them, so showing the grid
// costs the same whether the database holds one list or 100,000.
class ListGridModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, WordsColumn, TestsColumn, KeyColumn, ColumnCount };

    explicit ListGridModel(QObject* parent = nullptr);

    // Re-reads the number of lists and forgets every row read. Throws DbError; the grid is
    // empty then.
    void Load();
    void Clear();
    // Adds a list whose counts are known to be 0 at the bottom; returns its row.
    int AppendList(int32_t listId, const QString& dateText);

    // 0 for a row that is not a list.
    int32_t ListID(int row) const;
    // The row showing that list among the rows read so far (a row not read yet will show the
    // database's values when it is), or -1.
    int RowOf(int32_t listId) const;
    // The text the grid shows in one cell ("" outside the rows).
    QString CellText(int row, int column) const;

    // Reads that row's counts again. Throws DbError.
    void Recount(int row);
    // Adds 1 to the test count shown in that row.
    void IncrementTests(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        int32_t listId = 0; // 0: no list (a list deleted meanwhile, or a block not readable)
        QString dateText;
        QString words;
        QString tests;
    };

    // The row, its block read first when needed. A failure leaves the block's rows blank and
    // is reported once, after the view has finished painting.
    Row& At(int row) const;
    void ReadBlock(size_t block) const;

    // The lists stored when the grid was filled: LIST_ID up to lastListId_, newest first.
    int storedRows_ = 0;
    int32_t lastListId_ = 0;
    // Blocks of stored rows, read on first use (empty until then).
    mutable std::vector<std::vector<Row>> blocks_;
    // Lists created since, at the bottom until the next Load.
    std::vector<Row> appended_;
};
