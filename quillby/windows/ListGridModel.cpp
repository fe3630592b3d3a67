#include "ListGridModel.h"

#include "AppFunctions.h"
#include "DbError.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QTimer>
#include <algorithm>
#include <exception>

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

// The rows a grid statement returns, in its order.
template <class Row>
std::vector<Row> ReadRows(const QString& sql)
{
    std::vector<Row> rows;
    Recordset rs(sql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext()) {
        Row row;
        row.listId = rs.Field(QStringLiteral("LIST_ID")).toLong();
        row.dateText = ShortDateText(rs.Field(QStringLiteral("TEST_DATE")));
        row.words = rs.Field(QStringLiteral("WORD_COUNT")).toText();
        row.tests = rs.Field(QStringLiteral("TEST_COUNT")).toText();
        rows.push_back(std::move(row));
    }
    return rows;
}

int32_t ReadNumber(const QString& sql, const QString& column)
{
    Recordset rs(sql, Globals::DbConnection());
    return rs.Eof() ? 0 : rs.Field(column).toLong();
}
} // namespace

ListGridModel::ListGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListGridModel::Load()
{
    beginResetModel();
    blocks_.clear();
    appended_.clear();
    storedRows_ = 0;
    lastListId_ = 0;
    try {
        // Lists created after this moment join at the bottom (AppendList), so the stored rows
        // are those up to the newest list of now: block positions stay put.
        lastListId_ = ReadNumber(QString::fromLatin1(Sql::MAX_LIST_ID), QStringLiteral("LAST_ID"));
        storedRows_ = ReadNumber(QString::fromLatin1(Sql::COUNT_LISTS_UP_TO) +
                                     QString::number(lastListId_) + Sql::VALUE_END,
                                 QStringLiteral("LISTS"));
    } catch (...) {
        storedRows_ = 0;
        endResetModel();
        throw;
    }
    blocks_.resize(static_cast<size_t>((storedRows_ + kBlockRows - 1) / kBlockRows));
    endResetModel();
}

void ListGridModel::Clear()
{
    beginResetModel();
    blocks_.clear();
    appended_.clear();
    storedRows_ = 0;
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

ListGridModel::Row& ListGridModel::At(int row) const
{
    if (row >= storedRows_)
        return const_cast<Row&>(appended_[static_cast<size_t>(row - storedRows_)]);
    const size_t block = static_cast<size_t>(row / kBlockRows);
    if (blocks_[block].empty())
        ReadBlock(block);
    return blocks_[block][static_cast<size_t>(row % kBlockRows)];
}

void ListGridModel::ReadBlock(size_t block) const
{
    const int first = static_cast<int>(block) * kBlockRows;
    const size_t size = static_cast<size_t>(std::min(kBlockRows, storedRows_ - first));
    const QString rowsOfBlock = Sql::WHERE_LIST_ID_UP_TO + QString::number(lastListId_) +
                                Sql::VALUE_END + Sql::ORDER_BY_LIST_ID_DESC +
                                QStringLiteral(" LIMIT %1 OFFSET %2").arg(kBlockRows).arg(first);
    std::vector<Row> rows;
    // When the counts cannot be read, the lists still show, with blank counts.
    for (const char* select : {Sql::SELECT_LIST_GRID_ROWS, Sql::SELECT_LIST_GRID_ROWS_UNCOUNTED}) {
        try {
            rows = ReadRows<Row>(QString::fromLatin1(select) + rowsOfBlock);
            break;
        } catch (const DbError& e) {
            ReportLater(e.userText());
        } catch (const std::exception& e) {
            ReportLater(QString::fromLocal8Bit(e.what()));
        }
    }
    // Lists deleted since the grid was filled leave blank rows at the end of the block.
    rows.resize(size);
    blocks_[block] = std::move(rows);
}

int32_t ListGridModel::ListID(int row) const
{
    return row >= 0 && row < rowCount() ? At(row).listId : 0;
}

int ListGridModel::RowOf(int32_t listId) const
{
    for (size_t r = 0; r < appended_.size(); ++r)
        if (appended_[r].listId == listId)
            return storedRows_ + static_cast<int>(r);
    for (size_t b = 0; b < blocks_.size(); ++b)
        for (size_t r = 0; r < blocks_[b].size(); ++r)
            if (blocks_[b][r].listId == listId)
                return static_cast<int>(b) * kBlockRows + static_cast<int>(r);
    return -1;
}

QString ListGridModel::CellText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    const Row& shown = At(row);
    switch (column) {
    case DateColumn:
        return shown.dateText;
    case WordsColumn:
        return shown.words;
    case TestsColumn:
        return shown.tests;
    case KeyColumn:
        return shown.listId != 0 ? QString::number(shown.listId) : QString();
    default:
        return QString();
    }
}

void ListGridModel::Recount(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    Row& counted = At(row);
    const std::vector<Row> fresh = ReadRows<Row>(QString::fromLatin1(Sql::SELECT_LIST_GRID_ROWS) +
                                                 Sql::WHERE_LIST_ID +
                                                 QString::number(counted.listId) + Sql::VALUE_END);
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
    return parent.isValid() ? 0 : storedRows_ + static_cast<int>(appended_.size());
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
