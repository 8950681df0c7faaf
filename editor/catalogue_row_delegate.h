#pragma once

#include <QStyledItemDelegate>

namespace quorvel {

// Draws the catalogue's fixed-width rows as one unbroken line from a chosen left offset, so
// their column rules can be set under the header lines' to the pixel.
class CatalogueRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CatalogueRowDelegate(QObject* parent = nullptr);

    int TextLeft() const { return mTextLeft; }
    void SetTextLeft(int textLeft);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int mTextLeft = 0; // pixels from the item's left edge to the first character cell
};

} // namespace quorvel
