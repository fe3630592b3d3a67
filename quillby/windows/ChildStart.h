#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Which child a start of the program opens. A family with one child opens the data folder
// at once, without a question, exactly as the program always did.
struct ChildChoice {
    bool chosen = false; // false: the user closed the chooser, or a named child is unknown
    QString name;        // "" for a family with one child
    QString folder;      // the child's data folder
    int children = 1;    // how many children the family has
};

// The default name of the first child until the family names it.
QString FirstChildName();

// The child for this start: the one named after "--child" in arguments, else (with two or
// more children) the one picked in "Who is practising?", the child used last preselected.
// A child whose folder is gone or unusable is reported and the question asked again.
ChildChoice ChooseChildAtStart(const QString& appFolder, const QStringList& arguments);
// The question again, after "Switch Child" or a child that could not be opened.
ChildChoice ChooseChildAgain(const QString& appFolder);

// Records the child as the one used last and shows its name in the main window's caption
// ("Quillby - <name>"); nothing for a family with one child.
void ShowChildInUse(QWidget& mainWindow, const ChildChoice& child, const QString& appFolder);
