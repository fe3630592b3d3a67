#include "CopyToChild.h"

#include "ChildCopy.h"
#include "ChildStart.h"
#include "Children.h"
#include "Globals.h"
#include "MsgBox.h"
#include "frmChooseChild.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The children other than the one open here, as the registry lists them.
std::vector<FamilyChild> OtherChildren(const ChildRegistry& registry)
{
    std::vector<FamilyChild> others;
    const QString open = QDir::cleanPath(Globals::DataPath);
    for (const FamilyChild& child : registry.Children(FirstChildName()))
        if (child.folder.isEmpty()
                ? QDir::cleanPath(registry.DataFolder()) != open
                : QDir::cleanPath(registry.DataFolder() + QLatin1Char('/') + child.folder) != open)
            others.push_back(child);
    return others;
}
} // namespace

bool HasOtherChildren() { return !OtherChildren(FamilyRegistry(Globals::AppPath)).empty(); }

void CopyToAnotherChild(int32_t listId, QWidget* owner)
{
    const ChildRegistry registry = FamilyRegistry(Globals::AppPath);
    const std::vector<FamilyChild> others = OtherChildren(registry);
    QStringList names;
    for (const FamilyChild& child : others)
        names << child.name;
    frmChooseChild chooser(
        names, QString(), owner,
        QCoreApplication::translate("CopyToChild", "Copy this list to which child?"));
    if (chooser.exec() != QDialog::Accepted)
        return;
    for (const FamilyChild& child : others) {
        if (child.name != chooser.Chosen())
            continue;
        QString problem;
        const QString folder = registry.FolderOf(child, &problem);
        if (problem.isEmpty())
            problem = CopyProgramListToChild(listId, folder, child.name);
        MsgBox(problem.isEmpty()
                   ? QCoreApplication::translate("CopyToChild", "The list was copied to %1.")
                         .arg(child.name)
                   : problem,
               MsgButtons::OK, problem.isEmpty() ? MsgIcon::None : MsgIcon::Exclamation, owner);
    }
}
