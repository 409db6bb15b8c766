#include "model/PolygonLinkArea.h"

#include "model/Int32Arithmetic.h"
#include "model/TextConversion.h"

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

std::ptrdiff_t TPolygonLinkArea::VertexAt(int x, int y) const {
    for (std::size_t i = 0; i < FPoints.size(); ++i) {
        if (IsOnHandle(x, y, FPoints[i].X, FPoints[i].Y)) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return NoPoint;
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
            DrawHandle(canvas, point.X, point.Y);
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

TCursor TPolygonLinkArea::CursorAt(int x, int y) const {
    if (VertexAt(x, y) != NoPoint) {
        return crSizeAll;
    }
    return Contains(x, y) ? crHandPoint : crCross;
}

THitResult TPolygonLinkArea::HitTest(int x, int y, std::string& status) {
    FCurrent = VertexAt(x, y);
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
