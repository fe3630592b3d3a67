#pragma once
#include <QImage>
#include <QString>
#include <vector>

class QPagedPaintDevice;

// A document to print: a heading repeated at the top of every page and a run of rows laid out
// one below the other. A row is never cut in two: one that does not fit on the rest of a page
// starts the next. The page size is the device's (A4, US Letter, whatever the printer holds).
// Rows are rich text (Qt's HTML subset) or pictures; a page break starts a new page, with a
// heading of its own from then on (an answer page after a practice sheet).
class PrintDocument {
public:
    explicit PrintDocument(QString headingHtml) : heading_(std::move(headingHtml)) {}

    void AddRow(const QString& html) { rows_.push_back({Kind::Text, html, {}}); }
    // A picture as wide as the page allows, kept in its proportions.
    void AddPicture(const QImage& picture) { rows_.push_back({Kind::Picture, {}, picture}); }
    // The rows after it begin a new page under the new heading.
    void AddPageBreak(const QString& newHeadingHtml)
    {
        rows_.push_back({Kind::PageBreak, newHeadingHtml, {}});
    }

    // Lays the rows out on the device's pages and paints them. False when the device cannot
    // be painted on (a printer that failed, a file that cannot be written).
    bool Paint(QPagedPaintDevice& device) const;
    // The page on which each row starts (0-based), for the device's page size; page breaks
    // count as rows.
    std::vector<int> RowPages(QPagedPaintDevice& device) const;
    // The number of pages the document takes on the device.
    int PageCount(QPagedPaintDevice& device) const;

private:
    enum class Kind { Text, Picture, PageBreak };
    struct Row {
        Kind kind;
        QString html;
        QImage picture;
    };
    struct Placed {
        int page = 0;
        double top = 0;
        double height = 0;
    };
    struct Pages {
        std::vector<Placed> rows;      // one per row
        std::vector<QString> headings; // one per page
    };
    Pages Layout(QPagedPaintDevice& device) const;

    QString heading_;
    std::vector<Row> rows_;
};
