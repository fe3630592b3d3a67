#pragma once
#include "Variant.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <vector>

// The rows of the main window's grid: every word list, newest first, with its test date, its
// word and test counts and its key (LIST_ID, in a column the window hides).
// Only the list keys and dates are read when the grid is filled; a row's date is formatted
// and its counts are read (a block of rows in one statement) when the view first asks for
// them, so the grid fills at once however many lists the database holds.
class ListGridModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, WordsColumn, TestsColumn, KeyColumn, ColumnCount };

    explicit ListGridModel(QObject* parent = nullptr);

    // Re-reads every list. Throws DbError; the grid is empty then.
    void Load();
    void Clear();
    // Adds a list whose counts are known to be 0 at the bottom; returns its row.
    int AppendList(int32_t listId, const QString& dateText);

    int32_t ListID(int row) const;
    // The row showing that list, or -1.
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
    // A count not read yet, or one that could not be read.
    static constexpr int32_t kUnread = -1;
    static constexpr int32_t kUnreadable = -2;

    struct Row {
        int32_t listId = 0;
        Variant testDate;
        QString dateText; // formatted on first use
        bool dateFormatted = false;
        int32_t words = kUnread;
        int32_t tests = kUnread;
    };

    // Reads the counts of the unread rows in row's block. A failure marks them unreadable
    // and is reported once, after the view has finished painting.
    void ReadCounts(int row) const;
    void ReadCountsOf(const std::vector<int>& rowNumbers) const;
    QString CountText(int row, int32_t Row::*count) const;
    QString DateText(int row) const;

    // Filled in lazily by the const readers above.
    mutable std::vector<Row> rows_;
};
