#pragma once
#include "OptionQueries.h"

#include <QDate>
#include <QString>
#include <QStringList>

class Variant;

class QAction;
class QDialog;
class QMenu;
class QWidget;
class QLabel;
class QPushButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableView;

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

// A drop-down box named by its label (which becomes its buddy); an editable box keeps what
// is typed as its text without adding it to the choices.
QComboBox* MakeChoiceBox(QWidget* parent, const char* name, QLabel* label,
                         const QStringList& items, const QString& toolTip, bool editable);

// The label's text without the access-key marker and a trailing colon.
QString PlainLabelText(const QString& text);

// A date as "m/d/yyyy" (month and day without leading zeros).
QString UsDateText(const QDate& date);
// A date as the user sees it: "m/d/yyyy" in English, the locale's short form under a translation.
QString DisplayDateText(const QDate& date);
// Reads a date typed as "m/d/yyyy" (also "m/d/yy" and "yyyy-mm-dd"; under a translation the
// locale's short form first); invalid when it is none.
QDate ParseDateText(const QString& text);

// Drop-down choices stored in English: the item shows its translation and keeps the stored
// text as its data. StoredChoice is the stored text of the current choice, or what the user
// typed; ShowStoredChoice selects the item of a stored text (or shows the text itself).
void AddStoredChoice(QComboBox* box, const QString& shown, const QString& stored);
QString StoredChoiceName(const char* stored); // the shown text of a stored option text
QString StoredChoice(const QComboBox* box);
void ShowStoredChoice(QComboBox* box, const QString& stored, const QString& shownOtherwise = {});

// A menu item whose objectName is its control name.
QAction* MakeMenuItem(QMenu* menu, const char* name, const QString& caption);

// The desktop's keys that close a secondary window: Ctrl+W, and Escape where closing loses
// nothing the user typed.
void AddCloseKeys(QWidget* window, bool escapeToo = true);

// Enter (either key) or Space: the keys that press the control that has the focus.
bool IsEnterOrSpaceKey(int key);

// Sets objectName, title and accessible name of a dialog and makes it modal; Ctrl+W closes it
// as Escape does.
void InitModalDialog(QDialog* dialog, const char* name, const QString& title);

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

// Sets a control's least width: the given twips, or its preferred width when its text needs
// more room at the desktop's font and in the shown language.
void SetLeastWidth(QWidget* control, int twips);
// Sets a grid column's width: the given twips, or more when its heading needs more room at
// the desktop's font and in the shown language.
void SetColumnWidth(QTableView* grid, int column, int twips);
// The width that shows every visible column of a grid whole, with its frame and its
// vertical scroll bar.
int GridWidthForColumns(const QTableView* grid);
