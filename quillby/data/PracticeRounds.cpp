#include "PracticeRounds.h"

#include "Globals.h"
#include "Recordset.h"
#include "RowKeys.h"

#include <QStringList>
#include <set>

std::optional<int32_t> PractisedTest(const Recordset& rs)
{
    if (rs.Field(QStringLiteral("PRACTICE_OF")).isNull())
        return std::nullopt;
    return RowKey(rs, QStringLiteral("PRACTICE_OF")).value_or(0);
}

std::map<int32_t, TestPlace> TestPlaces(const std::vector<ListTest>& tests)
{
    std::map<int32_t, TestPlace> places;
    int wholeTests = 0;
    // A round is stored after the test it practised, so that test's place is known by then.
    for (const auto& [testId, practiceOf] : tests) {
        TestPlace place;
        if (!practiceOf) {
            place.number = ++wholeTests;
        } else {
            const auto practised = places.find(*practiceOf);
            place.round = practised == places.end() ? 1 : practised->second.round + 1;
            if (practised != places.end())
                place.number = practised->second.number;
        }
        places[testId] = place;
    }
    return places;
}

TestPlace PlaceOfTest(int32_t testId)
{
    Recordset rs(
        QStringLiteral("SELECT TEST_ID, PRACTICE_OF FROM TESTS WHERE LIST_ID = "
                       "(SELECT LIST_ID FROM TESTS WHERE TEST_ID = %1) ORDER BY START_TIME")
            .arg(testId),
        Globals::DbConnection());
    std::vector<ListTest> tests;
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto key = RowKey(rs, QStringLiteral("TEST_ID"));
        if (!key)
            continue;
        tests.emplace_back(*key, PractisedTest(rs));
    }
    const auto places = TestPlaces(tests);
    const auto found = places.find(testId);
    return found == places.end() ? TestPlace{} : found->second;
}

int32_t CountWholeListAttempts(const QString& attemptsSql)
{
    std::vector<int32_t> tests; // the TEST_ID of each row; 0 when damaged (counted)
    std::set<int32_t> distinct;
    Recordset rs(attemptsSql, Globals::DbConnection());
    for (; !rs.Eof(); rs.MoveNext()) {
        tests.push_back(RowKey(rs, QStringLiteral("TEST_ID")).value_or(0));
        distinct.insert(tests.back());
    }
    rs.Close();
    if (tests.empty())
        return 0;
    QStringList ids;
    for (const int32_t id : distinct)
        ids << QString::number(id);
    std::set<int32_t> rounds;
    Recordset found(QStringLiteral("SELECT TEST_ID FROM TESTS WHERE PRACTICE_OF IS NOT NULL "
                                   "AND TEST_ID IN (%1)")
                        .arg(ids.join(QLatin1Char(','))),
                    Globals::DbConnection());
    for (; !found.Eof(); found.MoveNext())
        rounds.insert(RowKey(found, QStringLiteral("TEST_ID")).value_or(0));
    int32_t count = 0;
    for (const int32_t test : tests)
        count += rounds.count(test) == 0 ? 1 : 0;
    return count;
}
