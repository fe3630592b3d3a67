#pragma once
#include "OptionQueries.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QWidget;
class Variant;

// The test-default controls that the options window and the test set-up window both show: the
// frames "Display", "Incorrect Answer Behavior" and "Sounds" with the ten settings of a test.
struct TestDefaultControls {
    QGroupBox* frameDisplay = nullptr;
    QCheckBox* chkPronounce = nullptr;
    QCheckBox* chkDefinition = nullptr;
    QCheckBox* chkSentence = nullptr;
    QComboBox* txtTestOrder = nullptr;
    QGroupBox* frameWrong = nullptr;
    QComboBox* cmbMoveOn = nullptr;
    QCheckBox* chkRevealAnswers = nullptr;
    QCheckBox* chkForceEcho = nullptr;
    QCheckBox* chkClearWrongAnswer = nullptr;
    QGroupBox* frameSounds = nullptr;
    QCheckBox* chkPlayRight = nullptr;
    QCheckBox* chkPlayWrong = nullptr;
};

// Builds the three frames into parent. The tool-tips of the clue boxes and of the word order
// end with scope ("this test", "practice tests"); editableChoices lets the user type any text
// into the two drop-down boxes. A checked retyping box always comes with a checked reveal box.
void BuildTestDefaultFrames(QWidget* parent, TestDefaultControls& controls, const QString& scope,
                            bool editableChoices);

// True when at least one clue (pronounce, definition, context sentence) is checked.
bool AnyClueChecked(const TestDefaultControls& controls);
// The refusal when no clue is checked: leadText followed by the list of the three clues.
QString MissingClueMessage(const QString& leadText);

// Checks a box exactly when the stored flag text reads "TRUE" in any case.
void SetCheckFromText(QCheckBox* box, const QString& stored);
// The flag text a check box stores: "TRUE" when checked, else "FALSE".
Variant CheckText(const QCheckBox* box);
// The ten test defaults the controls show, in the order of the settings row.
OptionValues TestDefaultValues(const TestDefaultControls& controls);
