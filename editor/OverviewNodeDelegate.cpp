#include "editor/OverviewNodeDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace kvx {

namespace {

// More nodes than any tree shows at once; a tree with more texts lays them out again, as Qt
// would every time.
constexpr qsizetype kKeptTexts = 4096;

// One line of left-aligned text beside a picture, the whole row highlighted when selected.
// Anything else goes to Qt's own painting.
bool IsPlainNode(const QStyleOptionViewItem& node) {
    const auto plainFeatures = QStyleOptionViewItem::HasDisplay |
                               QStyleOptionViewItem::HasDecoration |
                               QStyleOptionViewItem::Alternate;
    return !node.text.isEmpty() && (node.features & ~plainFeatures) == 0 &&
           node.direction == Qt::LeftToRight && node.showDecorationSelected &&
           node.decorationPosition == QStyleOptionViewItem::Left &&
           node.displayAlignment == (Qt::AlignLeft | Qt::AlignVCenter) &&
           node.textElideMode == Qt::ElideRight && !(node.state & QStyle::State_Editing);
}

// Rows Qt would draw nothing but a picture and a text on.
bool IsQuietRow(const QStyleOptionViewItem& node) {
    return !(node.state & (QStyle::State_Selected | QStyle::State_HasFocus)) &&
           node.backgroundBrush.style() == Qt::NoBrush;
}

QTextOption TextOption() {
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return option;
}

QColor TextColour(const QStyleOptionViewItem& node) {
    QPalette::ColorGroup group =
        node.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(node.state & QStyle::State_Active)) {
        group = QPalette::Inactive;
    }
    return node.palette.color(group, node.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text);
}

const QStyle* StyleOf(const QStyleOptionViewItem& node) {
    return node.widget != nullptr ? node.widget->style() : QApplication::style();
}

} // namespace

TOverviewNodeDelegate::TOverviewNodeDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TOverviewNodeDelegate::Follow(const QStyleOptionViewItem& node) const {
    const QStyle* style = StyleOf(node);
    if (node.font == FFont && style == FStyle && node.decorationSize == FPictureSize &&
        FTexts.size() < kKeptTexts) {
        return;
    }
    FTexts.clear();
    FPlaces.clear();
    FPictures.clear();
    FFont = node.font;
    FStyle = style;
    FPictureSize = node.decorationSize;
}

const TOverviewNodeDelegate::TLaidOutText&
TOverviewNodeDelegate::LaidOut(const QStyleOptionViewItem& node, int width) const {
    const std::pair<int, QString> key(width, node.text);
    const auto kept = FTexts.constFind(key);
    if (kept != FTexts.constEnd()) {
        return *kept;
    }
    // Qt's own steps: one line as wide as the box, elided only when the line is wider, centred
    // by the height of that line.
    QTextLayout layout(node.text, node.font);
    layout.setTextOption(TextOption());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    bool fits = true;
    if (line.isValid()) {
        line.setLineWidth(width);
        fits = line.naturalTextWidth() <= width;
    }
    layout.endLayout();
    const QString shown =
        fits ? node.text : QFontMetrics(node.font).elidedText(node.text, Qt::ElideRight, width);
    QStaticText glyphs(shown);
    glyphs.setTextFormat(Qt::PlainText);
    glyphs.setTextOption(TextOption());
    glyphs.prepare(QTransform(), node.font);
    return *FTexts.insert(key, {glyphs, layout.boundingRect().size().toSize().height()});
}

const TOverviewNodeDelegate::TRowPlaces&
TOverviewNodeDelegate::Places(const QStyleOptionViewItem& node) const {
    const std::pair<int, int> key(node.rect.width(), node.rect.height());
    const auto kept = FPlaces.constFind(key);
    if (kept != FPlaces.constEnd()) {
        return *kept;
    }
    // Asked without the text, the style lays nothing out; with the whole row highlighted the
    // text box is what the picture leaves, whatever the text.
    QStyleOptionViewItem probe = node;
    probe.text.clear();
    const QStyle* style = StyleOf(node);
    const QWidget* widget = node.widget;
    const QPoint corner = node.rect.topLeft();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &probe, widget);
    TRowPlaces places;
    places.Picture = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &probe, widget)
                         .translated(-corner);
    places.TextBox = text.adjusted(margin, 0, -margin, 0).translated(-corner);
    return *FPlaces.insert(key, places);
}

const QPixmap& TOverviewNodeDelegate::Picture(const QIcon& icon, QSize size,
                                              qreal pixelRatio) const {
    // The icon, then pixel ratio (in hundredths) and size packed into one number.
    const std::pair<qint64, qint64> key(icon.cacheKey(), (qint64{qRound(pixelRatio * 100)} << 32) |
                                                             (qint64{size.width() & 0xFFFF} << 16) |
                                                             (size.height() & 0xFFFF));
    const auto kept = FPictures.constFind(key);
    if (kept != FPictures.constEnd()) {
        return *kept;
    }
    return *FPictures.insert(key, icon.pixmap(size, pixelRatio, QIcon::Normal, QIcon::Off));
}

void TOverviewNodeDelegate::PaintText(QPainter* painter, const QStyleOptionViewItem& node,
                                      const QRect& box) const {
    const TLaidOutText& text = LaidOut(node, box.width());
    const QRect line = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignVCenter,
                                           QSize(box.width(), text.LineHeight), box);
    painter->setPen(TextColour(node));
    painter->setFont(node.font);
    painter->drawStaticText(QPoint(box.x(), line.top()), text.Glyphs);
}

void TOverviewNodeDelegate::PaintPlainRow(QPainter* painter, const QStyleOptionViewItem& option,
                                          const QStyleOptionViewItem& node) const {
    const QStyle* style = StyleOf(node);
    const TRowPlaces& places = Places(node);
    const QPoint corner = node.rect.topLeft();
    // The style still paints the row's panel (a hover look, for instance).
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, node.widget);
    if (!node.icon.isNull() && (node.state & QStyle::State_Enabled)) {
        // As QIcon::paint places a picture: centred in its box at the size the icon has.
        const QRect box = places.Picture.translated(corner);
        const QSize size = node.icon.actualSize(box.size(), QIcon::Normal, QIcon::Off);
        const QRect at = QStyle::alignedRect(Qt::LeftToRight, node.decorationAlignment, size, box);
        painter->drawPixmap(at, Picture(node.icon, size, painter->device()->devicePixelRatioF()));
    } else if (!node.icon.isNull()) {
        node.icon.paint(painter, places.Picture.translated(corner), node.decorationAlignment,
                        QIcon::Disabled, QIcon::Off);
    }
    PaintText(painter, node, places.TextBox.translated(corner));
}

void TOverviewNodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem node = option;
    initStyleOption(&node, index);
    if (!IsPlainNode(node)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    Follow(node);
    if (IsQuietRow(node)) {
        PaintPlainRow(painter, option, node);
        return;
    }
    // A highlighted row: Qt paints the highlight, picture and focus frame, the text comes from
    // what is kept.
    const QStyle* style = StyleOf(node);
    QStyleOptionViewItem withoutText = node;
    withoutText.text.clear();
    withoutText.features &= ~QStyleOptionViewItem::HasDisplay;
    style->drawControl(QStyle::CE_ItemViewItem, &withoutText, painter, node.widget);
    painter->save();
    painter->setClipRect(node.rect);
    PaintText(painter, node, Places(node).TextBox.translated(node.rect.topLeft()));
    painter->restore();
}

} // namespace kvx
