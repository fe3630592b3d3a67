#pragma once
// The one call between Quillby and its printing module (libquillby_print.so), which alone
// links Qt PrintSupport: the module is loaded at the first print, so that starting Quillby
// never loads the printing libraries. The pages are painted by the program itself, through
// the job's callbacks, so the module knows nothing of what it prints.

class QPagedPaintDevice;
class QPageSize;
class QString;
class QWidget;

struct QuillbyPrintJob {
    QWidget* parent = nullptr;
    const QString* title = nullptr;         // the preview window's caption
    const QString* documentName = nullptr;  // the print job's name, as the printer queue shows it
    const QString* saveAsPdfText = nullptr; // the caption of the preview's PDF button
    void* context = nullptr;                // handed to the callbacks
    // Paints the pages on the device (a preview page or the printer); false when it failed.
    bool (*paint)(void* context, QPagedPaintDevice* device) = nullptr;
    // The preview's "Save as PDF...": the same pages at the printer's page size, in a file
    // the person chooses over the preview window.
    void (*saveAsPdf)(void* context, QWidget* preview, const QPageSize* pageSize) = nullptr;
};

// What came of the preview.
enum QuillbyPrintOutcome {
    QuillbyPrintClosed = 0,  // closed without printing
    QuillbyPrintPrinted = 1, // printed
    QuillbyPrintFailed = 2,  // printing was asked for and the printer failed
};

// Shows the print preview of the job over its parent until the person closes it or prints.
using QuillbyShowPrintPreviewFunction = int (*)(const QuillbyPrintJob* job);
