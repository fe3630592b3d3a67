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
    // A DateTime from its two halves; no time-zone work until toDateTime() is asked for.
    Variant(const QDate& date, const QTime& time);

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
    // Date and DateTime values keep the wall-clock date and time as given; the local
    // QDateTime is built only when a caller asks for one.
    QDate date_;
    QTime time_;
};

// Reads stored ISO text "yyyy-mm-dd" or "yyyy-mm-dd hh:mm:ss" by hand (no locale or time-zone
// work). False for anything else; hasTime tells which of the two forms it was.
bool ParseIsoDate(const char* text, qsizetype length, QDate& date, QTime& time, bool& hasTime);
// The stored ISO forms: "yyyy-mm-dd" and "yyyy-mm-dd hh:mm:ss".
QString IsoDateText(const QDate& date);
QString IsoDateTimeText(const QDate& date, const QTime& time);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);
