// Backups: one SQLite file with the database and the recordings, checked after writing and
// before a restore replaces anything.
#include "AutomaticBackups.h"
#include "BackupFile.h"
#include "DataFolder.h"
#include "DataFixtures.h"
#include "DbMaker.h"
#include "ReadOnlyPath.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <sqlite3.h>

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QStringList Recordings()
{
    return QDir(Globals::WavPath).entryList({"*.wav"}, QDir::Files, QDir::Name);
}

// Runs statements on a backup file directly, as another program would.
void Tamper(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A data folder with one list of two words, one with a recording, and one finished test.
struct BackupFolder : ::testing::Test {
    TestAppFolder app;
    QTemporaryDir elsewhere;
    QString backup;
    void SetUp() override
    {
        AddList(1, QDate(2026, 12, 11));
        AddWord(1, 1, "because");
        AddWord(2, 1, "their");
        AddTest(1, 1);
        WriteAll(Globals::WavPath + "/BECAUSE.wav",
                 QByteArray("RIFF-because-") + QByteArray(5000, 'b'));
        backup = elsewhere.filePath("week.qbk");
    }
    bool Write(QString& error)
    {
        return WriteBackup(app.dbPath(), Globals::WavPath, backup, error);
    }
    bool Restore(QString& error)
    {
        const QString safety = BackupsFolder() + "/" +
                               BeforeRestoreBackupName(QDateTime::currentDateTime());
        const bool ok = RestoreBackup(app.dbPath(), Globals::WavPath, backup, safety, error);
        Db().Open(ConnectionStringFor(Globals::DataPath)); // as the program does after it
        return ok;
    }
};
} // namespace

TEST_F(BackupFolder, RestoreBringsBackTheListsAndRecordingsAndKeepsTheCurrentDataFirst)
{
    QString error;
    ASSERT_TRUE(Write(error)) << error.toStdString();
    BackupSummary summary;
    ASSERT_TRUE(ReadBackupSummary(backup, summary, error)) << error.toStdString();
    EXPECT_EQ(summary.lists, 1);
    EXPECT_EQ(summary.tests, 1);
    EXPECT_EQ(summary.recordings, 1);
    EXPECT_LE(qAbs(summary.madeAt.secsTo(QDateTime::currentDateTime())), 60);

    // After the backup: a new list, a changed recording and a new one.
    AddList(2, QDate(2026, 12, 18));
    AddWord(3, 2, "ocean");
    WriteAll(Globals::WavPath + "/BECAUSE.wav", "changed since");
    WriteAll(Globals::WavPath + "/OCEAN.wav", "ocean");
    WriteAll(Globals::WavPath + "/notes.txt", "the parent's own file");

    ASSERT_TRUE(Restore(error)) << error.toStdString();
    EXPECT_EQ(Raw("SELECT LIST_ID FROM LISTS"), QStringList{"1"});
    EXPECT_EQ(Raw("SELECT WORD FROM WORDS ORDER BY WORD_ID"), (QStringList{"because", "their"}));
    EXPECT_EQ(RawCount("SELECT * FROM TESTS"), 1);
    EXPECT_EQ(Recordings(), QStringList{"BECAUSE.wav"});
    EXPECT_TRUE(ReadAll(Globals::WavPath + "/BECAUSE.wav").startsWith("RIFF-because-"));
    EXPECT_TRUE(QFile::exists(Globals::WavPath + "/notes.txt")) << "only recordings are replaced";
    EXPECT_FALSE(QFileInfo::exists(Globals::WavPath + ".restoring"));
    EXPECT_EQ(RawCount("SELECT name FROM sqlite_master WHERE name LIKE 'BACKUP%'"), 0);

    // What was there before the restore is a backup of its own, holding the second list.
    const QStringList kept = QDir(BackupsFolder()).entryList({"Quillby-before-restore-*.qbk"});
    ASSERT_EQ(kept.size(), 1);
    ASSERT_TRUE(ReadBackupSummary(BackupsFolder() + "/" + kept.first(), summary, error));
    EXPECT_EQ(summary.lists, 2);
    EXPECT_EQ(summary.recordings, 2);
    EXPECT_EQ(QDir(BackupsFolder()).entryList(QDir::Files), kept) << "no side file is left";
}

TEST_F(BackupFolder, WorksWhileTheProgramHoldsTheDatabaseOpenInTheMiddleOfATransaction)
{
    // Another statement of the program has the database open for writing: the backup reads
    // the last committed state and waits for nothing.
    Transaction pending(Db());
    Db().Execute(" DELETE FROM WORDS ");
    QString error;
    ASSERT_TRUE(Write(error)) << error.toStdString();
    BackupSummary summary;
    ASSERT_TRUE(ReadBackupSummary(backup, summary, error));
    sqlite3* db = nullptr;
    sqlite3_open(backup.toUtf8().constData(), &db);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM WORDS", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(stmt, 0), 2);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
}

// Each bad backup is refused with its own clear message, and nothing changes.
TEST_F(BackupFolder, BadBackupsAreRefusedAndNothingChanges)
{
    struct Case {
        const char* name;
        std::function<void(const QString&)> spoil;
        const char* message;
    };
    const Case cases[] =
        {
            {"a text file", [](const QString& p) { WriteAll(p, "week 50: because, their\n"); },
             "is not a Quillby backup"},
            {"an empty file", [](const QString& p) { WriteAll(p, ""); }, "is not a Quillby backup"},
            {"another program's SQLite file",
             [](const QString& p) {
        QFile::remove(p);
        Tamper(p, "CREATE TABLE contacts (name TEXT); INSERT INTO contacts VALUES ('x');");
             },
             "is not a Quillby backup"},
            {"the database itself, not a backup",
             [this](const QString& p) {
        QFile::remove(p);
        QFile::copy(app.dbPath(), p);
             },
             "is not a Quillby backup"},
               {"cut short",
                [](const QString& p) {
        QFile file(p);
        file.resize(file.size() / 2);
                },
                "is damaged or incomplete"},
        {"a recording changed inside",
         [](const QString& p) { Tamper(p, "UPDATE BACKUP_RECORDINGS SET DATA = zeroblob(SIZE)"); },
         "the recording BECAUSE.wav is damaged"},
        {"pages overwritten",
         [](const QString& p) {
        QFile file(p);
        file.open(QIODevice::ReadWrite);
        for (qint64 at = 4096; at + 4096 <= file.size(); at += 8192) {
            file.seek(at);
            file.write(QByteArray(4096, '\x5a'));
        }
         },
         "is damaged or incomplete"},
        {"from a later version",
         [](const QString& p) { Tamper(p, "UPDATE BACKUP_INFO SET FORMAT = 99, MADE_BY = '9.0'"); },
         "was made by a later version of Quillby (9.0)"},
        };
    QString error;
    ASSERT_TRUE(Write(error)) << error.toStdString();
    const QByteArray good = ReadAll(backup);
    AddList(2, QDate(2026, 12, 18));
    WriteAll(Globals::WavPath + "/OCEAN.wav", "ocean");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(backup, good);
        c.spoil(backup);
        BackupSummary summary;
        error.clear();
        EXPECT_FALSE(ReadBackupSummary(backup, summary, error));
        EXPECT_TRUE(error.contains(c.message)) << error.toStdString();
        error.clear();
        EXPECT_FALSE(Restore(error));
        EXPECT_TRUE(error.contains("Nothing was changed")) << error.toStdString();
        EXPECT_EQ(Raw("SELECT LIST_ID FROM LISTS ORDER BY LIST_ID"), (QStringList{"1", "2"}));
        EXPECT_EQ(Recordings(), (QStringList{"BECAUSE.wav", "OCEAN.wav"}));
        EXPECT_FALSE(QDir(BackupsFolder()).exists() && !QDir(BackupsFolder()).isEmpty());
    }
}

TEST_F(BackupFolder, AReadOnlyFolderIsSaidAndLeavesAnEarlierBackupAsItWas)
{
    QString error;
    ASSERT_TRUE(Write(error));
    const QByteArray earlier = ReadAll(backup);
    AddList(2, QDate(2026, 12, 18));
    ReadOnlyPath locked(elsewhere.path());
    if (!locked.effective())
        GTEST_SKIP() << "the folder cannot be made read-only here";
    EXPECT_FALSE(Write(error));
    EXPECT_TRUE(error.contains("read-only")) << error.toStdString();
    EXPECT_EQ(ReadAll(backup), earlier);
}

TEST_F(BackupFolder, AFullDiskIsSaidAndLeavesNoHalfFile)
{
    QTemporaryDir small;
    const QString mountPoint = small.path();
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=48k", "tmpfs", mountPoint}) != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    WriteAll(Globals::WavPath + "/THEIR.wav", QByteArray(200000, 't'));
    backup = mountPoint + "/week.qbk";
    QString error;
    EXPECT_FALSE(Write(error));
    EXPECT_TRUE(error.contains("The disk is full")) << error.toStdString();
    EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files), QStringList());
    QProcess::execute("umount", {mountPoint});
}

TEST(AutomaticBackups, OneADayAndTheNewestSevenKept)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 11));
    const QString folder = BackupsFolder();
    const QDate first(2026, 12, 1);
    QString error;
    for (int day = 0; day < 10; ++day) {
        ASSERT_TRUE(
            MakeAutomaticBackup(app.dbPath(), Globals::WavPath, folder, first.addDays(day), error))
            << error.toStdString();
        EXPECT_FALSE(AutomaticBackupDue(folder, first.addDays(day)));
    }
    // A second start on the same day writes nothing.
    const QDateTime written =
        QFileInfo(folder + "/" + AutomaticBackupName(first.addDays(9))).lastModified();
    AddList(2, QDate(2026, 12, 18));
    ASSERT_TRUE(
        MakeAutomaticBackup(app.dbPath(), Globals::WavPath, folder, first.addDays(9), error));
    EXPECT_EQ(QFileInfo(folder + "/" + AutomaticBackupName(first.addDays(9))).lastModified(),
              written);

    WriteAll(folder + "/my own copy.qbk", "kept");
    PruneBackups(folder);
    QStringList expected;
    for (int day = 3; day < 10; ++day)
        expected << AutomaticBackupName(first.addDays(day));
    expected << "my own copy.qbk";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
}

TEST_F(BackupFolder, RestoreIntoAFolderThatCannotTakeTheUnpackedBackupChangesNothing)
{
    QString error;
    ASSERT_TRUE(Write(error));
    AddList(2, QDate(2026, 12, 18));
    QDir().mkpath(BackupsFolder());
    ReadOnlyPath locked(BackupsFolder());
    if (!locked.effective())
        GTEST_SKIP() << "the folder cannot be made read-only here";
    EXPECT_FALSE(Restore(error));
    EXPECT_TRUE(error.contains("read-only or full. Nothing was changed.")) << error.toStdString();
    EXPECT_EQ(Raw("SELECT LIST_ID FROM LISTS ORDER BY LIST_ID"), (QStringList{"1", "2"}));
    EXPECT_EQ(Recordings(), QStringList{"BECAUSE.wav"});
    EXPECT_FALSE(QFileInfo::exists(Globals::WavPath + ".restoring"));
}

TEST_F(BackupFolder, ABackupOfAnOlderFileIsBroughtUpToDateWhenRestored)
{
    QString error;
    ASSERT_TRUE(Write(error));
    // As an earlier version wrote it: no tallies, no practice rounds, no unfinished tests.
    const std::string older =
        std::string(kShapeBeforeTalliesSql) +
        " CREATE TABLE OLD_TESTS (TEST_ID INTEGER, LIST_ID INTEGER, "
        "MOVE_ON_AFTER INTEGER, START_TIME DATETIME, END_TIME DATETIME); "
        "INSERT INTO OLD_TESTS SELECT TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, "
        "END_TIME FROM TESTS; DROP TABLE TESTS; ALTER TABLE OLD_TESTS RENAME TO TESTS;";
    Tamper(backup, older.c_str());
    BackupSummary summary;
    ASSERT_TRUE(ReadBackupSummary(backup, summary, error)) << error.toStdString();
    EXPECT_EQ(summary.tests, 1) << "every test of an older file counts";
    ASSERT_TRUE(Restore(error)) << error.toStdString();
    EXPECT_EQ(RawCount("SELECT * FROM TESTS WHERE UNFINISHED IS NULL AND PRACTICE_OF IS NULL"), 1);
    EXPECT_EQ(Raw("SELECT LIST_ID FROM LISTS"), QStringList{"1"});
    EXPECT_EQ(RawCount("SELECT * FROM TEST_TALLIES"), 1) << "the tallies counted again";
}

// Leaving Quillby stops the day's backup wherever it is: in the copy of the database, among
// the recordings, while the written file is checked. Each stop leaves no file and no side file,
// and the backup is still due, so the next start makes it whole. The program's own writes
// meanwhile neither restart the copy (which would never end while someone works) nor enter it.
TEST(AutomaticBackups, StoppedAnywhereLeavesNothingAndIsMadeAtTheNextStart)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 11));
    // More than one step of the copy (4 MiB), and three recordings.
    Exec("INSERT INTO WORDS (WORD_ID, LIST_ID, WORD, DEFINITION) WITH RECURSIVE N(I) AS "
         "(SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < 12000) "
         "SELECT I, 1, 'w' || I, printf('%.500c', 'd') FROM N");
    for (const char* name : {"A.wav", "B.wav", "C.wav"})
        WriteAll(Globals::WavPath + "/" + name, QByteArray("RIFF") + QByteArray(3000, 'r'));
    const QString folder = BackupsFolder();
    const QDate today(2026, 12, 11);
    const int words = StoredRowCount("SELECT * FROM WORDS");
    bool made = false;
    int looksToEnd = 0;
    int written = 0; // lists written at the looks, numbered from 1001
    int writtenBefore = 0;
    for (int stopAt = 1; !made && stopAt < 100000; stopAt = stopAt * 3 / 2 + 1) {
        SCOPED_TRACE(stopAt);
        int looks = 0;
        writtenBefore = written;
        QString error;
        made = MakeAutomaticBackup(app.dbPath(), Globals::WavPath, folder, today, error, [&] {
            Exec(QString("INSERT INTO LISTS (LIST_ID) VALUES (%1)").arg(1000 + ++written));
            return ++looks == stopAt;
        });
        looksToEnd = looks;
        if (!made) {
            EXPECT_EQ(looks, stopAt);
            EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
            EXPECT_TRUE(AutomaticBackupDue(folder, today));
        }
    }
    ASSERT_TRUE(made);
    EXPECT_GT(looksToEnd, 5) << "the copy in steps, each recording, the check";
    BackupSummary summary;
    QString error;
    const QString file = folder + "/" + AutomaticBackupName(today);
    ASSERT_TRUE(ReadBackupSummary(file, summary, error)) << error.toStdString();
    EXPECT_EQ(summary.recordings, 3);
    EXPECT_FALSE(AutomaticBackupDue(folder, today));
    // The copy is the file as it was when the backup began: no list written at its looks (the
    // first came before the first page was copied) is in it; every word is.
    sqlite3* copy = nullptr;
    ASSERT_EQ(sqlite3_open_v2(file.toUtf8().constData(), &copy, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(copy, "SELECT (SELECT COUNT(*) FROM WORDS), (SELECT MAX(LIST_ID) FROM "
                             "LISTS WHERE LIST_ID >= 1000)", -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(stmt, 0), words);
    EXPECT_EQ(sqlite3_column_int(stmt, 1), 1000 + writtenBefore);
    sqlite3_finalize(stmt);
    sqlite3_close(copy);
}

// A Quillby killed while its day's backup switched the copy back to a journal leaves the
// copy's write-ahead log and index beside it (the copy has the database's until then). The
// next start's backup clears them first, even when it is stopped before its copy is made.
TEST(AutomaticBackups, SideFilesOfAKilledBackupGoAtTheNextStartEvenWhenItIsStopped)
{
    TestAppFolder app;
    AddList(1, QDate(2026, 12, 11));
    const QString folder = BackupsFolder();
    const QDate today(2026, 12, 11);
    const QString part = folder + "/" + AutomaticBackupName(today) + ".part";
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteAll(part, QByteArray(4096, 'p'));
    for (const char* side : {"-journal", "-wal"})
        WriteAll(part + side, QByteArray());
    WriteAll(part + "-shm", QByteArray(32768, '\0'));
    QString error;
    EXPECT_FALSE(MakeAutomaticBackup(app.dbPath(), Globals::WavPath, folder, today, error,
                                     [] { return true; }));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList());
    ASSERT_TRUE(MakeAutomaticBackup(app.dbPath(), Globals::WavPath, folder, today, error))
        << error.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{AutomaticBackupName(today)});
}
