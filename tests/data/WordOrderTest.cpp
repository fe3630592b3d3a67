// Words in alphabetical order as the desktop's language sorts them: the test's alphabetical
// order, the old-list prompt and the results (" ORDER BY WORD "), and the hardest words' ties.
#include "TestQueries.h"
#include "DataFixtures.h"
#include "ListProgress.h"
#include "Statements.h"

#include <QLocale>

namespace {

// Stored in this order: never alphabetical, by letters or by character codes.
const QStringList kWords = {"zebra", "über",   "Äpfel",   "Zebra",   "apple",
                            "Dog",   "Straße", "Strauch", "Strasse", "cat"};

struct WordOrderCase {
    const char* desktop;   // the desktop's language
    QStringList alphabetical;
};

// Letter case and accents decide only between words that are otherwise the same, lower case
// first; "ß" sorts as "ss". Swedish puts "ä" after "z" and "ü" with "y".
const WordOrderCase kCases[] = {
    {"de_DE",
     {"Äpfel", "apple", "cat", "Dog", "Strasse", "Straße", "Strauch", "über", "zebra", "Zebra"}},
    {"en_US",
     {"Äpfel", "apple", "cat", "Dog", "Strasse", "Straße", "Strauch", "über", "zebra", "Zebra"}},
    {"en_GB",
     {"Äpfel", "apple", "cat", "Dog", "Strasse", "Straße", "Strauch", "über", "zebra", "Zebra"}},
    {"sv_SE",
     {"apple", "cat", "Dog", "Strasse", "Straße", "Strauch", "über", "zebra", "Zebra", "Äpfel"}},
};

// Makes `desktop` the language while it lives (the connection takes it when it opens).
class DesktopLanguage {
public:
    explicit DesktopLanguage(const char* name)
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~DesktopLanguage() { QLocale::setDefault(QLocale::system()); }
};

QStringList Alphabetical(const QString& sql)
{
    QStringList words;
    for (Recordset rs(sql, Db()); !rs.Eof(); rs.MoveNext())
        words << rs.Field("WORD").toText();
    return words;
}

// Every word missed once in one stored test: the hardest words all tie on their counts.
QStringList HardestWordsInTie()
{
    for (int i = 0; i < kWords.size(); ++i)
        RecordAttempt(1, 1, i + 1, "x", "INCORRECT", 1);
    AddTest(1, 1);
    QStringList words;
    for (const HardWord& word : HardestWords(1))
        words << word.word;
    return words;
}

} // namespace

TEST(WordOrder, WordsSortAsTheDesktopsLanguageSortsThemWithoutRegardToLetterCase)
{
    for (const WordOrderCase& c : kCases) {
        SCOPED_TRACE(c.desktop);
        DesktopLanguage language(c.desktop);
        TestAppFolder app;
        for (int i = 0; i < kWords.size(); ++i)
            AddWord(i + 1, 1, kWords[i]);
        const QString words = QString(Sql::SELECT_WORDS) + Sql::WHERE_LIST_ID + "1" +
                              Sql::VALUE_END + Sql::ORDER_BY_WORD;
        EXPECT_EQ(Alphabetical(words), c.alphabetical) << "the words of a list";
        const QString testOrder = QString(Sql::SELECT_WORDS_NO_LEADING_BLANK) +
                                  Sql::WHERE_LIST_ID + "1" + Sql::VALUE_END + Sql::ORDER_BY_WORD;
        EXPECT_EQ(Alphabetical(testOrder), c.alphabetical) << "a test's alphabetical order";
        EXPECT_EQ(HardestWordsInTie(), c.alphabetical) << "hardest words tied on their counts";
        // Only the order changed: equal words are still found in any letter case.
        EXPECT_EQ(Db().CountRows(" SELECT * FROM WORDS  WHERE WORD = 'ZEBRA' "), 2);
    }
}
