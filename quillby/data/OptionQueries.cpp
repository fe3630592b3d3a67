#include "OptionQueries.h"

#include "Globals.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"

QString StoredTestDay()
{
    Recordset rs(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
    QString day;
    if (!rs.Eof())
        day = rs.Field(QString::fromLatin1(Opt::TEST_DAY)).toText();
    rs.Close();
    return day;
}
