#pragma once
#include <QDate>
#include <QString>

class QWidget;

// The start sequence of the main program, run by the main window while it loads.

// Fills MessageTime, SkipTestSetup and PromptToDeleteLists from the settings row. An empty
// OPTIONS table first gets its default row through the options window's RestoreDefaults.
void LoadGeneralOptions();

// Offers each list whose test date is before today and that was not ignored, one modal
// prompt after another (nothing when PromptToDeleteLists is off).
void CheckForOldLists(QWidget* owner = nullptr);

// True when an open top-level window has that name (compared in upper case).
bool IsFormLoaded(const QString& formName);

// Today's date as the program sees it. Tests may pin it to a given day; an invalid date
// returns to the clock.
QDate AppToday();
void SetAppToday(const QDate& date);
