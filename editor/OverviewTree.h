#pragma once
// The overview tree (trvOverview): the map node, one group node per shape and one node per
// area, grouped by shape. An area node carries the area's id in Qt::UserRole; map and group
// nodes carry none, and that is how an area node is told from the others.

#include "model/ImageMap.h"

#include <QHash>
#include <QTreeWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

// The text of an area's node: its href, or when that is empty a summary of its coordinates
// taken from the value texts of coords (label, value, label, value, ...).
QString AreaNodeText(std::uint8_t kind, const std::string& href,
                     const std::vector<std::string>& coords);

class TOverviewTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int IdRole = Qt::UserRole;
    // Index of the node's picture in the tree's image list (0 map, then per shape group, area).
    static constexpr int ImageIndexRole = Qt::UserRole + 1;

    explicit TOverviewTree(QWidget* parent = nullptr);

    QTreeWidgetItem* MapNode() const { return FMapNode; }
    // The group node of a shape (1 rectangle, 2 circle, 3 polygon); nullptr without a map.
    QTreeWidgetItem* GroupNode(std::uint8_t kind) const;
    // The id a node carries; std::nullopt for map and group nodes and for no node.
    static std::optional<std::int32_t> NodeId(const QTreeWidgetItem* node);

    // Adds the map node and the three group nodes under it.
    void BuildMapNodes(const QString& mapName);
    // Removes every node.
    void RemoveAllNodes();
    // Appends a node for an area under the group of props.Kind, without highlighting it.
    QTreeWidgetItem* AddAreaNode(const TLinkAreaProperties& props);
    // The node of the map's area with id, placed among its group by the map's list order
    // (so an area that comes back gets its place again).
    QTreeWidgetItem* AddAreaNodeFor(const TImageMap& map, std::int32_t id);
    // Deletes the node that carries id, in whichever group it is.
    void RemoveAreaNode(std::int32_t id);
    // The text of the map's area with id, after a change.
    void UpdateAreaNode(const TImageMap& map, std::int32_t id);
    // The first node of the shape's group that carries id, or nullptr.
    QTreeWidgetItem* FindAreaNode(std::uint8_t kind, std::int32_t id) const;
    // The highlighted node, nullptr when none.
    QTreeWidgetItem* HighlightedNode() const;
    void Highlight(QTreeWidgetItem* node);
    void RemoveHighlight();

signals:
    // The highlight is about to move to node (nullptr: to no node) by the user's doing.
    void NodeChanging(QTreeWidgetItem* node);
    // The highlight has moved to node.
    void NodeChanged(QTreeWidgetItem* node);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    // Only area nodes are ever highlighted. Qt selects a clicked node only after it has
    // reported the move (and after the handlers removed the highlight), so a map or group
    // node that it selects is deselected here.
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    // A click beside every node changes nothing, as the highlight must follow the map.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTreeWidgetItem* NewNode(QTreeWidgetItem* parent, const QString& text, int imageIndex);

    QTreeWidgetItem* FMapNode = nullptr;
    QTreeWidgetItem* FGroupNodes[3] = {nullptr, nullptr, nullptr};
    // Every area node by its id: a click must not search a group of thousands of nodes.
    QHash<std::int32_t, QTreeWidgetItem*> FAreaNodes;
    std::vector<QIcon> FImages;
};

} // namespace kvx
