#pragma once
// A reader host for tests: records every call and message in order and answers the two
// questions (map choice, image file) from a script. An unscripted question fails the test.

#include "formats/MapReadResult.h"
#include "formats/MapReaderHost.h"

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
    void ShowMessage(TMessageKind kind, const std::string& text, int helpContext) override;
    std::optional<std::size_t> ChooseMap(const std::vector<std::string>& names) override;
    std::optional<std::string> ChooseImageFile(const std::string& presetFileName,
                                               const std::string& initialFolder,
                                               const std::string& filter) override;

    // What the last read handed back (see the readers below).
    TImageMap* Map() { return LastRead.Map.get(); }
    const TImageBitmaps& Document() const { return LastRead.Bitmaps; }
    TMapReadResult LastRead;
    // Message texts only, in order.
    std::vector<std::string> MessageTexts() const;

    // Answers, used front first.
    std::deque<std::optional<std::size_t>> MapAnswers;
    std::deque<std::optional<std::string>> ImageAnswers;

    // "ShowMessage", "ChooseMap", "ChooseImageFile".
    std::vector<std::string> Calls;
    std::vector<TRecordedMessage> Messages;
    std::vector<std::vector<std::string>> MapQuestions;
    std::vector<TImageQuestion> ImageQuestions;
};

// The readers on the image files on disk, their result kept in host.LastRead.
void ReadMapDefinition(const std::string& text, const std::string& sourceFile,
                       TRecordingReaderHost& host);
void OpenProjectFile(const std::string& path, TRecordingReaderHost& host);
void ImportHtmlFile(const std::string& path, TRecordingReaderHost& host);
void LoadVersion1(const std::string& header, const std::string& body,
                  const std::string& projectPath, TRecordingReaderHost& host);

} // namespace kvx::test
