#include "PrintPages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {
QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString LongDate(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::LongFormat) : QString();
}

QString ListHeading(const ListSheet& list, const QString& title)
{
    return QStringLiteral("<p style='font-size:16pt'><b>%1</b></p><p>%2<br>%3</p>")
        .arg(Escaped(title),
             Escaped(QCoreApplication::translate("PrintPages", "Test date: %1")
                         .arg(LongDate(list.testDate))),
             Escaped(QCoreApplication::translate("PrintPages", "School week: %1 to %2")
                         .arg(LongDate(list.weekStart), LongDate(list.weekEnd))));
}

// A line of clues under a word or a blank.
QString Clues(const WordDetails& word, const QString& sentence)
{
    QString html;
    if (!word.definition.trimmed().isEmpty())
        html += QStringLiteral("<br>%1 %2")
                    .arg(Escaped(QCoreApplication::translate("PrintPages", "Meaning:")),
                         Escaped(word.definition));
    if (!sentence.trimmed().isEmpty())
        html += QStringLiteral("<br>%1 <i>%2</i>")
                    .arg(Escaped(QCoreApplication::translate("PrintPages", "Sentence:")),
                         Escaped(sentence));
    return html;
}

QString TableRowHtml(const QStringList& cells, bool heading, int columns)
{
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='2'><tr>");
    for (int i = 0; i < columns; ++i) {
        const QString text = Escaped(i < cells.size() ? cells[i] : QString());
        html += QStringLiteral("<td width='%1%'>%2</td>")
                    .arg(100 / std::max(1, columns))
                    .arg(heading ? QStringLiteral("<b>%1</b>").arg(text) : text);
    }
    return html + QStringLiteral("</tr></table>");
}
} // namespace

QString BlankedSentence(const QString& sentence, const QString& word)
{
    const QString trimmed = word.trimmed();
    if (trimmed.isEmpty())
        return sentence;
    const QRegularExpression whole(
        QStringLiteral("(?<![\\w'])%1(?![\\w'])").arg(QRegularExpression::escape(trimmed)),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QString blanked = sentence;
    return blanked.replace(whole, QStringLiteral("____"));
}

PrintDocument WordListDocument(const ListSheet& list)
{
    PrintDocument document(
        ListHeading(list, QCoreApplication::translate("PrintPages", "Spelling words")));
    for (const WordDetails& word : list.words)
        document.AddRow(QStringLiteral("<p><span style='font-size:24pt'><b>%1</b></span>%2</p>")
                            .arg(Escaped(word.word), Clues(word, word.sentence)));
    return document;
}

PrintDocument PracticeSheetDocument(const ListSheet& list)
{
    PrintDocument document(
        ListHeading(list, QCoreApplication::translate("PrintPages", "Practice sheet")));
    int number = 0;
    for (const WordDetails& word : list.words) {
        ++number;
        document.AddRow(QStringLiteral("<p><span style='font-size:16pt'>%1.&nbsp;"
                                       "______________________________</span>%2</p>")
                            .arg(number)
                            .arg(Clues(word, BlankedSentence(word.sentence, word.word))));
    }
    document.AddPageBreak(ListHeading(list, QCoreApplication::translate("PrintPages", "Answers")));
    number = 0;
    for (const WordDetails& word : list.words)
        document.AddRow(QStringLiteral("<p style='font-size:14pt'>%1.&nbsp;%2</p>")
                            .arg(++number)
                            .arg(Escaped(word.word)));
    return document;
}

PrintDocument TableDocument(const PrintedTable& table)
{
    const int columns = int(table.headings.size());
    QString heading =
        QStringLiteral("<p style='font-size:16pt'><b>%1</b></p>").arg(Escaped(table.title));
    // The facts (score, dates) stay with the title on every page, above the column headings.
    QStringList lines;
    for (const QString& fact : table.facts)
        lines << Escaped(fact);
    if (!lines.isEmpty())
        heading += QStringLiteral("<p>%1</p>").arg(lines.join(QStringLiteral("<br>")));
    if (columns > 0)
        heading += TableRowHtml(table.headings, true, columns);
    PrintDocument document(heading);
    for (const QStringList& row : table.rows)
        document.AddRow(TableRowHtml(row, false, columns));
    if (!table.chart.isNull())
        document.AddPicture(table.chart);
    return document;
}
