#include "DateTexts.h"

#include "Translation.h"

#include <QLocale>

QString UsDateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("M/d/yyyy")) : QString();
}

QString DisplayDateText(const QDate& date)
{
    if (!TranslationInForce() || !date.isValid())
        return UsDateText(date);
    return QLocale().toString(date, QLocale::ShortFormat);
}

namespace {
// A date in the locale's short form, its year with two digits or four.
QDate ParseLocaleDate(const QString& text)
{
    const QString shortForm = QLocale().dateFormat(QLocale::ShortFormat);
    QString longYear = shortForm;
    if (!longYear.contains(QStringLiteral("yyyy")))
        longYear.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    QDate date = QDate::fromString(text, longYear);
    if (!date.isValid()) {
        date = QDate::fromString(text, shortForm);
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    return date;
}
} // namespace

QDate ParseDateText(const QString& text)
{
    const QString t = text.trimmed();
    if (TranslationInForce()) {
        const QDate date = ParseLocaleDate(t);
        if (date.isValid())
            return date;
    }
    QDate date = QDate::fromString(t, QStringLiteral("M/d/yyyy"));
    if (!date.isValid()) {
        date = QDate::fromString(t, QStringLiteral("M/d/yy"));
        if (date.isValid() && date.year() < 1950)
            date = date.addYears(100); // two-digit years mean this century
    }
    if (!date.isValid())
        date = QDate::fromString(t, Qt::ISODate);
    return date;
}
