#pragma once
#include "PrintDocument.h"
#include "PrintQueries.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// The printed pages of Quillby: a word list, a practice sheet, and any table the results or
// past tests show (with its chart). Built from values already read; painting is
// PrintDocument's.

// The list's dates, then each word large with its definition and sentence.
PrintDocument WordListDocument(const ListSheet& list);

// Numbered lines to write on, each with the word's definition and its sentence with the word
// blanked out; the words themselves only on the answer page after them.
PrintDocument PracticeSheetDocument(const ListSheet& list);

// The sentence with every whole-word occurrence of the word (in any letter case) replaced by
// a blank: "I stayed home because I was ill." -> "I stayed home ____ I was ill.".
QString BlankedSentence(const QString& sentence, const QString& word);

// A table as a window shows it: a title, lines of facts above it (scores, dates), its column
// headings and rows, and an optional chart under it. The headings repeat on every page.
struct PrintedTable {
    QString title;
    QStringList facts;
    QStringList headings;
    std::vector<QStringList> rows;
    QImage chart;
};
PrintDocument TableDocument(const PrintedTable& table);
