#include "PrintDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <memory>

namespace {
// Sizes in points, turned into the device's units.
constexpr double kTextPoints = 13;
constexpr double kRowGapPoints = 8;
constexpr double kHeadingGapPoints = 14;
constexpr double kFooterPoints = 20;

double Units(const QPaintDevice& device, double points)
{
    return points * device.logicalDpiY() / 72.0;
}

// A block of rich text laid out in the device's own units, as wide as the page.
std::unique_ptr<QTextDocument> TextBlock(const QString& html, QPagedPaintDevice& device)
{
    auto text = std::make_unique<QTextDocument>();
    text->documentLayout()->setPaintDevice(&device);
    QFont font = text->defaultFont();
    font.setPointSizeF(kTextPoints);
    text->setDefaultFont(font);
    text->setDocumentMargin(0);
    text->setHtml(html);
    text->setTextWidth(device.width());
    return text;
}

double PictureHeight(const QImage& picture, const QPaintDevice& device)
{
    if (picture.isNull() || picture.width() == 0)
        return 0;
    return double(device.width()) * picture.height() / picture.width();
}
} // namespace

PrintDocument::Pages PrintDocument::Layout(QPagedPaintDevice& device) const
{
    Pages pages;
    const double bottom = device.height() - Units(device, kFooterPoints);
    QString heading = heading_;
    const auto headingBottom = [&] {
        return TextBlock(heading, device)->size().height() + Units(device, kHeadingGapPoints);
    };
    double top = headingBottom();
    double firstRowTop = top;
    int page = 0;
    pages.headings.push_back(heading);
    const auto newPage = [&] {
        ++page;
        pages.headings.push_back(heading);
        firstRowTop = top = headingBottom();
    };
    for (const Row& row : rows_) {
        if (row.kind == Kind::PageBreak) {
            heading = row.html;
            newPage();
            pages.rows.push_back({page, top, 0});
            continue;
        }
        double height = row.kind == Kind::Text ? TextBlock(row.html, device)->size().height()
                                               : PictureHeight(row.picture, device);
        height = std::min(height, bottom - firstRowTop); // a picture taller than a page shrinks
        if (top + height > bottom && top > firstRowTop)
            newPage();
        pages.rows.push_back({page, top, height});
        top += height + Units(device, kRowGapPoints);
    }
    return pages;
}

std::vector<int> PrintDocument::RowPages(QPagedPaintDevice& device) const
{
    std::vector<int> result;
    for (const Placed& placed : Layout(device).rows)
        result.push_back(placed.page);
    return result;
}

int PrintDocument::PageCount(QPagedPaintDevice& device) const
{
    return int(Layout(device).headings.size());
}

bool PrintDocument::Paint(QPagedPaintDevice& device) const
{
    const Pages pages = Layout(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int count = int(pages.headings.size());
    size_t next = 0;
    for (int page = 0; page < count; ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const auto heading = TextBlock(pages.headings[page], device);
        heading->drawContents(&painter);
        const double line = heading->size().height() + Units(device, kHeadingGapPoints) / 2;
        painter.drawLine(QPointF(0, line), QPointF(device.width(), line));
        for (; next < rows_.size() && pages.rows[next].page == page; ++next) {
            const Row& row = rows_[next];
            const Placed& placed = pages.rows[next];
            painter.save();
            painter.translate(0, placed.top);
            if (row.kind == Kind::Text)
                TextBlock(row.html, device)->drawContents(&painter);
            else if (row.kind == Kind::Picture)
                painter.drawImage(
                    QRectF(0, 0,
                           placed.height * row.picture.width() / std::max(1, row.picture.height()),
                           placed.height),
                    row.picture);
            painter.restore();
        }
        const QString footer =
            QCoreApplication::translate("PrintDocument", "Page %1 of %2").arg(page + 1).arg(count);
        QFont font = painter.font();
        font.setPointSizeF(9);
        painter.setFont(font);
        painter.drawText(QRectF(0, device.height() - Units(device, kFooterPoints) / 1.5,
                                device.width(), Units(device, kFooterPoints)),
                         Qt::AlignHCenter | Qt::AlignTop, footer);
    }
    return painter.end();
}
