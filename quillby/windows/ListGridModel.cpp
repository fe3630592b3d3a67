#include "ListGridModel.h"

#include "AppFunctions.h"
#include "DbError.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <utility>

namespace {
// Rows whose counts are read together: more than a screenful, so that showing the grid or
// scrolling one page costs one statement.
constexpr int kCountBlock = 64;

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
    rows_.clear();
    try {
        Recordset rs(QString::fromLatin1(Sql::SELECT_LIST_GRID), Globals::DbConnection());
        rows_.reserve(static_cast<size_t>(rs.RecordCount()));
        for (; !rs.Eof(); rs.MoveNext()) {
            Row row;
            row.listId = rs.Field(QStringLiteral("LIST_ID")).toLong();
            row.testDate = rs.Field(QStringLiteral("TEST_DATE"));
            rows_.push_back(std::move(row));
        }
    } catch (...) {
        rows_.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

void ListGridModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int ListGridModel::AppendList(int32_t listId, const QString& dateText)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    Row added;
    added.listId = listId;
    added.dateText = dateText;
    added.dateFormatted = true;
    added.words = 0;
    added.tests = 0;
    rows_.push_back(std::move(added));
    endInsertRows();
    return row;
}

int32_t ListGridModel::ListID(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].listId : 0;
}

int ListGridModel::RowOf(int32_t listId) const
{
    for (size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].listId == listId)
            return static_cast<int>(r);
    return -1;
}

QString ListGridModel::CellText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    switch (column) {
    case DateColumn:
        return DateText(row);
    case WordsColumn:
        return CountText(row, &Row::words);
    case TestsColumn:
        return CountText(row, &Row::tests);
    case KeyColumn:
        return QString::number(rows_[static_cast<size_t>(row)].listId);
    default:
        return QString();
    }
}

void ListGridModel::Recount(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Row& counted = rows_[static_cast<size_t>(row)];
    counted.words = kUnread;
    counted.tests = kUnread;
    try {
        ReadCountsOf({row});
    } catch (...) {
        emit dataChanged(index(row, WordsColumn), index(row, TestsColumn));
        throw;
    }
    emit dataChanged(index(row, WordsColumn), index(row, TestsColumn));
}

void ListGridModel::IncrementTests(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    // A count not read yet will be read from the database, which already holds the new test.
    Row& counted = rows_[static_cast<size_t>(row)];
    if (counted.tests < 0)
        return;
    ++counted.tests;
    emit dataChanged(index(row, TestsColumn), index(row, TestsColumn));
}

int ListGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
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
    static const char* const kHeadings[ColumnCount] = {"School Test Date", "Words", "Tests", ""};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kHeadings[section]) : QString();
}

QString ListGridModel::DateText(int row) const
{
    Row& shown = rows_[static_cast<size_t>(row)];
    if (!shown.dateFormatted) {
        shown.dateText = ShortDateText(shown.testDate);
        shown.dateFormatted = true;
    }
    return shown.dateText;
}

QString ListGridModel::CountText(int row, int32_t Row::*count) const
{
    if (rows_[static_cast<size_t>(row)].*count == kUnread)
        ReadCounts(row);
    const int32_t value = rows_[static_cast<size_t>(row)].*count;
    return value < 0 ? QString() : QString::number(value);
}

void ListGridModel::ReadCounts(int row) const
{
    std::vector<int> unread;
    const int first = row - row % kCountBlock;
    const int end = std::min(first + kCountBlock, rowCount());
    for (int r = first; r < end; ++r) {
        const Row& candidate = rows_[static_cast<size_t>(r)];
        if (candidate.words == kUnread || candidate.tests == kUnread)
            unread.push_back(r);
    }
    try {
        ReadCountsOf(unread);
    } catch (const DbError& e) {
        LogDbError(e);
        ReportLater(e.message());
    } catch (const std::exception& e) {
        ReportLater(QString::fromLocal8Bit(e.what()));
    }
}

void ListGridModel::ReadCountsOf(const std::vector<int>& rowNumbers) const
{
    if (rowNumbers.empty())
        return;
    // Until the statement has answered, these counts are unreadable: a failure leaves them
    // blank instead of asking the database again at every repaint.
    QStringList ids;
    for (int r : rowNumbers) {
        Row& row = rows_[static_cast<size_t>(r)];
        ids << QString::number(row.listId);
        row.words = kUnreadable;
        row.tests = kUnreadable;
    }
    Recordset rs(QString::fromLatin1(Sql::SELECT_LIST_COUNTS) + QLatin1Char('(') +
                     ids.join(QLatin1Char(',')) + QLatin1Char(')'),
                 Globals::DbConnection());
    std::vector<std::pair<int32_t, std::pair<int32_t, int32_t>>> counts;
    for (; !rs.Eof(); rs.MoveNext())
        counts.push_back({rs.Field(QStringLiteral("LIST_ID")).toLong(),
                          {rs.Field(QStringLiteral("WORD_COUNT")).toLong(),
                           rs.Field(QStringLiteral("TEST_COUNT")).toLong()}});
    for (int r : rowNumbers) {
        Row& row = rows_[static_cast<size_t>(r)];
        // A list deleted meanwhile gives no row back: it has nothing left to count.
        row.words = 0;
        row.tests = 0;
        for (const auto& [listId, wordsAndTests] : counts) {
            if (listId == row.listId) {
                row.words = wordsAndTests.first;
                row.tests = wordsAndTests.second;
            }
        }
    }
}
