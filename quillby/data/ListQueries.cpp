#include "ListQueries.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QDateTime>

namespace {

QString ListIdFilter(int32_t listId)
{
    return QLatin1String(Sql::WHERE_LIST_ID) + QString::number(listId) + Sql::VALUE_END;
}

QString SelectList(int32_t listId)
{
    return QString::fromLatin1(Sql::SELECT_LISTS) + ListIdFilter(listId);
}

} // namespace

void AddList(int32_t listId, const NewListDates& dates)
{
    Recordset rs(SelectList(listId), Globals::DbConnection());
    rs.AddNew();
    rs.SetField(QStringLiteral("LIST_ID"), Variant(listId));
    rs.SetField(QStringLiteral("WEEK_START"), Variant(dates.weekStart));
    rs.SetField(QStringLiteral("WEEK_END"), Variant(dates.weekEnd));
    rs.SetField(QStringLiteral("TEST_DATE"), Variant(dates.testDate));
    rs.SetField(QStringLiteral("CREATED_DATE"), Variant(QDateTime::currentDateTime()));
    rs.SetField(QStringLiteral("STATUS"), Variant("CREATED"));
    rs.Update();
    rs.Close();
}

std::optional<ListDates> ReadListDates(int32_t listId)
{
    Recordset rs(SelectList(listId), Globals::DbConnection());
    std::optional<ListDates> dates;
    if (!rs.Eof())
        dates = ListDates{rs.Field(QStringLiteral("CREATED_DATE")).toDate(),
                          rs.Field(QStringLiteral("TEST_DATE"))};
    rs.Close();
    return dates;
}

QStringList ListWordsByWord(int32_t listId)
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_WORDS) + ListIdFilter(listId) +
                     Sql::ORDER_BY_WORD,
                 Globals::DbConnection());
    QStringList words;
    for (; !rs.Eof(); rs.MoveNext())
        words << rs.Field(QStringLiteral("WORD")).toText();
    rs.Close();
    return words;
}

void IgnoreList(int32_t listId)
{
    Globals::DbConnection().Execute(QString::fromLatin1(Sql::UPDATE_LISTS) +
                                    Sql::SET_STATUS_IGNORED + ListIdFilter(listId));
}
