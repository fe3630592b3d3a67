#pragma once
#include <QString>

class QBoxLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// The controls of the installer's and the uninstaller's windows: each gets its name as
// objectName and its caption (translated by the caller) as accessible name; a label is read
// by its text.
namespace install {

void NameWindow(QWidget* window, const char* objectName, const QString& caption);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption,
                  bool wrap = true);
QRadioButton* MakeOption(QWidget* parent, const char* name, const QString& caption);
QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& caption);

// The buttons at the bottom right of a window; a null button is left out.
QBoxLayout* ButtonRow(QPushButton* left, QPushButton* right);

// Gives the window a fixed size, at least `width` x `height` and whatever its layout needs in
// the window's font and language, and centres it across the screen, its top at `topFraction`
// of the screen's height.
void PlaceWindow(QWidget* window, int width, int height, double topFraction);
// Grows a placed window when its texts changed and its layout needs more room.
void FitWindow(QWidget* window);

} // namespace install
