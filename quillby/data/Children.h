#pragma once
#include <QDateTime>
#include <QString>
#include <vector>

// Several children on one computer, each with a data folder of their own (Quillby.mdb and
// Wavs). The data folder itself is the first child's, so a family with one child keeps
// everything where it always was; the others live in "Children/<folder>" inside it. The
// first child's database lists them in the table CHILDREN (name, folder, last use).

struct FamilyChild {
    QString name;
    QString folder;     // inside the data folder: "" for the first child, "Children/<name>"
    QDateTime lastUsed; // invalid when never used
};

inline constexpr int kMaxChildNameLength = 40;

// The first child's name until the family gives one ("First child", translated).
QString FirstChildDefaultName();

// The child of that name in any letter case, or nullptr.
const FamilyChild* FindChildNamed(const std::vector<FamilyChild>& children, const QString& name);

// Why a name cannot be a child's name (already trimmed): "" when it can. A name holds
// letters, digits, blanks and hyphens, 1 to 40 of them.
QString ChildNameProblem(const QString& name);

// A name as it is stored: blanks at both ends dropped, letters in their composed form.
QString CleanChildName(const QString& name);

// The folder name made from an allowed name: runs of blanks become one "_".
QString ChildFolderName(const QString& name);

// The database file of the program's data folder where one child's Quillby.mdb is copied from:
// the empty database shipped in appFolder, or "" when appFolder is the data folder itself
// (its database is then the first child's own); a new child's file is then built from the
// schema the program carries.
QString ShippedDatabaseFor(const QString& appFolder, const QString& dataFolder);

// The list of children kept in the first child's database, and the folders that go with it.
// Every change opens the file for a moment of its own, so it works from any child's Quillby
// while another Quillby has the first child open.
class ChildRegistry {
public:
    ChildRegistry(const QString& dataFolder, const QString& shippedDatabase);

    // The first child (the data folder) first, then the others by name. The first child is
    // always there, named defaultFirstName until the family names it. A file without the
    // table, or one that cannot be read, lists the first child alone.
    std::vector<FamilyChild> Children(const QString& defaultFirstName) const;
    // The child used last ("" when none is recorded).
    QString LastUsed() const;

    // The child's data folder, or "" (with the reason in problem) when its row names a folder
    // outside "Children" or the folder or its database is gone.
    QString FolderOf(const FamilyChild& child, QString* problem = nullptr) const;

    // Each change returns "" when done, else a message saying why nothing changed.
    // Add makes the child's folder with an empty database; the first child's row is written
    // with firstName when the family had not named it yet.
    QString Add(const QString& name, const QString& firstName);
    QString Rename(const QString& oldName, const QString& newName, const QString& firstName);
    // Moves the child's folder out beside the data folder (keptAt: where it went), where it
    // stays for a week; the first child cannot be removed.
    QString Remove(const QString& name, QString* keptAt);
    // Records that the child was opened now.
    void MarkUsed(const QString& name, const QString& firstName);

    // Removed children's folders kept longer than a week go; returns how many went.
    int PruneRemoved(const QDateTime& now = QDateTime::currentDateTime()) const;
    // The folder where removed children's folders are kept: beside the data folder.
    QString KeptFolderPrefix() const;

    QString DataFolder() const { return dataFolder_; }
    QString DatabasePath() const { return dataFolder_ + QStringLiteral("/Quillby.mdb"); }

private:
    QString UniqueFolder(const QString& name, const std::vector<FamilyChild>& children) const;
    QString MakeChildDatabase(const QString& folder) const;

    QString dataFolder_;
    QString shipped_;
};

// The family's registry for the program in appFolder: its data folder (DataFolderFor) is the
// first child's, whichever child this Quillby has open.
ChildRegistry FamilyRegistry(const QString& appFolder);

// The folder that children other than the first live in, inside the data folder.
inline constexpr const char* kChildrenFolder = "Children";
