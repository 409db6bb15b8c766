#pragma once
// The undo steps of the edit layer. Each holds what its action changed (one area, its place
// in the list, or the map's fields), not a copy of the map. Steps are pushed after their
// change was made, so the first redo, which QUndoStack runs on push, does nothing.

#include "editor/MapEdits.h"
#include "model/ImageMap.h"
#include "model/PolygonLinkArea.h"

#include <QUndoCommand>

namespace kvx {

class TMapStep : public QUndoCommand {
public:
    void undo() final;
    void redo() final;

protected:
    TMapStep(TMapEdits& edits, const QString& text, std::int32_t selectedBefore,
             std::int32_t selectedAfter);
    // Makes the change (forward) or takes it back; returns what to announce.
    virtual TMapChange Apply(bool forward) = 0;
    TImageMap& Map() { return FEdits.Map(); }
    TMapEdits& Edits() { return FEdits; }

private:
    TMapEdits& FEdits;
    std::int32_t FSelectedBefore;
    std::int32_t FSelectedAfter;
    bool FPushed = false;
};

// An area that came into the list (added) or left it.
class TAreaPresenceStep : public TMapStep {
public:
    // added: the area with id is in the map now; otherwise removed holds it, taken out.
    TAreaPresenceStep(TMapEdits& edits, const QString& text, std::int32_t id, std::size_t index,
                      bool added, TLinkAreaEntry removed, std::int32_t selectedBefore,
                      std::int32_t selectedAfter);

protected:
    TMapChange Apply(bool forward) override;

private:
    std::int32_t FId;
    std::size_t FIndex;
    bool FAdded;
    // The area while it is out of the map.
    TLinkAreaEntry FHeld;
};

// An area's properties and coordinates before and after.
class TAreaStateStep : public TMapStep {
public:
    TAreaStateStep(TMapEdits& edits, const QString& text, std::int32_t id,
                   TLinkAreaProperties before, TLinkAreaProperties after,
                   std::int32_t selectedBefore);

protected:
    TMapChange Apply(bool forward) override;

    std::int32_t FId;
    TLinkAreaProperties FBefore;
    TLinkAreaProperties FAfter;
};

// A move by the arrow keys: presses in a row on the same area merge into one step, which
// goes away when they brought the area back where it was.
class TNudgeStep : public TAreaStateStep {
public:
    TNudgeStep(TMapEdits& edits, std::int32_t id, TLinkAreaProperties before,
               TLinkAreaProperties after);
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;
};

// An area moved within the list.
class TAreaOrderStep : public TMapStep {
public:
    TAreaOrderStep(TMapEdits& edits, const QString& text, std::int32_t id, std::size_t from,
                   std::size_t to);

protected:
    TMapChange Apply(bool forward) override;

private:
    std::int32_t FId;
    std::size_t FFrom;
    std::size_t FTo;
};

// A vertex put into a polygon (inserted) or taken out of it.
class TVertexStep : public TMapStep {
public:
    TVertexStep(TMapEdits& edits, const QString& text, std::int32_t id, std::size_t index,
                TPolygonPoint point, bool inserted, std::int32_t selectedBefore);

protected:
    TMapChange Apply(bool forward) override;

private:
    std::int32_t FId;
    std::size_t FIndex;
    TPolygonPoint FPoint;
    bool FInserted;
};

// The map properties before and after.
class TMapFieldsStep : public TMapStep {
public:
    TMapFieldsStep(TMapEdits& edits, const QString& text, TMapFields before, TMapFields after,
                   std::int32_t selected);

protected:
    TMapChange Apply(bool forward) override;

private:
    TMapFields FBefore;
    TMapFields FAfter;
};

} // namespace kvx
