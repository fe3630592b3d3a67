#include "ListQueries.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "SoundFolder.h"
#include "Statements.h"
#include "StoredText.h"
#include "WordQueries.h"

#include <QDateTime>
#include <exception>

namespace {

QString ListIdFilter(int32_t listId)
{
    return QLatin1String(Sql::WHERE_LIST_ID) + QString::number(listId) + Sql::VALUE_END;
}

QString SelectList(int32_t listId)
{
    return QString::fromLatin1(Sql::SELECT_LISTS) + ListIdFilter(listId);
}

// The rows a statement returns, counted by the database.
int32_t CountRows(const QString& sql)
{
    return static_cast<int32_t>(Globals::DbConnection().CountRows(sql));
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

std::vector<int32_t> ListsTestedBefore(const QString& usDayText)
{
    const QString sql = QString::fromLatin1(Sql::SELECT_LISTS) + Sql::WHERE_TEST_DATE_BEFORE +
                        usDayText + Sql::DATE_END + Sql::AND_NOT_IGNORED;
    std::vector<int32_t> lists;
    Recordset rs(sql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext()) {
        // A test date that holds no date (a number, a damaged text) is never past: the
        // database orders every number before any text.
        const Variant::Type date = rs.Field(QStringLiteral("TEST_DATE")).type();
        if (date != Variant::Type::Date && date != Variant::Type::DateTime)
            continue;
        try {
            lists.push_back(rs.Field(QStringLiteral("LIST_ID")).toLong());
        } catch (const std::exception&) {
            // A list without a usable key cannot be offered; the main grid names it.
        }
    }
    rs.Close();
    return lists;
}

int32_t CountListWords(int32_t listId)
{
    return CountRows(Sql::Where(Sql::SELECT_WORDS, Sql::WHERE_LIST_ID, listId));
}

int32_t CountListTests(int32_t listId)
{
    // Practice rounds of missed words and tests never finished are stored among the list's
    // tests but are none of them; SQLite counts the others.
    return static_cast<int32_t>(Globals::DbConnection().CountRows(
        Sql::Where(Sql::SELECT_TESTS, Sql::WHERE_LIST_ID, listId),
        QStringLiteral("PRACTICE_OF IS NULL AND UNFINISHED IS NULL")));
}

QString GetListTestDate(int32_t listId)
{
    Recordset rs(Sql::Where(Sql::SELECT_LISTS, Sql::WHERE_LIST_ID, listId),
                 Globals::DbConnection());
    if (rs.Eof())
        return {};
    return ShortDateText(rs.Field(QStringLiteral("TEST_DATE")));
}

void DeleteList(int32_t listId)
{
    Connection& db = Globals::DbConnection();
    QStringList words;
    {
        Recordset rs(Sql::Where(Sql::SELECT_WORDS, Sql::WHERE_LIST_ID, listId), db);
        for (; !rs.Eof(); rs.MoveNext())
            words << rs.Field(QStringLiteral("WORD")).toText();
    }
    // The rows go first: when the database refuses, no recording has been lost. A crash
    // before the recordings go leaves them to the next start.
    SoundChangeMark mark;
    {
        Transaction transaction(db);
        for (const char* table :
             {Sql::DELETE_WORDS, Sql::DELETE_LISTS, Sql::DELETE_TESTS, Sql::DELETE_WORD_ATTEMPTS})
            db.Execute(Sql::Where(table, Sql::WHERE_LIST_ID, listId));
        transaction.Commit();
    }
    DeleteUnusedRecordings(words);
}
