#include "PastTestsModel.h"

#include "FormHelpers.h"
#include "DateTexts.h"
#include "TestGrids.h"
#include "TestReport.h"

#include "DbError.h"
#include "ErrorReport.h"
#include "Scores.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

namespace {
void ReportLater(const QString& what)
{
    static bool pending = false;
    if (pending)
        return;
    pending = true;
    QTimer::singleShot(0, [what] {
        ReportOperationError(what);
        pending = false;
    });
}
} // namespace

void PastTestsModel::SetRows(std::vector<Row> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    pagedRows_ = 0;
    pages_.clear();
    known_ = {};
    endResetModel();
}

void PastTestsModel::SetPagedList(int32_t listId, int32_t listWords, int rowCount)
{
    beginResetModel();
    rows_.clear();
    pages_.clear();
    known_ = {};
    listId_ = listId;
    listWords_ = listWords;
    pagedRows_ = rowCount;
    endResetModel();
}

std::vector<PastTestsModel::Row> PastTestsModel::ReadPage(int page) const
{
    const int first = page * kPageRows;
    std::vector<Row> rows(static_cast<size_t>(std::min(kPageRows, pagedRows_ - first)));
    try {
        const auto read = ReadListTestPage(listId_, first, kPageRows, known_);
        for (size_t i = 0; i < read.size() && i < rows.size(); ++i) {
            const StoredTest& test = read[i].test;
            const bool wholeList = !test.practiceOf && !test.unfinished;
            const int score = TestScore(test.firstTry, wholeList ? listWords_ : test.wordsAsked);
            rows[i] = {test.testId, test.date, score, read[i].place, test.unfinished};
        }
    } catch (const DbError& e) {
        ReportLater(e.message());
    }
    return rows;
}

const PastTestsModel::Row& PastTestsModel::At(int row) const
{
    if (pagedRows_ == 0)
        return rows_[static_cast<size_t>(row)];
    const int page = row / kPageRows;
    auto found = pages_.find(page);
    if (found == pages_.end()) {
        found = pages_.emplace(page, ReadPage(page)).first;
        if (pageListener_) {
            auto* self = const_cast<PastTestsModel*>(this);
            const int count = static_cast<int>(found->second.size());
            QTimer::singleShot(0, self, [self, page, count] {
                if (self->pageListener_)
                    self->pageListener_(page * kPageRows, count);
            });
        }
    }
    return found->second[static_cast<size_t>(row % kPageRows)];
}

int32_t PastTestsModel::TestID(int row) const
{
    return row >= 0 && row < rowCount() ? At(row).testId : 0;
}

void PastTestsModel::SetPageListener(std::function<void(int first, int count)> listener)
{
    pageListener_ = std::move(listener);
}

int PastTestsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return pagedRows_ > 0 ? pagedRows_ : static_cast<int>(rows_.size());
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
        return CellText(At(index.row()), index.column());
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
