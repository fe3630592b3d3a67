#pragma once
#include <QString>
#include <QStringList>

class QAction;
class QFormLayout;
class QMainWindow;
class QDialog;
class QMenu;
class QWidget;
class QLabel;
class QPushButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;

// The controls of the main program's windows, made alike: every control gets its name as
// objectName and an accessible name.

// Sets objectName and accessible name (the accessible name defaults to the name).
void NameControl(QWidget* control, const char* name, const QString& accessibleName = {});

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
// A button that acts at once on its access key, as on a click (AccessKeyButton).
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

// What the first show of a window does before it maps it, done ahead for a window made before
// its use: style every control and lay them out. One paint off screen also readies the glyphs
// of its captions and the style's frames for the first paint.
void ReadyToMap(QWidget* window);

// Sets objectName, title and accessible name of a dialog and makes it modal; Ctrl+W closes it
// as Escape does.
void InitModalDialog(QDialog* dialog, const char* name, const QString& title);

// Sets a control's least width: the given twips, or its preferred width when its text needs
// more room at the desktop's font and in the shown language.
void SetLeastWidth(QWidget* control, int twips);
// Sets a grid column's width: the given twips, or more when its heading needs more room at
// the desktop's font and in the shown language.
void SetColumnWidth(QTableView* grid, int column, int twips);
// The width that shows every visible column of a grid whole, with its frame and its
// vertical scroll bar.
int GridWidthForColumns(const QTableView* grid);

// The label that shows a word: bold, the given times the usual size, taken as plain text.
QLabel* MakeWordLabel(QWidget* parent, const char* name, double scale);

// The window's "&File" menu (mnuFile) with its "E&xit" item (mnuExit), which closes the window.
QAction* AddFileMenu(QMainWindow* window);
// Gives a text box at least the room to show `widest` whole at its font.
void MakeRoomFor(QLineEdit* box, const QString& widest);
// A read-only text box with its label, added as a row of a form.
QLineEdit* AddReadOnlyField(QFormLayout* form, QWidget* parent, const char* labelName,
                            const QString& caption, const char* name, const QString& toolTip = {});
