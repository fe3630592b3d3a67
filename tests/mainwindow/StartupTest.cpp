#include "GuiTestUtil.h"

#include "Connection.h"
#include "DatabaseFileLock.h"
#include "Globals.h"
#include "MsgBox.h"
#include "Options.h"
#include "Startup.h"
#include "TestDb.h"
#include "frmDeleteOldList.h"
#include "frmLists.h"

#include <QListWidget>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <QLineEdit>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>
#include <deque>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
// Starts the main program's window on a test folder, answering each old-list prompt with
// the button named by answers (in order; "cmdCancel" when the answers run out) and recording
// which lists were offered.
struct StartResult {
    bool loaded = false;
    std::vector<int32_t> offered;
    std::vector<QString> words; // word box of the prompt of list 1
    QString totalWords;
};

StartResult StartProgram(frmLists& window, const QString& folder, QStringList answers = {})
{
    StartResult result;
    ModalHandler prompts("frmDeleteOldList", [&](QWidget* w) {
        auto* prompt = static_cast<frmDeleteOldList*>(w);
        result.offered.push_back(prompt->ListID());
        if (prompt->ListID() == 1) {
            auto* list = Child<QListWidget>(prompt, "List1");
            for (int i = 0; i < list->count(); ++i)
                result.words.push_back(list->item(i)->text());
            result.totalWords = Child<QLineEdit>(prompt, "txtTotalWords")->text();
        }
        ClickButton(prompt, answers.isEmpty() ? "cmdCancel" : answers.takeFirst().toLatin1().constData());
    });
    result.loaded = window.LoadForm(folder);
    return result;
}

long long Rows(const char* sql)
{
    return Globals::DbConnection().CountRows(QString::fromLatin1(sql));
}

class StartSequence : public ::testing::Test {
protected:
    TestAppFolder folder;
    QDate today = QDate::currentDate();
};
} // namespace

TEST_F(StartSequence, EmptyOptionsTableGetsTheDefaultRowBeforeTheWindowShows)
{
    Globals::MessageTime = 0;
    frmLists window;
    ASSERT_TRUE(StartProgram(window, folder.path()).loaded);
    EXPECT_EQ(Globals::MessageTime, 6);
    EXPECT_FALSE(Globals::SkipTestSetup);
    EXPECT_TRUE(Globals::PromptToDeleteLists);
    EXPECT_EQ(StoredRowCount(QStringLiteral(" SELECT * FROM OPTIONS ")), 1);
    EXPECT_EQ(Setting(Opt::MESSAGE_TIME), "6");
    EXPECT_EQ(Setting(Opt::PRONOUNCE), "TRUE");
    EXPECT_EQ(Setting(Opt::SHOW_DEFINITION), "TRUE");
    EXPECT_EQ(Setting(Opt::SHOW_CONTEXT), "TRUE");
    EXPECT_EQ(Setting(Opt::TEST_ORDER), "Alphabetical");
    EXPECT_EQ(Setting(Opt::MOVE_ON_AFTER), "3");
    EXPECT_EQ(Setting(Opt::REVEAL_ANSWERS), "TRUE");
    EXPECT_EQ(Setting(Opt::REQUIRE_ECHO), "TRUE");
    EXPECT_EQ(Setting(Opt::CLEAR_WRONG_ANSWER), "FALSE");
    EXPECT_EQ(Setting(Opt::PLAY_CORRECT_SOUND), "TRUE");
    EXPECT_EQ(Setting(Opt::PLAY_INCORRECT_SOUND), "TRUE");
    EXPECT_EQ(Setting(Opt::SKIP_TEST_SETUP), "FALSE");
    EXPECT_EQ(Setting(Opt::TEST_DAY), "Fridays");
    EXPECT_EQ(Setting(Opt::PROMPT_TO_DELETE_LISTS), "TRUE");
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOptions"))); // loaded hidden, then unloaded
}

TEST_F(StartSequence, StoredSettingsFillTheGlobals)
{
    AddOptionsRow(9999, QStringLiteral("false"));
    Exec(QStringLiteral("UPDATE OPTIONS SET SKIP_TEST_SETUP = 'true'"));
    frmLists window;
    ASSERT_TRUE(StartProgram(window, folder.path()).loaded);
    EXPECT_EQ(Globals::MessageTime, 9999);
    EXPECT_TRUE(Globals::SkipTestSetup);
    EXPECT_FALSE(Globals::PromptToDeleteLists);
}

TEST_F(StartSequence, OldListsAreOfferedOneAfterAnotherTodaysAndIgnoredOnesAreNot)
{
    AddOptionsRow(0);
    AddList(1, today.addDays(-1));
    AddList(2, today);                                   // test today: not old
    AddList(3, today.addDays(-30), QStringLiteral("IGNORED"));
    AddList(4, today.addDays(-8));
    AddList(5, today.addDays(3));
    AddWord(1, 1, QStringLiteral("zebra"));
    AddWord(2, 1, QStringLiteral("Apple"));
    AddWord(3, 1, QStringLiteral("mango"));

    frmLists window;
    const StartResult first = StartProgram(window, folder.path(), {"cmdCancel", "cmdIgnore"});
    ASSERT_TRUE(first.loaded);
    // In the order the database returns them (by test date here), one after the other.
    EXPECT_EQ(first.offered, (std::vector<int32_t>{4, 1}));
    EXPECT_EQ(first.words, (std::vector<QString>{"Apple", "mango", "zebra"}));
    EXPECT_EQ(first.totalWords, "3");
    EXPECT_EQ(window.ListRowCount(), 5);

    // The ignored list is never offered again; the cancelled one is.
    frmLists again;
    const StartResult second = StartProgram(again, folder.path());
    EXPECT_EQ(second.offered, (std::vector<int32_t>{4}));
    EXPECT_EQ(StoredRowCount(
                  QStringLiteral("SELECT * FROM LISTS WHERE LIST_ID = 1 AND STATUS = 'IGNORED'")),
              1);
}

TEST_F(StartSequence, DeletingInThePromptRemovesTheListBeforeTheGridIsFilled)
{
    AddOptionsRow(0);
    AddList(1, today.addDays(-2));
    AddList(2, today.addDays(-1)); // offered after list 1: its test date is later
    AddList(3, today.addDays(5));
    AddWord(1, 1, QStringLiteral("cat"));
    AddWord(2, 2, QStringLiteral("dog"));
    AddTest(1, 1);

    frmLists window;
    const StartResult result = StartProgram(window, folder.path(), {"cmdDelete", "cmdCancel"});
    EXPECT_EQ(result.offered, (std::vector<int32_t>{1, 2})); // the second still comes up
    EXPECT_EQ(window.ListRowCount(), 2);
    EXPECT_EQ(window.RowKey(0), "3");
    EXPECT_EQ(window.RowKey(1), "2");
    EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM WORDS WHERE LIST_ID = 1")), 0);
    EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM TESTS WHERE LIST_ID = 1")), 0);
    EXPECT_EQ(StoredRowCount(QStringLiteral("SELECT * FROM WORDS WHERE LIST_ID = 2")), 1);
}

TEST_F(StartSequence, NothingIsOfferedWhenTheOldListPromptIsOff)
{
    AddOptionsRow(0, QStringLiteral("FALSE"));
    AddList(1, today.addDays(-10));
    frmLists window;
    const StartResult result = StartProgram(window, folder.path());
    EXPECT_TRUE(result.offered.empty());
    EXPECT_EQ(window.ListRowCount(), 1);
}

TEST_F(StartSequence, AListWithoutWordsShowsAnEmptyWordBoxAndZero)
{
    AddOptionsRow(0);
    AddList(1, today.addDays(-1));
    frmLists window;
    const StartResult result = StartProgram(window, folder.path());
    EXPECT_TRUE(result.words.empty());
    EXPECT_EQ(result.totalWords, "0");
}

TEST(StartSequenceFailure, AMissingDatabaseGivesOneMessageNamingTheFileAndNoWindow)
{
    QTemporaryDir empty;
    MessageBoxes boxes(MsgResult::OK);
    frmLists window;
    EXPECT_FALSE(window.LoadForm(empty.path()));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains(empty.path() + "/Quillby.mdb")) << boxes.texts[0].toStdString();
    EXPECT_FALSE(window.isVisible());
}

TEST(StartSequenceFailure, IsFormLoadedComparesNamesInUpperCase)
{
    QWidget window;
    window.setObjectName(QStringLiteral("frmSomething"));
    EXPECT_TRUE(IsFormLoaded(QStringLiteral("FRMSOMETHING")));
    EXPECT_TRUE(IsFormLoaded(QStringLiteral("frmsomething")));
    EXPECT_FALSE(IsFormLoaded(QStringLiteral("frmOther")));
}

TEST(StartSequenceFailure, ASecondProgramOnTheSameDatabaseIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir folder;
    const QString path = DatabaseLockPath(folder.path());
    QLockFile first(path);
    ASSERT_TRUE(LockDatabase(first, path));
    QLockFile second(path);
    EXPECT_FALSE(LockDatabase(second, path));
    first.unlock();
    EXPECT_TRUE(LockDatabase(second, path));

    // Started before the main window is built and finished after, as the program does.
    QLockFile third(path);
    DatabaseLockAttempt refused(third, path);
    EXPECT_FALSE(refused.Taken());
    second.unlock();
    DatabaseLockAttempt taken(third, path);
    EXPECT_TRUE(taken.Taken());
    EXPECT_TRUE(third.isLocked());
}

// A folder whose Quillby.mdb links to another folder's database shares that database's lock.
TEST(StartSequenceFailure, ALinkedDatabaseSharesTheLockOfItsFile)
{
    QTemporaryDir home;
    QTemporaryDir other;
    QFile(home.path() + "/Quillby.mdb").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(home.path() + "/Quillby.mdb", other.path() + "/Quillby.mdb"));
    const QString homeLock = DatabaseLockPath(home.path());
    EXPECT_EQ(DatabaseLockPath(other.path()), homeLock);
    QLockFile first(homeLock);
    ASSERT_TRUE(LockDatabase(first, homeLock));
    const QString otherLock = DatabaseLockPath(other.path());
    QLockFile second(otherLock);
    EXPECT_FALSE(LockDatabase(second, otherLock));
}

// Two folders whose Quillby.mdb are hard links of one file have lock files of their own; the
// lock on the file itself keeps the second program off, and leaves its lock file free.
TEST(StartSequenceFailure, AHardLinkedDatabaseMeetsTheLockOfItsFile)
{
    QTemporaryDir home;
    QTemporaryDir other;
    QFile(home.path() + "/Quillby.mdb").open(QIODevice::WriteOnly);
    ASSERT_EQ(link(QFile::encodeName(home.path() + "/Quillby.mdb").constData(),
                   QFile::encodeName(other.path() + "/Quillby.mdb").constData()),
              0);
    const QString homeLock = DatabaseLockPath(home.path());
    const QString otherLock = DatabaseLockPath(other.path());
    ASSERT_NE(homeLock, otherLock);
    QLockFile first(homeLock);
    DatabaseFileLock firstFile;
    ASSERT_TRUE(LockDatabase(first, homeLock, &firstFile));
    QLockFile second(otherLock);
    DatabaseFileLock secondFile;
    EXPECT_FALSE(LockDatabase(second, otherLock, &secondFile));
    EXPECT_FALSE(second.isLocked());
    EXPECT_FALSE(QFile::exists(otherLock));

    firstFile.Release();
    first.unlock();
    EXPECT_TRUE(LockDatabase(second, otherLock, &secondFile));
    EXPECT_TRUE(secondFile.Held());
}

// Locks left by a crash or damaged by hand never keep Quillby from starting; one written by
// another computer is respected or taken over as the user answers.
TEST(StartSequenceFailure, StaleAndForeignLocksAreTakenOverOrRespected)
{
    QTemporaryDir folder;
    const QString path = DatabaseLockPath(folder.path());
    const auto writeLock = [&](const QByteArray& bytes) {
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    MessageBoxes boxes(MsgResult::OK);
    const QStringList& asked = boxes.texts;
    std::deque<MsgResult>& answers = boxes.answers;
    for (const QByteArray& damaged : {QByteArray(), QByteArray("\x01\xfe\x7f garbage\n\n"),
                                      QByteArray("0\nQuillby\n\n"),
                                      QByteArray("999999999\nQuillby\n") +
                                          QSysInfo::machineHostName().toUtf8() + "\n"}) {
        writeLock(damaged);
        QLockFile lock(path);
        EXPECT_TRUE(LockDatabase(lock, path)) << damaged.toStdString();
        lock.unlock();
    }
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkdir(path));
    {
        QLockFile lock(path);
        EXPECT_TRUE(LockDatabase(lock, path)) << "a folder in the lock's place";
    }
    EXPECT_TRUE(asked.isEmpty()) << asked.join("|").toStdString();

    const QByteArray foreign = QByteArray::number(QCoreApplication::applicationPid()) +
                               "\nQuillby\nanother-computer\n";
    answers = {MsgResult::Yes, MsgResult::No};
    writeLock(foreign);
    QLockFile respected(path);
    EXPECT_FALSE(LockDatabase(respected, path)) << "that computer still uses it";
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains("another-computer"));
    QLockFile taken(path);
    EXPECT_TRUE(LockDatabase(taken, path)) << "that computer no longer uses it";
}

// A test date that holds no date is never past: the database orders numbers before any text,
// so a date stored as the number 20300103 once passed for a day long gone.
TEST_F(StartSequence, ATestDateThatIsNoDateIsNeverOffered)
{
    AddOptionsRow(0);
    AddList(1, today.addDays(-1));
    AddList(2, today.addDays(-1));
    AddList(3, today.addDays(-1));
    Exec(QStringLiteral("UPDATE LISTS SET TEST_DATE = 20300103 WHERE LIST_ID = 2"));
    Exec(QStringLiteral("UPDATE LISTS SET TEST_DATE = 'soon' WHERE LIST_ID = 3"));
    frmLists window;
    const StartResult started = StartProgram(window, folder.path());
    ASSERT_TRUE(started.loaded);
    EXPECT_EQ(started.offered, (std::vector<int32_t>{1}));
}

// A file made before the answer tallies: at its first opening Quillby counts them, and says
// so at once in a small window with a progress bar, under a wait cursor; the window is gone
// and the tallies are there when the main window is ready.
TEST_F(StartSequence, AnOldFilesFirstCountShowsWhatQuillbyIsDoingAtOnce)
{
    for (const char* trigger :
         {"TESTS_TALLY_ADD", "TESTS_TALLY_REMOVE", "TESTS_TALLY_CHANGE", "WORD_ATTEMPTS_TALLY_ADD",
          "WORD_ATTEMPTS_TALLY_REMOVE", "WORD_ATTEMPTS_TALLY_CHANGE"})
        Exec(QStringLiteral("DROP TRIGGER %1").arg(QLatin1String(trigger)));
    for (const char* table : {"TEST_TALLIES", "WORD_TALLIES", "GUESS_TALLIES"})
        Exec(QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)));
    constexpr int kTests = 8000, kWords = 20;
    AddList(1, today.addDays(7));
    Exec(QStringLiteral("WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE "
                        "I < %1) INSERT INTO TESTS (TEST_ID, LIST_ID, MOVE_ON_AFTER, START_TIME, "
                        "END_TIME) SELECT I, 1, 3, '2020-01-01 10:00:00', '2020-01-01 10:05:00' "
                        "FROM N")
             .arg(kTests));
    Exec(QStringLiteral("WITH RECURSIVE K(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM K WHERE "
                        "I < %1) INSERT INTO WORD_ATTEMPTS (TEST_ID, LIST_ID, WORD_ID, GUESS, "
                        "RESULT, ATTEMPT_NUMBER) SELECT T.TEST_ID, 1, K.I, 'w', CASE WHEN "
                        "(T.TEST_ID + K.I) % 4 = 0 THEN 'INCORRECT' ELSE 'CORRECT' END, 1 "
                        "FROM TESTS T CROSS JOIN K")
             .arg(kWords));

    struct Seen {
        qint64 firstShownMs = -1;
        QString caption, doing;
        bool waitCursor = false;
        std::vector<int> values;
    } seen;
    QElapsedTimer clock;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "frmBusy" || !w->isVisible())
                continue;
            if (seen.firstShownMs < 0) {
                seen.firstShownMs = clock.elapsed();
                seen.caption = w->windowTitle();
                seen.doing = Child<QLabel>(w, "lblDoing")->text();
                seen.waitCursor = QApplication::overrideCursor() &&
                                  QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            }
            const int value = Child<QProgressBar>(w, "barProgress")->value();
            if (seen.values.empty() || seen.values.back() != value)
                seen.values.push_back(value);
        }
    });
    frmLists window;
    watch.start();
    clock.start();
    ASSERT_TRUE(StartProgram(window, folder.path()).loaded);
    watch.stop();

    EXPECT_GE(seen.firstShownMs, 0) << "the window saying what Quillby does never showed";
    EXPECT_LT(seen.firstShownMs, 200);
    EXPECT_EQ(seen.caption, "Quillby");
    EXPECT_TRUE(seen.doing.contains("counting the answers")) << seen.doing.toStdString();
    EXPECT_TRUE(seen.waitCursor);
    EXPECT_GE(seen.values.size(), 3u) << "the bar moves as the count goes on";
    EXPECT_TRUE(std::is_sorted(seen.values.begin(), seen.values.end()));
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), "frmBusy");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Rows("SELECT * FROM TEST_TALLIES"), kTests);
    EXPECT_EQ(Rows("SELECT * FROM TEST_TALLIES WHERE WORDS_ASKED = 20 AND FIRST_TRY = 15"), kTests);
    EXPECT_EQ(Rows("SELECT * FROM sqlite_master WHERE name = 'TALLY_COUNT_PROGRESS'"), 0);
}
