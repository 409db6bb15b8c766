#include "editor/MapEdits.h"

#include "editor/EditSteps.h"
#include "images/ImageLoading.h"
#include "model/AreaFromCoordinates.h"
#include "model/PolygonLinkArea.h"
#include "model/TextConversion.h"
#include "platform/widgets/DialogService.h"

#include <QWidget>
#include <algorithm>

namespace kvx {

namespace {

QString DrawingName(std::uint8_t kind) {
    switch (kind) {
    case akRectangle:
        return QStringLiteral("Rechteck zeichnen");
    case akCircle:
        return QStringLiteral("Kreis zeichnen");
    default:
        return QStringLiteral("Polygon zeichnen");
    }
}

QString GripName(THitResult grip, std::uint8_t kind) {
    if (grip == hrBody) {
        return QStringLiteral("Verweisfläche verschieben");
    }
    return kind == akPolygon ? QStringLiteral("Eckpunkt verschieben")
                             : QStringLiteral("Größe der Verweisfläche ändern");
}

// Everything but the coordinates is the same: the step changed coordinates only.
bool OnlyCoordinatesDiffer(TLinkAreaProperties a, const TLinkAreaProperties& b) {
    a.Coords = b.Coords;
    return a == b;
}

// How far a copy of an area whose coordinate values are coords goes, right or down (axis 0
// or 1): 10 pixels, or less so that it stays inside extent, never backwards.
int CopyOffset(std::uint8_t kind, const std::vector<std::int32_t>& coords, int axis, int extent) {
    const auto first = static_cast<std::size_t>(axis);
    std::int64_t farthest = coords[first];
    if (kind == akCircle) {
        farthest += coords[2];
    } else {
        for (std::size_t i = first; i < coords.size(); i += 2) {
            farthest = std::max<std::int64_t>(farthest, coords[i]);
        }
    }
    return static_cast<int>(std::clamp<std::int64_t>(extent - 1 - farthest, 0, 10));
}

// props with its position moved by dx, dy (a circle's radius stays).
TLinkAreaProperties Shifted(TLinkAreaProperties props, int dx, int dy) {
    const std::size_t values = props.Kind == akCircle ? 2 : props.Coords.size() / 2;
    for (std::size_t i = 0; i < values; ++i) {
        std::string& value = props.Coords[2 * i + 1];
        const std::int64_t moved = std::int64_t{StrToInt(value)} + (i % 2 == 0 ? dx : dy);
        value = IntToStr(
            static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, INT32_MIN, INT32_MAX)));
    }
    return props;
}

} // namespace

TMapEdits::TMapEdits(TMapDocument& document, QWidget* parent, TLoadWaiter& loading)
    : QObject(parent), FDocument(document), FLoading(loading), FWindow(parent) {
    qRegisterMetaType<TMapChange>();
}

void TMapEdits::StartMap() {
    FGesture = TGesture::None;
    FStack.clear();
    FStack.setClean();
    emit GestureChanged();
    emit Changed({TMapChangeKind::MapReplaced, 0});
}

bool TMapEdits::Modified() const {
    return HasMap() && (!FStack.isClean() || GestureUnderWay());
}

TLinkAreaProperties TMapEdits::SelectedProperties() const {
    TLinkAreaProperties props;
    FDocument.CurrentMap->GetSelectedProperties(props);
    return props;
}

void TMapEdits::Select(std::int32_t id) {
    if (!HasMap()) {
        return;
    }
    Map().ClearSelection();
    Map().SelectById(id);
    emit Changed({TMapChangeKind::Selection, Map().SelectedId()});
}

void TMapEdits::BeginDrawing(std::uint8_t kind, QPoint p, std::string& status) {
    FSelectionBefore = Map().SelectedId();
    Map().AddArea(kind, p.x(), p.y(), status);
    FGesture = TGesture::Drawing;
    FKind = kind;
    emit GestureChanged();
    emit Changed({TMapChangeKind::AreaAdded, Map().SelectedId(), true});
}

void TMapEdits::DragDrawing(QPoint p, std::string& status) {
    Map().ModifySelected(0, 0, p.x(), p.y(), mmDragNew, status);
    emit Changed({TMapChangeKind::AreaChanged, Map().SelectedId(), true});
}

void TMapEdits::FixPolygonVertex(QPoint p, std::string& status) {
    Map().ModifySelected(0, 0, p.x(), p.y(), mmAddPoint, status);
    emit Changed({TMapChangeKind::AreaChanged, Map().SelectedId(), true});
}

bool TMapEdits::RemovePolygonVertex(QPoint p) {
    const auto* polygon = dynamic_cast<const TPolygonLinkArea*>(Map().SelectedArea());
    if (!DrawingPolygon() || polygon == nullptr) {
        return false;
    }
    // The points are the fixed vertices and the rubber-band vertex behind them.
    const std::vector<TPolygonPoint>& points = polygon->Points();
    if (points.size() <= 2) {
        DropDrawing();
        return false;
    }
    std::vector<std::int32_t> kept;
    for (std::size_t i = 0; i + 2 < points.size(); ++i) {
        kept.push_back(points[i].X);
        kept.push_back(points[i].Y);
    }
    // Built aside as the clicks built it, then put in the place of the old one with its id.
    TImageMap aside;
    AddAreaFromCoordinates(aside, akPolygon, kept, false);
    std::string status;
    aside.ModifySelected(0, 0, p.x(), p.y(), mmDragNew, status);
    TLinkAreaEntry rebuilt = aside.TakeArea(0);
    const std::int32_t id = Map().SelectedId();
    const auto index = static_cast<std::size_t>(Map().IndexOf(id));
    rebuilt.Id = id;
    Map().TakeArea(index);
    Map().InsertArea(index, std::move(rebuilt));
    emit Changed({TMapChangeKind::AreaChanged, id, true});
    return true;
}

void TMapEdits::DropDrawing() {
    if (FGesture != TGesture::Drawing) {
        return;
    }
    const std::int32_t id = Map().SelectedId();
    Map().TakeArea(static_cast<std::size_t>(Map().IndexOf(id)));
    Map().SelectById(FSelectionBefore);
    EndGesture();
    emit Changed({TMapChangeKind::AreaRemoved, id});
}

THitResult TMapEdits::Grab(const TPointer& pointer, std::string& status) {
    FSelectionBefore = Map().SelectedId();
    const THitResult grip = Map().HitTest(pointer, status);
    if (grip == hrNone) {
        Map().ClearSelection();
        emit Changed({TMapChangeKind::Selection, 0});
        return grip;
    }
    FGesture = TGesture::Grabbed;
    FGrip = grip;
    FDragged = false;
    FBefore = SelectedProperties();
    FKind = FBefore.Kind;
    emit GestureChanged();
    emit Changed({TMapChangeKind::Selection, Map().SelectedId(), true});
    return grip;
}

void TMapEdits::DragGrabbed(THitResult grip, QPoint from, QPoint to, std::string& status) {
    FDragged = true;
    if (grip == hrHandle) {
        Map().ModifySelected(from.x(), from.y(), to.x(), to.y(), mmDragHandle, status);
    } else {
        Map().MoveSelected(from.x(), from.y(), to.x(), to.y(), status);
    }
    emit Changed({TMapChangeKind::AreaChanged, Map().SelectedId(), true});
}

void TMapEdits::FinishGesture(bool quiet) {
    if (!GestureUnderWay() || !HasMap()) {
        return;
    }
    std::string status;
    Map().ModifySelected(0, 0, 0, 0, mmFinish, status);
    const std::int32_t id = Map().SelectedId();
    const TGesture gesture = FGesture;
    // An area grabbed and let go without a drag is drawn as the press showed it: finishing
    // it changes nothing (a drag would have hidden its handles until now).
    const bool pictureShown = gesture == TGesture::Grabbed && !FDragged;
    EndGesture();
    if (gesture == TGesture::Drawing) {
        FStack.push(new TAreaPresenceStep(*this, DrawingName(FKind), id,
                                          static_cast<std::size_t>(Map().IndexOf(id)), true, {},
                                          FSelectionBefore, id));
    } else if (const TLinkAreaProperties after = SelectedProperties(); !(after == FBefore)) {
        FStack.push(new TAreaStateStep(*this, GripName(FGrip, FKind), id, FBefore, after,
                                       FSelectionBefore));
    }
    emit Changed({TMapChangeKind::AreaChanged, id, quiet, pictureShown});
}

void TMapEdits::EndGesture() {
    FGesture = TGesture::None;
    emit GestureChanged();
}

void TMapEdits::StoreArea(const TLinkAreaProperties& props, const QString& action) {
    if (!HasMap() || !Map().HasSelection()) {
        return;
    }
    const TLinkAreaProperties before = SelectedProperties();
    Map().SetSelectedProperties(props);
    const TLinkAreaProperties after = SelectedProperties();
    if (after == before) {
        // Every press on the view and every command stores the panel first; when it held
        // nothing new, the tree, the view and the checks have nothing to follow.
        return;
    }
    const std::int32_t id = Map().SelectedId();
    const QString name = !action.isEmpty() ? action
                         : OnlyCoordinatesDiffer(before, after)
                             ? QStringLiteral("Koordinaten ändern")
                             : QStringLiteral("Eigenschaften ändern");
    FStack.push(new TAreaStateStep(*this, name, id, before, after, id));
    emit Changed({TMapChangeKind::AreaStored, id});
}

bool TMapEdits::DeleteSelected() {
    if (!HasMap() || !Map().HasSelection()) {
        return false;
    }
    const std::int32_t id = Map().SelectedId();
    const auto index = static_cast<std::size_t>(Map().IndexOf(id));
    FStack.push(new TAreaPresenceStep(*this, QStringLiteral("Verweisfläche löschen"), id, index,
                                      false, Map().TakeArea(index), id, 0));
    emit Changed({TMapChangeKind::AreaRemoved, id});
    return true;
}

bool TMapEdits::DuplicateSelected() {
    if (!HasMap() || !Map().HasSelection()) {
        return false;
    }
    const TLinkAreaProperties original = SelectedProperties();
    std::vector<std::int32_t> coords;
    for (std::size_t i = 1; i < original.Coords.size(); i += 2) {
        coords.push_back(StrToInt(original.Coords[i]));
    }
    if (coords.size() < (original.Kind == akCircle ? 3u : 2u)) {
        return false;
    }
    const int dx = CopyOffset(original.Kind, coords, 0, FDocument.SourceBitmap.width());
    const int dy = CopyOffset(original.Kind, coords, 1, FDocument.SourceBitmap.height());
    const TLinkAreaProperties copy = Shifted(original, dx, dy);
    if (!AddAreaFromCoordinates(Map(), original.Kind, coords)) {
        return false;
    }
    Map().SetSelectedProperties(copy);
    const std::int32_t id = Map().SelectedId();
    FStack.push(new TAreaPresenceStep(*this, QStringLiteral("Verweisfläche duplizieren"), id,
                                      static_cast<std::size_t>(Map().IndexOf(id)), true, {},
                                      original.Id, id));
    emit Changed({TMapChangeKind::AreaAdded, id});
    return true;
}

bool TMapEdits::NudgeSelected(int dx, int dy) {
    if (!HasMap() || !Map().HasSelection() || GestureUnderWay()) {
        return false;
    }
    const TLinkAreaProperties before = SelectedProperties();
    Map().SetSelectedProperties(Shifted(before, dx, dy));
    const TLinkAreaProperties after = SelectedProperties();
    if (after == before) {
        return false;
    }
    const std::int32_t id = Map().SelectedId();
    FStack.push(new TNudgeStep(*this, id, before, after));
    emit Changed({TMapChangeKind::AreaChanged, id});
    return true;
}

bool TMapEdits::BringSelectedToFront() {
    if (!HasMap() || !Map().HasSelection()) {
        return false;
    }
    const std::int32_t id = Map().SelectedId();
    const auto from = static_cast<std::size_t>(Map().IndexOf(id));
    if (!Map().BringSelectedToFront()) {
        return false;
    }
    FStack.push(
        new TAreaOrderStep(*this, QStringLiteral("Verweisfläche in den Vordergrund"), id, from, 0));
    emit Changed({TMapChangeKind::AreaOrder, id});
    return true;
}

TMapFields TMapEdits::Fields() const {
    const TImageMap& map = *FDocument.CurrentMap;
    return {map.Name, map.ImageFile, map.AltText, map.Border};
}

void TMapEdits::SetFields(const TMapFields& fields) {
    TImageMap& map = Map();
    map.Name = fields.Name;
    map.ImageFile = fields.ImageFile;
    map.AltText = fields.AltText;
    map.Border = fields.Border;
}

bool TMapEdits::LoadMapImage(const std::string& imageFile) {
    if (LoadImage(imageFile, FDocument, FLoading)) {
        return true;
    }
    Dialogs().Message(FWindow, TMsgKind::Error, QString::fromUtf8(ChangedImageNotLoaded),
                      TMsgButtons::Ok);
    return false;
}

bool TMapEdits::ChangeMapProperties(TMapFields fields) {
    if (!HasMap()) {
        return false;
    }
    const TMapFields before = Fields();
    // Exact comparison: a change of letter case names another file on this platform.
    const bool imageChanged = fields.ImageFile != before.ImageFile;
    if (imageChanged && !LoadMapImage(fields.ImageFile)) {
        fields.ImageFile = before.ImageFile;
    }
    SetFields(fields);
    if (imageChanged) {
        // Also after a failed load, as the view may have been sized for the other image.
        emit Changed({TMapChangeKind::Image, 0});
    }
    if (fields == before) {
        return false;
    }
    FStack.push(new TMapFieldsStep(*this, QStringLiteral("Eigenschaften der Image Map ändern"),
                                   before, fields, Map().SelectedId()));
    emit Changed({TMapChangeKind::MapProperties, 0});
    return true;
}

} // namespace kvx
