#include "ImportText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace {

// The texts shown to the parent, in the catalogue's "ImportText" context (lupdate reads the
// Texts::tr calls).
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ImportText)
};

enum Column { WordColumn, DefinitionColumn, SentenceColumn, CaseColumn, OtherColumn };

// A binary file: NUL bytes, or many control characters near its start.
bool LooksBinary(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(8192);
    if (head.contains('\0'))
        return true;
    int controls = 0;
    for (const char c : head) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            ++controls;
    }
    return controls * 20 > head.size();
}

QString DecodeWith(QStringConverter::Encoding encoding, const QByteArray& bytes, bool* failed)
{
    QStringDecoder decoder(encoding); // drops a byte-order mark
    const QString text = decoder.decode(bytes);
    if (failed)
        *failed = decoder.hasError();
    return text;
}

// Splits the text into records of fields at sep; a field in double quotes may hold the
// separator and line breaks, a doubled quote standing for one.
std::vector<QStringList> SplitRecords(const QString& text, QChar sep)
{
    std::vector<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    const auto endField = [&] {
        fields << field;
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"' && field.trimmed().isEmpty() && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
            field.clear();
        } else if (c == sep) {
            endField();
        } else if (c == u'\n') {
            endField();
            records.push_back(fields);
            fields.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !fields.isEmpty()) {
        endField();
        records.push_back(fields);
    }
    return records;
}

// The separator most lines use: a tab wherever one appears, else ';' or ',' when most lines
// hold one; a null character for one word per line.
QChar DetectSeparator(const QStringList& lines)
{
    int nonBlank = 0, semicolons = 0, commas = 0;
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (line.trimmed().contains(u'\t'))
            return u'\t';
        ++nonBlank;
        semicolons += line.contains(u';') ? 1 : 0;
        commas += line.contains(u',') ? 1 : 0;
    }
    if (semicolons * 2 > nonBlank)
        return u';';
    if (commas * 2 > nonBlank)
        return u',';
    return QChar();
}

Column ColumnOfName(const QString& name)
{
    static const QStringList words = {"word", "words", "wort", "wörter", "spelling"};
    static const QStringList definitions = {"definition", "definitions", "meaning", "bedeutung",
                                            "erklärung"};
    static const QStringList sentences = {"sentence", "context sentence", "example",
                                          "satz",     "beispielsatz",     "beispiel"};
    static const QStringList cases = {"case sensitive", "case", "case-sensitive",
                                      "groß-/kleinschreibung", "gross-/kleinschreibung"};
    const QString key = name.trimmed().toLower();
    if (words.contains(key))
        return WordColumn;
    if (definitions.contains(key))
        return DefinitionColumn;
    if (sentences.contains(key))
        return SentenceColumn;
    if (cases.contains(key))
        return CaseColumn;
    return OtherColumn;
}

// The columns a header row names, or nothing when the record is no header.
std::vector<Column> HeaderColumns(const QStringList& record)
{
    std::vector<Column> columns;
    for (const QString& field : record)
        columns.push_back(ColumnOfName(field));
    const bool header = std::find(columns.begin(), columns.end(), WordColumn) != columns.end() &&
                        std::all_of(record.begin(), record.end(), [](const QString& f) {
                            return f.trimmed().isEmpty() || ColumnOfName(f) != OtherColumn;
                        });
    return header ? columns : std::vector<Column>{};
}

bool FlagIsTrue(const QString& text)
{
    static const QStringList yes = {"true", "yes", "y", "1", "x", "ja", "wahr"};
    return yes.contains(text.trimmed().toLower());
}

// A line as a word: without numbering ("1.", "2)", "a.", "(3)"), bullets and surrounding
// quotes, and without a full stop or comma after a single word.
QString CleanWord(QString text)
{
    static const QRegularExpression bullet(QStringLiteral("^[-*+•·–—▪◦●○■□►▸‣⁃>»]+\\s*"));
    static const QRegularExpression numbering(
        QStringLiteral("^\\(?(\\d{1,3}[A-Za-z]?|[A-Za-z])[.)]\\s+(?=\\S)"));
    static const QRegularExpression bareNumber(
        QStringLiteral("^\\(?\\d{1,3}\\s*[.):,]?\\s+(?=\\p{L})"));
    text = text.trimmed();
    text.remove(bullet);
    if (!text.remove(numbering).isEmpty())
        text.remove(bareNumber);
    text = text.trimmed();
    static const QString opening = QStringLiteral("\"'“‘„«‚");
    static const QString closing = QStringLiteral("\"'”’“»‘");
    if (text.size() >= 2 && opening.contains(text.front()) && closing.contains(text.back()))
        text = text.mid(1, text.size() - 2).trimmed();
    if (text.size() > 1 && !text.contains(u' ') &&
        (text.endsWith(u'.') || text.endsWith(u',') || text.endsWith(u';')))
        text.chop(1);
    return text;
}

ImportRow RowOfRecord(const QStringList& record, const std::vector<Column>& columns, bool cleanWord)
{
    ImportRow row;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const Column column = i < static_cast<qsizetype>(columns.size()) ? columns[i] : OtherColumn;
        const QString value = record[i].trimmed();
        switch (column) {
        case WordColumn:
            row.word = cleanWord ? CleanWord(value) : value;
            break;
        case DefinitionColumn:
            row.definition = value;
            break;
        case SentenceColumn:
            row.sentence = value;
            break;
        case CaseColumn:
            row.caseSensitive = FlagIsTrue(value);
            break;
        case OtherColumn:
            break;
        }
    }
    return row;
}

bool RecordIsBlank(const QStringList& record)
{
    return std::all_of(record.begin(), record.end(),
                       [](const QString& f) { return f.trimmed().isEmpty(); });
}

// One line of single words separated by commas ("cat, dog, bird"): a list, not a row.
bool IsOneLineList(const std::vector<QStringList>& records)
{
    if (records.size() != 1 || records.front().size() < 2)
        return false;
    return std::all_of(records.front().begin(), records.front().end(),
                       [](const QString& f) { return !f.trimmed().contains(u' '); });
}

std::vector<ImportRow> SeparatedRows(const QString& text, QChar sep)
{
    std::vector<QStringList> records = SplitRecords(text, sep);
    std::erase_if(records, RecordIsBlank);
    std::vector<ImportRow> rows;
    if (records.empty())
        return rows;
    if (IsOneLineList(records)) {
        for (const QString& field : records.front())
            if (!field.trimmed().isEmpty())
                rows.push_back({CleanWord(field), {}, {}, false, true, false, {}});
        return rows;
    }
    std::vector<Column> columns = HeaderColumns(records.front());
    const bool hasHeader = !columns.empty();
    if (!hasHeader)
        columns = {WordColumn, DefinitionColumn, SentenceColumn, CaseColumn};
    for (size_t i = hasHeader ? 1 : 0; i < records.size(); ++i)
        rows.push_back(RowOfRecord(records[i], columns, !hasHeader));
    return rows;
}

QString LineCountError(qsizetype lines)
{
    return Texts::tr("This text has %1 lines. Quillby imports at most %2 lines at a time: please "
                     "split it into smaller parts.")
        .arg(QLocale().toString(lines), QLocale().toString(kMaxImportLines));
}

bool IsDate(const QString& word)
{
    static const QRegularExpression numeric(
        QStringLiteral("^\\d{1,4}\\s*[./-]\\s*\\d{1,2}\\s*[./-]\\s*\\d{1,4}\\.?$"));
    return numeric.match(word).hasMatch();
}

bool IsNumber(const QString& word)
{
    static const QRegularExpression number(QStringLiteral("^(?=.*\\d)[\\d\\s.,:;()/#+-]+$"));
    return number.match(word).hasMatch();
}

bool IsFormLine(const QString& word)
{
    return word.contains(u':') || word.contains(QStringLiteral("___")) ||
           word.contains(QStringLiteral("...."));
}

bool IsHeading(const QString& word)
{
    static const QRegularExpression digit(QStringLiteral("\\d"));
    const qsizetype words = word.split(u' ', Qt::SkipEmptyParts).size();
    return words >= 4 || (words >= 2 && word.contains(digit));
}

// The first line of a sheet whose every word begins with a capital: its title.
bool IsTitle(const ImportRow& row)
{
    const QStringList words = row.word.split(u' ', Qt::SkipEmptyParts);
    return words.size() >= 2 && row.definition.isEmpty() && row.sentence.isEmpty() &&
           std::all_of(words.begin(), words.end(),
                       [](const QString& w) { return w.front().isUpper(); });
}

bool HasLetter(const QString& word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
}

} // namespace

QString DecodeImportBytes(const QByteArray& bytes, QString* error)
{
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return QString();
    };
    if (bytes.trimmed().isEmpty())
        return fail(Texts::tr("The file is empty: there are no words in it."));
    if (bytes.startsWith("\xFF\xFE"))
        return DecodeWith(QStringConverter::Utf16LE, bytes, nullptr);
    if (bytes.startsWith("\xFE\xFF"))
        return DecodeWith(QStringConverter::Utf16BE, bytes, nullptr);
    if (LooksBinary(bytes))
        return fail(Texts::tr("This file holds no text that Quillby can read. Open a text file, a "
                              "CSV file or a picture of the word sheet."));
    bool failed = false;
    const QString utf8 = DecodeWith(QStringConverter::Utf8, bytes, &failed);
    return failed ? DecodeWith(QStringConverter::Latin1, bytes, nullptr) : utf8;
}

ImportResult ParseImportBytes(const QByteArray& bytes)
{
    ImportResult result;
    const QString text = DecodeImportBytes(bytes, &result.error);
    if (!result.error.isEmpty())
        return result;
    return ParseImportText(text);
}

ImportResult ParseImportText(const QString& rawText)
{
    ImportResult result;
    QString text = rawText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const qsizetype lines = text.count(u'\n') + (text.endsWith(u'\n') ? 0 : 1);
    if (lines > kMaxImportLines) {
        result.error = LineCountError(lines);
        return result;
    }
    const QStringList lineList = text.split(u'\n');
    const QChar sep = DetectSeparator(lineList);
    if (!sep.isNull()) {
        result.rows = SeparatedRows(text, sep);
    } else {
        for (const QString& line : lineList)
            if (!line.trimmed().isEmpty())
                result.rows.push_back({CleanWord(line), {}, {}, false, true, false, {}});
    }
    if (result.rows.empty())
        result.error = Texts::tr("There are no words in this text.");
    return result;
}

ImportResult ParseImportLines(const QStringList& lines, const QList<int>& confidences)
{
    if (lines.size() > kMaxImportLines)
        return {{}, LineCountError(lines.size())};
    static const QRegularExpression nextNumber(QStringLiteral("\\s+(?=\\d{1,3}[.)]\\s+\\p{L})"));
    // Marks with neither letter nor digit at a line's ends ("|", "_"): a photo's page edge,
    // a rule or a smudge.
    static const QRegularExpression edgeMarks(
        QStringLiteral("^([^\\p{L}\\p{N}\\s]+\\s+)+|(\\s+[^\\p{L}\\p{N}\\s]+)+$"));
    // A speck read before a line's number ("‘1. because").
    static const QRegularExpression speckBeforeNumber(
        QStringLiteral("^[^\\p{L}\\p{N}(\\s]+(?=\\d)"));
    ImportResult result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool unclear = i < confidences.size() && confidences[i] < kClearConfidence;
        const QString line = QString(lines[i]).remove(edgeMarks).remove(speckBeforeNumber);
        for (const QString& part : line.split(nextNumber, Qt::SkipEmptyParts))
            if (!part.trimmed().isEmpty())
                result.rows.push_back({CleanWord(part), {}, {}, false, true, unclear, {}});
    }
    if (result.rows.empty())
        result.error = Texts::tr("No words could be read in this picture.");
    return result;
}

QString RowProblem(const ImportRow& row, const QStringList& listWords,
                   const QStringList& earlierWords)
{
    const QString& word = row.word;
    if (word.isEmpty())
        return Texts::tr("There is no word in this row.");
    if (word.contains(u'\n') || word.contains(u'\t'))
        return Texts::tr("A word cannot hold a line break or a tab.");
    if (IsDate(word))
        return Texts::tr("A date, not a word.");
    if (IsNumber(word))
        return Texts::tr("A number, not a word.");
    if (!HasLetter(word))
        return Texts::tr("No letters: not a word.");
    if (IsFormLine(word))
        return Texts::tr("A line to fill in (such as \"Name: ____\"), not a word.");
    if (word.size() > kMaxWordLength)
        return Texts::tr("Too long for a word.");
    if (IsHeading(word))
        return Texts::tr("A heading or a sentence, not a word.");
    if (earlierWords.contains(word.toUpper()))
        return Texts::tr("The same word is above.");
    if (listWords.contains(word, Qt::CaseInsensitive))
        return Texts::tr("Already in the list.");
    if (row.unclear)
        return Texts::tr("Hard to read in the picture: check the spelling.");
    return {};
}

void ClassifyRows(std::vector<ImportRow>& rows, const QStringList& listWords)
{
    QStringList earlier;
    for (size_t i = 0; i < rows.size(); ++i) {
        ImportRow& row = rows[i];
        row.reason = RowProblem(row, listWords, earlier);
        if (row.reason.isEmpty() && i == 0 && rows.size() > 2 && IsTitle(row))
            row.reason = Texts::tr("A heading or a sentence, not a word.");
        row.ticked = row.reason.isEmpty();
        if (!row.word.isEmpty())
            earlier << row.word.toUpper();
    }
}

namespace {
QByteArray CsvField(const QString& value)
{
    const bool quote = value.contains(u',') || value.contains(u'"') || value.contains(u'\n') ||
                       value.contains(u'\r') || value != value.trimmed();
    if (!quote)
        return value.toUtf8();
    QString escaped = value;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return "\"" + escaped.toUtf8() + "\"";
}
} // namespace

QByteArray ListCsv(const std::vector<ImportRow>& rows)
{
    QByteArray csv = "word,definition,sentence,case sensitive\n";
    for (const ImportRow& row : rows)
        csv += CsvField(row.word) + ',' + CsvField(row.definition) + ',' + CsvField(row.sentence) +
               ',' + (row.caseSensitive ? "TRUE" : "FALSE") + '\n';
    return csv;
}
