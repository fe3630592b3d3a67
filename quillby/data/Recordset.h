#pragma once
#include "Variant.h"
#include <QString>
#include <QStringList>
#include <vector>

class Connection;

// A static snapshot of the rows a SELECT returns, in the style of the old record sets:
// walk with Eof/MoveNext, read and write fields by column name, AddNew + Update to append,
// field writes + Update to change the current row. Changes are written back by the row's
// rowid with bound parameters, so no value is ever spliced into SQL.
// Date and DateTime columns (declared DATE / DATETIME) read as Date / DateTime variants and
// are stored as ISO text.
class Recordset {
public:
    Recordset() = default;
    Recordset(const QString& sql, Connection& connection) { Open(sql, connection); }

    // Only "SELECT * FROM <table> ..." snapshots can be changed; others are read-only.
    void Open(const QString& sql, Connection& connection); // throws DbError
    // For AddNew only: the statement is checked and names the table, but its rows are not
    // read, so appending costs the same however many rows it selects.
    void OpenToAppend(const QString& sql, Connection& connection); // throws DbError
    void Close(); // changes not yet written by Update are dropped
    bool IsOpen() const { return connection_ != nullptr; }

    bool Eof() const;
    void MoveNext(); // writes a changed current row first, as Update does
    void MoveFirst();
    int RecordCount() const;

    // Throws DbError when the column does not exist or there is no current row.
    Variant Field(const QString& column) const;
    void SetField(const QString& column, const Variant& value);

    void AddNew();
    void Update(); // throws DbError

    QStringList Columns() const { return columns_; }
    // The rowid of the current row (0 when the snapshot does not carry it), to name a row.
    long long RowId() const;

    // How a column's text is read and written: DATE and DATETIME columns hold ISO dates.
    enum class ColumnKind { Plain, Date, DateTime };

private:
    void Load(const QString& sql, Connection& connection, bool fetchRows);
    int ColumnIndex(const QString& column) const;

    struct Row {
        long long rowid = 0;      // 0 for a row added and not yet written
        std::vector<Variant> values;
        std::vector<bool> dirty;
    };
    Connection* connection_ = nullptr;
    QString sql_;
    QString table_;
    QStringList columns_;
    std::vector<ColumnKind> kinds_; // one per column, from the declared types
    std::vector<Row> rows_;
    int current_ = 0;
    bool adding_ = false;
};
