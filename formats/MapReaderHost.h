#pragma once
// What the map reader and the project loaders ask of a person. They build the map aside and
// return it (see MapReadResult.h); the main window, kvxtool and the tests answer the questions.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

enum class TMessageKind { Warning, Error, Information, Confirmation };

class TMapReaderHost {
public:
    virtual ~TMapReaderHost() = default;

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
