#include "PrintCommands.h"

#include "ErrorReport.h"
#include "Modules.h"
#include "MsgBox.h"
#include "PdfFile.h"
#include "PrintModule.h"
#include "PrintQueries.h"
#include "TestReport.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

namespace {
// The print preview, the print dialog and the printer: a module loaded at the first print.
const QString kPrintModule = QStringLiteral("quillby_print");

void SaveAsPdf(QWidget* parent, const PrintDocument& document, const QPageSize& pageSize,
               const QString& pdfName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("PrintCommands", "Save as PDF"),
        QDir(folder).filePath(pdfName),
        QCoreApplication::translate("PrintCommands", "PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SavePdf(document, pageSize, path, error))
        MsgBox(error, MsgButtons::OK, MsgIcon::Exclamation, parent);
}

// What the module's preview calls back for: the pages, and the PDF file of them.
struct PreviewPages {
    const PrintDocument& document;
    QString pdfName;

    static bool Paint(void* pages, QPagedPaintDevice* device)
    {
        return static_cast<const PreviewPages*>(pages)->document.Paint(*device);
    }
    static void SavePdfOver(void* pages, QWidget* preview, const QPageSize* pageSize)
    {
        const auto* self = static_cast<const PreviewPages*>(pages);
        SaveAsPdf(preview, self->document, *pageSize, self->pdfName);
    }
};

QuillbyShowPrintPreviewFunction PrintModule(QWidget* parent)
{
    QString error;
    const auto show = reinterpret_cast<QuillbyShowPrintPreviewFunction>(
        ModuleFunction(kPrintModule, "QuillbyShowPrintPreview", &error));
    if (!show)
        MsgBox(QCoreApplication::translate(
                   "PrintCommands",
                   "Quillby's printing could not be loaded, so nothing can be printed or saved "
                   "as PDF now. Installing Quillby again puts it back.") +
                   QStringLiteral("\r\r") + error,
               MsgButtons::OK, MsgIcon::Exclamation, parent);
    return show;
}
} // namespace

void ShowPrintPreview(QWidget* parent, const PrintDocument& document, const QString& pdfName)
{
    const QuillbyShowPrintPreviewFunction show = PrintModule(parent);
    if (!show)
        return;
    PreviewPages pages{document, pdfName};
    const QString title = QCoreApplication::translate("PrintCommands", "Print Preview");
    const QString saveAsPdf = QCoreApplication::translate("PrintCommands", "Save as PDF...");
    QuillbyPrintJob job;
    job.parent = parent;
    job.title = &title;
    job.documentName = &pdfName;
    job.saveAsPdfText = &saveAsPdf;
    job.context = &pages;
    job.paint = &PreviewPages::Paint;
    job.saveAsPdf = &PreviewPages::SavePdfOver;
    if (show(&job) == QuillbyPrintFailed)
        MsgBox(QCoreApplication::translate(
                   "PrintCommands",
                   "The pages could not be printed: the printer reported a failure. Check the "
                   "printer, or use Save as PDF, and try again."),
               MsgButtons::OK, MsgIcon::Exclamation, parent);
}

void PrintWordList(QWidget* parent, int32_t listId)
{
    Guarded([&] {
        const ListSheet list = ReadListSheet(listId);
        ShowPrintPreview(parent, WordListDocument(list),
                         QCoreApplication::translate("PrintCommands", "Spelling words %1.pdf")
                             .arg(list.testDate.toString(Qt::ISODate)));
    });
}

void PrintPracticeSheet(QWidget* parent, int32_t listId)
{
    Guarded([&] {
        const ListSheet list = ReadListSheet(listId);
        ShowPrintPreview(parent, PracticeSheetDocument(list),
                         QCoreApplication::translate("PrintCommands", "Practice sheet %1.pdf")
                             .arg(list.testDate.toString(Qt::ISODate)));
    });
}

PrintedTable TableOfModel(const QString& title, const QStringList& facts,
                          const QAbstractItemModel& model, const QList<int>& hidden, QWidget* chart)
{
    PrintedTable table;
    table.title = title;
    table.facts = facts;
    QList<int> columns;
    for (int column = 0; column < model.columnCount(); ++column)
        if (!hidden.contains(column))
            columns << column;
    for (int column : columns)
        table.headings << model.headerData(column, Qt::Horizontal).toString();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells << model.index(row, column).data().toString();
        table.rows.push_back(cells);
    }
    if (chart && chart->isVisible())
        table.chart = chart->grab().toImage();
    return table;
}

void PrintTestResults(QWidget* parent, int32_t testId, const QStringList& facts,
                      const QAbstractItemModel& wordsModel)
{
    Guarded([&] {
        constexpr int kKeyColumn = 2;
        PrintedTable table = TableOfModel(
            QCoreApplication::translate("PrintCommands", "Test Results"), facts, wordsModel, {});
        const std::map<int32_t, QStringList> wrong = ReadWrongSpellings(testId);
        if (table.headings.size() > kKeyColumn)
            table.headings[kKeyColumn] = QCoreApplication::translate("PrintCommands",
                                                                     "Wrong spellings");
        for (QStringList& row : table.rows) {
            if (row.size() <= kKeyColumn)
                continue;
            const auto found = wrong.find(row[kKeyColumn].toInt());
            row[kKeyColumn] = found == wrong.end() ? QString()
                                                   : found->second.join(QStringLiteral(", "));
        }
        ShowPrintPreview(parent, TableDocument(table),
                         QCoreApplication::translate("PrintCommands", "Test results.pdf"));
    });
}

void PrintPastTests(QWidget* parent, int32_t listId, const QStringList& facts,
                    const QAbstractItemModel& testsModel, int keyColumn, int nameColumn,
                    QWidget* chart)
{
    Guarded([&] {
        PrintedTable table = TableOfModel(
            QCoreApplication::translate("PrintCommands", "Past Tests"), facts, testsModel, {},
            chart);
        const std::map<int32_t, TestTimes> times = ReadTestTimes(listId);
        const int key = std::min<int>(keyColumn, int(table.headings.size()) - 1);
        if (key >= 0)
            table.headings[key] = QCoreApplication::translate("PrintCommands", "Minutes");
        for (QStringList& row : table.rows) {
            if (key < 0 || row.size() <= key)
                continue;
            const auto found = times.find(row[key].toInt());
            row[key] = found == times.end() ? QString()
                                            : QString::number(MinutesBetween(found->second.start,
                                                                             found->second.end));
        }
        // The test's name first, as a reader looks for it.
        if (nameColumn >= 0 && nameColumn < int(table.headings.size())) {
            table.headings.move(nameColumn, 0);
            for (QStringList& row : table.rows)
                if (nameColumn < row.size())
                    row.move(nameColumn, 0);
        }
        ShowPrintPreview(parent, TableDocument(table),
                         QCoreApplication::translate("PrintCommands", "Past tests.pdf"));
    });
}

void ExportListResults(QWidget* parent, int32_t listId)
{
    Guarded([&] {
        const QByteArray csv = AnswersCsv(ReadListAnswers(listId));
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString path = QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("PrintCommands", "Export Results"),
            QDir(folder).filePath(
                QCoreApplication::translate("PrintCommands", "Quillby results.csv")),
            QCoreApplication::translate("PrintCommands", "CSV files (*.csv)"));
        if (path.isEmpty())
            return;
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
            MsgBox(QCoreApplication::translate(
                       "PrintCommands",
                       "The file %1 could not be written: its folder is read-only or the disk is "
                       "full. Choose another place and try again.")
                       .arg(QDir::toNativeSeparators(path)),
                   MsgButtons::OK, MsgIcon::Exclamation, parent);
            return;
        }
        MsgBox(QCoreApplication::translate("PrintCommands", "The answers are saved in %1.")
                   .arg(QDir::toNativeSeparators(path)),
               MsgButtons::OK, MsgIcon::Information, parent);
    });
}
