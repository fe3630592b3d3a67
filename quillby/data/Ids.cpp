#include "Ids.h"

#include "Connection.h"
#include "DbError.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QCoreApplication>
#include <limits>
#include <stdexcept>

int32_t GetNextID(const QString& code)
{
    return GetNextID(Globals::DbConnection(), code);
}

int32_t GetNextID(Connection& connection, const QString& code)
{
    const QString sql = QString::fromLatin1(Sql::SELECT_IDS) +
                        QString::fromLatin1(Sql::WHERE_CODE) + code +
                        QString::fromLatin1(Sql::CODE_END);
    // Codes are the program's own names; one with a quote would change the statement.
    if (code.contains(QLatin1Char('\'')))
        throw DbError(sql,
                      QCoreApplication::translate("Ids", "The counter code %1 is not a valid code.")
                          .arg(code));

    // Read and advance in one write transaction: two programs reaching one file through
    // different paths must never both hand out the same number.
    Transaction transaction(connection);
    Recordset rs(sql, connection);
    int32_t result = 1;
    if (rs.Eof()) {
        rs.AddNew();
        rs.SetField(QStringLiteral("CODE"), code);
        rs.SetField(QStringLiteral("VALUE"), result);
    } else {
        int32_t last = 0;
        try {
            last = rs.Field(QStringLiteral("VALUE")).toLong();
        } catch (const std::logic_error& e) { // unreadable or out-of-range stored value
            throw DbError(
                sql, QCoreApplication::translate("Ids", "The counter %1 holds no usable number: %2")
                         .arg(code, QString::fromStdString(e.what())));
        }
        if (last < 0)
            throw DbError(
                sql, QCoreApplication::translate("Ids", "The counter %1 holds %2, which is not a "
                                                        "positive whole number.")
                         .arg(code)
                         .arg(last));
        if (last == std::numeric_limits<int32_t>::max())
            throw DbError(sql, QCoreApplication::translate(
                                   "Ids", "The counter %1 is at its largest value %2 and "
                                          "cannot hand out another identifier.")
                                   .arg(code)
                                   .arg(last));
        result = last + 1;
        rs.SetField(QStringLiteral("VALUE"), result);
    }
    rs.Update();
    rs.Close();
    transaction.Commit();
    return result;
}
