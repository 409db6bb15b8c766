#pragma once
// Paints the overview tree's nodes (one line of text beside a picture) as Qt's own item
// delegate does, but keeps what every repaint would work out again: the laid-out glyphs of each
// text, the pictures at their size, and where picture and text sit in a row. A click on an
// area far down the tree scrolls it, so every visible row is painted again.

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <utility>

namespace kvx {

class TOverviewNodeDelegate : public QStyledItemDelegate {
public:
    explicit TOverviewNodeDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    struct TLaidOutText {
        QStaticText Glyphs;
        int LineHeight = 0; // what Qt centres the text by
    };
    // Where the picture and the text box lie in a row of one size, relative to its corner.
    struct TRowPlaces {
        QRect Picture;
        QRect TextBox;
    };

    void PaintPlainRow(QPainter* painter, const QStyleOptionViewItem& option,
                       const QStyleOptionViewItem& node) const;
    void PaintText(QPainter* painter, const QStyleOptionViewItem& node, const QRect& box) const;
    // The text as it is drawn into a box of width pixels (elided when it does not fit).
    const TLaidOutText& LaidOut(const QStyleOptionViewItem& node, int width) const;
    const TRowPlaces& Places(const QStyleOptionViewItem& node) const;
    const QPixmap& Picture(const QIcon& icon, QSize size, qreal pixelRatio) const;
    // Forgets everything kept when the font, the style or the picture size has changed.
    void Follow(const QStyleOptionViewItem& node) const;

    mutable QHash<std::pair<int, QString>, TLaidOutText> FTexts;
    mutable QHash<std::pair<int, int>, TRowPlaces> FPlaces;
    mutable QHash<std::pair<qint64, qint64>, QPixmap> FPictures;
    mutable QFont FFont;
    mutable QSize FPictureSize;
    mutable const QStyle* FStyle = nullptr;
};

} // namespace kvx
