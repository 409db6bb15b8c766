#include "editor/EditSteps.h"

namespace kvx {

namespace {

void SelectId(TImageMap& map, std::int32_t id) {
    map.ClearSelection();
    map.SelectById(id);
}

} // namespace

TMapStep::TMapStep(TMapEdits& edits, const QString& text, std::int32_t selectedBefore,
                   std::int32_t selectedAfter)
    : QUndoCommand(text), FEdits(edits), FSelectedBefore(selectedBefore),
      FSelectedAfter(selectedAfter) {}

void TMapStep::undo() {
    const TMapChange change = Apply(false);
    SelectId(FEdits.Map(), FSelectedBefore);
    FEdits.Announce(change);
}

void TMapStep::redo() {
    if (!FPushed) {
        FPushed = true; // the change was made before the step was pushed
        return;
    }
    const TMapChange change = Apply(true);
    SelectId(FEdits.Map(), FSelectedAfter);
    FEdits.Announce(change);
}

TAreaPresenceStep::TAreaPresenceStep(TMapEdits& edits, const QString& text, std::int32_t id,
                                     std::size_t index, bool added, TLinkAreaEntry removed,
                                     std::int32_t selectedBefore, std::int32_t selectedAfter)
    : TMapStep(edits, text, selectedBefore, selectedAfter), FId(id), FIndex(index), FAdded(added),
      FHeld(std::move(removed)) {}

TMapChange TAreaPresenceStep::Apply(bool forward) {
    if (forward == FAdded) {
        Map().InsertArea(FIndex, std::move(FHeld));
        FHeld = {};
        return {TMapChangeKind::AreaAdded, FId};
    }
    FHeld = Map().TakeArea(static_cast<std::size_t>(Map().IndexOf(FId)));
    return {TMapChangeKind::AreaRemoved, FId};
}

TAreaStateStep::TAreaStateStep(TMapEdits& edits, const QString& text, std::int32_t id,
                               TLinkAreaProperties before, TLinkAreaProperties after,
                               std::int32_t selectedBefore)
    : TMapStep(edits, text, selectedBefore, id), FId(id), FBefore(std::move(before)),
      FAfter(std::move(after)) {}

TMapChange TAreaStateStep::Apply(bool forward) {
    Map().SelectById(FId);
    Map().SetSelectedProperties(forward ? FAfter : FBefore);
    return {TMapChangeKind::AreaChanged, FId};
}

TNudgeStep::TNudgeStep(TMapEdits& edits, std::int32_t id, TLinkAreaProperties before,
                       TLinkAreaProperties after)
    : TAreaStateStep(edits, QStringLiteral("Verweisfläche verschieben"), id, std::move(before),
                     std::move(after), id) {}

bool TNudgeStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const TNudgeStep*>(other);
    if (next == nullptr || next->FId != FId) {
        return false;
    }
    FAfter = next->FAfter;
    setObsolete(FAfter == FBefore);
    return true;
}

TVertexStep::TVertexStep(TMapEdits& edits, const QString& text, std::int32_t id, std::size_t index,
                         TPolygonPoint point, bool inserted, std::int32_t selectedBefore)
    : TMapStep(edits, text, selectedBefore, id), FId(id), FIndex(index), FPoint(point),
      FInserted(inserted) {}

TMapChange TVertexStep::Apply(bool forward) {
    Edits().ChangePolygon(FId, [this, forward](TPolygonLinkArea& polygon) {
        if (forward == FInserted) {
            polygon.InsertPoint(FIndex, FPoint);
            return true;
        }
        return polygon.DeletePoint(FIndex);
    });
    return {TMapChangeKind::AreaChanged, FId};
}

TAreaOrderStep::TAreaOrderStep(TMapEdits& edits, const QString& text, std::int32_t id,
                               std::size_t from, std::size_t to)
    : TMapStep(edits, text, id, id), FId(id), FFrom(from), FTo(to) {}

TMapChange TAreaOrderStep::Apply(bool forward) {
    TLinkAreaEntry entry = Map().TakeArea(forward ? FFrom : FTo);
    Map().InsertArea(forward ? FTo : FFrom, std::move(entry));
    return {TMapChangeKind::AreaOrder, FId};
}

TMapFieldsStep::TMapFieldsStep(TMapEdits& edits, const QString& text, TMapFields before,
                               TMapFields after, std::int32_t selected)
    : TMapStep(edits, text, selected, selected), FBefore(std::move(before)),
      FAfter(std::move(after)) {}

TMapChange TMapFieldsStep::Apply(bool forward) {
    TMapFields target = forward ? FAfter : FBefore;
    const std::string shownImage = Map().ImageFile;
    // An image that no longer loads stays away; the rest of the step still goes through.
    if (target.ImageFile != shownImage && !Edits().LoadMapImage(target.ImageFile)) {
        target.ImageFile = shownImage;
    }
    Edits().SetFields(target);
    if (target.ImageFile != shownImage) {
        Edits().Announce({TMapChangeKind::Image, 0});
    }
    return {TMapChangeKind::MapProperties, 0};
}

} // namespace kvx
