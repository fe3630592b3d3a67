#pragma once
#include <QString>

class Variant;

// The texts that stored flags and dates read as.

QString CheckValueToText(int checkValue);  // 1 -> "TRUE", anything else "FALSE"
int TextToCheckValue(const QString& text); // "TRUE" in any case -> 1, else 0
bool TextToBoolean(const QString& text);   // "TRUE" in any case -> true

// A stored date in the platform's short date form, as the grid and the prompts show dates;
// a value that is no date shows as its text.
QString ShortDateText(const Variant& value);
