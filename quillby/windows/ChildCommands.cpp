#include "ChildCommands.h"

#include "Children.h"
#include "ErrorReport.h"
#include "Globals.h"
#include "MsgBox.h"
#include "frmChildren.h"
#include "frmLists.h"

#include <QApplication>
#include <QDir>

ChildCommands::ChildCommands(frmLists& mainWindow, const QString& appFolder,
                             const ChildChoice& child)
    : QObject(&mainWindow), main_(mainWindow), appFolder_(appFolder), child_(child)
{
    connect(&main_, &frmLists::ChildrenClicked, this, &ChildCommands::OpenChildren);
    connect(&main_, &frmLists::SwitchChildClicked, this, &ChildCommands::SwitchChild);
    main_.ShowSwitchChild(child_.children >= 2);
}

void ChildCommands::OpenChildren()
{
    frmChildren children(FamilyRegistry(appFolder_), &main_);
    connect(&children, &frmChildren::ChildrenChanged, this, &ChildCommands::Refresh);
    children.exec();
}

void ChildCommands::Refresh()
{
    const ChildRegistry registry = FamilyRegistry(appFolder_);
    const std::vector<FamilyChild> children = registry.Children(FirstChildName());
    child_.children = int(children.size());
    // This child is known by its folder: a rename changes only the name.
    const QString open = QDir::cleanPath(Globals::DataPath);
    for (const FamilyChild& child : children)
        if (QDir::cleanPath(registry.FolderOf(child)) == open)
            child_.name = child.name;
    main_.ShowSwitchChild(child_.children >= 2);
    const QString caption =
        child_.children >= 2
            ? QCoreApplication::translate("ChildStart", "Quillby - %1").arg(child_.name)
            : QCoreApplication::translate("frmLists", "Quillby");
    main_.setWindowTitle(caption);
    main_.setAccessibleName(caption);
}

void ChildCommands::SwitchChild()
{
    // A test, an editor or a question of this child's must end first: their work is in
    // this child's database.
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &main_ && window->isVisible() && window->windowType() != Qt::Popup) {
            MsgBox(QCoreApplication::translate(
                       "ChildCommands", "Please close the other Quillby windows (a test, an "
                                        "editor or the help) before switching to another child."),
                   MsgButtons::OK, MsgIcon::None, &main_);
            return;
        }
    }
    switchRequested_ = true;
    main_.close();
}
