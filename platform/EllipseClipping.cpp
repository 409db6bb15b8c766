#include "platform/EllipseClipping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kvx {

namespace {

constexpr double FullTurn = 2 * std::numbers::pi;

double NormalizedAngle(double angle) {
    return angle < 0 ? angle + FullTurn : angle;
}

} // namespace

TEllipseClipping::TEllipseClipping(const QRectF& bounds, const QRectF& clip, double tolerance)
    : FCenterX(bounds.center().x()), FCenterY(bounds.center().y()), FRadiusX(bounds.width() / 2),
      FRadiusY(bounds.height() / 2), FClip(clip) {
    // A chord over the angle step deviates from the curve by at most r * step² / 8, with r
    // the larger radius; a quarter turn at most keeps small ellipses round.
    const double largest = std::max({FRadiusX, FRadiusY, tolerance});
    FAngleStep = std::min(std::sqrt(8 * tolerance / largest), std::numbers::pi / 4);
}

QPointF TEllipseClipping::PointAt(double angle) const {
    return {FCenterX + FRadiusX * std::cos(angle), FCenterY + FRadiusY * std::sin(angle)};
}

bool TEllipseClipping::InsideClip(const QPointF& point) const {
    return FClip.left() <= point.x() && point.x() <= FClip.right() && FClip.top() <= point.y() &&
           point.y() <= FClip.bottom();
}

bool TEllipseClipping::InsideEllipse(const QPointF& point) const {
    if (FRadiusX <= 0 || FRadiusY <= 0) {
        return false;
    }
    const double u = (point.x() - FCenterX) / FRadiusX;
    const double v = (point.y() - FCenterY) / FRadiusY;
    return u * u + v * v <= 1;
}

std::vector<TEllipseClipping::TInterval> TEllipseClipping::Intervals() const {
    std::vector<double> angles = {0, FullTurn};
    if (FRadiusX > 0) {
        for (const double x : {FClip.left(), FClip.right()}) {
            const double c = (x - FCenterX) / FRadiusX;
            if (c >= -1 && c <= 1) {
                const double angle = std::acos(c);
                angles.push_back(angle);
                angles.push_back(FullTurn - angle);
            }
        }
    }
    if (FRadiusY > 0) {
        for (const double y : {FClip.top(), FClip.bottom()}) {
            const double s = (y - FCenterY) / FRadiusY;
            if (s >= -1 && s <= 1) {
                const double angle = std::asin(s);
                angles.push_back(NormalizedAngle(angle));
                angles.push_back(std::numbers::pi - angle);
            }
        }
    }
    std::sort(angles.begin(), angles.end());
    std::vector<TInterval> intervals;
    for (std::size_t i = 1; i < angles.size(); ++i) {
        const double from = angles[i - 1];
        const double to = angles[i];
        if (to - from <= 1e-15) {
            continue;
        }
        const bool inside = InsideClip(PointAt((from + to) / 2));
        if (!intervals.empty() && intervals.back().Inside == inside) {
            intervals.back().To = to; // a mere touch of an edge
        } else {
            intervals.push_back({from, to, inside});
        }
    }
    // The starting angle is no crossing: join the pieces on both sides of it, so that every
    // interval ends at a crossing and no joint is drawn twice.
    if (intervals.size() > 1 && intervals.front().Inside == intervals.back().Inside) {
        intervals.back().To = intervals.front().To + FullTurn;
        intervals.erase(intervals.begin());
    }
    return intervals;
}

void TEllipseClipping::AppendArc(QPolygonF& polygon, double from, double to) const {
    // The outermost points (quarter turns) are always vertices: chords would cut them short.
    constexpr double QuarterTurn = std::numbers::pi / 2;
    double start = from;
    while (start < to) {
        const double quarter = (std::floor(start / QuarterTurn) + 1) * QuarterTurn;
        const double end = std::min(quarter, to);
        const auto steps = static_cast<int>(std::max(1.0, std::ceil((end - start) / FAngleStep)));
        for (int k = polygon.isEmpty() ? 0 : 1; k <= steps; ++k) {
            polygon.append(PointAt(k == steps ? end : start + (end - start) * k / steps));
        }
        start = end;
    }
}

std::vector<QPolygonF> TEllipseClipping::VisibleArcs() const {
    const std::vector<TInterval> intervals = Intervals();
    std::vector<QPolygonF> arcs;
    for (const TInterval& interval : intervals) {
        if (interval.Inside) {
            arcs.emplace_back();
            AppendArc(arcs.back(), interval.From, interval.To);
        }
    }
    return arcs;
}

double TEllipseClipping::OutlinePosition(const QPointF& point) const {
    const double width = std::max(FClip.width(), 1e-9);
    const double height = std::max(FClip.height(), 1e-9);
    // Clockwise on screen from the top-right corner, the way the ellipse's angle runs.
    const double distances[4] = {
        std::abs(point.x() - FClip.right()), std::abs(point.y() - FClip.bottom()),
        std::abs(point.x() - FClip.left()), std::abs(point.y() - FClip.top())};
    const int edge = static_cast<int>(std::min_element(distances, distances + 4) - distances);
    double along = 0;
    switch (edge) {
    case 0:
        along = (point.y() - FClip.top()) / height;
        break;
    case 1:
        along = (FClip.right() - point.x()) / width;
        break;
    case 2:
        along = (FClip.bottom() - point.y()) / height;
        break;
    default:
        along = (point.x() - FClip.left()) / width;
        break;
    }
    return edge + std::clamp(along, 0.0, 1.0);
}

void TEllipseClipping::AppendCornersBetween(QPolygonF& polygon, double fromU, double toU) const {
    if (toU < fromU) {
        // Slightly behind on the same edge is rounding; otherwise the way leads around.
        toU = fromU - toU < 1e-6 ? fromU : toU + 4;
    }
    const QPointF corners[4] = {FClip.topRight(), FClip.bottomRight(), FClip.bottomLeft(),
                                FClip.topLeft()};
    for (int k = static_cast<int>(std::floor(fromU)) + 1; k < toU; ++k) {
        polygon.append(corners[k % 4]);
    }
}

QPolygonF TEllipseClipping::ClippedArea() const {
    const std::vector<TInterval> intervals = Intervals();
    QPolygonF area;
    if (intervals.size() <= 1) {
        // No crossing: one contains the other, or they are apart.
        if (!intervals.empty() && intervals.front().Inside) {
            AppendArc(area, 0, FullTurn);
        } else if (InsideEllipse(FClip.center())) {
            area << FClip.topRight() << FClip.bottomRight() << FClip.bottomLeft()
                 << FClip.topLeft();
        }
        return area;
    }
    // Along the arcs inside the clip and, between them, along the clip's edges.
    for (const TInterval& interval : intervals) {
        if (interval.Inside) {
            AppendArc(area, interval.From, interval.To);
        } else {
            if (area.isEmpty()) {
                area.append(PointAt(interval.From));
            }
            AppendCornersBetween(area, OutlinePosition(PointAt(interval.From)),
                                 OutlinePosition(PointAt(interval.To)));
            area.append(PointAt(interval.To));
        }
    }
    return area;
}

} // namespace kvx
