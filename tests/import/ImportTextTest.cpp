// The text rules of the import: what becomes a candidate word, which candidates are ticked,
// and which inputs are refused as a whole.
#include "ImportText.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A row as "word|definition|sentence|case|ticked" for whole-result comparisons.
QString Shown(const ImportRow& row)
{
    return QStringList{row.word, row.definition, row.sentence, row.caseSensitive ? "TRUE" : "FALSE",
                       row.ticked ? "ticked" : "unticked"}
        .join('|');
}

QStringList Parsed(const QByteArray& bytes, const QStringList& listWords = {})
{
    ImportResult result = ParseImportBytes(bytes);
    EXPECT_TRUE(result.error.isEmpty()) << result.error.toStdString();
    ClassifyRows(result.rows, listWords);
    QStringList shown;
    for (const ImportRow& row : result.rows)
        shown << Shown(row);
    return shown;
}

QStringList Words(const QByteArray& bytes)
{
    QStringList words;
    for (const ImportRow& row : ParseImportBytes(bytes).rows)
        words << row.word;
    return words;
}

struct TextCase {
    const char* name;
    QByteArray input;
    QStringList expected;
};

} // namespace

TEST(ImportText, SeparatorsHeadersAndQuotes)
{
    const TextCase cases[] = {
        {"one word per line",
         "because\nfriend\nafter\n",
         {"because|||FALSE|ticked", "friend|||FALSE|ticked", "after|||FALSE|ticked"}},
        {"tab rows",
         "bee\tan insect\tA bee buzzed.\nsea\tsalt water\t\n",
         {"bee|an insect|A bee buzzed.|FALSE|ticked", "sea|salt water||FALSE|ticked"}},
        {"semicolon rows with commas inside",
         "bee;an insect, small;A bee, a hive.\n",
         {"bee|an insect, small|A bee, a hive.|FALSE|ticked"}},
        {"comma rows",
         "bee,an insect,A bee buzzed.\nsea,salt water,We swam.\n",
         {"bee|an insect|A bee buzzed.|FALSE|ticked", "sea|salt water|We swam.|FALSE|ticked"}},
        {"header row skipped",
         "Word,Definition,Sentence\nbee,an insect,It buzzed.\n",
         {"bee|an insect|It buzzed.|FALSE|ticked"}},
        {"header in another order, case column",
         "sentence;word;case sensitive\nI live in Paris.;Paris;yes\n",
         {"Paris||I live in Paris.|TRUE|ticked"}},
        {"German header",
         "Wort;Bedeutung;Satz\nBär;ein Tier;Der Bär brummt.\n",
         {"Bär|ein Tier|Der Bär brummt.|FALSE|ticked"}},
        {"quoted fields with separators, quotes and line breaks",
         "word,definition,sentence\n\"bee\",\"a \"\"busy\"\" insect, small\",\"Line one\nline two\"\n",
         {"bee|a \"busy\" insect, small|Line one\nline two|FALSE|ticked"}},
        {"one line of comma-separated words",
         "cat, dog, bird\n",
         {"cat|||FALSE|ticked", "dog|||FALSE|ticked", "bird|||FALSE|ticked"}},
        {"Windows and old Mac line ends",
         "cat\r\ndog\rbird",
         {"cat|||FALSE|ticked", "dog|||FALSE|ticked", "bird|||FALSE|ticked"}},
        {"quoted single words",
         "\"because\"\n“friend”\n'after'\n",
         {"because|||FALSE|ticked", "friend|||FALSE|ticked", "after|||FALSE|ticked"}},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Parsed(c.input), c.expected) << c.name;
}

TEST(ImportText, NumberingAndBulletsAreStripped)
{
    const TextCase cases[] = {
        {"numbers with a full stop",
         "1. because\n2. friend\n10. after",
         {"because", "friend", "after"}},
        {"numbers with a bracket", "1) because\n(2) friend", {"because", "friend"}},
        {"letters", "a. because\nb) friend\n4a. after", {"because", "friend", "after"}},
        {"bullets",
         "- because\n* friend\n• after\n– again",
         {"because", "friend", "after", "again"}},
        {"a number without a mark, as a photo reads it",
         "1 because\n12 friend",
         {"because", "friend"}},
        {"a full stop or comma after a single word", "because.\nfriend,", {"because", "friend"}},
        {"words that begin with a digit keep it", "1st\n2nd place", {"1st", "2nd place"}},
        {"surrounding blanks", "   because   \n\tfriend", {"because", "friend"}},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Words(c.input), c.expected) << c.name;
}

TEST(ImportText, EncodingsAreRead)
{
    const QString words = QStringLiteral("Bär\nüber\nStraße\n");
    QByteArray utf16le("\xFF\xFE", 2);
    utf16le += QByteArray(reinterpret_cast<const char*>(words.utf16()), words.size() * 2);
    QByteArray utf16be("\xFE\xFF", 2);
    for (QChar c : words) {
        utf16be += char(c.unicode() >> 8);
        utf16be += char(c.unicode() & 0xFF);
    }
    const TextCase cases[] = {
        {"UTF-8", words.toUtf8(), {"Bär", "über", "Straße"}},
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF" + words.toUtf8(),
         {"Bär", "über", "Straße"}},
        {"UTF-16 little-endian with a byte-order mark", utf16le, {"Bär", "über", "Straße"}},
        {"UTF-16 big-endian with a byte-order mark", utf16be, {"Bär", "über", "Straße"}},
        {"Latin-1 when the bytes are no UTF-8", words.toLatin1(), {"Bär", "über", "Straße"}},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(Words(c.input), c.expected) << c.name;
}

TEST(ImportText, LinesThatAreNoWordsStayUnticked)
{
    const QByteArray sheet = "Spelling Words Week 12\n"
                             "Name: ________\n"
                             "Date: 3/14/2025\n"
                             "\n"
                             "1. because\n"
                             "2. friend\n"
                             "friend\n"
                             "3/14/2025\n"
                             "12\n"
                             "____\n"
                             "Please learn these words for Friday\n"
                             "ice cream\n"
                             "after\n"
                             "Because\n" +
                             QByteArray(kMaxWordLength + 1, 'x') + "\n";
    EXPECT_EQ(Parsed(sheet, {"after"}), (QStringList{
                                            "Spelling Words Week 12|||FALSE|unticked",
                                            "Name: ________|||FALSE|unticked",
                                            "Date: 3/14/2025|||FALSE|unticked",
                                            "because|||FALSE|ticked",
                                            "friend|||FALSE|ticked",
                                            "friend|||FALSE|unticked",
                                            "3/14/2025|||FALSE|unticked",
                                            "12|||FALSE|unticked",
                                            "____|||FALSE|unticked",
                                            "Please learn these words for Friday|||FALSE|unticked",
                                            "ice cream|||FALSE|ticked",
                                            "after|||FALSE|unticked",
                                            "Because|||FALSE|unticked",
                                            QString(kMaxWordLength + 1, 'x') + "|||FALSE|unticked",
                                        }));
}

TEST(ImportText, EveryUntickedRowSaysWhy)
{
    struct Reason {
        QString word;
        QString reasonStart;
    };
    const Reason cases[] = {
        {"", "There is no word"},
        {"a\nb", "A word cannot hold a line break"},
        {"3/14/2025", "A date"},
        {"2025-03-14", "A date"},
        {"42", "A number"},
        {"____", "No letters"},
        {"Name: ____", "A line to fill in"},
        {"Week 12 list", "A heading or a sentence"},
        {"after", "Already in the list"},
        {"bee", "The same word is above"},
        {QString(kMaxWordLength + 1, 'y'), "Too long"},
    };
    for (const Reason& c : cases) {
        const QString reason = RowProblem({c.word, {}, {}, false, true, {}}, {"AFTER"}, {"BEE"});
        EXPECT_TRUE(reason.startsWith(c.reasonStart))
            << c.word.toStdString() << ": " << reason.toStdString();
    }
    EXPECT_EQ(RowProblem({"because", {}, {}, false, true, {}}, {"AFTER"}, {"BEE"}), QString());
}

TEST(ImportText, BadInputIsRefusedWithAMessage)
{
    QByteArray longText;
    for (int i = 0; i < 100000; ++i)
        longText += "word" + QByteArray::number(i) + "\n";
    const struct {
        const char* name;
        QByteArray input;
        const char* messageStart;
    } cases[] = {
        {"an empty file", "", "The file is empty"},
        {"only blank lines", "\n  \n\t\n", "The file is empty"},
        {"a binary file",
         QByteArray("\x7F"
                    "ELF\x02\x01\x01\0\0\0\0",
                    12) +
             QByteArray(300, '\x01'),
         "This file holds no text"},
        {"100,000 lines", longText, "This text has 100"},
    };
    for (const auto& c : cases) {
        const ImportResult result = ParseImportBytes(c.input);
        EXPECT_TRUE(result.rows.empty()) << c.name;
        EXPECT_TRUE(result.error.startsWith(c.messageStart))
            << c.name << ": " << result.error.toStdString();
    }
    EXPECT_TRUE(ParseImportBytes(longText.left(longText.indexOf("word10000"))).error.isEmpty())
        << "10,000 lines are read";
}

TEST(ImportText, ExportedCsvReadsBackUnchanged)
{
    const std::vector<ImportRow> rows = {
        {"because", "for the reason that", "I stayed, because it rained.", false, true, {}},
        {"Paris", "", "She said \"bonjour\".\nThen she left.", true, true, {}},
        {"Straße", "a road", "", false, true, {}},
        {"ice cream", "cold, sweet", " ", false, true, {}},
    };
    const QByteArray csv = ListCsv(rows);
    EXPECT_TRUE(csv.startsWith("word,definition,sentence,case sensitive\n"));
    ImportResult back = ParseImportBytes(csv);
    ASSERT_TRUE(back.error.isEmpty());
    ClassifyRows(back.rows, {});
    ASSERT_EQ(back.rows.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(back.rows[i].word, rows[i].word);
        EXPECT_EQ(back.rows[i].definition, rows[i].definition.trimmed());
        EXPECT_EQ(back.rows[i].sentence, rows[i].sentence.trimmed());
        EXPECT_EQ(back.rows[i].caseSensitive, rows[i].caseSensitive);
        EXPECT_TRUE(back.rows[i].ticked) << back.rows[i].reason.toStdString();
    }
}

TEST(ImportText, PictureLinesAreOneCandidateEach)
{
    ImportResult result = ParseImportLines(
        {"Spelling List - Week 12", "Name: __________", "1. because", "2, friend", "", "3 after"});
    ClassifyRows(result.rows, {});
    QStringList shown;
    for (const ImportRow& row : result.rows)
        shown << Shown(row);
    EXPECT_EQ(shown, (QStringList{"Spelling List - Week 12|||FALSE|unticked",
                                  "Name:|||FALSE|unticked", "because|||FALSE|ticked",
                                  "friend|||FALSE|ticked", "after|||FALSE|ticked"}));
    EXPECT_FALSE(ParseImportLines({"", " "}).error.isEmpty());
}

TEST(ImportText, PictureLinesOfTwoColumnsAndUnclearLines)
{
    ImportResult result = ParseImportLines(
        {"1. because 7. people", "| 2) friend 8) school —", "io", "‘3. after"}, {95, 90, 5, 59});
    ClassifyRows(result.rows, {});
    QStringList shown;
    for (const ImportRow& row : result.rows)
        shown << Shown(row);
    EXPECT_EQ(shown, (QStringList{"because|||FALSE|ticked", "people|||FALSE|ticked",
                                  "friend|||FALSE|ticked", "school|||FALSE|ticked",
                                  "io|||FALSE|unticked", "after|||FALSE|unticked"}));
    EXPECT_TRUE(result.rows[4].reason.startsWith("Hard to read"));
}
