// Several children on one computer: the names a parent may give, the folders they get, and
// the list of children in the first child's database.
#include "ChildDatabase.h"
#include "Children.h"
#include "Connection.h"
#include "DatabaseFileLock.h"
#include "DataFolder.h"
#include "Globals.h"
#include "TestDb.h"

#include <chrono>
#include <thread>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {
const QString kFirst = QStringLiteral("First child");

QStringList Names(const std::vector<FamilyChild>& children)
{
    QStringList names;
    for (const FamilyChild& child : children)
        names << child.name + QLatin1Char('=') + child.folder;
    return names;
}

void Exec(const QString& database, const QString& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A family's data folder ("data" inside a temporary folder, so what is kept beside it stays
// inside the temporary folder too) with the first child's database.
class Family : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        data = root.path() + QStringLiteral("/data");
        MakeTestDatabase(data);
    }
    ChildRegistry Registry() const { return ChildRegistry(data, QString()); }
    std::vector<FamilyChild> Kids() const { return Registry().Children(kFirst); }

    QTemporaryDir root;
    QString data;
};
} // namespace

TEST(ChildNames, RulesSayWhatIsWrong)
{
    struct Case {
        QString name;
        const char* problemHas; // nullptr: allowed
    } cases[] = {
        {"Ann", nullptr},
        {"Ann Lee", nullptr},
        {"Jean-Luc", nullptr},
        {QString::fromUtf8("Zoë Müller"), nullptr},
        {"Kid2", nullptr},
        {QString(40, QLatin1Char('a')), nullptr},
        {"", "type the child's name"},
        {QString(41, QLatin1Char('a')), "at most 40"},
        {"..", "only letters"},
        {"a/b", "only letters"},
        {"Ann_Lee", "only letters"},
        {"Ann.", "only letters"},
        {"tab\there", "only letters"},
    };
    for (const Case& c : cases) {
        const QString problem = ChildNameProblem(c.name);
        if (!c.problemHas)
            EXPECT_TRUE(problem.isEmpty()) << c.name.toStdString() << ": " << problem.toStdString();
        else
            EXPECT_TRUE(problem.contains(QLatin1String(c.problemHas)))
                << c.name.toStdString() << ": " << problem.toStdString();
    }
    EXPECT_EQ(CleanChildName("  Ann Lee  "), "Ann Lee");
    EXPECT_EQ(ChildFolderName("Ann  Lee"), "Ann_Lee");
}

TEST_F(Family, OneChildUntilAnotherIsAdded)
{
    EXPECT_EQ(Names(Kids()), QStringList{"First child="});
    EXPECT_EQ(Registry().FolderOf(Kids()[0]), QDir::cleanPath(data));
    EXPECT_TRUE(Registry().LastUsed().isEmpty());
}

TEST_F(Family, AddMakesAFolderWithAnEmptyDatabaseAndRefusesBadNames)
{
    ChildRegistry registry = Registry();
    struct Step {
        QString name;
        const char* errorHas; // nullptr: added
    } steps[] = {
        {"Ben", nullptr},
        {"  Ann  Lee ", nullptr},
        {"ben", "already a child named \"Ben\""},
        {"FIRST CHILD", "already a child named \"First child\""},
        {"..", "only letters"},
        {"../x", "only letters"},
        {"", "type the child's name"},
        {QString(41, QLatin1Char('b')), "at most 40"},
    };
    for (const Step& s : steps) {
        const QString error = registry.Add(s.name, kFirst);
        if (!s.errorHas)
            EXPECT_TRUE(error.isEmpty()) << s.name.toStdString() << ": " << error.toStdString();
        else
            EXPECT_TRUE(error.contains(QLatin1String(s.errorHas)))
                << s.name.toStdString() << ": " << error.toStdString();
    }
    EXPECT_EQ(Names(Kids()),
              (QStringList{"First child=", "Ann  Lee=Children/Ann_Lee", "Ben=Children/Ben"}));
    // Nothing but the two children's folders was made, and each holds a database that opens.
    EXPECT_EQ(QDir(data + "/Children").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"Ann_Lee", "Ben"}));
    for (const FamilyChild& kid : Kids()) {
        const QString folder = registry.FolderOf(kid);
        ASSERT_FALSE(folder.isEmpty()) << kid.name.toStdString();
        EXPECT_TRUE(kid.folder.isEmpty() || QFileInfo(folder + "/Wavs").isDir());
        Connection connection;
        connection.Open(ConnectionStringFor(folder));
        EXPECT_EQ(connection.CountRows(" SELECT * FROM LISTS "), 0);
    }
}

TEST_F(Family, ANewChildsDatabaseIsACopyOfTheShippedOne)
{
    QTemporaryDir app;
    const QString shipped = MakeTestDatabase(app.path());
    Exec(shipped, "INSERT INTO IDS (CODE, VALUE) VALUES ('SHIPPED', 1)");
    EXPECT_EQ(ShippedDatabaseFor(app.path(), data), shipped);
    EXPECT_TRUE(ShippedDatabaseFor(data, data).isEmpty()); // its file is the first child's
    ChildRegistry registry(data, shipped);
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    Connection connection;
    connection.Open(ConnectionStringFor(data + "/Children/Ben"));
    EXPECT_EQ(connection.CountRows(" SELECT * FROM IDS  WHERE CODE = 'SHIPPED' "), 1);
}

TEST_F(Family, FolderNamesNeverMeetAnotherFolder)
{
    QDir().mkpath(data + "/Children/Ben");    // left behind by hand
    QDir().mkpath(data + "/Children/Cleo-2"); // and another
    ChildRegistry registry = Registry();
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    ASSERT_EQ(registry.Add("Cleo", kFirst), QString());
    EXPECT_EQ(Names(Kids()),
              (QStringList{"First child=", "Ben=Children/Ben-2", "Cleo=Children/Cleo"}));
}

TEST_F(Family, RenameKeepsTheFolderAndRefusesAnotherChildsName)
{
    ChildRegistry registry = Registry();
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    ASSERT_EQ(registry.Add("Cleo", kFirst), QString());
    struct Step {
        QString from, to;
        const char* errorHas;
    } steps[] = {
        {"Ben", "BEN", nullptr}, // its own name in another letter case
        {"Cleo", "ben", "already a child named \"BEN\""},
        {"Cleo", "a/b", "only letters"},
        {"Dora", "Eve", "no child named \"Dora\""},
        {"First child", "Ann", nullptr},
        {"Ann", "Anna", nullptr},
    };
    for (const Step& s : steps) {
        const QString error = registry.Rename(s.from, s.to, kFirst);
        if (!s.errorHas)
            EXPECT_TRUE(error.isEmpty()) << s.to.toStdString() << ": " << error.toStdString();
        else
            EXPECT_TRUE(error.contains(QLatin1String(s.errorHas)))
                << s.to.toStdString() << ": " << error.toStdString();
    }
    EXPECT_EQ(Names(Kids()), (QStringList{"Anna=", "BEN=Children/Ben", "Cleo=Children/Cleo"}));
}

TEST_F(Family, RemoveKeepsTheChildsFolderBesideTheDataFolder)
{
    ChildRegistry registry = Registry();
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    ASSERT_EQ(registry.Add("Cleo", kFirst), QString());
    Exec(data + "/Children/Ben/Quillby.mdb", "INSERT INTO LISTS (LIST_ID) VALUES (7)");

    EXPECT_TRUE(registry.Remove("First child", nullptr).contains("cannot be removed"));
    {
        // Another Quillby has Cleo open: nothing moves.
        DatabaseFileLock running;
        ASSERT_EQ(running.Take(data + "/Children/Cleo/Quillby.mdb"),
                  DatabaseFileLock::Result::Taken);
        EXPECT_TRUE(registry.Remove("Cleo", nullptr).contains("Please close it first"));
        EXPECT_TRUE(QFileInfo(data + "/Children/Cleo/Quillby.mdb").isFile());
    }
    QString kept;
    ASSERT_EQ(registry.Remove("ben", &kept), QString());
    EXPECT_TRUE(QFileInfo(kept).fileName().startsWith("Quillby removed child Ben "));
    EXPECT_EQ(QFileInfo(kept).absolutePath(), root.path());
    EXPECT_FALSE(QFileInfo::exists(data + "/Children/Ben"));
    Connection copy;
    copy.Open(ConnectionStringFor(kept));
    EXPECT_EQ(copy.CountRows(" SELECT * FROM LISTS "), 1);
    EXPECT_EQ(Names(Kids()), (QStringList{"First child=", "Cleo=Children/Cleo"}));
}

TEST_F(Family, AFolderGoneOrLeadingOutIsReportedAndTheOthersStillOpen)
{
    ChildRegistry registry = Registry();
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    ASSERT_EQ(registry.Add("Cleo", kFirst), QString());
    ASSERT_TRUE(QDir(data + "/Children/Ben").removeRecursively());
    Exec(registry.DatabasePath(),
         "INSERT INTO CHILDREN (CHILD_NAME, FOLDER) VALUES ('Out', 'Children/../../x'),"
         " ('Deep', 'Children/Cleo/Wavs'), ('Up', '..')");
    QMap<QString, QString> problems;
    for (const FamilyChild& kid : Kids()) {
        QString problem;
        const QString folder = registry.FolderOf(kid, &problem);
        EXPECT_EQ(folder.isEmpty(), !problem.isEmpty());
        problems[kid.name] = problem;
    }
    EXPECT_TRUE(problems["First child"].isEmpty());
    EXPECT_TRUE(problems["Cleo"].isEmpty());
    EXPECT_TRUE(problems["Ben"].contains("is missing")) << problems["Ben"].toStdString();
    for (const char* outside : {"Out", "Deep", "Up"})
        EXPECT_TRUE(problems[outside].contains("not inside the data folder")) << outside;
    // A child whose folder is gone can still be taken off the list.
    EXPECT_EQ(registry.Remove("Ben", nullptr), QString());
}

TEST_F(Family, TheLastChildUsedIsRemembered)
{
    ChildRegistry registry = Registry();
    ASSERT_EQ(registry.Add("Ben", kFirst), QString());
    registry.MarkUsed("First child", kFirst);
    EXPECT_EQ(registry.LastUsed(), "First child");
    // Chosen one after the other within a second: the later one is still remembered.
    for (const char* name : {"Ben", "First child", "Ben"}) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2)); // a later millisecond
        registry.MarkUsed(name, kFirst);
        EXPECT_EQ(registry.LastUsed(), name);
    }
    // A time an earlier version stored, to the second, compares with today's.
    Exec(registry.DatabasePath(), "UPDATE CHILDREN SET LAST_USED = '2001-01-01 10:00:00'"
                                  " WHERE CHILD_NAME = 'Ben'");
    EXPECT_EQ(registry.LastUsed(), "First child");
}

TEST_F(Family, KeptFoldersGoAfterAWeekAndNothingElseDoes)
{
    const QDateTime now(QDate(2026, 12, 9), QTime(12, 0));
    const QString prefix = Registry().KeptFolderPrefix();
    for (const char* name :
         {"Ben 2026-12-01 11-00-00", "Cleo 2026-12-05 11-00-00", "Dora not-a-date"})
        ASSERT_TRUE(QDir().mkpath(prefix + name));
    ASSERT_TRUE(QDir().mkpath(root.path() + "/Ben 2026-12-01 11-00-00"));
    EXPECT_EQ(Registry().PruneRemoved(now), 1);
    EXPECT_FALSE(QFileInfo::exists(prefix + "Ben 2026-12-01 11-00-00"));
    EXPECT_TRUE(QFileInfo::exists(prefix + "Cleo 2026-12-05 11-00-00"));
    EXPECT_TRUE(QFileInfo::exists(prefix + "Dora not-a-date"));
    EXPECT_TRUE(QFileInfo::exists(root.path() + "/Ben 2026-12-01 11-00-00"));
}

TEST_F(Family, AnOlderFileGainsTheTableWhenItOpensAndKeepsItsRows)
{
    Exec(data + "/Quillby.mdb", "DROP TABLE CHILDREN; INSERT INTO LISTS (LIST_ID) VALUES (3)");
    EXPECT_EQ(Names(Kids()), QStringList{"First child="}); // read before: one child
    {
        Connection connection;
        connection.Open(ConnectionStringFor(data));
        EXPECT_EQ(connection.CountRows(" SELECT * FROM LISTS "), 1);
        EXPECT_EQ(connection.CountRows(" SELECT * FROM CHILDREN "), 0);
    }
    Exec(data + "/Quillby.mdb", "DROP TABLE CHILDREN");
    EXPECT_EQ(Registry().Add("Ben", kFirst), QString()); // made by the change itself
    EXPECT_EQ(Kids().size(), 2u);
}
