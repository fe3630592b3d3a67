#include "PastTestsModel.h"

#include "FormHelpers.h"
#include "DateTexts.h"
#include "TestGrids.h"
#include "TestReport.h"

#include <QCoreApplication>

void PastTestsModel::SetRows(std::vector<Row> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int32_t PastTestsModel::TestID(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].testId : 0;
}

int PastTestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PastTestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PastTestsModel::CellText(const Row& row, int column) const
{
    switch (column) {
    case DateColumn:
        return DisplayDateText(row.date);
    case ScoreColumn:
        return PercentText(row.score);
    case KeyColumn:
        return QString::number(row.testId);
    default: // whole-list tests by number, practice rounds by the test they practised
        return TestNameText(row.place, row.unfinished);
    }
}

QVariant PastTestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return CellText(rows_[static_cast<size_t>(index.row())], index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

QVariant PastTestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    // The past-tests window's own headings.
    switch (section) {
    case DateColumn:
        return QCoreApplication::translate("frmPastTests", "Date");
    case ScoreColumn:
        return QCoreApplication::translate("frmPastTests", "Score");
    case TestColumn:
        return QCoreApplication::translate("frmPastTests", "Test");
    default:
        return QString();
    }
}
