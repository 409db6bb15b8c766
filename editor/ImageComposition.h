#pragma once
// The picture the view shows: the visible part of the clean image, scaled to the zoom, with
// every area drawn on it at the view's own resolution.

#include "model/ImageMap.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace kvx {

// Which part of the image the view shows and how large.
struct TViewPlacement {
    // The image point at the view's top-left corner.
    QPoint Origin;
    // The image pixels the view spans, and view pixels per image pixel.
    QSize Visible;
    double Scale = 1.0;

    friend bool operator==(const TViewPlacement&, const TViewPlacement&) = default;
};

// Fills view (Format_RGB32, the view's size) with the part of source that placement names,
// then draws the map's areas on it. Only the view's pixels are touched, so the cost follows
// the view's size, not the image's. At scale 1 the result is, pixel for pixel, that part of
// the image as drawing the areas on the whole image would give it.
void ComposeView(const QImage& source, QImage& view, const TImageMap& map,
                 const TViewPlacement& placement);

// Composes again only the view pixels within part, drawing only the areas that can reach into
// it; each of those pixels becomes what ComposeView gives it. A selection that moves from one
// area to another changes nothing outside the two areas' reach.
void ComposeViewPart(const QImage& source, QImage& view, const TImageMap& map,
                     const TViewPlacement& placement, const QRect& part);

// The view pixels the area with id can touch, drawn selected or not; empty when there is no
// such area or it draws nothing.
QRect AreaViewReach(const TImageMap& map, std::int32_t id, const TViewPlacement& placement);

} // namespace kvx
