#pragma once
#include "Variant.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

class Recordset;

// Reading and writing the one settings row of OPTIONS.

// The stored TEST_DAY text; empty when there is no settings row. Throws DbError.
QString StoredTestDay();

// The settings row as read once when constructed. Throws DbError.
class StoredOptions {
public:
    StoredOptions();
    ~StoredOptions();
    StoredOptions(const StoredOptions&) = delete;
    StoredOptions& operator=(const StoredOptions&) = delete;

    bool HasRow() const;
    // The stored value of a column (an Opt:: name). Throws DbError when there is no row or
    // no such column.
    Variant Field(const char* column) const;

private:
    std::unique_ptr<Recordset> rs_;
};

// Values for columns of the settings row (Opt:: names), written in this order.
using OptionValues = std::vector<std::pair<const char*, Variant>>;

// Writes the values into the settings row. Without a row, adds one when addRowIfNone, and
// otherwise writes nothing and returns false. SPEAK_WORDS is left out where the table lacks
// the column: a database that could not gain it keeps speaking words, its default.
// Throws DbError.
bool WriteOptions(const OptionValues& values, bool addRowIfNone);
