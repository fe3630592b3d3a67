#include "SchoolWeek.h"

#include "OptionQueries.h"
#include "Options.h"

namespace {
// Upper-case English weekday names by QDate::dayOfWeek() (Monday = 1).
constexpr const char* kWeekdays[8] = {"",         "MONDAY", "TUESDAY",  "WEDNESDAY",
                                      "THURSDAY", "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr int kFriday = 5;

int WeekdayNumber(const QString& day)
{
    QString target = day.trimmed().toUpper();
    if (target.endsWith(QChar('S')))
        target.chop(1);
    for (int d = 1; d <= 7; ++d)
        if (target == QLatin1String(kWeekdays[d]))
            return d;
    return 0;
}
} // namespace

QDate ComputeTestDate(const QString& day, const QDate& today)
{
    int target = WeekdayNumber(day);
    if (target == 0)
        target = kFriday;
    int ahead = (target - today.dayOfWeek() + 7) % 7;
    if (ahead == 0)
        ahead = 7;
    return today.addDays(ahead);
}

QDate StartMonday(const QDate& today) { return today.addDays(1 - today.dayOfWeek()); }

NewListDates ProposedListDates(const QDate& today)
{
    QString day = StoredTestDay();
    if (day.isEmpty())
        day = QString::fromLatin1(Opt::DEFAULT_TEST_DAY);
    const QDate testDate = ComputeTestDate(day, today);
    return {StartMonday(today), testDate, testDate};
}
