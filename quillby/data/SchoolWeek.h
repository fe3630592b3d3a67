#pragma once
#include "ListQueries.h"

#include <QDate>
#include <QString>

// The dates of a school week as a new list proposes them.

// The first weekday named by a TEST_DAY text ("Fridays", "TUESDAY", ...) strictly after
// today: never today, at most seven days ahead. A text that names no weekday counts as
// "Fridays".
QDate ComputeTestDate(const QString& day, const QDate& today);
// The Monday on or before today.
QDate StartMonday(const QDate& today);
// The dates New List proposes on that day: the week from its Monday, ending on the test day
// of the settings row ("Fridays" when it holds none). Throws DbError.
NewListDates ProposedListDates(const QDate& today);
