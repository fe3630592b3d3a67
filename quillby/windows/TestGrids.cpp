#include "TestGrids.h"

#include "Globals.h"
#include "Recordset.h"
#include "Twips.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

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
        grid->setColumnWidth(column, Twips(width));
        grid->setColumnHidden(column, width <= 1);
        ++column;
    }
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
    const int row = grid->rowCount();
    grid->insertRow(row);
    const QVariantList alignments = grid->property("columnAlignments").toList();
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells.at(column));
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (column < alignments.size())
            item->setTextAlignment(Qt::Alignment(alignments.at(column).toInt()));
        grid->setItem(row, column, item);
    }
    return row;
}

QString PercentText(int score) { return QString::number(score) + QStringLiteral(" %"); }

void PlaceBeside(QWidget* window, const QWidget* of, int top)
{
    const QRect frame = of->frameGeometry();
    window->move(frame.x() + frame.width(), top);
}

int CountRows(const QString& sql)
{
    Recordset rs(sql, Globals::DbConnection());
    int count = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++count;
    rs.Close();
    return count;
}
