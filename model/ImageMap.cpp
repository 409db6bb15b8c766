#include "model/ImageMap.h"

#include "model/CircleLinkArea.h"
#include "model/PathParts.h"
#include "model/PolygonLinkArea.h"
#include "model/RectangleLinkArea.h"
#include "model/TextConversion.h"

#include <algorithm>
#include <stdexcept>

namespace kvx {

std::string PreviewImageName(const std::string& imageFile) {
    return "kvx2temp" + LowerAscii(ExtensionOf(imageFile));
}

namespace {

std::unique_ptr<TLinkArea> CreateArea(std::uint8_t kind, int x, int y, std::string& status) {
    switch (kind) {
    case akRectangle:
        return std::make_unique<TRectangleLinkArea>(x, y, status);
    case akCircle:
        return std::make_unique<TCircleLinkArea>(x, y, status);
    case akPolygon:
        return std::make_unique<TPolygonLinkArea>(x, y, status);
    default:
        throw std::invalid_argument("unknown link area kind " + IntToStr(kind));
    }
}

} // namespace

void TImageMap::AddArea(std::uint8_t kind, int x, int y, std::string& status) {
    // Made first, so that an unknown kind neither uses up an id nor leaves an entry behind.
    std::unique_ptr<TLinkArea> area = CreateArea(kind, x, y, status);
    ++FLastId;
    FEntries.push_back({FLastId, std::move(area)});
    FSelected = static_cast<std::ptrdiff_t>(FEntries.size()) - 1;
}

bool TImageMap::DeleteSelected() {
    if (!HasSelection()) {
        return false;
    }
    FEntries.erase(FEntries.begin() + FSelected);
    FSelected = -1;
    return true;
}

bool TImageMap::BringSelectedToFront() {
    if (FSelected <= 0) {
        return false;
    }
    std::rotate(FEntries.begin(), FEntries.begin() + FSelected, FEntries.begin() + FSelected + 1);
    FSelected = 0;
    return true;
}

void TImageMap::Draw(TCanvas& canvas) const {
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        FEntries[i].Area->Draw(canvas, static_cast<std::ptrdiff_t>(i) == FSelected);
    }
}

bool TImageMap::HasSelection() const {
    return FSelected >= 0;
}

void TImageMap::ClearSelection() {
    FSelected = -1;
}

void TImageMap::SelectById(std::int32_t id) {
    const auto found = std::find_if(FEntries.begin(), FEntries.end(),
                                    [id](const TLinkAreaEntry& entry) { return entry.Id == id; });
    if (found != FEntries.end()) {
        FSelected = found - FEntries.begin();
    }
}

THitResult TImageMap::HitTest(const TPointer& pointer, std::string& status) {
    // The selected area keeps priority over every other area, whatever the list order.
    if (HasSelection()) {
        const THitResult result =
            FEntries[static_cast<std::size_t>(FSelected)].Area->HitTest(pointer, status);
        if (result != hrNone) {
            return result;
        }
        FSelected = -1;
    }
    for (std::size_t i = 0; i < FEntries.size(); ++i) {
        const THitResult result = FEntries[i].Area->HitTest(pointer, status);
        if (result != hrNone) {
            FSelected = static_cast<std::ptrdiff_t>(i);
            return result;
        }
    }
    return hrNone;
}

TCursor TImageMap::CursorAt(const TPointer& pointer) const {
    const TLinkArea* selected = SelectedArea();
    return selected == nullptr ? crCross : selected->CursorAt(pointer);
}

bool TImageMap::ModifySelected(int oldX, int oldY, int newX, int newY, TModifyMode mode,
                               std::string& status) {
    if (!HasSelection()) {
        return false;
    }
    FEntries[static_cast<std::size_t>(FSelected)].Area->Modify(oldX, oldY, newX, newY, mode,
                                                               status);
    return true;
}

bool TImageMap::MoveSelected(int oldX, int oldY, int newX, int newY, std::string& status) {
    if (!HasSelection()) {
        return false;
    }
    FEntries[static_cast<std::size_t>(FSelected)].Area->Move(oldX, oldY, newX, newY, status);
    return true;
}

void TImageMap::GetSelectedProperties(TLinkAreaProperties& props) const {
    props.Kind = akNone;
    props.Id = 0;
    if (HasSelection()) {
        const TLinkAreaEntry& entry = FEntries[static_cast<std::size_t>(FSelected)];
        entry.Area->GetProperties(props);
        props.Id = entry.Id;
    }
}

void TImageMap::SetSelectedProperties(const TLinkAreaProperties& props) {
    if (HasSelection()) {
        FEntries[static_cast<std::size_t>(FSelected)].Area->SetProperties(props);
    }
}

void TImageMap::GetHtml(int width, int height, bool editorAttributes, bool preview,
                        std::string& html, std::string_view imageReference) const {
    const std::string name = HtmlEscape(Name);
    std::string result = "<map name=\"" + name + "\" id=\"" + name + "\">\r\n";
    std::string areaHtml;
    for (const TLinkAreaEntry& entry : FEntries) {
        entry.Area->GetHtml(editorAttributes, preview, areaHtml);
        result += areaHtml;
    }
    result += "</map>\r\n";

    std::string source;
    if (preview) {
        source = PreviewImageName(ImageFile);
    } else if (editorAttributes) {
        source = HtmlEscape(ImageFile);
    } else if (!imageReference.empty()) {
        source = HtmlEscape(imageReference);
    } else {
        source = HtmlEscape(FileNamePart(ImageFile));
    }
    const std::string alt = HtmlEscape(AltText);
    result += "<img src=\"" + source + "\" width=\"" + IntToStr(width) + "\" height=\"" +
              IntToStr(height) + "\" border=\"" + Border + "\" alt=\"" + alt + "\" title=\"" + alt +
              "\" usemap=\"#" + name + "\" />\r\n";
    html = std::move(result);
}

std::ptrdiff_t TImageMap::IndexOf(std::int32_t id) const {
    const auto found = std::find_if(FEntries.begin(), FEntries.end(),
                                    [id](const TLinkAreaEntry& entry) { return entry.Id == id; });
    return found == FEntries.end() ? -1 : found - FEntries.begin();
}

TLinkAreaEntry TImageMap::TakeArea(std::size_t index) {
    TLinkAreaEntry entry = std::move(FEntries.at(index));
    FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(index));
    FSelected = -1;
    return entry;
}

void TImageMap::InsertArea(std::size_t index, TLinkAreaEntry entry) {
    index = std::min(index, FEntries.size());
    // An id handed out once is never handed out again, also after the area came back.
    FLastId = std::max(FLastId, entry.Id);
    FEntries.insert(FEntries.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
    FSelected = static_cast<std::ptrdiff_t>(index);
}

std::int32_t TImageMap::SelectedId() const {
    return HasSelection() ? FEntries[static_cast<std::size_t>(FSelected)].Id : 0;
}

const TLinkArea* TImageMap::SelectedArea() const {
    return HasSelection() ? FEntries[static_cast<std::size_t>(FSelected)].Area.get() : nullptr;
}

} // namespace kvx
