// What a test comes to afterwards, from plain rows: scores, counts, each word's verdict and
// attempt text, minutes, a list's history and the names of its practice rounds.
#include "TestReport.h"

#include <gtest/gtest.h>

namespace {
// Whole-list test: no round, not unfinished.
StoredTest Whole(int32_t id, int32_t firstTry)
{
    return {id, QDate(2026, 3, id), false, std::nullopt, firstTry, 0};
}
StoredTest Round(int32_t id, int32_t practised, int32_t firstTry, int32_t asked)
{
    return {id, QDate(2026, 3, id), false, practised, firstTry, asked};
}
StoredTest Unfinished(int32_t id, int32_t firstTry, int32_t asked)
{
    return {id, QDate(2026, 3, id), true, std::nullopt, firstTry, asked};
}
} // namespace

TEST(TestReport, SummaryScoresTheWordsOnTheTest)
{
    struct Case {
        bool wholeList;
        int32_t listWords, wordsAsked, firstTry, movedOn;
        int32_t wordsOnTest, score;
    };
    const Case cases[] = {
        {true, 40, 0, 23, 2, 40, 58}, // 57.5 rounds to even 58
        {true, 8, 0, 5, 1, 8, 62},    // 62.5 rounds to even 62
        {true, 3, 0, 2, 0, 3, 67},    // 66.67
        {true, 10, 0, 0, 10, 10, 0},  // nothing right at the first try
        {true, 4, 0, 4, 0, 4, 100},
        {false, 20, 4, 3, 1, 4, 75},  // a round or unfinished test: the words asked
        {false, 20, 0, 0, 0, 0, 100}, // no words asked at all
    };
    for (const Case& c : cases) {
        const TestSummary s = SummariseTest(c.wholeList, c.listWords, c.wordsAsked, c.firstTry,
                                            c.movedOn);
        EXPECT_EQ(s.wordsOnTest, c.wordsOnTest) << c.firstTry << "/" << c.listWords;
        EXPECT_EQ(s.score, c.score) << c.firstTry << "/" << c.listWords;
        EXPECT_EQ(s.firstTry, c.firstTry);
        EXPECT_EQ(s.movedOn, c.movedOn);
    }
}

TEST(TestReport, WordVerdictFollowsMissesAndAttemptsAllowed)
{
    struct Case {
        int misses, moveOnAfter;
        int attempts;
        WordColour colour;
        bool endsRight;
        const char* text;
    };
    const Case cases[] = {
        {0, 3, 1, WordColour::White, true, "Correct on the first attempt"},
        {1, 3, 2, WordColour::Yellow, true, "Correct on 2nd attempt"},
        {2, 3, 3, WordColour::Yellow, true, "Correct after 2 incorrect attempts"},
        {3, 3, 3, WordColour::Red, false, "Not correct after 3 attempts"},
        {1, 1, 1, WordColour::Red, false, "Not correct after 1 attempts"},
        {4, 3, 4, WordColour::Red, false, "Not correct after 4 attempts"}, // setting lowered
        {0, 0, 1, WordColour::White, false, "Not correct after 0 attempts"},
    };
    for (const Case& c : cases) {
        const WordVerdict v = JudgeWord(c.misses, c.moveOnAfter);
        EXPECT_EQ(v.attempts, c.attempts) << c.misses << " of " << c.moveOnAfter;
        EXPECT_EQ(v.colour, c.colour) << c.misses << " of " << c.moveOnAfter;
        EXPECT_EQ(EndsWithRightSpelling(c.misses, c.moveOnAfter), c.endsRight) << c.misses;
        EXPECT_EQ(AttemptResultText(c.misses, c.moveOnAfter), QLatin1String(c.text));
    }
}

TEST(TestReport, MinutesCountClockMinuteBoundaries)
{
    const auto at = [](int d, int h, int m, int s) {
        return QDateTime(QDate(2026, 3, d), QTime(h, m, s));
    };
    struct Case {
        QDateTime start, end;
        int minutes;
    };
    const Case cases[] = {
        {at(4, 10, 0, 59), at(4, 10, 1, 1), 1},
        {at(4, 10, 0, 1), at(4, 10, 0, 59), 0},
        {at(4, 23, 59, 30), at(5, 0, 2, 0), 3}, // past midnight
        {at(4, 9, 15, 0), at(4, 10, 45, 0), 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MinutesBetween(c.start, c.end), c.minutes) << c.start.toString().toStdString();
}

TEST(TestReport, RoundNamesAndTestColumn)
{
    struct Case {
        TestPlace place;
        bool unfinished;
        const char* name;
    };
    const Case cases[] = {
        {{2, 0}, false, "2"},
        {{2, 1}, false, "Missed words of test 2"},
        {{2, 3}, false, "Missed words of test 2, round 3"},
        {{0, 1}, false, "Missed words of an earlier test"},
        {{1, 0}, true, "Not finished"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TestNameText(c.place, c.unfinished), QLatin1String(c.name)) << c.name;
    EXPECT_EQ(PercentText(57), QStringLiteral("57 %"));
}

TEST(TestReport, HistoryAveragesWholeListTestsOnly)
{
    struct Case {
        const char* what;
        std::vector<StoredTest> tests;
        int32_t listWords;
        QList<int> scores;
        int average;
        bool practised;
        std::vector<int> shown; // each test's score as listed
    };
    const Case cases[] = {
        {"none", {}, 10, {}, 0, false, {}},
        {"two whole-list tests", {Whole(1, 5), Whole(2, 8)}, 10, {50, 80}, 65, false, {50, 80}},
        {"half to even", {Whole(1, 5), Whole(2, 6)}, 10, {50, 60}, 55, false, {50, 60}},
        {"a round stays out", {Whole(1, 5), Round(2, 1, 5, 5)}, 10, {50}, 50, true, {50, 100}},
        {"unfinished stays out", {Whole(1, 9), Unfinished(2, 1, 2)}, 10, {90}, 90, true, {90, 50}},
        {"all zero", {Whole(1, 0), Whole(2, 0)}, 10, {0, 0}, 0, false, {0, 0}},
    };
    for (const Case& c : cases) {
        const ListHistory h = HistoryOfList(c.tests, c.listWords);
        EXPECT_EQ(h.scores, c.scores) << c.what;
        EXPECT_EQ(h.average, c.average) << c.what;
        EXPECT_EQ(h.practised, c.practised) << c.what;
        ASSERT_EQ(h.tests.size(), c.shown.size()) << c.what;
        for (size_t i = 0; i < c.shown.size(); ++i)
            EXPECT_EQ(h.tests[i].score, c.shown[i]) << c.what << " #" << i;
    }
}

TEST(TestReport, HistoryNumbersTestsAndNamesRounds)
{
    // Test 1, its round, a round of that round, test 2, an unfinished test, test 3.
    const std::vector<StoredTest> tests = {Whole(1, 5), Round(2, 1, 1, 5),   Round(3, 2, 1, 4),
                                           Whole(4, 5), Unfinished(5, 0, 1), Whole(6, 5)};
    const QStringList names = {"1", "Missed words of test 1", "Missed words of test 1, round 2",
                               "2", "Not finished",           "3"};
    const ListHistory h = HistoryOfList(tests, 10);
    ASSERT_EQ(h.tests.size(), tests.size());
    for (size_t i = 0; i < tests.size(); ++i) {
        EXPECT_EQ(h.tests[i].testId, tests[i].testId);
        EXPECT_EQ(h.tests[i].date, tests[i].date);
        EXPECT_EQ(TestNameText(h.tests[i].place, h.tests[i].unfinished),
                  names[static_cast<qsizetype>(i)]);
    }
}
