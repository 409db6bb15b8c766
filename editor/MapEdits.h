#pragma once
// The edit layer: every change of the open map goes through here. Each routine makes the
// model call, records an undo step for a change that a user action completes, and announces
// the change (Changed); the tree, the panel, the view and the modified state update
// themselves from the announcement. Anyone may listen, also outside the main window.

#include "editor/MapChange.h"
#include "editor/MapDocument.h"
#include "model/LinkArea.h"
#include "platform/LoadWaiter.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string>

namespace kvx {

class TPolygonLinkArea;

// What the map properties dialog changes.
struct TMapFields {
    std::string Name;
    std::string ImageFile;
    std::string AltText;
    std::string Border;
    friend bool operator==(const TMapFields&, const TMapFields&) = default;
};

inline constexpr const char* ChangedImageNotLoaded =
    "Unbekanntes Bildformat! Neue Bilddatei wurde nicht geladen! Es können nur GIF-, JPEG- und "
    "PNG-Grafiken geladen werden!";

class TMapEdits : public QObject {
    Q_OBJECT
public:
    // parent is the window that messages belong to; a changed image decodes through loading.
    TMapEdits(TMapDocument& document, QWidget* parent, TLoadWaiter& loading = ImmediateLoading());

    QUndoStack& Stack() { return FStack; }
    bool HasMap() const { return FDocument.CurrentMap != nullptr; }
    TImageMap& Map() { return *FDocument.CurrentMap; }
    TMapDocument& Document() { return FDocument; }

    // Another map (or none) is open: the history is empty and clean.
    void StartMap();
    // Unsaved changes: the stack is away from its saved step, or a gesture is under way.
    bool Modified() const;
    // The map was saved: the current step is the clean one.
    void MarkSaved() { FStack.setClean(); }
    // Unsaved changes without a step to undo (none is in the history).
    void MarkUnsaved() { FStack.resetClean(); }

    // --- Selection (no step) ---
    // Selects the area with id, or none with 0.
    void Select(std::int32_t id);

    // --- Mouse gestures: one step each, recorded when the gesture ends ---
    bool GestureUnderWay() const { return FGesture != TGesture::None; }
    // A polygon is being drawn, vertex by vertex.
    bool DrawingPolygon() const { return FGesture == TGesture::Drawing && FKind == akPolygon; }
    // A new area of kind at p; the status text of its creation.
    void BeginDrawing(std::uint8_t kind, QPoint p, std::string& status);
    // The rubber band (rectangle corner, circle radius, polygon vertex) follows p.
    void DragDrawing(QPoint p, std::string& status);
    // The polygon's rubber-band vertex is fixed at p.
    void FixPolygonVertex(QPoint p, std::string& status);
    // Removes the polygon's last fixed vertex, the rubber band at p; with only the first vertex
    // left the polygon is dropped (false). Neither leaves a step.
    bool RemovePolygonVertex(QPoint p);
    // The area being drawn is dropped; no step.
    void DropDrawing();
    // The edit tool's press: the hit area is selected and grabbed (handle or body); hrNone
    // clears the selection.
    THitResult Grab(const TPointer& pointer, std::string& status);
    // The grabbed area follows the mouse from one point to the next.
    void DragGrabbed(THitResult grip, QPoint from, QPoint to, std::string& status);
    // Ends the gesture as a release does and records its step when it changed the map. A
    // quiet end announces only to the picture and the tree (the caller shows what follows).
    void FinishGesture(bool quiet = false);

    // --- Actions on the selected area: a step each when they change something ---
    // Writes props (texts, colour, contrast, coordinates) into the selected area. Without an
    // action name the step is named by what changed; when nothing changed there is neither a
    // step nor an announcement.
    void StoreArea(const TLinkAreaProperties& props, const QString& action = {});
    bool DeleteSelected();
    // The copy lands 10 pixels right and down, less where that would leave the image, and
    // is selected.
    bool DuplicateSelected();
    // Moves the selected area by dx, dy; presses in a row on one area make one step.
    bool NudgeSelected(int dx, int dy);
    bool BringSelectedToFront();
    // --- Polygon vertices: a step each. The selected polygon is looked at first, then the
    // others in list order; the polygon changed is selected. ---
    // A vertex into the edge at p (not where a vertex already is).
    bool InsertVertex(const TPointer& pointer);
    // The vertex at p goes, unless only three are left.
    bool DeleteVertex(const TPointer& pointer);
    bool CanInsertVertex(const TPointer& pointer) const;
    bool CanDeleteVertex(const TPointer& pointer) const;
    // The polygon with id goes through change (out of the list and back in its place).
    bool ChangePolygon(std::int32_t id, const std::function<bool(TPolygonLinkArea&)>& change);

    // The map properties; a changed image is loaded first and kept as it was when it does
    // not load (with the message). True when something changed.
    bool ChangeMapProperties(TMapFields fields);

    // --- For the steps ---
    void Announce(TMapChange change) { emit Changed(change); }
    // Loads imageFile into the document; the message and false when it does not load.
    bool LoadMapImage(const std::string& imageFile);
    TMapFields Fields() const;
    void SetFields(const TMapFields& fields);

signals:
    void Changed(const kvx::TMapChange& change);
    // A gesture began or ended: what undo and redo may do has changed.
    void GestureChanged();

private:
    enum class TGesture : std::uint8_t { None, Drawing, Grabbed };

    TLinkAreaProperties SelectedProperties() const;
    void EndGesture();

    TMapDocument& FDocument;
    TLoadWaiter& FLoading;
    QWidget* FWindow;
    QUndoStack FStack;
    TGesture FGesture = TGesture::None;
    std::uint8_t FKind = akNone;
    THitResult FGrip = hrNone;
    // The grabbed area has followed the mouse at least once since the press.
    bool FDragged = false;
    std::int32_t FSelectionBefore = 0;
    TLinkAreaProperties FBefore;
};

} // namespace kvx
