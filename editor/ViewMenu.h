#pragma once
// The view's context menu: duplicate, delete and bring to front for the area under the
// pointer, and on a polygon the insertion of a vertex into an edge and the deletion of a
// vertex. Not while a gesture (a polygon being drawn above all) owns the right button.

#include "editor/EditorContext.h"
#include "model/Pointer.h"

#include <QMenu>
#include <QObject>
#include <QPoint>

namespace kvx {

class TAreaActions;
class TDisplayView;
class TPanelController;
class TViewController;

struct TViewMenuWidgets {
    TDisplayView* Display = nullptr;
    QWidget* FocusSink = nullptr;
    TViewController* View = nullptr;
    TAreaActions* Actions = nullptr;
    TPanelController* Panel = nullptr;
};

class TViewMenu : public QObject {
    Q_OBJECT
public:
    TViewMenu(const TEditorContext& context, const TViewMenuWidgets& widgets, QObject* parent);

    void pbxDisplayContextMenu(int x, int y, QPoint global);

    QMenu& Menu() { return FMenu; }

private:
    // The area under p becomes the selected one (none over empty space); the selected
    // polygon keeps the selection where its vertices and edges are in reach.
    void SelectAt(const TPointer& p);

    TEditorContext FContext;
    TViewMenuWidgets FWidgets;
    QMenu FMenu;
    QAction* FDuplicate;
    QAction* FDelete;
    QAction* FToFront;
    QAction* FInsertPoint;
    QAction* FDeletePoint;
};

} // namespace kvx
