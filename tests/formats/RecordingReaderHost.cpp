#include "RecordingReaderHost.h"

#include "formats/MapDefinitionReader.h"
#include "formats/ProjectFile.h"
#include "formats/Version1Loader.h"
#include "images/ImageFiles.h"

#include <gtest/gtest.h>

namespace kvx::test {

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

void ReadMapDefinition(const std::string& text, const std::string& sourceFile,
                       TRecordingReaderHost& host) {
    host.LastRead = kvx::ReadMapDefinition(text, sourceFile, host, TImageFiles());
}

void OpenProjectFile(const std::string& path, TRecordingReaderHost& host) {
    host.LastRead = kvx::OpenProjectFile(path, host, TImageFiles());
}

void ImportHtmlFile(const std::string& path, TRecordingReaderHost& host) {
    host.LastRead = kvx::ImportHtmlFile(path, host, TImageFiles());
}

void LoadVersion1(const std::string& header, const std::string& body,
                  const std::string& projectPath, TRecordingReaderHost& host) {
    host.LastRead = kvx::LoadVersion1(header, body, projectPath, host, TImageFiles());
}

} // namespace kvx::test
