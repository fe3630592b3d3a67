#include "TickBoxDelegate.h"

#include <QApplication>
#include <QPainter>

void TickBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    if (!(item.features & QStyleOptionViewItem::HasCheckIndicator))
        return;
    const QWidget* view = option.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &item, view);
    // Two thirds of the way from the background to the text: clear, yet not harsh.
    const bool selected = item.state & QStyle::State_Selected;
    const QColor back = item.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    const QColor text = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor frame = QColor::fromRgbF(back.redF() + (text.redF() - back.redF()) * 2 / 3,
                                          back.greenF() + (text.greenF() - back.greenF()) * 2 / 3,
                                          back.blueF() + (text.blueF() - back.blueF()) * 2 / 3);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(frame, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    painter->restore();
}
