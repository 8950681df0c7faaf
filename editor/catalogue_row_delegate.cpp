#include "editor/catalogue_row_delegate.h"

#include <QFontMetrics>
#include <QPainter>

namespace quorvel {

CatalogueRowDelegate::CatalogueRowDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void CatalogueRowDelegate::SetTextLeft(int textLeft)
{
    if (mTextLeft == textLeft) {
        return;
    }
    mTextLeft = textLeft;
    Q_EMIT sizeHintChanged(QModelIndex());
}

void CatalogueRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    if (selected) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    painter->setFont(option.font);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect = option.rect.adjusted(mTextLeft, 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        painter->setPen(QPen(option.palette.color(QPalette::HighlightedText), 1, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize CatalogueRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const QFontMetrics metrics(option.font);
    return QSize(mTextLeft + metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()),
                 metrics.height());
}

} // namespace quorvel
