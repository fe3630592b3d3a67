#include "ChildStart.h"

#include "Children.h"
#include "Globals.h"
#include "MsgBox.h"
#include "frmChooseChild.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

QStringList NamesOf(const std::vector<FamilyChild>& children)
{
    QStringList names;
    for (const FamilyChild& child : children)
        names << child.name;
    return names;
}

// The folder of the named child, or a message and an unchosen result.
ChildChoice Open(const ChildRegistry& registry, const std::vector<FamilyChild>& children,
                 const QString& name)
{
    ChildChoice choice;
    choice.children = int(children.size());
    const FamilyChild* child = FindChildNamed(children, name);
    if (!child) {
        MsgBox(
            QCoreApplication::translate("ChildStart", "There is no child named \"%1\" in Quillby.")
                .arg(name));
        return choice;
    }
    QString problem;
    choice.folder = registry.FolderOf(*child, &problem);
    if (choice.folder.isEmpty()) {
        MsgBox(problem + QLatin1Char('\r') +
                   QCoreApplication::translate(
                       "ChildStart", "Please choose another child, or remove %1 in File, Children.")
                       .arg(child->name),
               MsgButtons::OK, MsgIcon::Exclamation);
        return choice;
    }
    choice.chosen = true;
    choice.name = child->name;
    return choice;
}

QString StartOption(const QStringList& arguments)
{
    const int at = arguments.indexOf(QStringLiteral("--child"));
    if (at >= 0 && at + 1 < arguments.size())
        return arguments.at(at + 1);
    for (const QString& argument : arguments)
        if (argument.startsWith(QStringLiteral("--child=")))
            return argument.mid(8);
    return {};
}

ChildChoice Ask(const ChildRegistry& registry)
{
    // Asked until a child opens: a child whose folder is gone leaves the others usable.
    for (;;) {
        const std::vector<FamilyChild> children = registry.Children(FirstChildName());
        frmChooseChild chooser(NamesOf(children), registry.LastUsed());
        if (chooser.exec() != QDialog::Accepted)
            return {};
        ChildChoice choice = Open(registry, children, chooser.Chosen());
        if (choice.chosen)
            return choice;
    }
}
} // namespace

QString FirstChildName() { return FirstChildDefaultName(); }

ChildChoice ChooseChildAtStart(const QString& appFolder, const QStringList& arguments)
{
    const ChildRegistry registry = FamilyRegistry(appFolder);
    const std::vector<FamilyChild> children = registry.Children(FirstChildName());
    const QString named = StartOption(arguments);
    if (!named.isEmpty()) {
        ChildChoice choice = Open(registry, children, named);
        if (choice.chosen || children.size() < 2)
            return choice;
    }
    if (children.size() < 2) {
        ChildChoice only;
        only.chosen = true;
        only.folder = registry.DataFolder();
        return only;
    }
    return Ask(registry);
}

ChildChoice ChooseChildAgain(const QString& appFolder) { return Ask(FamilyRegistry(appFolder)); }

void ShowChildInUse(QWidget& mainWindow, const ChildChoice& child, const QString& appFolder)
{
    if (child.children < 2 || child.name.isEmpty())
        return;
    FamilyRegistry(appFolder).MarkUsed(child.name, FirstChildName());
    const QString caption =
        QCoreApplication::translate("ChildStart", "Quillby - %1").arg(child.name);
    mainWindow.setWindowTitle(caption);
    mainWindow.setAccessibleName(caption);
}
