#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Turns a text, a file's bytes or the lines read from a picture into candidate words for a
// list: one word per line, or rows of word, definition and sentence separated by a tab, ';'
// or ','. Numbering and bullets are stripped; lines that are not words stay in the result,
// unticked, with the reason, so that nothing the parent gave is silently dropped.

struct ImportRow {
    QString word;
    QString definition;
    QString sentence;
    bool caseSensitive = false;
    bool ticked = true;
    bool unclear = false; // read from a picture where it was hard to read
    QString reason;       // why the row is unticked; empty for a ticked row
};

// The most lines one import takes; a longer text is refused as a whole.
inline constexpr int kMaxImportLines = 10000;
// Longer than this, a line is no word (it is kept, unticked).
inline constexpr int kMaxWordLength = 60;

struct ImportResult {
    std::vector<ImportRow> rows;
    QString error; // why nothing could be read; empty on success
};

// Reads a file's bytes: UTF-8 or UTF-16 with a byte-order mark, UTF-8 without one, else
// Latin-1. An empty file, a binary file and a text of more than kMaxImportLines lines are
// refused with a message.
ImportResult ParseImportBytes(const QByteArray& bytes);
// The same for a text already decoded (the clipboard).
ImportResult ParseImportText(const QString& text);
// Lines read from a picture: one candidate per line, never a separated row; a line of
// several numbered words ("1. cat 7. dog", two columns) gives one candidate each. A line
// whose confidence (0 to 100, when given) is low is marked unclear.
inline constexpr int kClearConfidence = 60;
ImportResult ParseImportLines(const QStringList& lines, const QList<int>& confidences = {});

// The text of a file's bytes; sets error (and returns "") for an empty or binary file.
QString DecodeImportBytes(const QByteArray& bytes, QString* error);

// Ticks the rows that are words and unticks, with the reason, those that are not: headings,
// form lines ("Name: ____"), dates, lone numbers, duplicates of a row above, words already
// in the list (listWords, any letter case) and words the word editor would refuse.
void ClassifyRows(std::vector<ImportRow>& rows, const QStringList& listWords);
// The reason a row is not a word to import, "" when it is one. earlierWords holds the words
// of the rows above (upper case).
QString RowProblem(const ImportRow& row, const QStringList& listWords,
                   const QStringList& earlierWords);

// A list as UTF-8 CSV with the header row "word,definition,sentence,case sensitive" that
// ParseImportBytes reads back unchanged.
QByteArray ListCsv(const std::vector<ImportRow>& rows);
