#pragma once
// A reader host without any window: it answers every question the same way and keeps no
// record, so each fuzz input runs alone.

#include "formats/MapReadResult.h"
#include "formats/MapReaderHost.h"

#include <string>

namespace kvx {

// Aborts when a map read holds an area the window could not show.
void CheckReadMap(const TMapReadResult& read);

class TFuzzReaderHost : public TMapReaderHost {
public:
    explicit TFuzzReaderHost(std::string imageForChooser) : FImage(std::move(imageForChooser)) {}

    void ShowMessage(TMessageKind, const std::string&, int) override {}
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string&, const std::string&,
                                               const std::string&) override {
        return FImage;
    }

private:
    std::string FImage;
};

} // namespace kvx
