#include "OptionQueries.h"

#include "Globals.h"
#include "Options.h"
#include "Recordset.h"
#include "Statements.h"

namespace {

QString SelectOptions() { return QString::fromLatin1(Sql::SELECT_OPTIONS); }

} // namespace

QString StoredTestDay()
{
    Recordset rs(SelectOptions(), Globals::DbConnection());
    QString day;
    if (!rs.Eof())
        day = rs.Field(QString::fromLatin1(Opt::TEST_DAY)).toText();
    rs.Close();
    return day;
}

StoredOptions::StoredOptions()
    : rs_(std::make_unique<Recordset>(SelectOptions(), Globals::DbConnection()))
{
}

StoredOptions::~StoredOptions() = default;

bool StoredOptions::HasRow() const { return !rs_->Eof(); }

Variant StoredOptions::Field(const char* column) const
{
    return rs_->Field(QString::fromLatin1(column));
}

bool WriteOptions(const OptionValues& values, bool addRowIfNone)
{
    Recordset rs(SelectOptions(), Globals::DbConnection());
    if (rs.Eof()) {
        if (!addRowIfNone) {
            rs.Close();
            return false;
        }
        rs.AddNew();
    }
    const QString speakWords = QString::fromLatin1(Opt::SPEAK_WORDS);
    const bool canSpeakWords = rs.Columns().contains(speakWords, Qt::CaseInsensitive);
    for (const auto& [column, value] : values) {
        const QString name = QString::fromLatin1(column);
        if (canSpeakWords || name.compare(speakWords, Qt::CaseInsensitive) != 0)
            rs.SetField(name, value);
    }
    rs.Update();
    rs.Close();
    return true;
}
