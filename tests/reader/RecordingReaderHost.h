#pragma once
// A reader host for tests: records every call and message in order and answers the two
// questions (map choice, image file) from a script. An unscripted question fails the test.

#include "html/MapReaderHost.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kvx::test {

struct TRecordedMessage {
    TMessageKind Kind;
    std::string Text;
    int HelpContext;
};

struct TImageQuestion {
    std::string PresetFileName;
    std::string InitialFolder;
    std::string Filter;
};

class TRecordingReaderHost : public TMapReaderHost {
public:
    TMapDocument& Document() override { return FDocument; }
    void SetUpEditorForMap() override;
    void AddAreaTreeNode() override;
    void ExpandOverview() override { Calls.push_back("ExpandOverview"); }
    void AdjustView() override { Calls.push_back("AdjustView"); }
    void ResetEditor() override;
    void ShowMessage(TMessageKind kind, const std::string& text, int helpContext) override;
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string& presetFileName,
                                               const std::string& initialFolder,
                                               const std::string& filter) override;

    TImageMap* Map() { return FDocument.CurrentMap.get(); }
    // Message texts only, in order.
    std::vector<std::string> MessageTexts() const;

    // Answers, used front first.
    std::deque<std::optional<std::size_t>> MapAnswers;
    std::deque<std::optional<std::string>> ImageAnswers;

    // "SetUpEditorForMap", "AddAreaTreeNode <id>", "ExpandOverview", "AdjustView",
    // "ResetEditor", "ShowMessage", "ChooseMap", "ChooseImageFile".
    std::vector<std::string> Calls;
    std::vector<TRecordedMessage> Messages;
    std::vector<std::vector<std::string>> MapQuestions;
    std::vector<TImageQuestion> ImageQuestions;

private:
    TMapDocument FDocument;
};

} // namespace kvx::test
