#include "Variant.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <stdexcept>

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

Variant::Variant(int32_t v) : type_(Type::Long), long_(v) {}
Variant::Variant(double v) : type_(Type::Double), double_(v) {}
Variant::Variant(const QString& v) : type_(Type::Text), text_(v) {}
Variant::Variant(const char* v) : type_(Type::Text), text_(QString::fromUtf8(v)) {}
Variant::Variant(const QDate& v)
    : type_(v.isValid() ? Type::Date : Type::Null), date_(v), time_(0, 0)
{
}
Variant::Variant(const QDateTime& v)
    : type_(v.isValid() ? Type::DateTime : Type::Null), date_(v.date()), time_(v.time())
{
}
Variant::Variant(const QDate& date, const QTime& time)
    : type_(date.isValid() && time.isValid() ? Type::DateTime : Type::Null), date_(date),
      time_(time)
{
}

namespace {
// The value of n decimal digits at p, -1 when one of them is not a digit.
int Digits(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}
} // namespace

bool ParseIsoDate(const char* p, qsizetype length, QDate& date, QTime& time, bool& hasTime)
{
    hasTime = length == 19;
    if ((length != 10 && length != 19) || p[4] != '-' || p[7] != '-')
        return false;
    const int year = Digits(p, 4), month = Digits(p + 5, 2), day = Digits(p + 8, 2);
    if (year < 0 || month < 0 || day < 0) // QDate would take -1 as a year before Christ
        return false;
    date = QDate(year, month, day);
    if (!date.isValid())
        return false;
    if (!hasTime) {
        time = QTime(0, 0);
        return true;
    }
    if ((p[10] != ' ' && p[10] != 'T') || p[13] != ':' || p[16] != ':')
        return false;
    time = QTime(Digits(p + 11, 2), Digits(p + 14, 2), Digits(p + 17, 2));
    return time.isValid();
}

QString IsoDateText(const QDate& date)
{
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

QString IsoDateTimeText(const QDate& date, const QTime& time)
{
    return IsoDateText(date) +
           QString::asprintf(" %02d:%02d:%02d", time.hour(), time.minute(), time.second());
}

namespace {
// Text as a number: blanks around it are allowed, nothing else.
bool ParseNumber(const QString& text, double& out)
{
    bool ok = false;
    out = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(out);
}

QString DateText(const QDate& d)
{
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

QString DateTimeText(const QDate& d, const QTime& t)
{
    if (t == QTime(0, 0))
        return DateText(d);
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return DateText(d) + QStringLiteral(" %1:%2:%3 %4")
                             .arg(hour12)
                             .arg(t.minute(), 2, 10, QLatin1Char('0'))
                             .arg(t.second(), 2, 10, QLatin1Char('0'))
                             .arg(t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

// The stored form, ISO "yyyy-mm-dd[ hh:mm:ss]", read without trying each pattern.
bool ParseStoredForm(const QString& text, QDate& date, QTime& time)
{
    if (text.size() != 10 && text.size() != 19)
        return false;
    const QByteArray latin1 = text.toLatin1();
    bool hasTime = false;
    return ParseIsoDate(latin1.constData(), latin1.size(), date, time, hasTime);
}

// Reads "m/d/yyyy", optionally followed by a time, or ISO "yyyy-mm-dd[ hh:mm:ss]".
QDateTime ParseDateTime(const QString& raw)
{
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return {};
    QDate date;
    QTime time;
    if (ParseStoredForm(text, date, time))
        return QDateTime(date, time);
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd HH:mm:ss"), QStringLiteral("yyyy-MM-ddTHH:mm:ss"),
        QStringLiteral("yyyy-MM-dd HH:mm"),    QStringLiteral("yyyy-MM-dd"),
        QStringLiteral("M/d/yyyy h:mm:ss AP"), QStringLiteral("M/d/yyyy H:mm:ss"),
        QStringLiteral("M/d/yyyy h:mm AP"),    QStringLiteral("M/d/yyyy H:mm"),
        QStringLiteral("M/d/yyyy")};
    for (const QString& f : formats) {
        QDateTime dt = QDateTime::fromString(text, f);
        if (dt.isValid())
            return dt;
        const QDate d = QDate::fromString(text, f);
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return {};
}
} // namespace

int32_t Variant::toLong() const
{
    const double v = RoundHalfEven(toDouble());
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw std::out_of_range("The number " + QString::number(v, 'f', 0).toStdString() +
                                " does not fit in a whole number of 32 bits");
    return static_cast<int32_t>(v);
}

double Variant::toDouble() const
{
    switch (type_) {
    case Type::Long:
        return long_;
    case Type::Double:
        return double_;
    case Type::Text: {
        double v = 0;
        if (!ParseNumber(text_, v))
            throw std::invalid_argument("The text \"" + text_.left(80).toStdString() +
                                        "\" is not a number");
        return v;
    }
    case Type::Null:
        throw std::invalid_argument("An empty (Null) value is not a number");
    case Type::Date:
    case Type::DateTime:
        break;
    }
    throw std::invalid_argument("A date is not a number");
}

QString Variant::toText() const
{
    switch (type_) {
    case Type::Null:
        return {};
    case Type::Long:
        return QString::number(long_);
    case Type::Double:
        return QLocale::c().toString(double_, 'g', 15);
    case Type::Text:
        return text_;
    case Type::Date:
        return DateText(date_);
    case Type::DateTime:
        return DateTimeText(date_, time_);
    }
    return {};
}

QDate Variant::toDate() const
{
    if (type_ == Type::Date || type_ == Type::DateTime)
        return date_;
    // A stored date needs no QDateTime: placing one in local time asks the C library for the
    // time zone, which costs more than all the rest of reading a row.
    QDate date;
    QTime time;
    if (type_ == Type::Text && ParseStoredForm(text_.trimmed(), date, time))
        return date;
    return toDateTime().date();
}

QDateTime Variant::toDateTime() const
{
    switch (type_) {
    case Type::Date:
    case Type::DateTime:
        return QDateTime(date_, time_);
    case Type::Text:
        return ParseDateTime(text_);
    default:
        return {};
    }
}

bool Variant::operator==(const Variant& other) const
{
    const bool numeric = (type_ == Type::Long || type_ == Type::Double);
    const bool otherNumeric = (other.type_ == Type::Long || other.type_ == Type::Double);
    if (numeric && otherNumeric)
        return toDouble() == other.toDouble();
    if (type_ != other.type_)
        return false;
    switch (type_) {
    case Type::Null:
        return true;
    case Type::Text:
        return text_ == other.text_;
    default:
        return date_ == other.date_ && time_ == other.time_;
    }
}
