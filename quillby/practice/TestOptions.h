#pragma once
#include <QString>
#include <cstdint>

// The ten settings one practice test obeys: those of the set-up window's controls, the
// stored defaults, or those of the test before when it is taken again.
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

// The presets overlaid with the settings row of OPTIONS. Never fails: a column (or a row)
// that cannot be read keeps its preset, and so does a MOVE_ON_AFTER below 1.
TestSettings ReadDefaultTestSettings();

// The word order a TestOrder text selects.
enum class WordOrder { Alphabetical, Created, Random };
WordOrder OrderOf(const QString& testOrder);
