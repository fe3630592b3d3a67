#pragma once
#include "TestReport.h"
#include <QAbstractTableModel>
#include <QDate>
#include <cstdint>
#include <vector>

// The rows of the past-tests grid: each stored test of a list, oldest first, with its date,
// its score, its key (TEST_ID, in a column the window hides) and its place among the list's
// tests. A row keeps the values and each cell's text is made when the view asks for it, so a
// list with years of tests fills the grid as fast as one with a few.
class PastTestsModel : public QAbstractTableModel {
public:
    enum Column { DateColumn, ScoreColumn, KeyColumn, TestColumn, ColumnCount };

    using Row = PastTest;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows these rows instead of the ones shown so far.
    void SetRows(std::vector<Row> rows);
    // 0 outside the rows.
    int32_t TestID(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CellText(const Row& row, int column) const;

    std::vector<Row> rows_;
};
