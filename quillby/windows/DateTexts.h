#pragma once
#include <QDate>
#include <QString>

// Dates as the parent types them and sees them: "m/d/yyyy" text in English.

// A date as "m/d/yyyy" (month and day without leading zeros).
QString UsDateText(const QDate& date);
// A date as the user sees it: "m/d/yyyy" in English, the locale's short form under a translation.
QString DisplayDateText(const QDate& date);
// Reads a date typed as "m/d/yyyy" (also "m/d/yy" and "yyyy-mm-dd"; under a translation the
// locale's short form first); invalid when it is none.
QDate ParseDateText(const QString& text);
