#pragma once
#include <QString>
#include <cstdint>

// The ten settings one practice test obeys. Filled at the start of each test, either from the
// set-up window's controls, from the stored defaults, or kept from the previous test.
struct TestSettings {
    bool Pronounce = true;
    bool ShowDefinition = true;
    bool ShowContext = true;
    QString TestOrder = QStringLiteral("ALPHABETICAL"); // compared in upper case
    int32_t MoveOnAfter = 3;
    bool RevealAnswers = true;
    bool ForceEcho = true;
    bool ClearWrongAnswer = false;
    bool PlayCorrectSound = true;
    bool PlayIncorrectSound = true;
};

// The settings of the running test, one record for the whole program.
extern TestSettings TestOptions;

// The presets overlaid with the settings row of OPTIONS. Never fails: a column (or a row)
// that cannot be read keeps its preset, and so does a MOVE_ON_AFTER below 1.
TestSettings ReadDefaultTestSettings();

// The word order a TestOrder text selects.
enum class WordOrder { Alphabetical, Created, Random };
WordOrder OrderOf(const QString& testOrder);
