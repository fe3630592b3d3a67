#include "PrintQueries.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "Statements.h"

#include <QMap>
#include <QStringList>

ListSheet ReadListSheet(int32_t listId)
{
    ListSheet sheet;
    Recordset list(QString(Sql::SELECT_LISTS) + Sql::WHERE_LIST_ID + QString::number(listId) +
                       Sql::VALUE_END,
                   Globals::DbConnection());
    if (!list.Eof()) {
        sheet.weekStart = list.Field("WEEK_START").toDate();
        sheet.weekEnd = list.Field("WEEK_END").toDate();
        sheet.testDate = list.Field("TEST_DATE").toDate();
    }
    list.Close();
    Recordset words(QString(Sql::SELECT_WORDS) + Sql::WHERE_LIST_ID + QString::number(listId) +
                        Sql::VALUE_END + Sql::ORDER_BY_WORD_ID,
                    Globals::DbConnection());
    for (; !words.Eof(); words.MoveNext())
        sheet.words.push_back({words.Field("WORD").toText(), words.Field("DEFINITION").toText(),
                               words.Field("SENTENCE").toText(),
                               words.Field("CASE_SENSITIVE").toText()});
    return sheet;
}

std::vector<AnswerRow> ReadListAnswers(int32_t listId)
{
    // One statement: the answers with their test's start and their word's text. The rowid
    // keeps the order in which the answers were given inside a test.
    const QString sql = QStringLiteral(
                            "SELECT T.TEST_ID AS TEST_ID, T.START_TIME AS START_TIME, "
                            "W.WORD AS WORD, A.ATTEMPT_NUMBER AS ATTEMPT_NUMBER, A.GUESS AS GUESS, "
                            "A.RESULT AS RESULT FROM WORD_ATTEMPTS A "
                            "JOIN TESTS T ON T.TEST_ID = A.TEST_ID "
                            "LEFT JOIN WORDS W ON W.WORD_ID = A.WORD_ID "
                            "WHERE T.LIST_ID = %1 ORDER BY T.TEST_ID, A.rowid")
                            .arg(listId);
    Recordset rs(sql, Globals::DbConnection());
    std::vector<AnswerRow> rows;
    QMap<int32_t, int> numbers;
    for (; !rs.Eof(); rs.MoveNext()) {
        const int32_t testId = rs.Field("TEST_ID").toLong();
        if (!numbers.contains(testId))
            numbers.insert(testId, int(numbers.size()) + 1);
        rows.push_back({numbers.value(testId), rs.Field("START_TIME").toDateTime(),
                        rs.Field("WORD").toText(), int(rs.Field("ATTEMPT_NUMBER").toLong()),
                        rs.Field("GUESS").toText(), rs.Field("RESULT").toText()});
    }
    return rows;
}

std::map<int32_t, QStringList> ReadWrongSpellings(int32_t testId)
{
    Recordset rs(QStringLiteral("SELECT WORD_ID, GUESS FROM WORD_ATTEMPTS WHERE TEST_ID = %1 "
                                "AND RESULT = 'INCORRECT' ORDER BY WORD_ID, ATTEMPT_NUMBER")
                     .arg(testId),
                 Globals::DbConnection());
    std::map<int32_t, QStringList> wrong;
    for (; !rs.Eof(); rs.MoveNext())
        wrong[rs.Field("WORD_ID").toLong()] << rs.Field("GUESS").toText();
    return wrong;
}

std::map<int32_t, TestTimes> ReadTestTimes(int32_t listId)
{
    Recordset rs(QString(Sql::SELECT_TESTS) + Sql::WHERE_LIST_ID + QString::number(listId) +
                     Sql::VALUE_END,
                 Globals::DbConnection());
    std::map<int32_t, TestTimes> times;
    for (; !rs.Eof(); rs.MoveNext())
        times[rs.Field("TEST_ID").toLong()] = {rs.Field("START_TIME").toDateTime(),
                                               rs.Field("END_TIME").toDateTime()};
    return times;
}

namespace {
QString CsvField(QString text)
{
    // A spreadsheet would run "=...", "+...", "-..." or "@..." as a formula.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}
} // namespace

QByteArray AnswersCsv(const std::vector<AnswerRow>& rows)
{
    QString csv = QStringLiteral("test,date,word,attempt,typed,result\r\n");
    for (const AnswerRow& row : rows) {
        const QStringList fields{QString::number(row.test),
                                 row.start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                 row.word,
                                 QString::number(row.attempt),
                                 row.typed,
                                 row.result};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField(field);
        csv += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + csv.toUtf8();
}
