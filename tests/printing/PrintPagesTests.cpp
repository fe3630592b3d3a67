// The printed pages as a reader finds them: real PDF files read back with pdftotext, page by
// page, at the page sizes printers hold.
#include "PdfFile.h"
#include "PrintPages.h"
#include "ReadOnlyPath.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
ListSheet FortyWords()
{
    ListSheet list;
    list.weekStart = QDate(2026, 12, 7);
    list.weekEnd = QDate(2026, 12, 11);
    list.testDate = QDate(2026, 12, 11);
    for (int i = 1; i <= 40; ++i)
        list.words.push_back({QStringLiteral("word%1x").arg(i),
                              QStringLiteral("meaning number %1, a longer explanation of the word "
                                             "so that it runs over more than one printed line")
                                  .arg(i),
                              QStringLiteral("Sentence %1 uses word%1x once.").arg(i), "FALSE"});
    return list;
}

// The text of each page of a PDF file.
QStringList PdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return {};
    QStringList pages =
        QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString PdfPageSize(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(30000);
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(info);
    return m.captured(1);
}

struct Sizes : ::testing::TestWithParam<QPageSize::PageSizeId> {
    QTemporaryDir dir;
    QString Save(const PrintDocument& document)
    {
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        QString error;
        EXPECT_TRUE(SavePdf(document, QPageSize(GetParam()), path, error)) << error.toStdString();
        return path;
    }
};
} // namespace

TEST(BlankedSentence, TheWordAloneIsBlankedInAnyLetterCase)
{
    const struct {
        const char* sentence;
        const char* word;
        const char* blanked;
    } cases[] = {
        {"I stayed home because I was ill.", "because", "I stayed home ____ I was ill."},
        {"Because it rained. Just because!", "because", "____ it rained. Just ____!"},
        {"Their house is over there.", "their", "____ house is over there."},
        {"The becauses and the unbecause stay.", "because", "The becauses and the unbecause stay."},
        {"Don't run, don't shout.", "don't", "____ run, ____ shout."},
        {"We ate ice cream.", "ice cream", "We ate ____."},
        {"Die Straße ist lang.", "STRASSE", "Die Straße ist lang."},
        {"Die Straße ist lang.", "straße", "Die ____ ist lang."},
        {"1+1 (two) is c++ code", "c++", "1+1 (two) is ____ code"},
        {"Nothing to blank.", "", "Nothing to blank."},
        {"", "kite", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlankedSentence(QString::fromUtf8(c.sentence), QString::fromUtf8(c.word)),
                  QString::fromUtf8(c.blanked))
            << c.sentence;
}

TEST_P(Sizes, AListPrintsEveryWordWithItsCluesOnOnePageAndTheHeadingOnEach)
{
    const ListSheet list = FortyWords();
    const QString path = Save(WordListDocument(list));
    EXPECT_TRUE(PdfPageSize(path).contains(GetParam() == QPageSize::A4 ? "A4" : "letter"))
        << PdfPageSize(path).toStdString();
    const QStringList pages = PdfPages(path);
    ASSERT_GT(pages.size(), 1) << "forty words take more than one page";
    for (int p = 0; p < pages.size(); ++p) {
        EXPECT_TRUE(pages[p].contains("Spelling words")) << "heading on page " << p + 1;
        EXPECT_TRUE(
            pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
    }
    for (const WordDetails& word : list.words) {
        int on = -1;
        for (int p = 0; p < pages.size(); ++p)
            if (pages[p].contains(QRegularExpression("\\b" + word.word + "\\b")))
                on = on == -1 ? p : -2;
        ASSERT_GE(on, 0) << word.word.toStdString() << " is on exactly one page";
        // Never cut: the word's clues end on its own page.
        EXPECT_TRUE(
            pages[on].contains(QStringLiteral("Sentence %1 uses").arg(word.word.mid(4).chopped(1))))
            << word.word.toStdString();
        EXPECT_TRUE(pages[on].simplified().contains(word.definition.section(',', 0, 0)))
            << word.word.toStdString();
    }
}

TEST_P(Sizes, APracticeSheetHasBlanksAndCluesAndTheWordsOnlyOnTheAnswerPage)
{
    ListSheet list = FortyWords();
    list.words.resize(6);
    list.words[0] = {"because", "for the reason that", "I stayed home because I was ill.", "FALSE"};
    const QStringList pages = PdfPages(Save(PracticeSheetDocument(list)));
    ASSERT_GE(pages.size(), 2);
    const QString answers = pages.last();
    const QString sheet = pages.mid(0, pages.size() - 1).join('\n');
    EXPECT_TRUE(answers.contains("Answers"));
    EXPECT_TRUE(sheet.contains("Practice sheet"));
    EXPECT_TRUE(sheet.contains("I stayed home ____ I was ill."));
    EXPECT_TRUE(sheet.contains("for the reason that"));
    EXPECT_TRUE(sheet.contains("1. ____"));
    for (const WordDetails& word : list.words) {
        EXPECT_FALSE(sheet.contains(QRegularExpression("\\b" + word.word + "\\b")))
            << word.word.toStdString() << " gives itself away on the sheet";
        EXPECT_TRUE(answers.contains(word.word)) << word.word.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(PrintedPages, Sizes, ::testing::Values(QPageSize::A4, QPageSize::Letter));

TEST(PrintedTable, HeadingsRepeatAndNoRowIsCut)
{
    PrintedTable table;
    table.title = "Past Tests";
    table.facts = {"Total Tests: 120", "Average Score: 83 %"};
    table.headings = {"Test", "Date", "Score", "Minutes"};
    for (int i = 1; i <= 120; ++i)
        table.rows.push_back(
            {QString::number(i), "12/9/2026", QStringLiteral("%1 %").arg(i % 101), "4"});
    QImage chart(400, 200, QImage::Format_RGB32);
    chart.fill(Qt::white);
    table.chart = chart;
    QTemporaryDir dir;
    const QString path = dir.filePath("table.pdf");
    QString error;
    ASSERT_TRUE(SavePdf(TableDocument(table), QPageSize(QPageSize::A4), path, error));
    const QStringList pages = PdfPages(path);
    ASSERT_GT(pages.size(), 2);
    int rows = 0;
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("Average Score: 83 %"));
        EXPECT_TRUE(QRegularExpression("Test\\s+Date\\s+Score\\s+Minutes").match(page).hasMatch());
        for (const QString& line : page.split('\n'))
            rows += QRegularExpression("^\\s*\\d+\\s+12/9/2026\\s+\\d+ ?%\\s+4\\s*$")
                        .match(line)
                        .hasMatch();
    }
    EXPECT_EQ(rows, 120) << "every row whole, once";
}

TEST(SavePdf, AFolderThatCannotTakeTheFileIsSaidAndNothingIsLeft)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("list.pdf");
    QString error;
    {
        ReadOnlyPath locked(dir.path());
        if (!locked.effective())
            GTEST_SKIP() << "the folder cannot be made read-only here";
        EXPECT_FALSE(
            SavePdf(WordListDocument(FortyWords()), QPageSize(QPageSize::A4), path, error));
        EXPECT_TRUE(error.contains("read-only or the disk is full")) << error.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());

    QTemporaryDir small;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=8k", "tmpfs", small.path()}) != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    error.clear();
    EXPECT_FALSE(SavePdf(WordListDocument(FortyWords()), QPageSize(QPageSize::A4),
                         small.filePath("list.pdf"), error));
    EXPECT_TRUE(error.contains("read-only or the disk is full")) << error.toStdString();
    EXPECT_EQ(QDir(small.path()).entryList(QDir::Files), QStringList());
    QProcess::execute("umount", {small.path()});
}

// A printer that cannot take the pages (here one that prints into a read-only folder) makes
// painting fail, which the print preview reports, instead of a silent nothing.
TEST(PrintDocument, APrinterThatFailsIsReported)
{
    QTemporaryDir dir;
    ReadOnlyPath locked(dir.path());
    if (!locked.effective())
        GTEST_SKIP() << "the folder cannot be made read-only here";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    EXPECT_FALSE(WordListDocument(FortyWords()).Paint(printer));
    EXPECT_FALSE(QFile::exists(dir.filePath("printed.pdf")));
}
