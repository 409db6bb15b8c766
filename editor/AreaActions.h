#pragma once
// The actions of the "&Verweisfläche" page on the selected area: to front, duplicate, delete,
// outline colour and contrast drawing.

#include <QColor>
#include <QObject>

namespace kvx {

class TfrmMain;

class TAreaActions : public QObject {
    Q_OBJECT
public:
    explicit TAreaActions(TfrmMain& main);

    void btnLinkAreaToFrontClick();
    void btnCloneLinkAreaClick();
    void btnDelLinkAreaClick();
    void btnSelectColorClick();
    void chkContrastClick();

    // The colour the colour dialog opens with: the one chosen in it last, black at first.
    QColor LastChosenColor() const { return FLastChosenColor; }

private:
    TfrmMain& FMain;
    QColor FLastChosenColor = Qt::black;
};

} // namespace kvx
