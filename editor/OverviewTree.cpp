#include "editor/OverviewTree.h"

#include "editor/EditorIcons.h"
#include "editor/OverviewNodeDelegate.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <typeinfo>

namespace kvx {

namespace {

const std::string& ValueAt(const std::vector<std::string>& coords, std::size_t index) {
    static const std::string none;
    return index < coords.size() ? coords[index] : none;
}

QString Value(const std::vector<std::string>& coords, std::size_t row) {
    return QString::fromStdString(ValueAt(coords, 2 * row + 1));
}

} // namespace

QString AreaNodeText(std::uint8_t kind, const std::string& href,
                     const std::vector<std::string>& coords) {
    if (!href.empty()) {
        return QString::fromStdString(href);
    }
    switch (kind) {
    case akRectangle:
        return QStringLiteral("(%1, %2 -> %3, %4)")
            .arg(Value(coords, 0), Value(coords, 1), Value(coords, 2), Value(coords, 3));
    case akCircle:
        return QStringLiteral("(M: %1, %2; R: %3)")
            .arg(Value(coords, 0), Value(coords, 1), Value(coords, 2));
    case akPolygon:
        return QStringLiteral("(%1, %2; ...)").arg(Value(coords, 0), Value(coords, 1));
    default:
        return {};
    }
}

TOverviewTree::TOverviewTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("trvOverview"));
    setColumnCount(1);
    header()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIndentation(19);
    setRootIsDecorated(false);
    // Every node is one line of text with an icon. Without this Qt walks all rows above a node
    // to place it, which made each highlight cost milliseconds on maps of thousands of areas.
    setUniformRowHeights(true);
    setItemDelegate(new TOverviewNodeDelegate(this));
    // The highlight stays visible while another control has the focus.
    QPalette colours = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);

    for (const char* name : {"tree-map", "tree-rect-group", "tree-rect", "tree-circle-group",
                             "tree-circle", "tree-polygon-group", "tree-polygon"}) {
        FImages.push_back(EditorIcon(QString::fromLatin1(name)));
    }

    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { emit NodeChanged(current); });
}

QItemSelectionModel::SelectionFlags TOverviewTree::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    // The view asks this before it moves the current node (click, keys, type-ahead search,
    // programmatic change), which makes it the place to announce the move. Qt declares it
    // const; announcing changes nothing of the tree.
    if (index != currentIndex()) {
        emit const_cast<TOverviewTree*>(this)->NodeChanging(itemFromIndex(index));
    }
    return QTreeWidget::selectionCommand(index, event);
}

void TOverviewTree::selectionChanged(const QItemSelection& selected,
                                     const QItemSelection& deselected) {
    QTreeWidget::selectionChanged(selected, deselected);
    for (const QModelIndex& index : selected.indexes()) {
        if (!NodeId(itemFromIndex(index))) {
            clearSelection();
            return;
        }
    }
}

QTreeWidgetItem* TOverviewTree::GroupNode(std::uint8_t kind) const {
    if (kind < akRectangle || kind > akPolygon) {
        return nullptr;
    }
    return FGroupNodes[kind - 1];
}

std::optional<std::int32_t> TOverviewTree::NodeId(const QTreeWidgetItem* node) {
    if (node == nullptr) {
        return std::nullopt;
    }
    const QVariant id = node->data(0, IdRole);
    if (!id.isValid()) {
        return std::nullopt;
    }
    return id.toInt();
}

QTreeWidgetItem* TOverviewTree::NewNode(QTreeWidgetItem* parent, const QString& text,
                                        int imageIndex) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, text);
    node->setIcon(0, FImages.at(static_cast<std::size_t>(imageIndex)));
    node->setData(0, ImageIndexRole, imageIndex);
    return node;
}

void TOverviewTree::BuildMapNodes(const QString& mapName) {
    FMapNode = NewNode(nullptr, mapName, 0);
    FGroupNodes[0] = NewNode(FMapNode, QStringLiteral("Rechteckige Verweisflächen"), 1);
    FGroupNodes[1] = NewNode(FMapNode, QStringLiteral("Kreisförmige Verweisflächen"), 3);
    FGroupNodes[2] = NewNode(FMapNode, QStringLiteral("Polygone Verweisflächen"), 5);
}

void TOverviewTree::RemoveAllNodes() {
    FAreaNodes.clear();
    clear();
    FMapNode = nullptr;
    FGroupNodes[0] = FGroupNodes[1] = FGroupNodes[2] = nullptr;
}

QTreeWidgetItem* TOverviewTree::AddAreaNode(const TLinkAreaProperties& props) {
    QTreeWidgetItem* group = GroupNode(props.Kind);
    if (group == nullptr) {
        return nullptr;
    }
    const int groupImage = group->data(0, ImageIndexRole).toInt();
    QTreeWidgetItem* node =
        NewNode(group, AreaNodeText(props.Kind, props.Href, props.Coords), groupImage + 1);
    node->setData(0, IdRole, props.Id);
    // An id names one area; a second node for it would be found instead of the first.
    if (!FAreaNodes.contains(props.Id)) {
        FAreaNodes.insert(props.Id, node);
    }
    return node;
}

QTreeWidgetItem* TOverviewTree::AddAreaNodeFor(const TImageMap& map, std::int32_t id) {
    const std::ptrdiff_t index = map.IndexOf(id);
    if (index < 0) {
        return nullptr;
    }
    TLinkAreaProperties props;
    map.Entries()[static_cast<std::size_t>(index)].Area->GetProperties(props);
    props.Id = id;
    QTreeWidgetItem* node = AddAreaNode(props);
    if (node == nullptr) {
        return nullptr;
    }
    // Areas of one shape are of one class.
    const TLinkArea& area = *map.Entries()[static_cast<std::size_t>(index)].Area;
    int place = 0;
    for (std::ptrdiff_t i = 0; i < index; ++i) {
        place += typeid(*map.Entries()[static_cast<std::size_t>(i)].Area) == typeid(area) ? 1 : 0;
    }
    QTreeWidgetItem* group = node->parent();
    if (place < group->childCount() - 1) {
        group->insertChild(place, group->takeChild(group->indexOfChild(node)));
    }
    return node;
}

void TOverviewTree::RemoveAreaNode(std::int32_t id) {
    delete FAreaNodes.take(id);
}

void TOverviewTree::UpdateAreaNode(const TImageMap& map, std::int32_t id) {
    const std::ptrdiff_t index = map.IndexOf(id);
    if (index < 0) {
        return;
    }
    TLinkAreaProperties props;
    map.Entries()[static_cast<std::size_t>(index)].Area->GetProperties(props);
    if (QTreeWidgetItem* node = FindAreaNode(props.Kind, id)) {
        node->setText(0, AreaNodeText(props.Kind, props.Href, props.Coords));
    }
}

QTreeWidgetItem* TOverviewTree::FindAreaNode(std::uint8_t kind, std::int32_t id) const {
    QTreeWidgetItem* node = FAreaNodes.value(id);
    const QTreeWidgetItem* group = GroupNode(kind);
    return node != nullptr && group != nullptr && node->parent() == group ? node : nullptr;
}

QTreeWidgetItem* TOverviewTree::HighlightedNode() const {
    return currentItem();
}

void TOverviewTree::Highlight(QTreeWidgetItem* node) {
    setCurrentItem(node);
    if (node != nullptr) {
        scrollToItem(node);
    }
}

void TOverviewTree::mousePressEvent(QMouseEvent* event) {
    if (itemAt(event->position().toPoint()) == nullptr) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void TOverviewTree::mouseReleaseEvent(QMouseEvent* event) {
    if (itemAt(event->position().toPoint()) == nullptr) {
        event->accept();
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void TOverviewTree::RemoveHighlight() {
    setCurrentItem(nullptr);
    clearSelection();
}

} // namespace kvx
