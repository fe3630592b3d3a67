#include "Recordset.h"

#include "Connection.h"
#include "DbError.h"
#include "TextCursor.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <sqlite3.h>

namespace {
// The rowid rides along as the first column of "SELECT * FROM <table> ..." snapshots.
const QString kRowidColumn = QStringLiteral("_rowid_");

QString ErrorOf(Connection& connection)
{
    return connection.LastError();
}

Recordset::ColumnKind KindOf(const char* declType)
{
    if (declType && qstricmp(declType, "DATE") == 0)
        return Recordset::ColumnKind::Date;
    if (declType && qstricmp(declType, "DATETIME") == 0)
        return Recordset::ColumnKind::DateTime;
    return Recordset::ColumnKind::Plain;
}

// Text of a DATE or DATETIME column becomes a Date or DateTime when it has the stored ISO
// form (read straight from SQLite's bytes); any other text stays text.
Variant ReadValue(sqlite3_stmt* stmt, int index, Recordset::ColumnKind kind)
{
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, index);
        if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
            return Variant(static_cast<int32_t>(v));
        return Variant(static_cast<double>(v));
    }
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(stmt, index));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
        const int bytes = sqlite3_column_bytes(stmt, index);
        if (kind != Recordset::ColumnKind::Plain) {
            QDate date;
            QTime time;
            bool hasTime = false;
            if (ParseIsoDate(text, bytes, date, time, hasTime))
                return kind == Recordset::ColumnKind::Date ? Variant(date) : Variant(date, time);
        }
        return Variant(QString::fromUtf8(text, bytes));
    }
    }
}

// Dates go to DATE and DATETIME columns as ISO text; everything else keeps its kind.
int BindValue(sqlite3_stmt* stmt, int index, const Variant& value, Recordset::ColumnKind kind)
{
    QString text;
    switch (value.type()) {
    case Variant::Type::Null:
        return sqlite3_bind_null(stmt, index);
    case Variant::Type::Long:
        return sqlite3_bind_int(stmt, index, value.toLong());
    case Variant::Type::Double:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case Variant::Type::Date:
    case Variant::Type::DateTime:
    case Variant::Type::Text: {
        const QDateTime dt = value.type() != Variant::Type::Text ||
                                     kind != Recordset::ColumnKind::Plain
                                 ? value.toDateTime()
                                 : QDateTime();
        if (!dt.isValid())
            text = value.toText();
        else if (kind == Recordset::ColumnKind::Date)
            text = IsoDateText(dt.date());
        else
            text = IsoDateTimeText(dt.date(), dt.time());
        break;
    }
    }
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

QString Quoted(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// The table of "SELECT * FROM <table>" at the start of sql (followed by a blank, ';' or the
// end), with end set after its name; "" for any other statement.
QString StarFromTable(const QString& sql, qsizetype& end)
{
    TextCursor at(sql);
    at.Blanks();
    if (!at.Take(QLatin1StringView("SELECT")) || !at.Blanks() || !at.Take(QLatin1StringView("*")) ||
        !at.Blanks() || !at.Take(QLatin1StringView("FROM")) || !at.Blanks())
        return {};
    const QStringView table = at.Name();
    const QChar next = at.Next();
    if (table.isEmpty() || !(at.AtEnd() || TextCursor::IsBlank(next) || next == QLatin1Char(';')))
        return {};
    end = at.At();
    return table.toString();
}
} // namespace

void Recordset::Open(const QString& sql, Connection& connection)
{
    Load(sql, connection, true);
}

void Recordset::OpenToAppend(const QString& sql, Connection& connection)
{
    Load(sql, connection, false);
}

void Recordset::Load(const QString& sql, Connection& connection, bool fetchRows)
{
    Close();
    connection.RequireOpen(sql);
    connection.NotifyStatement(sql);

    // "SELECT * FROM <table> ..." snapshots can be changed: they carry each row's rowid.
    QString text = Connection::RewriteDateLiterals(sql);
    qsizetype end = 0;
    const QString table = StarFromTable(text, end);
    if (!table.isEmpty())
        text = QStringLiteral("SELECT ") + kRowidColumn + QStringLiteral(", * FROM ") + table +
               text.mid(end);

    const Connection::Query query = connection.Prepare(text, sql);
    sqlite3_stmt* stmt = query.get();

    const int first = table.isEmpty() ? 0 : 1;
    const int count = sqlite3_column_count(stmt);
    QStringList columns;
    std::vector<ColumnKind> kinds;
    for (int i = first; i < count; ++i) {
        columns << QString::fromUtf8(sqlite3_column_name(stmt, i));
        kinds.push_back(KindOf(sqlite3_column_decltype(stmt, i)));
    }
    std::vector<Row> rows;
    int rc = SQLITE_DONE;
    while (fetchRows && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Row row;
        row.rowid = first ? sqlite3_column_int64(stmt, 0) : 0;
        row.values.reserve(columns.size());
        for (int i = first; i < count; ++i)
            row.values.push_back(ReadValue(stmt, i, kinds[i - first]));
        row.dirty.assign(columns.size(), false);
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw DbError(sql, ErrorOf(connection));

    connection_ = &connection;
    sql_ = sql;
    table_ = table;
    columns_ = columns;
    kinds_ = std::move(kinds);
    rows_ = std::move(rows);
    current_ = 0;
    adding_ = false;
}

void Recordset::Close()
{
    connection_ = nullptr;
    sql_.clear();
    table_.clear();
    columns_.clear();
    kinds_.clear();
    rows_.clear();
    current_ = 0;
    adding_ = false;
}

long long Recordset::RowId() const
{
    return Eof() ? 0 : rows_[static_cast<size_t>(current_)].rowid;
}

bool Recordset::Eof() const
{
    return current_ >= int(rows_.size());
}

void Recordset::MoveNext()
{
    if (!IsOpen() || Eof())
        throw DbError(sql_, QCoreApplication::translate(
                                "Recordset", "There is no current record to move from."));
    Update(); // like the old record sets: leaving a changed row stores it
    ++current_;
}

void Recordset::MoveFirst()
{
    if (!IsOpen())
        throw DbError(sql_,
                      QCoreApplication::translate("Recordset", "The record set is not open."));
    Update();
    current_ = 0;
}

int Recordset::RecordCount() const
{
    return int(rows_.size());
}

int Recordset::ColumnIndex(const QString& column) const
{
    // Callers nearly always spell the name as the database does: try that cheap match first.
    const qsizetype exact = columns_.indexOf(column);
    if (exact >= 0)
        return int(exact);
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DbError(
        sql_,
        QCoreApplication::translate("Recordset", "The record set has no column %1.").arg(column));
}

Variant Recordset::Field(const QString& column) const
{
    if (!IsOpen() || Eof())
        throw DbError(sql_, QCoreApplication::translate(
                                "Recordset", "There is no current record to read %1 from.")
                                .arg(column));
    return rows_[current_].values[ColumnIndex(column)];
}

void Recordset::SetField(const QString& column, const Variant& value)
{
    if (!IsOpen() || Eof())
        throw DbError(sql_, QCoreApplication::translate(
                                "Recordset", "There is no current record to write %1 to.")
                                .arg(column));
    const int index = ColumnIndex(column);
    Row& row = rows_[current_];
    row.values[index] = value;
    row.dirty[index] = true;
}

void Recordset::AddNew()
{
    if (!IsOpen())
        throw DbError(sql_,
                      QCoreApplication::translate("Recordset", "The record set is not open."));
    if (table_.isEmpty())
        throw DbError(sql_, QCoreApplication::translate(
                                "Recordset", "Rows cannot be added through this statement."));
    Update();
    Row row;
    row.values.resize(columns_.size());
    row.dirty.assign(columns_.size(), false);
    rows_.push_back(std::move(row));
    current_ = int(rows_.size()) - 1;
    adding_ = true;
}

void Recordset::Update()
{
    if (!IsOpen() || Eof())
        return;
    Row& row = rows_[current_];
    const bool changed = std::find(row.dirty.begin(), row.dirty.end(), true) != row.dirty.end();
    if (!adding_ && !changed)
        return;
    if (table_.isEmpty())
        throw DbError(sql_, QCoreApplication::translate(
                                "Recordset", "Rows cannot be changed through this statement."));

    QStringList names;
    std::vector<int> indexes;
    for (int i = 0; i < columns_.size(); ++i) {
        if (row.dirty[i]) {
            names << Quoted(columns_[i]);
            indexes.push_back(i);
        }
    }
    QString statement;
    if (adding_) {
        statement = names.isEmpty()
                        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Quoted(table_))
                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(Quoted(table_), names.join(QStringLiteral(", ")),
                                   QStringList(names.size(), QStringLiteral("?"))
                                       .join(QStringLiteral(", ")));
    } else {
        statement = QStringLiteral("UPDATE %1 SET %2 = ? WHERE _rowid_ = ?")
                        .arg(Quoted(table_), names.join(QStringLiteral(" = ?, ")));
    }

    sqlite3* db = connection_->Handle();
    const Connection::Query query = connection_->Prepare(statement, statement);
    int param = 1;
    for (int i : indexes)
        BindValue(query.get(), param++, row.values[i], kinds_[i]);
    if (!adding_)
        sqlite3_bind_int64(query.get(), param, row.rowid);
    if (sqlite3_step(query.get()) != SQLITE_DONE)
        throw DbError(statement, ErrorOf(*connection_));
    if (adding_) {
        row.rowid = sqlite3_last_insert_rowid(db);
    } else if (sqlite3_changes(db) == 0) {
        throw DbError(statement, QCoreApplication::translate(
                                     "Recordset", "The row to change no longer exists in %1.")
                                     .arg(connection_->FilePath()));
    }
    row.dirty.assign(columns_.size(), false);
    adding_ = false;
}
