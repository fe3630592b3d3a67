#pragma once
#include <QDate>
#include <QString>

class Variant;

class QWidget;
class QLabel;
class QPushButton;
class QCheckBox;
class QLineEdit;

// Small helpers shared by the main program's windows: every control gets its name as
// objectName and an accessible name, and dates travel as "m/d/yyyy" text.

// Sets objectName and accessible name (the accessible name defaults to the name).
void NameControl(QWidget* control, const char* name, const QString& accessibleName = {});

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip = {});
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& toolTip = {});
// A text box whose accessible name is the text of its label (the label becomes its buddy).
QLineEdit* MakeTextBox(QWidget* parent, const char* name, QLabel* label);

// The label's text without the access-key marker and a trailing colon.
QString PlainLabelText(const QString& text);

// A date column's value in the platform's short date form (the way GetListTestDate gives it);
// a value that is no date shows as its text.
QString ShortDateText(const Variant& value);

// A date as "m/d/yyyy" (month and day without leading zeros).
QString UsDateText(const QDate& date);
// Reads a date typed as "m/d/yyyy" (also "m/d/yy" and "yyyy-mm-dd"); invalid when it is none.
QDate ParseDateText(const QString& text);
