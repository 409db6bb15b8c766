#pragma once
// The parts of a very large ellipse that matter for a small image. QPainter flattens an
// ellipse over its whole length and loses precision far beyond the image, so ellipses much
// larger than the image are reduced to what crosses the visible rectangle first.

#include <QPolygonF>
#include <QRectF>
#include <vector>

namespace kvx {

class TEllipseClipping {
public:
    // The ellipse inscribed in bounds (geometric coordinates, as QPainter::drawEllipse takes
    // them), seen through clip. Chords deviate from the true curve by at most tolerance.
    TEllipseClipping(const QRectF& bounds, const QRectF& clip, double tolerance);

    // The outline pieces inside clip, each an open polyline; one closed polyline (first point
    // repeated at the end) when the whole ellipse lies inside.
    std::vector<QPolygonF> VisibleArcs() const;
    // The outline of the ellipse's intersection with clip, for filling; empty when disjoint.
    QPolygonF ClippedArea() const;

private:
    struct TInterval {
        double From;
        double To;
        bool Inside;
    };
    QPointF PointAt(double angle) const;
    bool InsideClip(const QPointF& point) const;
    bool InsideEllipse(const QPointF& point) const;
    // The angle intervals between the crossings with clip's edges, in increasing order and
    // together one full turn; adjacent intervals differ in Inside, so that with more than
    // one interval every bound is a crossing.
    std::vector<TInterval> Intervals() const;
    void AppendArc(QPolygonF& polygon, double from, double to) const;
    // Position along clip's outline in the ellipse's direction of travel, 0 <= u < 4.
    double OutlinePosition(const QPointF& point) const;
    void AppendCornersBetween(QPolygonF& polygon, double fromU, double toU) const;

    double FCenterX;
    double FCenterY;
    double FRadiusX;
    double FRadiusY;
    QRectF FClip;
    double FAngleStep;
};

} // namespace kvx
