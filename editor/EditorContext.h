#pragma once
// What the controllers of the main window are handed instead of the window: the open map
// with its bitmaps, the editor state and the edit layer; each controller also gets the
// widgets it drives.

#include "editor/EditorState.h"
#include "editor/MapDocument.h"

#include <QString>
#include <array>

class QLabel;

namespace kvx {

class TMapEdits;

struct TEditorContext {
    TMapDocument& Document;
    TEditorState& State;
    TMapEdits& Edits;

    bool HasMap() const { return Document.CurrentMap != nullptr; }
    TImageMap& Map() const { return *Document.CurrentMap; }
};

// The status bar's panels 0 to 3.
using TStatusPanels = std::array<QLabel*, 4>;
void SetStatusText(const TStatusPanels& panels, int panel, const QString& text);
QString StatusText(const TStatusPanels& panels, int panel);

} // namespace kvx
