#include "cli/ToolReaderHost.h"

#include <algorithm>
#include <filesystem>

namespace kvx {

namespace {

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
        list += "\n  " + name;
    }
    return list;
}

} // namespace

std::string AbsoluteToolPath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.lexically_normal().string();
}

TToolReaderHost::TToolReaderHost(std::optional<std::string> mapName,
                                 std::optional<std::string> imageFile)
    : FMapName(std::move(mapName)), FImageFile(std::move(imageFile)) {}

void TToolReaderHost::ShowMessage(TMessageKind /*kind*/, const std::string& text,
                                  int /*helpContext*/) {
    FMessages.push_back(text);
}

std::optional<std::size_t> TToolReaderHost::ChooseMap(const std::vector<std::string>& names) {
    if (MapIndex) {
        return MapIndex;
    }
    if (!FMapName) {
        FMessages.push_back("In der Datei wurden mehrere Image Map Definitionen gefunden. "
                            "Wählen Sie eine mit --map NAME:" +
                            NameList(names));
        return std::nullopt;
    }
    const auto match = std::find(names.begin(), names.end(), *FMapName);
    if (match == names.end()) {
        FMessages.push_back(UnknownMapMessage(names));
        return std::nullopt;
    }
    return static_cast<std::size_t>(match - names.begin());
}

std::optional<std::string> TToolReaderHost::ChooseImageFile(const std::string& presetFileName,
                                                            const std::string& /*initialFolder*/,
                                                            const std::string& /*filter*/) {
    if (!FImageFile) {
        FMessages.push_back("Geben Sie die Bilddatei \"" + presetFileName +
                            "\" mit --image BILD an.");
        return std::nullopt;
    }
    return AbsoluteToolPath(*FImageFile);
}

std::string TToolReaderHost::UnknownMapMessage(const std::vector<std::string>& names) const {
    return "Keine Image Map mit dem Namen \"" + FMapName.value_or(std::string()) +
           "\" gefunden. Vorhandene Image Maps:" + NameList(names);
}

} // namespace kvx
