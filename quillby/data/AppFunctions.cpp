#include "AppFunctions.h"

#include "Connection.h"
#include "Globals.h"
#include "Recordset.h"
#include "SoundFolder.h"
#include "Statements.h"
#include "Variant.h"
#include "WavFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTime>
#include <random>

namespace {
QString S(const char* fragment)
{
    return QString::fromLatin1(fragment);
}

// fragment + where + id + " ", e.g. " SELECT * FROM LISTS  WHERE LIST_ID = 7 ".
QString Where(const char* statement, const char* where, int32_t id)
{
    return S(statement) + S(where) + QString::number(id) + S(Sql::VALUE_END);
}

int32_t Count(const QString& sql)
{
    return static_cast<int32_t>(Globals::DbConnection().CountRows(sql));
}

} // namespace

bool WordTextInUse(const QString& text, int32_t exceptWordId)
{
    // The words' collation folds ASCII letters: one indexed lookup of the text, its upper and
    // its lower form settles every text of ASCII letters and most others (café, CAFÉ).
    const QString except = QString::number(exceptWordId);
    if (Globals::DbConnection().AnyRow(
            QStringLiteral("SELECT 1 FROM WORDS WHERE WORD IN (?, ?, ?) "
                           "AND (WORD_ID IS NULL OR WORD_ID <> ?) LIMIT 1"),
            {text, text.toUpper(), text.toLower(), except}))
        return true;
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return false;
    // Other letters in mixed case (Ångström, ÅNGSTRÖM; straße, STRASSE) are compared as the
    // file names are made. Rare, and a recording kept is worth reading the words.
    Recordset rs(QStringLiteral("SELECT WORD FROM WORDS WHERE WORD_ID IS NULL OR WORD_ID <> ") +
                     except,
                 Globals::DbConnection());
    const QString upper = text.toUpper();
    for (; !rs.Eof(); rs.MoveNext())
        if (rs.Field(QStringLiteral("WORD")).toText().toUpper() == upper)
            return true;
    return false;
}

namespace {
// Deletes the recordings of removed words unless a remaining word still plays them.
void DeleteUnusedRecordings(const QStringList& removedWords)
{
    QStringList files;
    for (const QString& word : removedWords) {
        const QString file = WordWavFile(word);
        if (file.isEmpty() || files.contains(file))
            continue;
        files << file;
        if (!WordTextInUse(word))
            DeleteFileQuietly(file);
    }
}
} // namespace

int32_t CountListWords(int32_t listId)
{
    return Count(Where(Sql::SELECT_WORDS, Sql::WHERE_LIST_ID, listId));
}

int32_t CountListTests(int32_t listId)
{
    // Practice rounds of missed words and tests never finished are stored among the list's
    // tests but are none of them; SQLite counts the others.
    return static_cast<int32_t>(Globals::DbConnection().CountRows(
        Where(Sql::SELECT_TESTS, Sql::WHERE_LIST_ID, listId),
        QStringLiteral("PRACTICE_OF IS NULL AND UNFINISHED IS NULL")));
}

int32_t CountWordsAsked(int32_t testId)
{
    return Count(S(Sql::SELECT_WORDS_ASKED) + QString::number(testId) + S(Sql::VALUE_END));
}

QString GetWordText(int32_t wordId)
{
    Recordset rs(Where(Sql::SELECT_WORDS, Sql::WHERE_WORD_ID, wordId), Globals::DbConnection());
    return rs.Eof() ? QString() : rs.Field(QStringLiteral("WORD")).toText();
}

QString GetListTestDate(int32_t listId)
{
    Recordset rs(Where(Sql::SELECT_LISTS, Sql::WHERE_LIST_ID, listId), Globals::DbConnection());
    if (rs.Eof())
        return {};
    return ShortDateText(rs.Field(QStringLiteral("TEST_DATE")));
}

QString ShortDateText(const Variant& value)
{
    const QDate date = value.toDate();
    if (!date.isValid())
        return value.toText();
    // The locale's pattern is looked up once per locale, not once per date: the main grid
    // formats a date for every list at start-up.
    static thread_local QString localeName;
    static thread_local QString pattern;
    const QLocale locale;
    if (locale.name() != localeName || pattern.isEmpty()) {
        localeName = locale.name();
        pattern = locale.dateFormat(QLocale::ShortFormat);
    }
    return locale.toString(date, pattern);
}

int32_t GetTestScore(int32_t testId)
{
    int32_t words = 0;
    {
        Recordset rs(Where(Sql::SELECT_TESTS, Sql::WHERE_TEST_ID, testId), Globals::DbConnection());
        // A practice round and a test never finished are scored on the words they asked, a
        // whole-list test on the list.
        if (!rs.Eof())
            words = rs.Field(QStringLiteral("PRACTICE_OF")).isNull() &&
                            rs.Field(QStringLiteral("UNFINISHED")).isNull()
                        ? CountListWords(rs.Field(QStringLiteral("LIST_ID")).toLong())
                        : CountWordsAsked(testId);
    }
    ProcessEvents(6);
    const int32_t correct = Count(Where(Sql::SELECT_WORD_ATTEMPTS, Sql::WHERE_TEST_ID, testId) +
                                  S(Sql::AND_FIRST_ATTEMPT) + S(Sql::AND_CORRECT));
    return TestScore(correct, words);
}

int32_t TestScore(int64_t firstTryCorrect, int64_t listWords)
{
    return firstTryCorrect == 0 ? 0 : ScorePercent(firstTryCorrect, listWords);
}

int64_t DivideHalfEven(int64_t numerator, int64_t denominator)
{
    int64_t quotient = numerator / denominator;
    const int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int32_t ScorePercent(int64_t firstTryCorrect, int64_t listWords)
{
    // In floating point 23 / 40 * 100 is 57.49999..., while 23 of 40 is exactly 57.5 (58).
    if (listWords <= 0)
        return 100;
    return static_cast<int32_t>(DivideHalfEven(100 * firstTryCorrect, listWords));
}

void RecordAttempt(int32_t testId, int32_t listId, int32_t wordId, const QString& guess,
                   const QString& result, int32_t attemptNumber)
{
    Recordset rs;
    rs.OpenToAppend(Where(Sql::SELECT_WORD_ATTEMPTS, Sql::WHERE_WORD_ID, wordId),
                    Globals::DbConnection());
    rs.AddNew();
    rs.SetField(QStringLiteral("TEST_ID"), testId);
    rs.SetField(QStringLiteral("LIST_ID"), listId);
    rs.SetField(QStringLiteral("WORD_ID"), wordId);
    rs.SetField(QStringLiteral("GUESS"), guess);
    rs.SetField(QStringLiteral("RESULT"), result);
    rs.SetField(QStringLiteral("ATTEMPT_NUMBER"), attemptNumber);
    rs.Update();
    rs.Close();
}

void DeleteWord(int32_t wordId)
{
    const QString word = GetWordText(wordId); // read before anything is deleted
    Connection& db = Globals::DbConnection();
    SoundChangeMark mark; // a crash before the recording goes leaves it to the next start
    {
        Transaction transaction(db);
        db.Execute(Where(Sql::DELETE_WORDS, Sql::WHERE_WORD_ID, wordId));
        db.Execute(Where(Sql::DELETE_WORD_ATTEMPTS, Sql::WHERE_WORD_ID, wordId));
        transaction.Commit();
    }
    DeleteUnusedRecordings({word});
}

void DeleteList(int32_t listId)
{
    Connection& db = Globals::DbConnection();
    QStringList words;
    {
        Recordset rs(Where(Sql::SELECT_WORDS, Sql::WHERE_LIST_ID, listId), db);
        for (; !rs.Eof(); rs.MoveNext())
            words << rs.Field(QStringLiteral("WORD")).toText();
    }
    // The rows go first: when the database refuses, no recording has been lost. A crash
    // before the recordings go leaves them to the next start.
    SoundChangeMark mark;
    {
        Transaction transaction(db);
        for (const char* table : {Sql::DELETE_WORDS, Sql::DELETE_LISTS, Sql::DELETE_TESTS,
                                  Sql::DELETE_WORD_ATTEMPTS})
            db.Execute(Where(table, Sql::WHERE_LIST_ID, listId));
        transaction.Commit();
    }
    DeleteUnusedRecordings(words);
}

void DeleteTest(int32_t testId)
{
    Connection& db = Globals::DbConnection();
    Transaction transaction(db);
    db.Execute(Where(Sql::DELETE_TESTS, Sql::WHERE_TEST_ID, testId));
    db.Execute(Where(Sql::DELETE_WORD_ATTEMPTS, Sql::WHERE_TEST_ID, testId));
    transaction.Commit();
}

int32_t RandomNumber(int32_t max)
{
    if (max <= 0)
        return 0; // nothing to choose from; a negative bound would never be met
    // Re-seeded from the time of day on every call; the draw counter keeps draws inside one
    // clock tick apart.
    static std::mt19937 generator;
    static uint32_t draws = 0;
    const double secondsSinceMidnight = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    const auto seed = static_cast<uint32_t>(secondsSinceMidnight / 3.0);
    generator.seed(seed ^ (++draws * 0x9E3779B9u));
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (;;) {
        const double n = RoundHalfEven(fraction(generator) * max);
        if (n >= 0 && n <= max)
            return static_cast<int32_t>(n);
    }
}

void DeleteFileQuietly(const QString& path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

QString CheckValueToText(int checkValue)
{
    return QString::fromLatin1(checkValue == 1 ? "TRUE" : "FALSE");
}

int TextToCheckValue(const QString& text)
{
    return TextToBoolean(text) ? 1 : 0;
}

bool TextToBoolean(const QString& text)
{
    return text.toUpper() == QLatin1String("TRUE");
}

void ProcessEvents(int times)
{
    if (!QCoreApplication::instance())
        return;
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}
