#pragma once
// The reader's host for kvxtool: no window, the questions are answered from the command line
// and every message the editor would show is kept for the error report.

#include "formats/MapReaderHost.h"

#include <optional>
#include <string>
#include <vector>

namespace kvx {

// Files chosen in the editor's dialogs are full paths; names given to kvxtool become so too.
// A name that cannot be made absolute (the empty one) stays as it is.
std::string AbsoluteToolPath(const std::string& file);

class TToolReaderHost : public TMapReaderHost {
public:
    // mapName answers the choice among several maps, imageFile the question for a missing
    // image; without them these questions fail.
    TToolReaderHost(std::optional<std::string> mapName, std::optional<std::string> imageFile);

    void ShowMessage(TMessageKind kind, const std::string& text, int helpContext) override;
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string& presetFileName,
                                               const std::string& initialFolder,
                                               const std::string& filter) override;

    // The messages shown and the explanations of unanswered questions, in order.
    const std::vector<std::string>& Messages() const { return FMessages; }
    void AddMessage(std::string text) { FMessages.push_back(std::move(text)); }
    // The explanation for a map name that names none of the maps.
    std::string UnknownMapMessage(const std::vector<std::string>& names) const;
    const std::optional<std::string>& MapName() const { return FMapName; }
    // When set, answers the map choice with this index instead of by name.
    std::optional<std::size_t> MapIndex;

private:
    std::optional<std::string> FMapName;
    std::optional<std::string> FImageFile;
    std::vector<std::string> FMessages;
};

} // namespace kvx
