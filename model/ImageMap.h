#pragma once
// One image map: the attributes of its map and img elements and its areas in z-order.

#include "model/LinkArea.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct TLinkAreaEntry {
    std::int32_t Id = 0;
    std::unique_ptr<TLinkArea> Area;
};

// The name under which the preview copies the image beside its page, and by which the
// preview variant of the definition refers to it: "kvx2temp" with the lower-cased extension.
std::string PreviewImageName(const std::string& imageFile);

class TImageMap {
public:
    TImageMap() = default;
    TImageMap(const TImageMap&) = delete;
    TImageMap& operator=(const TImageMap&) = delete;

    std::string Name;
    std::string ImageFile;
    std::string ProjectFile;
    std::string Border = "0";
    std::string AltText;

    // kind is 1 rectangle, 2 circle or 3 polygon; the new area is appended and selected.
    // Any other kind raises std::invalid_argument and changes nothing.
    void AddArea(std::uint8_t kind, int x, int y, std::string& status);
    bool DeleteSelected();
    bool BringSelectedToFront();
    void Draw(TCanvas& canvas) const;
    bool HasSelection() const;
    void ClearSelection();
    void SelectById(std::int32_t id);
    THitResult HitTest(const TPointer& pointer, std::string& status);
    TCursor CursorAt(const TPointer& pointer) const;
    // The same for a pointer on image pixel (x, y) of a view at 100 %.
    THitResult HitTest(int x, int y, std::string& status) {
        return HitTest(TPointer::AtPixel(x, y), status);
    }
    TCursor CursorAt(int x, int y) const { return CursorAt(TPointer::AtPixel(x, y)); }
    bool ModifySelected(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                        std::string& status);
    bool MoveSelected(int oldX, int oldY, int newX, int newY, std::string& status);
    void GetSelectedProperties(TLinkAreaProperties& props) const;
    void SetSelectedProperties(const TLinkAreaProperties& props);
    // The map definition: project variant with editorAttributes, preview variant with preview.
    // The img's src names the image with its own letter case: the project variant by its full
    // path, the publishing variant by imageReference (how the page that will hold it reaches
    // the image) or else by its file name. Quotes, "&", "<" and ">" in it become entities.
    void GetHtml(int width, int height, bool editorAttributes, bool preview, std::string& html,
                 std::string_view imageReference = {}) const;

    // Read access for tools and tests: the areas in list order and the last id handed out.
    const std::vector<TLinkAreaEntry>& Entries() const { return FEntries; }
    std::int32_t LastId() const { return FLastId; }
    // Index in Entries() of the area with id; -1 when there is none.
    std::ptrdiff_t IndexOf(std::int32_t id) const;
    // The entry at index, taken out of the list with its id (the editor's undo keeps it);
    // nothing is selected afterwards. index must be valid.
    TLinkAreaEntry TakeArea(std::size_t index);
    // Puts an entry taken out before back at index (at most the list's size) with its own
    // id and selects it.
    void InsertArea(std::size_t index, TLinkAreaEntry entry);
    // Id of the selected area, 0 when nothing is selected.
    std::int32_t SelectedId() const;
    // The selected area, nullptr when nothing is selected.
    const TLinkArea* SelectedArea() const;

private:
    std::vector<TLinkAreaEntry> FEntries;
    // Index into FEntries of the selected entry, or -1.
    std::ptrdiff_t FSelected = -1;
    std::int32_t FLastId = 0;
};

} // namespace kvx
