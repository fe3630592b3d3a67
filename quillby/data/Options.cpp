#include "Options.h"

#include "StoredText.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"
#include "Variant.h"

#include <QLocale>
#include <cmath>
#include <exception>
#include <limits>

int TimeComboValue(const QString& choiceText)
{
    constexpr int kUnreadable = 6;
    if (choiceText == QLatin1String("None"))
        return Opt::MESSAGE_TIME_NONE;
    if (choiceText.isEmpty())
        return kUnreadable;
    if (choiceText.startsWith(QLatin1String("Indef")))
        return Opt::MESSAGE_TIME_INDEFINITE;
    const qsizetype blank = choiceText.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return kUnreadable;
    bool ok = false;
    const double seconds = QLocale::c().toDouble(choiceText.left(blank).trimmed(), &ok);
    if (!ok || !std::isfinite(seconds))
        return kUnreadable;
    const double value = RoundHalfEven(seconds) * 2;
    // A number too large to store reads as unreadable rather than wrapping.
    if (std::fabs(value) > std::numeric_limits<int32_t>::max())
        return kUnreadable;
    return static_cast<int>(value);
}

QString TimeComboText(int messageTime)
{
    if (messageTime == Opt::MESSAGE_TIME_NONE)
        return QStringLiteral("None");
    if (messageTime == Opt::MESSAGE_TIME_INDEFINITE)
        return QStringLiteral("Indefinately");
    if (messageTime == 2)
        return QStringLiteral("1 Second");
    return QLocale::c().toString(messageTime / 2.0, 'g', 15) + QStringLiteral(" Seconds");
}

bool SpeakWordsSetting()
{
    try {
        Recordset rs(QString::fromLatin1(Sql::SELECT_OPTIONS), Globals::DbConnection());
        if (rs.Eof() ||
            !rs.Columns().contains(QLatin1String(Opt::SPEAK_WORDS), Qt::CaseInsensitive))
            return true;
        const Variant value = rs.Field(QString::fromLatin1(Opt::SPEAK_WORDS));
        return value.isNull() || TextToBoolean(value.toText());
    } catch (const std::exception&) {
        return true;
    }
}
