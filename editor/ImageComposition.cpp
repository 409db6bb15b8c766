#include "editor/ImageComposition.h"

#include "editor/ViewCanvas.h"

#include <QPainter>

namespace kvx {

void ComposeView(const QImage& source, QImage& view, const TImageMap& map,
                 const TViewPlacement& placement) {
    if (view.isNull()) {
        return;
    }
    {
        QPainter painter(&view);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (placement.Scale == 1.0) {
            painter.drawImage(QPoint(0, 0), source, QRect(placement.Origin, view.size()));
        } else {
            painter.drawImage(QRect(QPoint(0, 0), view.size()), source,
                              QRect(placement.Origin, placement.Visible));
        }
    }
    TViewCanvas canvas(view, source.size(), placement.Origin, placement.Scale);
    map.Draw(canvas);
}

} // namespace kvx
