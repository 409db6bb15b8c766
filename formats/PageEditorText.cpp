#include "formats/PageEditorText.h"

#include "formats/LineDiff.h"

#include <algorithm>

namespace kvx {

namespace {

// A line of the page: its content [Begin, ContentEnd), then its line break up to End.
struct TPageLine {
    std::size_t Begin = 0;
    std::size_t ContentEnd = 0;
    std::size_t End = 0;
};

// Length of the line break at text[i], 0 when there is none.
std::size_t BreakLength(std::string_view text, std::size_t i) {
    const char c = text[i];
    if (c == '\n') {
        return 1;
    }
    if (c == '\r') {
        return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    }
    // U+2028 and U+2029, which the editor shows as line breaks.
    if (c == '\xE2' && text.substr(i, 2) == "\xE2\x80" && i + 2 < text.size() &&
        (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
        return 3;
    }
    return 0;
}

std::vector<TPageLine> PageLines(std::string_view text) {
    std::vector<TPageLine> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = BreakLength(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        lines.push_back({begin, i, i + length});
        i += length;
        begin = i;
    }
    lines.push_back({begin, text.size(), text.size()});
    return lines;
}

// The lines of an editor's text, each with its "\n"; the last one (possibly empty) without.
std::vector<std::string_view> EditorLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', begin)) {
        lines.push_back(text.substr(begin, i + 1 - begin));
        begin = i + 1;
    }
    lines.push_back(text.substr(begin));
    return lines;
}

std::vector<std::size_t> LineOffsets(const std::vector<std::string_view>& lines) {
    std::vector<std::size_t> offsets(lines.size() + 1, 0);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        offsets[k + 1] = offsets[k] + lines[k].size();
    }
    return offsets;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a position of the shown text lies in the page. Within a line the editor showed as
// the page has it, that is exact; elsewhere the position moves to the line's start (down)
// or to the next line's start (up), which always correspond.
class TShownToPage {
public:
    TShownToPage(const TPageText& page, const std::vector<TPageLine>& lines,
                 const std::vector<std::string_view>& shownLines)
        : FText(page.Text()), FLines(lines), FShownLines(shownLines),
          FOffsets(LineOffsets(shownLines)) {}

    const std::vector<std::size_t>& Offsets() const { return FOffsets; }

    // The shown position actually used, and its page position.
    std::pair<std::size_t, std::size_t> Map(std::size_t shown, bool up) const {
        const std::size_t k = std::size_t(
            std::upper_bound(FOffsets.begin(), FOffsets.end() - 1, shown) - FOffsets.begin() - 1);
        const std::size_t within = shown - FOffsets[k];
        const TPageLine& line = FLines[k];
        std::string_view content = FShownLines[k];
        if (content.ends_with('\n')) {
            content.remove_suffix(1);
        }
        if (within == 0) {
            return {shown, line.Begin};
        }
        if (content == FText.substr(line.Begin, line.ContentEnd - line.Begin) &&
            within <= content.size()) {
            return {shown, line.Begin + within};
        }
        return up ? std::pair{FOffsets[k + 1], line.End} : std::pair{FOffsets[k], line.Begin};
    }

private:
    std::string_view FText;
    const std::vector<TPageLine>& FLines;
    const std::vector<std::string_view>& FShownLines;
    std::vector<std::size_t> FOffsets;
};

} // namespace

std::string EditorFormOfPage(const TPageText& page) {
    const std::string& text = page.Text();
    std::string form;
    form.reserve(text.size());
    for (const TPageLine& line : PageLines(text)) {
        form.append(text, line.Begin, line.ContentEnd - line.Begin);
        if (line.End != line.ContentEnd) {
            form += '\n';
        }
    }
    return form;
}

std::vector<TPageEdit> EditsFromEditor(const TPageText& page, std::string_view shown,
                                       std::string_view edited) {
    const std::vector<TPageLine> lines = PageLines(page.Text());
    std::string substitute;
    std::vector<std::string_view> shownLines = EditorLines(shown);
    if (shownLines.size() != lines.size()) {
        substitute = EditorFormOfPage(page);
        shown = substitute;
        shownLines = EditorLines(shown);
    }
    const std::vector<std::string_view> editedLines = EditorLines(edited);
    const TShownToPage toPage(page, lines, shownLines);
    const std::vector<std::size_t> editedOffsets = LineOffsets(editedLines);

    std::vector<TLineMatch> matches = CommonLines(shownLines, editedLines);
    matches.push_back({shownLines.size(), editedLines.size()}); // the end closes the last gap
    std::vector<TPageEdit> edits;
    TLineMatch next{0, 0}; // the first line of each side after the last match
    for (const TLineMatch& match : matches) {
        if (match.Old > next.Old || match.New > next.New) {
            const std::size_t shownBegin = toPage.Offsets()[next.Old];
            const std::size_t shownEnd = toPage.Offsets()[match.Old];
            const std::string_view before = shown.substr(shownBegin, shownEnd - shownBegin);
            const std::string_view after = edited.substr(
                editedOffsets[next.New], editedOffsets[match.New] - editedOffsets[next.New]);
            // What the gap's two sides share at their start and end stays as the page has it.
            const std::size_t shorter = std::min(before.size(), after.size());
            std::size_t prefix = 0;
            while (prefix < shorter && before[prefix] == after[prefix]) {
                ++prefix;
            }
            while (prefix > 0 && prefix < before.size() && IsContinuationByte(before[prefix])) {
                --prefix;
            }
            std::size_t suffix = 0;
            while (suffix < shorter - prefix &&
                   before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
                ++suffix;
            }
            while (suffix > 0 && IsContinuationByte(before[before.size() - suffix])) {
                --suffix;
            }
            const auto [fromShown, from] = toPage.Map(shownBegin + prefix, false);
            const auto [toShown, to] = toPage.Map(shownEnd - suffix, true);
            const std::size_t keptStart = fromShown - shownBegin;
            const std::size_t keptEnd = shownEnd - toShown;
            edits.push_back({from, to,
                             page.WithPageLineEnds(
                                 after.substr(keptStart, after.size() - keptStart - keptEnd))});
        }
        next = {match.Old + 1, match.New + 1};
    }
    return edits;
}

} // namespace kvx
