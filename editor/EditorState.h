#pragma once
// The editor's state beside the map and its bitmaps: zoom, scroll origin, tool, drag state,
// the unsaved-changes flag and the coordinates copy buffer. One instance, owned by TfrmMain.

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <cstdint>

namespace kvx {

// Tool numbers: 1 to 3 are also the area kinds that TImageMap::AddArea takes.
enum TEditorTool : std::uint8_t {
    tlNone = 0,
    tlRectangle = 1,
    tlCircle = 2,
    tlPolygon = 3,
    tlEdit = 4
};

// Drag states: 2 and 3 are the hit-test results hrHandle and hrBody, stored unchanged.
enum TDragState : std::uint8_t { dsIdle = 0, dsCreating = 1, dsHandle = 2, dsMoving = 3 };

struct TEditorState {
    bool Modified = false;
    // Window pixels per image pixel; only 0.25, 0.5, 1, 2, 3 and 4 occur.
    float ZoomFactor = 1.0f;
    // Image pixel shown at the view's top-left corner.
    QPoint ViewOrigin{0, 0};
    // Window pixels available to the view inside its frame.
    QSize ViewportSize{0, 0};
    // Image pixels the view shows in each direction.
    QSize VisibleImageSize{0, 0};
    // Image position of the previous mouse event while a handle or an area is dragged.
    QPoint LastMousePos{0, 0};
    std::uint8_t ActiveTool = tlNone;
    std::uint8_t DragState = dsIdle;
    // Set while the program itself fills controls; their change handlers then do nothing.
    bool UpdatingControls = false;
    bool CoordsBufferFilled = false;
    QStringList CoordsBuffer;
};

// Sets UpdatingControls for its lifetime and then puts back the value it had before, so a
// nested routine leaves it set for its caller.
class TUpdatingControlsGuard {
public:
    explicit TUpdatingControlsGuard(TEditorState& state)
        : FState(state), FOldValue(state.UpdatingControls) {
        FState.UpdatingControls = true;
    }
    ~TUpdatingControlsGuard() { FState.UpdatingControls = FOldValue; }
    TUpdatingControlsGuard(const TUpdatingControlsGuard&) = delete;
    TUpdatingControlsGuard& operator=(const TUpdatingControlsGuard&) = delete;

private:
    TEditorState& FState;
    bool FOldValue;
};

} // namespace kvx
