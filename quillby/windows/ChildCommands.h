#pragma once
#include "ChildStart.h"

#include <QObject>
#include <QString>

class frmLists;

// The children's commands of the main window: File, Children... opens the Children window;
// File, Switch Child (shown with two or more children) ends this child's session when no
// other window is open, and main() asks "Who is practising?" again.
class ChildCommands : public QObject {
public:
    ChildCommands(frmLists& mainWindow, const QString& appFolder, const ChildChoice& child);
    bool SwitchRequested() const { return switchRequested_; }

private:
    void OpenChildren();
    void SwitchChild();
    // After a change in the Children window: the menu and the caption follow the family.
    void Refresh();

    frmLists& main_;
    QString appFolder_;
    ChildChoice child_;
    bool switchRequested_ = false;
};
