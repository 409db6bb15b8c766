#pragma once
// What the map reader and the project loaders need of the window. The main window implements
// it; kvxtool and the tests implement it without any window.

#include "html/MapDocument.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

enum class TMessageKind { Warning, Error, Information, Confirmation };

class TMapReaderHost {
public:
    virtual ~TMapReaderHost() = default;

    // The editor's map and bitmaps; the readers replace CurrentMap and load into the bitmaps.
    virtual TMapDocument& Document() = 0;
    virtual void SetUpEditorForMap() = 0;
    // Adds the tree node of the map's selected area.
    virtual void AddAreaTreeNode() = 0;
    virtual void ExpandOverview() = 0;
    virtual void AdjustView() = 0;
    // Back to the no-map state; releases the document's map and bitmaps.
    virtual void ResetEditor() = 0;
    // A message box with only the OK button; helpContext 0 means none.
    virtual void ShowMessage(TMessageKind kind, const std::string& text, int helpContext) = 0;
    // Lets the user choose one of several maps; std::nullopt when not closed with OK.
    virtual std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) = 0;
    // The open dialog for a missing image; std::nullopt when cancelled.
    virtual std::optional<std::string> ChooseImageFile(const std::string& presetFileName,
                                                       const std::string& initialFolder,
                                                       const std::string& filter) = 0;
};

} // namespace kvx
