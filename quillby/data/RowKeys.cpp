#include "RowKeys.h"

#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QCoreApplication>
#include <cmath>

std::optional<int32_t> RowKey(const Recordset& rs, const QString& column)
{
    const Variant value = rs.Field(column);
    if (value.type() != Variant::Type::Long && value.type() != Variant::Type::Double &&
        value.type() != Variant::Type::Text)
        return std::nullopt;
    try {
        const double number = value.toDouble();
        if (number != std::floor(number) || number < 1)
            return std::nullopt;
        return value.toLong();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void SkippedRows::Add(const QString& table, const Recordset& rs)
{
    // Snapshots of "SELECT * FROM" carry their rowid; others select it as ROW_NUMBER.
    long long row = rs.RowId();
    if (row == 0 && rs.Columns().contains(QStringLiteral("ROW_NUMBER")))
        row = static_cast<long long>(rs.Field(QStringLiteral("ROW_NUMBER")).toDouble());
    rows_ << QCoreApplication::translate("RowKeys", "%1 row %2").arg(table).arg(row);
}

QString SkippedRows::Message() const
{
    if (rows_.isEmpty())
        return {};
    return QCoreApplication::translate(
               "RowKeys", "Some rows of the database are damaged and were left out: %1.")
        .arg(rows_.join(QStringLiteral(", ")));
}

void AddListsOutOfKeyRange(SkippedRows& skipped)
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_LISTS_OUT_OF_KEY_RANGE), Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext())
        skipped.Add(QStringLiteral("LISTS"), rs);
}
