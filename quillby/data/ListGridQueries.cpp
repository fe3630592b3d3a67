#include "ListGridQueries.h"

#include "StoredText.h"
#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <malloc.h>
#include <sqlite3.h>

namespace {

std::vector<ListGridRow> ReadRows(const QString& sql, SkippedRows& skipped,
                                  QString* lastKey = nullptr, int* returned = nullptr)
{
    std::vector<ListGridRow> rows;
    Recordset rs(sql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext()) {
        if (returned)
            ++*returned;
        if (lastKey)
            *lastKey = QString::number(rs.Field(QStringLiteral("LIST_ID")).toDouble(), 'g', 17);
        const auto key = RowKey(rs, QStringLiteral("LIST_ID"));
        if (!key) {
            skipped.Add(QStringLiteral("LISTS"), rs);
            continue;
        }
        ListGridRow row;
        row.listId = *key;
        row.dateText = ShortDateText(rs.Field(QStringLiteral("TEST_DATE")));
        row.words = rs.Field(QStringLiteral("WORD_COUNT")).toText();
        row.tests = rs.Field(QStringLiteral("TEST_COUNT")).toText();
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

int32_t NewestListId()
{
    const QString column = QStringLiteral("LAST_ID");
    Recordset rs(QString::fromLatin1(Sql::MAX_LIST_ID), Globals::DbConnection());
    if (rs.Eof() || rs.Field(column).isNull())
        return 0; // MAX of no rows
    return rs.Field(column).toLong();
}

std::vector<ListGridRow> ReadListGridBlock(const ListGridBlock& block, SkippedRows& skipped,
                                           QString& lastKey, int& returned)
{
    // The next lists below the last one read, through the key index (no OFFSET to walk).
    const QString below = block.belowKey.isEmpty()
                              ? Sql::WHERE_GRID_KEY_UP_TO + QString::number(block.newestListId)
                              : Sql::WHERE_GRID_KEY_UP_TO + QString::number(block.newestListId) +
                                    QStringLiteral(" AND LIST_ID < ") + block.belowKey;
    const char* select =
        block.withCounts ? Sql::SELECT_LIST_GRID_ROWS : Sql::SELECT_LIST_GRID_ROWS_UNCOUNTED;
    return ReadRows(QString::fromLatin1(select) + below + Sql::VALUE_END +
                        Sql::ORDER_BY_LIST_ID_DESC + QStringLiteral(" LIMIT %1").arg(block.rows),
                    skipped, &lastKey, &returned);
}

std::vector<ListGridRow> ReadListGridRow(int32_t listId, SkippedRows& skipped)
{
    return ReadRows(QString::fromLatin1(Sql::SELECT_LIST_GRID_ROWS) + Sql::WHERE_LIST_ID +
                        QString::number(listId) + Sql::VALUE_END,
                    skipped);
}

namespace {

QString GridKeys(int32_t newestListId)
{
    return Sql::WHERE_GRID_KEY_UP_TO + QString::number(newestListId) + Sql::VALUE_END;
}

// The first column of the first row as a number; 0 when there is no row.
long long FirstNumber(const QString& sql, const QString& column)
{
    Recordset rs(sql, Globals::DbConnection());
    if (rs.Eof() || rs.Field(column).isNull())
        return 0;
    return static_cast<long long>(rs.Field(column).toDouble());
}

} // namespace

int CountListGridRows(int32_t newestListId)
{
    if (newestListId < 1)
        return 0;
    return static_cast<int>(FirstNumber(Sql::COUNT_GRID_LISTS_QUICKLY +
                                            QString::number(newestListId) +
                                            QStringLiteral(" ) AS LIST_COUNT "),
                                        QStringLiteral("LIST_COUNT")));
}

void ReleaseReadPages()
{
    if (sqlite3* db = Globals::DbConnection().Handle())
        sqlite3_db_release_memory(db);
    // Freed pages amid the heap stay with the program until they are handed back.
    malloc_trim(0);
}

int32_t ListGridKeyAt(int32_t newestListId, int offset, int rowCount)
{
    if (offset < 0 || offset >= rowCount)
        return 0;
    // The nearer end keeps the walk down the index at half the lists at most.
    const bool fromTop = offset <= rowCount / 2;
    const QString order = fromTop ? Sql::ORDER_BY_LIST_ID_DESC : Sql::ORDER_BY_LIST_ID_ASC;
    const int skip = fromTop ? offset : rowCount - 1 - offset;
    return static_cast<int32_t>(FirstNumber(Sql::SELECT_GRID_KEY + GridKeys(newestListId) + order +
                                                QStringLiteral(" LIMIT 1 OFFSET %1").arg(skip),
                                            QStringLiteral("LIST_ID")));
}

int ListGridRowOf(int32_t newestListId, int32_t listId)
{
    return static_cast<int>(FirstNumber(Sql::COUNT_GRID_LISTS + GridKeys(newestListId) +
                                            QStringLiteral(" AND LIST_ID > %1").arg(listId),
                                        QStringLiteral("LIST_COUNT")));
}

void AddListsWithDamagedKeys(SkippedRows& skipped)
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_LISTS_WITH_DAMAGED_KEYS), Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        skipped.Add(QStringLiteral("LISTS"), rs);
}

int32_t ListOfTestDate(const QDate& testDate, int32_t newestListId)
{
    if (!testDate.isValid() || newestListId < 1)
        return 0;
    return static_cast<int32_t>(
        FirstNumber(Sql::SELECT_LIST_OF_TEST_DATE + testDate.toString(QStringLiteral("M/d/yyyy")) +
                        Sql::DATE_END + Sql::AND_LIST_ID_UP_TO + QString::number(newestListId) +
                        Sql::VALUE_END + Sql::ORDER_BY_LIST_ID_DESC + QStringLiteral(" LIMIT 1"),
                    QStringLiteral("LIST_ID")));
}
