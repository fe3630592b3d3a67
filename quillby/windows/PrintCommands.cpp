#include "PrintCommands.h"

#include "ErrorReport.h"
#include "MsgBox.h"
#include "PdfFile.h"
#include "PrintQueries.h"
#include "TestReport.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QWidget>

namespace {
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

// The preview's own tool bar also offers the PDF file.
void AddSaveAsPdf(QPrintPreviewDialog& dialog, QPrinter& printer, const PrintDocument& document,
                  const QString& pdfName)
{
    auto* toolBar = dialog.findChild<QToolBar*>();
    if (!toolBar)
        return;
    toolBar->addSeparator();
    QAction* save = toolBar->addAction(
        QCoreApplication::translate("PrintCommands", "Save as PDF..."));
    save->setObjectName(QStringLiteral("mnuSaveAsPdf"));
    QObject::connect(save, &QAction::triggered, &dialog, [&dialog, &printer, &document, pdfName] {
        SaveAsPdf(&dialog, document, printer.pageLayout().pageSize(), pdfName);
    });
}
} // namespace

void ShowPrintPreview(QWidget* parent, const PrintDocument& document, const QString& pdfName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(pdfName);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("frmPrintPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("PrintCommands", "Print Preview"));
    dialog.setAccessibleName(dialog.windowTitle());
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.8);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document, &painted](QPrinter* target) {
        painted = document.Paint(*target) && target->printerState() != QPrinter::Error;
    });
    AddSaveAsPdf(dialog, printer, document, pdfName);
    if (dialog.exec() == QDialog::Accepted && !painted)
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
