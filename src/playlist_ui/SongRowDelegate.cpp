#include "playlist_ui/SongRowDelegate.h"

#include <QApplication>
#include <QPainter>

#include "playlist_ui/PlaylistModel.h"

namespace {

constexpr int margin = 4;

}  // namespace

void SongRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QString title = row.text;
    row.text.clear();
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &row, painter, row.widget);

    const bool current = index.data(PlaylistModel::IsCurrentRole).toBool();
    painter->save();
    painter->setFont(row.font);
    painter->setPen(row.palette.color(row.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    const QRect inside = row.rect.adjusted(margin, 0, -margin, 0);
    const int markWidth = row.fontMetrics.horizontalAdvance(QStringLiteral("\u25B6 "));
    if (current) {
        painter->drawText(inside, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("\u25B6"));
    }
    const int artistWidth = inside.width() * 2 / 5;
    const QRect titleRect(inside.left() + markWidth, inside.top(),
                          inside.width() - markWidth - artistWidth - margin, inside.height());
    const QRect artistRect(inside.right() - artistWidth, inside.top(), artistWidth,
                           inside.height());
    painter->drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft,
                      row.fontMetrics.elidedText(title, Qt::ElideRight, titleRect.width()));
    const QString artist = index.data(PlaylistModel::ArtistRole).toString();
    painter->drawText(artistRect, Qt::AlignVCenter | Qt::AlignLeft,
                      row.fontMetrics.elidedText(artist, Qt::ElideRight, artistRect.width()));
    painter->restore();
}
