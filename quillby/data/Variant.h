#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>

// A field value as the record sets hand it out: Null, Long (32-bit), Double, Text, Date or
// DateTime, with the conversions the program relies on.
class Variant {
public:
    enum class Type { Null, Long, Double, Text, Date, DateTime };

    Variant() = default;
    Variant(int32_t v);
    Variant(double v);
    Variant(const QString& v);
    Variant(const char* v);
    Variant(const QDate& v);
    Variant(const QDateTime& v);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }

    // "As a Long": numbers round halves to even; text is parsed as a number the same way.
    // Throws std::invalid_argument when the value has no numeric meaning, std::out_of_range
    // when it does not fit in 32 bits.
    int32_t toLong() const;
    double toDouble() const;
    // "As text": numbers in plain decimal, Date in the short form m/d/yyyy,
    // DateTime as m/d/yyyy h:mm:ss AM/PM style of the locale-neutral kind; Null is "".
    QString toText() const;
    // Dates read from Date/DateTime values or from "m/d/yyyy" / ISO text; invalid otherwise.
    QDate toDate() const;
    QDateTime toDateTime() const;

    bool operator==(const Variant& other) const;

private:
    Type type_ = Type::Null;
    int32_t long_ = 0;
    double double_ = 0;
    QString text_;
    QDateTime dateTime_;
};

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);
