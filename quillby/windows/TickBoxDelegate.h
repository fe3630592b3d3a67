#pragma once
#include <QStyledItemDelegate>

// Draws a grid's tick boxes with a frame in the colours of the text, so that an unticked box
// is as plain to see on a dark background as on a light one (some styles frame it in a
// darker shade of the window, which a dark palette hides).
class TickBoxDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
