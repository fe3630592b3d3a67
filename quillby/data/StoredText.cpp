#include "StoredText.h"

#include "Variant.h"

#include <QLocale>

QString CheckValueToText(int checkValue)
{
    return QString::fromLatin1(checkValue == 1 ? "TRUE" : "FALSE");
}

int TextToCheckValue(const QString& text) { return TextToBoolean(text) ? 1 : 0; }

bool TextToBoolean(const QString& text) { return text.toUpper() == QLatin1String("TRUE"); }

QString ShortDateText(const Variant& value)
{
    const QDate date = value.toDate();
    if (!date.isValid())
        return value.toText();
    // The locale's pattern is looked up once per locale, not once per date: the main grid
    // formats a date for every list at start-up.
    static thread_local QString localeName;
    static thread_local QString pattern;
    const QLocale locale;
    if (locale.name() != localeName || pattern.isEmpty()) {
        localeName = locale.name();
        pattern = locale.dateFormat(QLocale::ShortFormat);
    }
    return locale.toString(date, pattern);
}
