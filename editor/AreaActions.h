#pragma once
// The actions of the "&Verweisfläche" page on the selected area: to front, duplicate, delete,
// outline colour and contrast drawing.

#include "editor/EditorContext.h"

#include <QColor>
#include <QObject>

namespace kvx {

class TPanelController;
class TPropertyPanel;

// The widgets the actions use: the panel with their buttons, the panel's store, and the
// window that their questions belong to.
struct TAreaActionWidgets {
    TPropertyPanel* Panel = nullptr;
    TPanelController* PanelController = nullptr;
    QWidget* Window = nullptr;
};

class TAreaActions : public QObject {
    Q_OBJECT
public:
    TAreaActions(const TEditorContext& context, const TAreaActionWidgets& widgets, QObject* parent);

    void btnLinkAreaToFrontClick();
    void btnCloneLinkAreaClick();
    void btnDelLinkAreaClick();
    void btnSelectColorClick();
    void chkContrastClick();

    // The colour the colour dialog opens with: the one chosen in it last, black at first.
    QColor LastChosenColor() const { return FLastChosenColor; }

private:
    bool HasSelection() const;
    bool Confirmed(const QString& question) const;

    TEditorContext FContext;
    TAreaActionWidgets FWidgets;
    QColor FLastChosenColor = Qt::black;
};

} // namespace kvx
