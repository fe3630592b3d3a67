#include "Children.h"

#include "ChildDatabase.h"
#include "DatabaseFileLock.h"
#include "DataFolder.h"
#include "Globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// With milliseconds: two children chosen within one second (a quick Switch Child) are still
// told apart, and the one chosen later is offered first.
const QString kDateTimeForm = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
// Removed children's folders: "Quillby removed child <folder> <yyyy-MM-dd HH-mm-ss>".
const QString kKeptPrefix = QStringLiteral("Quillby removed child ");
const QString kKeptStamp = QStringLiteral("yyyy-MM-dd HH-mm-ss");
constexpr int kKeptDays = 7;

bool SameName(const QString& a, const QString& b) { return a.toCaseFolded() == b.toCaseFolded(); }

QString RemovedChildTarget(const QString& prefix, const QString& folderName)
{
    return prefix + folderName + QLatin1Char(' ') +
           QDateTime::currentDateTime().toString(kKeptStamp);
}
} // namespace

const FamilyChild* FindChildNamed(const std::vector<FamilyChild>& children, const QString& name)
{
    for (const FamilyChild& child : children)
        if (SameName(child.name, name))
            return &child;
    return nullptr;
}

QString FirstChildDefaultName() { return QCoreApplication::translate("Children", "First child"); }

QString CleanChildName(const QString& name)
{
    return name.normalized(QString::NormalizationForm_C).trimmed();
}

QString ChildNameProblem(const QString& name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("Children", "Please type the child's name.");
    if (name.size() > kMaxChildNameLength)
        return QCoreApplication::translate("Children",
                                           "A child's name can have at most %1 characters.")
            .arg(kMaxChildNameLength);
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char(' ') && c != QLatin1Char('-'))
            return QCoreApplication::translate(
                       "Children",
                       "A child's name can hold only letters, digits, blanks and hyphens, "
                       "not \"%1\".")
                .arg(c);
    return {};
}

QString ChildFolderName(const QString& name)
{
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return QString(name).replace(blanks, QStringLiteral("_"));
}

QString ShippedDatabaseFor(const QString& appFolder, const QString& dataFolder)
{
    const QString app = QFileInfo(appFolder).canonicalFilePath();
    if (app.isEmpty() || app == QFileInfo(dataFolder).canonicalFilePath())
        return {};
    return appFolder + QStringLiteral("/Quillby.mdb");
}

ChildRegistry::ChildRegistry(const QString& dataFolder, const QString& shippedDatabase)
    : dataFolder_(QDir::cleanPath(dataFolder)), shipped_(shippedDatabase)
{}

std::vector<FamilyChild> ChildRegistry::Children(const QString& defaultFirstName) const
{
    std::vector<FamilyChild> rows = ReadChildRows(DatabasePath());
    FamilyChild first{defaultFirstName, QString(), QDateTime()};
    std::vector<FamilyChild> children;
    for (FamilyChild& row : rows) {
        if (row.folder.isEmpty())
            first = row;
        else
            children.push_back(row);
    }
    std::sort(children.begin(), children.end(), [](const FamilyChild& a, const FamilyChild& b) {
        return a.name.localeAwareCompare(b.name) < 0;
    });
    children.insert(children.begin(), first);
    return children;
}

QString ChildRegistry::LastUsed() const
{
    const std::vector<FamilyChild> rows = ReadChildRows(DatabasePath());
    const FamilyChild* last = nullptr;
    for (const FamilyChild& row : rows)
        if (row.lastUsed.isValid() && (!last || row.lastUsed > last->lastUsed))
            last = &row;
    return last ? last->name : QString();
}

QString ChildRegistry::FolderOf(const FamilyChild& child, QString* problem) const
{
    QString why;
    QString folder;
    if (child.folder.isEmpty()) {
        folder = dataFolder_;
    } else {
        // A row changed by hand must not lead anywhere but one folder inside "Children".
        const QString inside = dataFolder_ + QLatin1Char('/') + kChildrenFolder + QLatin1Char('/');
        const QString path = QDir::cleanPath(dataFolder_ + QLatin1Char('/') + child.folder);
        const QString rest = path.mid(inside.size());
        if (!path.startsWith(inside) || rest.isEmpty() || rest.contains(QLatin1Char('/')))
            why = QCoreApplication::translate("Children",
                                              "The folder of %1 is not inside the data folder %2.")
                      .arg(child.name, dataFolder_);
        else
            folder = path;
    }
    if (why.isEmpty() && !QFileInfo(folder + QStringLiteral("/Quillby.mdb")).isFile())
        why = QCoreApplication::translate(
                  "Children", "The folder of %1 (%2) or its database Quillby.mdb is missing.")
                  .arg(child.name, folder);
    if (problem)
        *problem = why;
    return why.isEmpty() ? folder : QString();
}

QString ChildRegistry::UniqueFolder(const QString& name,
                                    const std::vector<FamilyChild>& children) const
{
    const QString base = QString::fromLatin1(kChildrenFolder) + QLatin1Char('/') +
                         ChildFolderName(name);
    QString folder = base;
    // A folder taken by another child (in any letter case) or left on disk is never shared.
    auto taken = [&](const QString& candidate) {
        for (const FamilyChild& child : children)
            if (SameName(child.folder, candidate))
                return true;
        return QFileInfo::exists(dataFolder_ + QLatin1Char('/') + candidate);
    };
    for (int n = 2; taken(folder); ++n)
        folder = base + QLatin1Char('-') + QString::number(n);
    return folder;
}

QString ChildRegistry::MakeChildDatabase(const QString& folder) const
{
    if (!QDir().mkpath(folder + QStringLiteral("/Wavs")))
        return QCoreApplication::translate("Children", "The folder %1 could not be made.")
            .arg(folder);
    return MakeEmptyDatabase(folder + QStringLiteral("/Quillby.mdb"), shipped_);
}

QString ChildRegistry::Add(const QString& rawName, const QString& firstName)
{
    const QString name = CleanChildName(rawName);
    if (const QString problem = ChildNameProblem(name); !problem.isEmpty())
        return problem;
    const std::vector<FamilyChild> children = Children(firstName);
    if (const FamilyChild* same = FindChildNamed(children, name))
        return QCoreApplication::translate("Children", "There is already a child named \"%1\".")
            .arg(same->name);
    const QString folder = UniqueFolder(name, children);
    const QString path = dataFolder_ + QLatin1Char('/') + folder;
    QString error = MakeChildDatabase(path);
    if (error.isEmpty())
        error = AddChildRow(DatabasePath(), FamilyChild{name, folder, QDateTime()}, firstName);
    if (!error.isEmpty())
        QDir(path).removeRecursively(); // made just now: nothing of the family's is in it
    return error;
}

QString ChildRegistry::Rename(const QString& oldName, const QString& rawName,
                              const QString& firstName)
{
    const QString name = CleanChildName(rawName);
    if (const QString problem = ChildNameProblem(name); !problem.isEmpty())
        return problem;
    const std::vector<FamilyChild> children = Children(firstName);
    const FamilyChild* child = FindChildNamed(children, oldName);
    if (!child)
        return QCoreApplication::translate("Children", "There is no child named \"%1\".")
            .arg(oldName);
    const FamilyChild* same = FindChildNamed(children, name);
    if (same && same != child)
        return QCoreApplication::translate("Children", "There is already a child named \"%1\".")
            .arg(same->name);
    // The folder keeps its name: another Quillby may have the child open right now.
    return RenameChildRow(DatabasePath(), *child, name);
}

QString ChildRegistry::Remove(const QString& name, QString* keptAt)
{
    const std::vector<FamilyChild> children = Children(QString());
    const FamilyChild* child = FindChildNamed(children, name);
    if (!child)
        return QCoreApplication::translate("Children", "There is no child named \"%1\".").arg(name);
    if (child->folder.isEmpty())
        return QCoreApplication::translate(
                   "Children",
                   "%1's lists are kept in the data folder itself, so %1 cannot be removed.")
            .arg(child->name);
    QString problem;
    const QString folder = FolderOf(*child, &problem);
    if (folder.isEmpty()) // gone already, or not ours to move: only the row goes
        return DeleteChildRow(DatabasePath(), child->name);
    DatabaseFileLock lock;
    if (lock.Take(folder + QStringLiteral("/Quillby.mdb")) ==
        DatabaseFileLock::Result::HeldElsewhere)
        return QCoreApplication::translate("Children",
                                           "Quillby is open for %1. Please close it first.")
            .arg(child->name);
    const QString target = RemovedChildTarget(KeptFolderPrefix(), QFileInfo(folder).fileName());
    if (!QDir().rename(folder, target))
        return QCoreApplication::translate(
                   "Children", "%1 was not removed: the folder %2 could not be moved to %3.")
            .arg(child->name, folder, target);
    if (const QString error = DeleteChildRow(DatabasePath(), child->name); !error.isEmpty()) {
        QDir().rename(target, folder);
        return error;
    }
    lock.Release();
    QFile::remove(target + QStringLiteral("/Quillby.mdb.lock"));
    if (keptAt)
        *keptAt = target;
    PruneRemoved();
    return {};
}

void ChildRegistry::MarkUsed(const QString& name, const QString& firstName)
{
    MarkChildUsed(DatabasePath(), name, firstName,
                  QDateTime::currentDateTime().toString(kDateTimeForm));
}

QString ChildRegistry::KeptFolderPrefix() const
{
    return QFileInfo(dataFolder_).absolutePath() + QLatin1Char('/') + kKeptPrefix;
}

int ChildRegistry::PruneRemoved(const QDateTime& now) const
{
    // Only folders this program named are looked at; the date is read from the name, which
    // no copy or backup tool changes.
    static const QRegularExpression kept(
        QStringLiteral("^") + QRegularExpression::escape(kKeptPrefix) +
        QStringLiteral(".+ (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)$"));
    const QDir parent(QFileInfo(dataFolder_).absolutePath());
    int removed = 0;
    for (const QString& entry : parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch m = kept.match(entry);
        if (!m.hasMatch())
            continue;
        const QDateTime when = QDateTime::fromString(m.captured(1), kKeptStamp);
        if (when.isValid() && when.addDays(kKeptDays) < now &&
            QDir(parent.filePath(entry)).removeRecursively())
            ++removed;
    }
    return removed;
}

ChildRegistry FamilyRegistry(const QString& appFolder)
{
    const QString data = DataFolderFor(appFolder);
    return ChildRegistry(data, ShippedDatabaseFor(appFolder, data));
}
