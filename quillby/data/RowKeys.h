#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class Recordset;

// One damaged row (a key that is empty, not a whole number, or below 1) must not hide a whole
// view, nor be spliced into a statement as it stands ("1 OR 1=1"). Views read keys through
// RowKey, skip the rows without one, and say once which rows they left out.

// The column of the current row as a key: a whole number from 1 up; nothing when damaged.
std::optional<int32_t> RowKey(const Recordset& rs, const QString& column);

// The rows a view left out, named by table and rowid (a statement other than "SELECT * FROM"
// selects it as ROW_NUMBER).
class SkippedRows {
public:
    void Add(const QString& table, const Recordset& rs);
    void Add(const SkippedRows& other) { rows_ << other.rows_; }
    bool empty() const { return rows_.isEmpty(); }
    // "" when nothing was left out.
    QString Message() const;

private:
    QStringList rows_;
};

// The lists a view that walks the lists by key never reaches (an empty LIST_ID, text, a number
// beyond every identifier), added to skipped. Throws DbError.
void AddListsOutOfKeyRange(SkippedRows& skipped);
