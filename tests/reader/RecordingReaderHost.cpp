#include "RecordingReaderHost.h"

#include <gtest/gtest.h>

namespace kvx::test {

void TRecordingReaderHost::SetUpEditorForMap() {
    // The window builds its tree from the map: it must exist with its image by now.
    EXPECT_NE(FDocument.CurrentMap, nullptr);
    EXPECT_TRUE(FDocument.HasImage());
    Calls.push_back("SetUpEditorForMap");
}

void TRecordingReaderHost::AddAreaTreeNode() {
    const std::int32_t id = FDocument.CurrentMap ? FDocument.CurrentMap->SelectedId() : 0;
    Calls.push_back("AddAreaTreeNode " + std::to_string(id));
}

void TRecordingReaderHost::ResetEditor() {
    FDocument.Release();
    Calls.push_back("ResetEditor");
}

void TRecordingReaderHost::ShowMessage(TMessageKind kind, const std::string& text,
                                       int helpContext) {
    Messages.push_back({kind, text, helpContext});
    Calls.push_back("ShowMessage");
}

std::optional<std::size_t> TRecordingReaderHost::ChooseMap(const std::vector<std::string>& names) {
    MapQuestions.push_back(names);
    Calls.push_back("ChooseMap");
    if (MapAnswers.empty()) {
        ADD_FAILURE() << "unexpected map choice";
        return std::nullopt;
    }
    const std::optional<std::size_t> answer = MapAnswers.front();
    MapAnswers.pop_front();
    return answer;
}

std::optional<std::string> TRecordingReaderHost::ChooseImageFile(const std::string& presetFileName,
                                                                 const std::string& initialFolder,
                                                                 const std::string& filter) {
    ImageQuestions.push_back({presetFileName, initialFolder, filter});
    Calls.push_back("ChooseImageFile");
    if (ImageAnswers.empty()) {
        ADD_FAILURE() << "unexpected image question";
        return std::nullopt;
    }
    const std::optional<std::string> answer = ImageAnswers.front();
    ImageAnswers.pop_front();
    return answer;
}

std::vector<std::string> TRecordingReaderHost::MessageTexts() const {
    std::vector<std::string> texts;
    for (const TRecordedMessage& message : Messages) {
        texts.push_back(message.Text);
    }
    return texts;
}

} // namespace kvx::test
