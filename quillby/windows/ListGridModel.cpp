#include "ListGridModel.h"

#include "DbError.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "ListGridQueries.h"
#include "RowKeys.h"
#include "StoredText.h"
#include "Variant.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <exception>

namespace {
// Rows read together: more than a screenful, so that showing the grid or scrolling one page
// costs one block (two statements through the key index).
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
    blocks_.clear();
    appended_.clear();
    storedCount_ = 0;
    countsReadable_ = true;
    try {
        newestListId_ = NewestListId();
        storedCount_ = CountListGridRows(newestListId_);
    } catch (...) {
        newestListId_ = 0;
        storedCount_ = 0;
        endResetModel();
        throw;
    }
    endResetModel();
    // Rows the grid cannot show are named once, when it is filled.
    SkippedRows damaged;
    try {
        AddListsWithDamagedKeys(damaged);
    } catch (const DbError& e) {
        LogDbError(e); // the grid's own statements meet the same failure and report it
    }
    if (!damaged.empty())
        ReportLater(damaged.Message());
}

void ListGridModel::Clear()
{
    beginResetModel();
    blocks_.clear();
    appended_.clear();
    storedCount_ = 0;
    newestListId_ = 0;
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

std::vector<ListGridModel::Row> ListGridModel::ReadBlock(int block) const
{
    const int first = block * kBlockRows;
    const auto wanted = static_cast<size_t>(std::min(kBlockRows, storedCount_ - first));
    std::vector<Row> rows;
    SkippedRows skipped;
    // When the counts cannot be read, the lists still show, with blank counts.
    for (const bool withCounts : {true, false}) {
        if (withCounts && !countsReadable_)
            continue;
        try {
            const int32_t startKey = ListGridKeyAt(newestListId_, first, storedCount_);
            QString lastKey;
            int returned = 0;
            rows = ReadListGridBlock({withCounts, startKey, QString(), kBlockRows}, skipped,
                                     lastKey, returned);
            break;
        } catch (const DbError& e) {
            LogDbError(e);
            ReportLater(e.message());
        } catch (const std::exception& e) {
            ReportLater(QString::fromLocal8Bit(e.what()));
        }
        countsReadable_ = false;
    }
    if (!skipped.empty())
        ReportLater(skipped.Message());
    // Lists deleted behind the grid's back leave blank rows until the next Load.
    rows.resize(wanted);
    return rows;
}

std::vector<ListGridModel::Row>& ListGridModel::BlockOf(int row) const
{
    const int block = row / kBlockRows;
    auto found = blocks_.find(block);
    if (found == blocks_.end())
        found = blocks_.emplace(block, ReadBlock(block)).first;
    return found->second;
}

int ListGridModel::AllRowCount() const { return rowCount(); }

ListGridModel::Row& ListGridModel::At(int row)
{
    if (row < storedCount_)
        return BlockOf(row)[static_cast<size_t>(row % kBlockRows)];
    return appended_[static_cast<size_t>(row - storedCount_)];
}

int32_t ListGridModel::ListID(int row) const
{
    return row >= 0 && row < rowCount() ? const_cast<ListGridModel*>(this)->At(row).listId : 0;
}

int ListGridModel::RowOf(int32_t listId) const
{
    for (const auto& [block, rows] : blocks_)
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r].listId == listId)
                return block * kBlockRows + static_cast<int>(r);
    for (size_t r = 0; r < appended_.size(); ++r)
        if (appended_[r].listId == listId)
            return storedCount_ + static_cast<int>(r);
    return -1;
}

int ListGridModel::RowOfTestDate(const QDate& testDate) const
{
    const int32_t listId = ListOfTestDate(testDate, newestListId_);
    if (listId != 0)
        return ListGridRowOf(newestListId_, listId);
    const QString shown = ShortDateText(Variant(testDate));
    for (size_t r = 0; r < appended_.size(); ++r)
        if (appended_[r].dateText == shown)
            return storedCount_ + static_cast<int>(r);
    return -1;
}

QString ListGridModel::CellText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
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
    return parent.isValid() ? 0 : storedCount_ + static_cast<int>(appended_.size());
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
    static const char* const kHeadings[ColumnCount] = {
        QT_TRANSLATE_NOOP("frmLists", "School Test Date"), QT_TRANSLATE_NOOP("frmLists", "Words"),
        QT_TRANSLATE_NOOP("frmLists", "Tests"), ""};
    if (section < 0 || section >= ColumnCount || !*kHeadings[section])
        return QString();
    return QCoreApplication::translate("frmLists", kHeadings[section]);
}
