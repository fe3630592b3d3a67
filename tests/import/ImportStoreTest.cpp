// Storing imported words against a real database file: the stored values are the word
// editor's, the identifiers come from the counters, and a failure stores nothing.
#include "Connection.h"
#include "DbError.h"
#include "Globals.h"
#include "ImportQueries.h"
#include "SchoolWeek.h"
#include "TestDb.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdexcept>

namespace {

QStringList Raw(const QString& sql)
{
    QStringList rows;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(Globals::DbConnection().Handle(), sql.toUtf8().constData(), -1, &stmt,
                       nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            values << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
        rows << values.join('|');
    }
    sqlite3_finalize(stmt);
    return rows;
}

void Exec(const QString& sql) { Globals::DbConnection().Execute(sql); }

const NewListDates kWeek{QDate(2025, 3, 10), QDate(2025, 3, 14), QDate(2025, 3, 14)};

} // namespace

TEST(ImportStore, WordsAreStoredAsTheWordEditorStoresThem)
{
    TestAppFolder app;
    Exec("INSERT INTO LISTS (LIST_ID, STATUS) VALUES (7, 'CREATED')");
    Exec("INSERT INTO IDS (CODE, VALUE) VALUES ('WORD_ID', 41)");
    Exec("INSERT INTO WORDS VALUES (41, 7, 'older', 'd', '', 'FALSE')");
    const std::vector<int32_t> ids = AddWordsToList(
        7, {{"  because ", " for the reason that ", "  ", ""},
            {"Paris", "", "I live in Paris.", "true"},
            {"Straße", "a road", "", "FALSE"}});
    EXPECT_EQ(ids, (std::vector<int32_t>{42, 43, 44}));
    EXPECT_EQ(Raw("SELECT * FROM WORDS ORDER BY WORD_ID"),
              (QStringList{"41|7|older|d||FALSE", "42|7|because|for the reason that||FALSE",
                           "43|7|Paris||I live in Paris.|TRUE", "44|7|Straße|a road||FALSE"}));
    EXPECT_EQ(Raw("SELECT VALUE FROM IDS WHERE CODE = 'WORD_ID'"), QStringList{"44"});
}

TEST(ImportStore, CreateListStoresTheListAsNewListDoesWithItsWords)
{
    TestAppFolder app;
    const int32_t listId = CreateListWithWords(kWeek, {{"bee", "", "", ""}, {"sea", "", "", ""}});
    EXPECT_EQ(listId, 1);
    const QStringList lists = Raw("SELECT LIST_ID, WEEK_START, WEEK_END, TEST_DATE, STATUS, "
                                  "length(CREATED_DATE) FROM LISTS");
    EXPECT_EQ(lists, QStringList{"1|2025-03-10|2025-03-14|2025-03-14|CREATED|19"});
    EXPECT_EQ(Raw("SELECT WORD_ID, LIST_ID, WORD FROM WORDS ORDER BY WORD_ID"),
              (QStringList{"1|1|bee", "2|1|sea"}));
    EXPECT_EQ(CreateListWithWords(kWeek, {{"cat", "", "", ""}}), 2);
}

TEST(ImportStore, NothingIsStoredWhenAWordCannotBe)
{
    const struct {
        const char* name;
        std::vector<WordDetails> words;
        bool blank;
    } cases[] = {
        {"a blank word among others", {{"bee", "", "", ""}, {"   ", "def", "", ""}}, true},
        {"the database refuses the third word",
         {{"bee", "", "", ""}, {"sea", "", "", ""}, {"cat", "", "", ""}},
         false},
    };
    for (const auto& c : cases) {
        TestAppFolder app;
        Exec("INSERT INTO LISTS (LIST_ID, STATUS) VALUES (7, 'CREATED')");
        Exec("INSERT INTO IDS (CODE, VALUE) VALUES ('WORD_ID', 10)");
        // A row that already holds the third new WORD_ID: its unique index refuses it.
        Exec("INSERT INTO WORDS VALUES (13, 99, 'taken', '', '', 'FALSE')");
        if (c.blank)
            EXPECT_THROW(AddWordsToList(7, c.words), std::invalid_argument) << c.name;
        else
            EXPECT_THROW(AddWordsToList(7, c.words), DbError) << c.name;
        EXPECT_THROW(CreateListWithWords(kWeek, c.words), std::exception) << c.name;
        EXPECT_EQ(Raw("SELECT WORD_ID FROM WORDS"), QStringList{"13"}) << c.name;
        EXPECT_EQ(Raw("SELECT COUNT(*) FROM LISTS"), QStringList{"1"}) << c.name;
        EXPECT_EQ(Raw("SELECT VALUE FROM IDS WHERE CODE = 'WORD_ID'"), QStringList{"10"}) << c.name;
    }
}

TEST(ImportStore, WordsForADeletedListAreNotStored)
{
    TestAppFolder app;
    EXPECT_THROW(AddWordsToList(5, {{"bee", "", "", ""}}), DbError);
    EXPECT_EQ(Raw("SELECT COUNT(*) FROM WORDS"), QStringList{"0"});
    EXPECT_EQ(Raw("SELECT COUNT(*) FROM IDS"), QStringList{"0"});
}

TEST(ImportStore, ProposedDatesFollowTheStoredTestDay)
{
    TestAppFolder app;
    const QDate wednesday(2025, 3, 12);
    NewListDates dates = ProposedListDates(wednesday);
    EXPECT_EQ(dates.weekStart, QDate(2025, 3, 10));
    EXPECT_EQ(dates.testDate, QDate(2025, 3, 14)) << "Fridays without a settings row";
    EXPECT_EQ(dates.weekEnd, dates.testDate);
    Exec("INSERT INTO OPTIONS (TEST_DAY) VALUES ('Tuesdays')");
    dates = ProposedListDates(wednesday);
    EXPECT_EQ(dates.testDate, QDate(2025, 3, 18));
}
