#pragma once

#include <QStyledItemDelegate>

// Draws one song row of the playlist window: a mark before the current song, the title, and the
// artist in the right part of the row.
class SongRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
