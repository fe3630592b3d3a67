#include "ListGridModel.h"

#include "DbError.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "ListGridQueries.h"
#include "RowKeys.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <iterator>
#include <limits>

namespace {
// Rows read together: more than a screenful, so that showing the grid or scrolling one page
// costs one statement.
constexpr int kBlockRows = 64;

bool errorReportPending = false;

// Reports a failure found while the view was painting, once the painting is over (a message
// box cannot open inside a paint event). Failures found before that report goes out are
// covered by it.
void ReportLater(const QString& what)
{
    if (errorReportPending)
        return;
    errorReportPending = true;
    QTimer::singleShot(0, [what] {
        ReportOperationError(what);
        errorReportPending = false;
    });
}

} // namespace

ListGridModel::ListGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListGridModel::Load()
{
    beginResetModel();
    stored_.clear();
    appended_.clear();
    lastKey_.clear();
    more_ = false;
    try {
        newestListId_ = NewestListId();
    } catch (...) {
        endResetModel();
        throw;
    }
    more_ = true;
    endResetModel();
    // Named with the first block: the walk down the key index never meets these lists.
    SkippedRows unreachable;
    try {
        AddListsOutOfKeyRange(unreachable);
    } catch (const DbError& e) {
        LogDbError(e); // the grid's own statements meet the same failure and report it
    }
    FetchBlock(unreachable);
}

void ListGridModel::Clear()
{
    beginResetModel();
    stored_.clear();
    appended_.clear();
    lastKey_.clear();
    more_ = false;
    endResetModel();
}

int ListGridModel::AppendList(int32_t listId, const QString& dateText)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    appended_.push_back({listId, dateText, QStringLiteral("0"), QStringLiteral("0")});
    endInsertRows();
    return row;
}

bool ListGridModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && more_;
}

void ListGridModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        FetchBlock();
}

void ListGridModel::FetchBlock(const SkippedRows& alsoSkipped)
{
    std::vector<Row> rows;
    bool read = false;
    int returned = 0;
    SkippedRows skipped;
    // When the counts cannot be read, the lists still show, with blank counts.
    const QString belowKey = lastKey_;
    for (const bool withCounts : {true, false}) {
        try {
            returned = 0;
            skipped = SkippedRows();
            rows = ReadListGridBlock({withCounts, newestListId_, belowKey, kBlockRows}, skipped,
                                     lastKey_, returned);
            read = true;
            break;
        } catch (const DbError& e) {
            LogDbError(e);
            ReportLater(e.message());
        } catch (const std::exception& e) {
            ReportLater(QString::fromLocal8Bit(e.what()));
        }
    }
    skipped.Add(alsoSkipped);
    if (!skipped.empty())
        ReportLater(skipped.Message());
    more_ = read && returned == kBlockRows;
    if (rows.empty())
        return;
    const int first = static_cast<int>(stored_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    stored_.insert(stored_.end(), std::make_move_iterator(rows.begin()),
                   std::make_move_iterator(rows.end()));
    endInsertRows();
}

void ListGridModel::FetchThrough(int row) const
{
    auto* self = const_cast<ListGridModel*>(this);
    while (more_ && row >= static_cast<int>(stored_.size()))
        self->FetchBlock();
}

int ListGridModel::AllRowCount() const
{
    FetchThrough(std::numeric_limits<int>::max());
    return rowCount();
}

ListGridModel::Row& ListGridModel::At(int row)
{
    const auto stored = static_cast<int>(stored_.size());
    return row < stored ? stored_[static_cast<size_t>(row)]
                        : appended_[static_cast<size_t>(row - stored)];
}

int32_t ListGridModel::ListID(int row) const
{
    return row >= 0 && row < rowCount() ? const_cast<ListGridModel*>(this)->At(row).listId : 0;
}

int ListGridModel::RowOf(int32_t listId) const
{
    for (size_t r = 0; r < stored_.size(); ++r)
        if (stored_[r].listId == listId)
            return static_cast<int>(r);
    for (size_t r = 0; r < appended_.size(); ++r)
        if (appended_[r].listId == listId)
            return static_cast<int>(stored_.size() + r);
    return -1;
}

QString ListGridModel::CellText(int row, int column) const
{
    if (row < 0)
        return QString();
    FetchThrough(row);
    if (row >= rowCount())
        return QString();
    const Row& shown = const_cast<ListGridModel*>(this)->At(row);
    switch (column) {
    case DateColumn:
        return shown.dateText;
    case WordsColumn:
        return shown.words;
    case TestsColumn:
        return shown.tests;
    case KeyColumn:
        return QString::number(shown.listId);
    default:
        return QString();
    }
}

void ListGridModel::Recount(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Row& counted = At(row);
    SkippedRows skipped;
    const std::vector<Row> fresh = ReadListGridRow(counted.listId, skipped);
    // A list deleted meanwhile has nothing left to count.
    counted.words = fresh.empty() ? QStringLiteral("0") : fresh.front().words;
    counted.tests = fresh.empty() ? QStringLiteral("0") : fresh.front().tests;
    emit dataChanged(index(row, WordsColumn), index(row, TestsColumn));
}

void ListGridModel::IncrementTests(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Row& counted = At(row);
    bool ok = false;
    const int tests = counted.tests.toInt(&ok);
    if (!ok)
        return; // a count that could not be read stays blank
    counted.tests = QString::number(tests + 1);
    emit dataChanged(index(row, TestsColumn), index(row, TestsColumn));
}

int ListGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(stored_.size() + appended_.size());
}

int ListGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ListGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return CellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return QVariant();
}

QVariant ListGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return QVariant();
    static const char* const kHeadings[ColumnCount] = {QT_TRANSLATE_NOOP("frmLists", "School Test Date"),
                                                       QT_TRANSLATE_NOOP("frmLists", "Words"),
                                                       QT_TRANSLATE_NOOP("frmLists", "Tests"), ""};
    if (section < 0 || section >= ColumnCount || !*kHeadings[section])
        return QString();
    return QCoreApplication::translate("frmLists", kHeadings[section]);
}
