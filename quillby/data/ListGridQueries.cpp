#include "ListGridQueries.h"

#include "StoredText.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

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
                              ? Sql::WHERE_LIST_ID_UP_TO + QString::number(block.newestListId)
                              : Sql::WHERE_LIST_ID_BELOW + block.belowKey;
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
