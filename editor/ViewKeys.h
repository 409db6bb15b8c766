#pragma once
// The keys of the view (and of its focus sink, which holds the focus once the view is used):
// Delete asks and deletes the selected area as the panel's button does; the arrow keys move
// it by one pixel, with Shift by ten. Text fields and the grid keep their own keys.

#include "editor/EditorContext.h"

#include <QObject>

namespace kvx {

class TAreaActions;
class TPanelController;

struct TViewKeyWidgets {
    QWidget* Display = nullptr;
    QWidget* FocusSink = nullptr;
    TAreaActions* Actions = nullptr;
    TPanelController* Panel = nullptr;
};

class TViewKeys : public QObject {
    Q_OBJECT
public:
    TViewKeys(const TEditorContext& context, const TViewKeyWidgets& widgets, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when key was one of the view's and was used.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);

    TEditorContext FContext;
    TViewKeyWidgets FWidgets;
};

} // namespace kvx
