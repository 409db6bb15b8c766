#include "model/PolygonLinkArea.h"

#include "model/Int32Arithmetic.h"
#include "model/TextConversion.h"

#include <algorithm>
#include <cmath>

namespace kvx {

namespace {

std::string PointText(std::int64_t x, std::int64_t y) {
    return "(X: " + IntToStr(x) + ", Y: " + IntToStr(y) + ")";
}

// The quotient rounded to single precision. Numerator and denominator are exact in double
// and double carries more than twice float's precision, so rounding twice gives the same
// float as rounding the exact quotient once.
float SingleQuotient(std::int64_t numerator, std::int64_t denominator) {
    return static_cast<float>(static_cast<double>(numerator) / static_cast<double>(denominator));
}

} // namespace

TPolygonLinkArea::TPolygonLinkArea(int x, int y, std::string& status)
    : FPoints{{x, y}, {Shifted(x, 1), Shifted(y, 1)}}, FCurrent(1) {
    status = PointText(x, y);
}

namespace {

// Whether the edge from p to q counts for (x, y) in Contains' even-odd test, given that x lies
// strictly within the edge's x range.
bool EdgeCounts(const TPolygonPoint& p, const TPolygonPoint& q, std::int64_t x, int y) {
    const bool rightward = q.X > p.X;
    // Slopes as seen from p: of the edge (m) and of the tested point (s).
    const float m = SingleQuotient(Distance(p.Y, q.Y), Distance(p.X, q.X));
    const float s = SingleQuotient(Distance(p.Y, y), x - p.X);
    return rightward ? s < m : s >= m;
}

} // namespace

std::vector<std::pair<std::int64_t, std::int64_t>> TPolygonLinkArea::RowSpans(int y) const {
    std::vector<std::pair<std::int64_t, std::int64_t>> spans;
    RowSpans(y, spans);
    return spans;
}

void TPolygonLinkArea::RowSpans(int y,
                                std::vector<std::pair<std::int64_t, std::int64_t>>& spans) const {
    // Each edge counts on one stretch of its open x range: seen from p the tested point's
    // slope changes monotonically with x, so the test flips at most once and a binary search
    // finds where. The stretches toggle the parity; its odd runs are the spans.
    // Kept between calls: a check asks for every row of every polygon.
    thread_local std::vector<std::int64_t> toggles;
    toggles.clear();
    spans.clear();
    const std::size_t n = FPoints.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TPolygonPoint& p = FPoints[i];
        const TPolygonPoint& q = FPoints[(i + 1) % n];
        const std::int64_t first = std::int64_t{std::min(p.X, q.X)} + 1;
        const std::int64_t last = std::int64_t{std::max(p.X, q.X)} - 1;
        if (first > last) {
            continue;
        }
        const bool atFirst = EdgeCounts(p, q, first, y);
        const bool atLast = EdgeCounts(p, q, last, y);
        std::int64_t from = first;
        std::int64_t to = last;
        if (atFirst != atLast) {
            // The first x whose answer differs from atFirst: next to where the row meets the
            // edge's line, unless rounding moved it, else found by bisection.
            std::int64_t low = first;
            std::int64_t high = last;
            const std::int64_t dy = Distance(p.Y, q.Y);
            if (dy != 0) {
                const long double meet =
                    p.X + static_cast<long double>(Distance(p.Y, y)) * Distance(p.X, q.X) / dy;
                const std::int64_t guess =
                    std::clamp(static_cast<std::int64_t>(std::floor(meet)), first, last - 1);
                if (EdgeCounts(p, q, guess, y) == atFirst) {
                    low = guess;
                    if (EdgeCounts(p, q, guess + 1, y) != atFirst) {
                        high = guess + 1;
                    }
                } else {
                    high = guess;
                }
            }
            while (high - low > 1) {
                const std::int64_t middle = low + (high - low) / 2;
                (EdgeCounts(p, q, middle, y) == atFirst ? low : high) = middle;
            }
            (atFirst ? to : from) = atFirst ? low : high;
        } else if (!atFirst) {
            continue;
        }
        toggles.push_back(from);
        toggles.push_back(to + 1);
    }
    std::sort(toggles.begin(), toggles.end());
    bool inside = false;
    for (std::size_t i = 0; i < toggles.size(); ++i) {
        inside = !inside;
        if (inside && i + 1 < toggles.size() && toggles[i] < toggles[i + 1]) {
            const std::int64_t left = toggles[i];
            const std::int64_t right = toggles[i + 1] - 1;
            if (!spans.empty() && spans.back().second + 1 == left) {
                spans.back().second = right;
            } else {
                spans.emplace_back(left, right);
            }
        }
    }
}

bool TPolygonLinkArea::Contains(int x, int y) const {
    int count = 0;
    const std::size_t n = FPoints.size();
    for (std::size_t i = 0; i < n; ++i) {
        const TPolygonPoint& p = FPoints[i];
        const TPolygonPoint& q = FPoints[(i + 1) % n];
        // Only edges whose x range holds x strictly count; vertical edges never do.
        const bool rightward = q.X > p.X;
        const bool spans = rightward ? p.X < x && x < q.X : q.X < x && x < p.X;
        if (!spans) {
            continue;
        }
        // Slopes as seen from p: of the edge (m) and of the tested point (s).
        const float m = SingleQuotient(Distance(p.Y, q.Y), Distance(p.X, q.X));
        const float s = SingleQuotient(Distance(p.Y, y), Distance(p.X, x));
        if (rightward ? s < m : s >= m) {
            ++count;
        }
    }
    return count % 2 == 1;
}

std::ptrdiff_t TPolygonLinkArea::VertexAt(const TPointer& pointer) const {
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        if (pointer.Reaches(FPoints[i].X, FPoints[i].Y)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return NoPoint;
}

std::ptrdiff_t TPolygonLinkArea::EdgeAt(const TPointer& pointer, double reach) const {
    const std::size_t n = FPoints.size();
    if (FOpen || n < 2) {
        return NoPoint;
    }
    // Measured in image pixels from where the pointer points within its pixel.
    const double x = pointer.FineX();
    const double y = pointer.FineY();
    std::ptrdiff_t nearest = NoPoint;
    double best = reach / pointer.Scale;
    for (std::size_t i = 0; i < n; ++i) {
        const TPolygonPoint& p = FPoints[i];
        const TPolygonPoint& q = FPoints[(i + 1) % n];
        const double ex = static_cast<double>(Distance(p.X, q.X));
        const double ey = static_cast<double>(Distance(p.Y, q.Y));
        const double px = x - p.X;
        const double py = y - p.Y;
        const double length2 = ex * ex + ey * ey;
        // The foot of the perpendicular, held to the edge's own stretch.
        const double t = length2 > 0 ? std::clamp((px * ex + py * ey) / length2, 0.0, 1.0) : 0.0;
        const double distance = std::hypot(px - t * ex, py - t * ey);
        if (distance <= best) {
            best = distance;
            nearest = static_cast<std::ptrdiff_t>(i);
        }
    }
    return nearest;
}

void TPolygonLinkArea::InsertPoint(std::size_t index, TPolygonPoint point) {
    FPoints.insert(FPoints.begin() + static_cast<std::ptrdiff_t>(std::min(index, FPoints.size())),
                   point);
    FCurrent = NoPoint;
}

bool TPolygonLinkArea::DeletePoint(std::size_t index) {
    if (FPoints.size() <= 3 || index >= FPoints.size()) {
        return false;
    }
    FPoints.erase(FPoints.begin() + static_cast<std::ptrdiff_t>(index));
    FCurrent = NoPoint;
    return true;
}

void TPolygonLinkArea::Draw(TCanvas& canvas, bool selected) const {
    PrepareOutline(canvas, selected);
    const std::size_t n = FPoints.size();
    // While open the chain ends at the rubber-band vertex; closed it returns to the first.
    const std::size_t edges = FOpen ? n - 1 : n;
    for (std::size_t i = 0; i < edges; ++i) {
        const TPolygonPoint& p = FPoints[i];
        const TPolygonPoint& q = FPoints[(i + 1) % n];
        canvas.MoveTo(p.X, p.Y);
        canvas.LineTo(q.X, q.Y);
    }
    if (selected && !Editing) {
        PrepareHandles(canvas);
        for (const TPolygonPoint& point : FPoints) {
            canvas.Handle(point.X, point.Y);
        }
    }
}

void TPolygonLinkArea::Modify(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                              std::string& status) {
    Editing = true;
    switch (mode) {
    case mmDragHandle:
        // Without a grabbed vertex there is nothing to drag.
        if (FCurrent != NoPoint) {
            TPolygonPoint& point = FPoints[static_cast<std::size_t>(FCurrent)];
            point.X = Shifted(point.X, Distance(oldX, newX));
            point.Y = Shifted(point.Y, Distance(oldY, newY));
            status = "NEU: " + PointText(point.X, point.Y);
        }
        break;
    case mmDragNew:
        FPoints.back() = {newX, newY};
        status = "-> " + PointText(newX, newY);
        break;
    case mmAddPoint:
        FPoints.push_back({newX, newY});
        FCurrent = static_cast<std::ptrdiff_t>(FPoints.size()) - 1;
        status = PointText(newX, newY);
        break;
    case mmFinish:
        Editing = false;
        if (FOpen && FPoints.size() > 1) {
            // The rubber-band vertex goes; a grab on it goes with it.
            if (FCurrent == static_cast<std::ptrdiff_t>(FPoints.size()) - 1) {
                FCurrent = NoPoint;
            }
            FPoints.pop_back();
        }
        FOpen = false;
        break;
    }
}

void TPolygonLinkArea::Move(int oldX, int oldY, int newX, int newY, std::string& status) {
    Editing = true;
    const std::int64_t dx = Distance(oldX, newX);
    const std::int64_t dy = Distance(oldY, newY);
    for (TPolygonPoint& point : FPoints) {
        point.X = Shifted(point.X, dx);
        point.Y = Shifted(point.Y, dy);
    }
    status = "NEU: " + PointText(newX, newY);
}

TCursor TPolygonLinkArea::CursorAt(const TPointer& pointer) const {
    if (VertexAt(pointer) != NoPoint) {
        return crSizeAll;
    }
    return Contains(pointer.X, pointer.Y) ? crHandPoint : crCross;
}

THitResult TPolygonLinkArea::HitTest(const TPointer& pointer, std::string& status) {
    const int x = pointer.X;
    const int y = pointer.Y;
    FCurrent = VertexAt(pointer);
    if (FCurrent != NoPoint) {
        const TPolygonPoint& point = FPoints[static_cast<std::size_t>(FCurrent)];
        status = "ALT: " + PointText(point.X, point.Y);
        return hrHandle;
    }
    if (Contains(x, y)) {
        status = "ALT: " + PointText(x, y);
        return hrBody;
    }
    return hrNone;
}

void TPolygonLinkArea::GetProperties(TLinkAreaProperties& props) const {
    props.Kind = akPolygon;
    GetCommonProperties(props);
    props.Coords.clear();
    props.Coords.reserve(4 * FPoints.size());
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        const std::string label = "Punkt " + IntToStr(static_cast<std::int64_t>(i) + 1);
        props.Coords.push_back(label + ": X");
        props.Coords.push_back(IntToStr(FPoints[i].X));
        props.Coords.push_back(label + ": Y");
        props.Coords.push_back(IntToStr(FPoints[i].Y));
    }
}

void TPolygonLinkArea::SetProperties(const TLinkAreaProperties& props) {
    SetCommonProperties(props);
    for (std::size_t k = 0; k < FPoints.size(); ++k) {
        FPoints[k].X = CoordinateValue(props, 4 * k + 1);
        FPoints[k].Y = CoordinateValue(props, 4 * k + 3);
    }
}

void TPolygonLinkArea::GetHtml(bool editorAttributes, bool preview, std::string& html) const {
    html = " <area shape=\"poly\" coords=\"";
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        if (i > 0) {
            html += ",";
        }
        html += IntToStr(FPoints[i].X) + "," + IntToStr(FPoints[i].Y);
    }
    html += "\" ";
    AppendAttributes(editorAttributes, preview, html);
}

} // namespace kvx
