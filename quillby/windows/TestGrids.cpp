#include "TestGrids.h"

#include "FormHelpers.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
// Paints a selected cell in its own colour with a frame round it, instead of the highlight.
class FramedSelection : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        const bool selected = plain.state & QStyle::State_Selected;
        plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!selected)
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        const QRect r = option.rect.adjusted(1, 1, -1, -1);
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (index.column() == 0)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == 1)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
};
} // namespace

QTableWidget* MakeGrid(QWidget* parent, const QString& accessibleName, int stretchingColumn)
{
    auto* grid = new QTableWidget(parent);
    ConfigureGrid(grid, accessibleName);
    grid->setProperty("stretchingColumn", stretchingColumn); // for ResetGrid
    return grid;
}

void ConfigureGrid(QTableView* grid, const QString& accessibleName)
{
    grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid->setAccessibleName(accessibleName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
}

namespace {
// The width the cells of a column need in the rows from first (up to limit rows shown) and the
// heading: the cells whose text is the widest (by the font's advances, a pixel or two either
// way) are the only ones laid out.
int ContentWidth(QTableView* grid, int column, int first, int end, int limit)
{
    grid->ensurePolished();
    const QAbstractItemModel* model = grid->model();
    std::vector<std::pair<int, QModelIndex>> weighed; // text advance, cell
    const QFontMetrics metrics = grid->fontMetrics();
    int widest = 0;
    for (int row = first; row < end && int(weighed.size()) < limit; ++row) {
        if (grid->isRowHidden(row))
            continue;
        const QModelIndex index = model->index(row, column);
        weighed.emplace_back(metrics.horizontalAdvance(index.data().toString()), index);
        widest = std::max(widest, weighed.back().first);
    }
    constexpr int kSlack = 4; // advances and laid-out widths differ by rounding alone
    int content = 0;
    for (const auto& [advance, index] : weighed)
        if (advance >= widest - kSlack)
            content = std::max(content, grid->sizeHintForIndex(index).width());
    if (grid->showGrid())
        ++content;
    return std::max(content, grid->horizontalHeader()->sectionSizeHint(column));
}
} // namespace

void FitColumnToContents(QTableView* grid, int column)
{
    const int precision = grid->verticalHeader()->resizeContentsPrecision();
    const QAbstractItemModel* model = grid->model();
    // A grid on screen weighs the rows around those shown first: Qt's own way then.
    if (!model || grid->isVisible() || precision <= 0) {
        grid->resizeColumnToContents(column);
        return;
    }
    grid->horizontalHeader()->resizeSection(
        column, ContentWidth(grid, column, 0, model->rowCount(), precision));
}

void WidenColumnToRows(QTableView* grid, int column, int first, int count)
{
    const QAbstractItemModel* model = grid->model();
    if (!model)
        return;
    const int end = std::min(model->rowCount(), first + count);
    const int width = ContentWidth(grid, column, first, end, end - first);
    QHeaderView* header = grid->horizontalHeader();
    if (width > header->sectionSize(column))
        header->resizeSection(column, width);
}

void KeepColoursWhenSelected(QTableWidget* grid)
{
    grid->setItemDelegate(new FramedSelection(grid));
}

void ResetGrid(QTableWidget* grid, const QStringList& headings,
               std::initializer_list<int> widthsTwips,
               std::initializer_list<Qt::Alignment> alignments)
{
    grid->clear();
    grid->setRowCount(0);
    grid->setColumnCount(static_cast<int>(headings.size()));
    grid->setHorizontalHeaderLabels(headings);
    int column = 0;
    for (const int width : widthsTwips) {
        grid->setColumnHidden(column, width <= 1);
        if (width > 1)
            SetColumnWidth(grid, column, width);
        ++column;
    }
    // The stretching column is at least its set width and takes what the others leave.
    bool isInt = false;
    const int stretching = grid->property("stretchingColumn").toInt(&isInt);
    if (isInt && stretching < grid->columnCount())
        grid->horizontalHeader()->setSectionResizeMode(stretching, QHeaderView::Stretch);
    column = 0;
    for (const Qt::Alignment alignment : alignments) {
        if (auto* heading = grid->horizontalHeaderItem(column))
            heading->setTextAlignment(alignment);
        ++column;
    }
    // Remembered for the rows AddGridRow adds.
    QVariantList stored;
    for (const Qt::Alignment alignment : alignments)
        stored.append(static_cast<int>(alignment));
    grid->setProperty("columnAlignments", stored);
}

int AddGridRow(QTableWidget* grid, const QStringList& cells)
{
    return AddGridRows(grid, {cells});
}

int AddGridRows(QTableWidget* grid, const std::vector<QStringList>& rows)
{
    const int first = grid->rowCount();
    // All rows in one insertion: the view does its bookkeeping once, not once per row.
    grid->setRowCount(first + static_cast<int>(rows.size()));
    const QVariantList alignments = grid->property("columnAlignments").toList();
    for (size_t r = 0; r < rows.size(); ++r) {
        const QStringList& cells = rows[r];
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column < alignments.size())
                item->setTextAlignment(Qt::Alignment(alignments.at(column).toInt()));
            grid->setItem(first + static_cast<int>(r), column, item);
        }
    }
    return first;
}
