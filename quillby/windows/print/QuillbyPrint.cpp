#include "PrintModule.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace {
// The preview's own tool bar also offers the PDF file.
void AddSaveAsPdf(QPrintPreviewDialog& dialog, QPrinter& printer, const QuillbyPrintJob& job)
{
    auto* toolBar = dialog.findChild<QToolBar*>();
    if (!toolBar || !job.saveAsPdf)
        return;
    toolBar->addSeparator();
    QAction* save = toolBar->addAction(*job.saveAsPdfText);
    save->setObjectName(QStringLiteral("mnuSaveAsPdf"));
    QObject::connect(save, &QAction::triggered, &dialog, [&dialog, &printer, &job] {
        const QPageSize pageSize = printer.pageLayout().pageSize();
        job.saveAsPdf(job.context, &dialog, &pageSize);
    });
}
} // namespace

extern "C" __attribute__((visibility("default"))) int QuillbyShowPrintPreview(
    const QuillbyPrintJob* job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(*job->documentName);
    QPrintPreviewDialog dialog(&printer, job->parent);
    dialog.setObjectName(QStringLiteral("frmPrintPreview"));
    dialog.setWindowTitle(*job->title);
    dialog.setAccessibleName(dialog.windowTitle());
    const QWidget* parent = job->parent;
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() * 0.8);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [job, &painted](QPrinter* target) {
        painted = job->paint(job->context, target) && target->printerState() != QPrinter::Error;
    });
    AddSaveAsPdf(dialog, printer, *job);
    if (dialog.exec() != QDialog::Accepted)
        return QuillbyPrintClosed;
    return painted ? QuillbyPrintPrinted : QuillbyPrintFailed;
}
