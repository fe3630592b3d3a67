#include "TestReport.h"

#include "Scores.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
// The texts keep the names their translations are kept under: the windows that showed them.
struct WordDetailsText {
    Q_DECLARE_TR_FUNCTIONS(frmTestWordDetails)
};
struct TestGridsText {
    Q_DECLARE_TR_FUNCTIONS(TestGrids)
};
} // namespace

TestSummary SummariseTest(bool wholeList, int32_t listWords, int32_t wordsAsked, int32_t firstTry,
                          int32_t movedOn)
{
    const int32_t words = wholeList ? listWords : wordsAsked;
    return {words, firstTry, movedOn, ScorePercent(firstTry, words)};
}

WordVerdict JudgeWord(int misses, int moveOnAfter)
{
    if (misses >= moveOnAfter && misses > 0)
        return {misses, WordColour::Red};
    if (misses >= 1)
        return {misses + 1, WordColour::Yellow};
    return {1, WordColour::White};
}

bool EndsWithRightSpelling(int misses, int moveOnAfter) { return misses < moveOnAfter; }

QString AttemptResultText(int misses, int moveOnAfter)
{
    if (!EndsWithRightSpelling(misses, moveOnAfter))
        return WordDetailsText::tr("Not correct after %1 attempts").arg(misses);
    if (misses == 0)
        return WordDetailsText::tr("Correct on the first attempt");
    if (misses == 1)
        return WordDetailsText::tr("Correct on 2nd attempt");
    return WordDetailsText::tr("Correct after %1 incorrect attempts").arg(misses);
}

int MinutesBetween(const QDateTime& start, const QDateTime& end)
{
    const qint64 days = start.date().daysTo(end.date());
    const int startMinute = start.time().hour() * 60 + start.time().minute();
    const int endMinute = end.time().hour() * 60 + end.time().minute();
    return static_cast<int>(days * 1440 + endMinute - startMinute);
}

QString PercentText(int score) { return QString::number(score) + QStringLiteral(" %"); }

QString PracticeRoundText(const TestPlace& place)
{
    if (place.number == 0)
        return TestGridsText::tr("Missed words of an earlier test");
    if (place.round <= 1)
        return TestGridsText::tr("Missed words of test %1").arg(place.number);
    return TestGridsText::tr("Missed words of test %1, round %2")
        .arg(place.number)
        .arg(place.round);
}

QString TestNameText(const TestPlace& place, bool unfinished)
{
    if (unfinished)
        return TestGridsText::tr("Not finished");
    return place.round > 0 ? PracticeRoundText(place) : QString::number(place.number);
}

namespace {
// Whole-list tests are numbered in order as they are read; a practice round is named by the
// test it practised and its round, which only the list's whole order tells.
void PlaceRounds(const std::vector<ListTest>& tests, ListHistory& history)
{
    const auto places = TestPlaces(tests);
    for (size_t i = 0; i < tests.size(); ++i)
        history.tests[i].place = places.at(tests[i].first);
}

int AverageOf(long long sum, qsizetype total)
{
    return sum == 0 ? 0 : static_cast<int>(DivideHalfEven(sum, static_cast<int64_t>(total)));
}
} // namespace

ListHistory HistoryOfList(const std::vector<StoredTest>& tests, int32_t listWords)
{
    ListHistory history;
    history.tests.reserve(tests.size());
    std::vector<ListTest> order;
    order.reserve(tests.size());
    history.scores.reserve(static_cast<qsizetype>(tests.size()));
    long long sum = 0;
    for (const StoredTest& test : tests) {
        // An unfinished test is numbered as none of the others.
        order.emplace_back(test.testId,
                           test.unfinished ? std::optional<int32_t>(0) : test.practiceOf);
        const bool wholeList = !order.back().second;
        const int score = TestScore(test.firstTry, wholeList ? listWords : test.wordsAsked);
        if (wholeList) {
            sum += score;
            history.scores << score;
        }
        history.tests.push_back({test.testId, test.date, score,
                                 TestPlace{static_cast<int>(history.scores.size()), 0},
                                 test.unfinished});
    }
    history.practised = std::any_of(order.begin(), order.end(),
                                    [](const ListTest& test) { return test.second.has_value(); });
    if (history.practised)
        PlaceRounds(order, history);
    history.average = AverageOf(sum, history.scores.size());
    return history;
}

ListHistory ScoresOfList(const std::vector<int32_t>& firstTries, int32_t listWords)
{
    ListHistory history;
    history.scores.reserve(static_cast<qsizetype>(firstTries.size()));
    long long sum = 0;
    for (const int32_t firstTry : firstTries) {
        history.scores << TestScore(firstTry, listWords);
        sum += history.scores.back();
    }
    history.average = AverageOf(sum, history.scores.size());
    return history;
}
