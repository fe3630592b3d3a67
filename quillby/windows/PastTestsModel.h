#pragma once
#include "ListTestPages.h"
#include "TestReport.h"
#include <QAbstractTableModel>
#include <QDate>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// The rows of the past-tests grid: each stored test of a list, oldest first, with its date,
// its score, its key (TEST_ID, in a column the window hides) and its place among the list's
// tests. A row keeps the values and each cell's text is made when the view asks for it. A list
// whose tests are all in the stored form is read a page at a time, the page around what the
// view shows when it first shows it (the row count is known at once, so End reaches the last
// test without reading the rows between): years of tests open as fast as a few.
class PastTestsModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, ScoreColumn, KeyColumn, TestColumn, ColumnCount };

    using Row = PastTest;

    // Rows read at a time: a screenful and more.
    static constexpr int kPageRows = 64;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows these rows instead of the ones shown so far.
    void SetRows(std::vector<Row> rows);
    // Shows the list's tests (rowCount of them) a page at a time, scored on listWords words.
    void SetPagedList(int32_t listId, int32_t listWords, int rowCount);
    // The pages read so far (for tests: the end is reached without the rows between).
    int PagesRead() const { return static_cast<int>(pages_.size()); }
    // 0 outside the rows.
    int32_t TestID(int row) const;
    // Told of each page read (its first row and its number of rows), once the view has
    // painted: the window fits the columns to texts it had not read.
    void SetPageListener(std::function<void(int first, int count)> listener);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CellText(const Row& row, int column) const;
    // The row's values; a page not read yet is read (a failure is reported once the view has
    // painted, and that page's rows show blank).
    const Row& At(int row) const;
    std::vector<Row> ReadPage(int page) const;

    std::vector<Row> rows_;
    // The paged list, when it is one (pagedRows_ > 0), and its pages read so far.
    int32_t listId_ = 0;
    int32_t listWords_ = 0;
    int pagedRows_ = 0;
    mutable std::map<int, std::vector<Row>> pages_;
    mutable KnownPlaces known_;
    std::function<void(int, int)> pageListener_;
};
