#pragma once
// A reader host without any window: it answers every question the same way and keeps no
// record beyond what the reader leaves in the document, so each fuzz input runs alone.

#include "html/MapReaderHost.h"

#include <string>

namespace kvx {

class TFuzzReaderHost : public TMapReaderHost {
public:
    explicit TFuzzReaderHost(std::string imageForChooser) : FImage(std::move(imageForChooser)) {}

    TMapDocument& Document() override { return FDocument; }
    void SetUpEditorForMap() override {}
    void AddAreaTreeNode() override;
    void ExpandOverview() override {}
    void AdjustView() override {}
    void ResetEditor() override { FDocument.Release(); }
    void ShowMessage(TMessageKind, const std::string&, int) override {}
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string&, const std::string&,
                                               const std::string&) override {
        return FImage;
    }

private:
    TMapDocument FDocument;
    std::string FImage;
};

} // namespace kvx
