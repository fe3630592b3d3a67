#include "ChildDatabase.h"

#include "SchemaText.h"
#include "SchemaUpgrade.h"
#include "StartLooks.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

constexpr int kBusyWaitMs = 3000;

// One short-lived handle on a database file.
class Handle {
public:
    Handle(const QString& path, bool write)
    {
        const int flags = write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (QFileInfo(path).isFile() &&
            sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr) == SQLITE_OK)
            sqlite3_busy_timeout(db_, kBusyWaitMs);
        else
            Close();
    }
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    sqlite3* get() const { return db_; }
    QString Error() const
    {
        return db_ ? QString::fromUtf8(sqlite3_errmsg(db_))
                   : QCoreApplication::translate("Children", "the file cannot be opened");
    }

private:
    void Close()
    {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    sqlite3* db_ = nullptr;
};

// Runs one statement with its texts bound in order; false when SQLite refuses it.
bool Run(sqlite3* db, const char* sql, const QStringList& texts = {}, int* changed = nullptr)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    for (int i = 0; i < texts.size(); ++i)
        sqlite3_bind_text(stmt, i + 1, texts[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (changed)
        *changed = sqlite3_changes(db);
    return rc == SQLITE_DONE || rc == SQLITE_ROW;
}

QString Failed(const QString& database, const Handle& handle)
{
    return QCoreApplication::translate("Children",
                                       "The list of children in %1 could not be changed (%2).")
        .arg(database, handle.Error());
}

// Runs change inside one transaction on the first child's file, the table made when missing.
template <class F>
QString Change(const QString& database, F&& change)
{
    Handle handle(database, true);
    sqlite3* db = handle.get();
    if (!db)
        return Failed(database, handle);
    AddMissingTables(db);
    if (!Run(db, "BEGIN IMMEDIATE"))
        return Failed(database, handle);
    QString error;
    if (change(db, error) && Run(db, "COMMIT"))
        return {};
    if (error.isEmpty())
        error = Failed(database, handle);
    Run(db, "ROLLBACK");
    return error;
}

bool HasFirstRow(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    if (sqlite3_prepare_v2(db, "SELECT 1 FROM CHILDREN WHERE FOLDER = ''", -1, &stmt, nullptr) ==
        SQLITE_OK)
        found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
}

bool EnsureFirstRow(sqlite3* db, const QString& firstName)
{
    return HasFirstRow(db) ||
           Run(db, "INSERT INTO CHILDREN (CHILD_NAME, FOLDER) VALUES (?, '')", {firstName});
}

QString Text(sqlite3_stmt* stmt, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
}
} // namespace

std::vector<FamilyChild> ReadChildRows(const QString& database)
{
    std::vector<FamilyChild> rows;
    const ReadOnlyLook handle(QFile::encodeName(database).toStdString(), kBusyWaitMs);
    sqlite3_stmt* stmt = nullptr;
    if (!handle.get() ||
        sqlite3_prepare_v2(handle.get(), "SELECT CHILD_NAME, FOLDER, LAST_USED FROM CHILDREN", -1,
                           &stmt, nullptr) != SQLITE_OK)
        return rows; // an older file: the family has one child
    while (sqlite3_step(stmt) == SQLITE_ROW)
        rows.push_back(FamilyChild{Text(stmt, 0), Text(stmt, 1),
                                   QDateTime::fromString(Text(stmt, 2), Qt::ISODate)});
    sqlite3_finalize(stmt);
    return rows;
}

QString AddChildRow(const QString& database, const FamilyChild& child, const QString& firstName)
{
    return Change(database, [&](sqlite3* db, QString&) {
        return EnsureFirstRow(db, firstName) &&
               Run(db, "INSERT INTO CHILDREN (CHILD_NAME, FOLDER) VALUES (?, ?)",
                   {child.name, child.folder});
    });
}

QString RenameChildRow(const QString& database, const FamilyChild& child, const QString& newName)
{
    return Change(database, [&](sqlite3* db, QString& error) {
        if (child.folder.isEmpty() && !HasFirstRow(db))
            return Run(db, "INSERT INTO CHILDREN (CHILD_NAME, FOLDER) VALUES (?, '')", {newName});
        int changed = 0;
        if (!Run(db, "UPDATE CHILDREN SET CHILD_NAME = ? WHERE CHILD_NAME = ? AND FOLDER = ?",
                 {newName, child.name, child.folder}, &changed))
            return false;
        if (changed == 0)
            error = QCoreApplication::translate("Children", "There is no child named \"%1\".")
                        .arg(child.name);
        return changed == 1;
    });
}

QString DeleteChildRow(const QString& database, const QString& name)
{
    return Change(database, [&](sqlite3* db, QString&) {
        return Run(db, "DELETE FROM CHILDREN WHERE CHILD_NAME = ? AND FOLDER <> ''", {name});
    });
}

void MarkChildUsed(const QString& database, const QString& name, const QString& firstName,
                   const QString& when)
{
    // Only a convenience for the next start: a file that is busy or read-only is left as is.
    Change(database, [&](sqlite3* db, QString&) {
        return EnsureFirstRow(db, firstName) &&
               Run(db, "UPDATE CHILDREN SET LAST_USED = ? WHERE CHILD_NAME = ?", {when, name});
    });
}

namespace {
QString BuildFromSchema(const QString& path)
{
    sqlite3* db = nullptr;
    QString error;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, (std::string("BEGIN;") + kQuillbySchemaText + ";COMMIT;").c_str(), nullptr,
                     nullptr, nullptr) != SQLITE_OK)
        error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    if (sqlite3_close(db) != SQLITE_OK && error.isEmpty())
        error = QStringLiteral("cannot close the file");
    return error;
}
} // namespace

QString MakeEmptyDatabase(const QString& path, const QString& shipped)
{
    if (QFileInfo::exists(path))
        return QCoreApplication::translate("Children", "The database %1 exists already.").arg(path);
    // Made beside under a temporary name and renamed, so that an interruption never leaves
    // a half-made file that would later be taken for a child's database.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    QString error;
    if (!shipped.isEmpty()) {
        if (!QFile::copy(shipped, part))
            error = QCoreApplication::translate("Children",
                                                "the empty database %1 could not be copied")
                        .arg(shipped);
        else
            QFile::setPermissions(part, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        error = BuildFromSchema(part);
    }
    if (error.isEmpty() && !QFile::rename(part, path))
        error = QCoreApplication::translate("Children", "it could not be renamed");
    QFile::remove(part);
    return error.isEmpty()
               ? QString()
               : QCoreApplication::translate("Children", "The database %1 could not be made: %2.")
                     .arg(path, error);
}
