#include "formats/HtmlTextRoutines.h"

#include <cstddef>
#include <utility>

namespace kvx {

namespace {

enum class TScanState {
    BeforeTag,
    AfterOpen,
    InTagName,
    BetweenAttributes,
    AfterAttributeName,
    BeforeValue,
    InQuotedName,
    InBareName,
    InQuotedValue,
    InBareValue,
};

constexpr char Blank = ' ';

// The scanner's working state. The row being filled is always rows[complete]; appending to
// its strings keeps the whole scan linear in the length of the tag text.
class TTagScanner {
public:
    explicit TTagScanner(bool nameOnly) : NameOnly(nameOnly) {}

    TStringArray2D Scan(std::string_view tag) {
        for (std::size_t i = 0; i < tag.size(); ++i) {
            const char c = tag[i];
            if (c == '/' && i + 1 < tag.size() && tag[i + 1] == '>') {
                break;
            }
            if (c == '\r' || c == '\n') {
                continue;
            }
            if (!Step(c)) {
                break;
            }
            if ((c == '<' || c == '>') && State != TScanState::AfterOpen &&
                State != TScanState::InQuotedName && State != TScanState::InQuotedValue) {
                break;
            }
        }
        // Only finished rows count: a valueless attribute or an open value is dropped.
        Rows.resize(Complete);
        return std::move(Rows);
    }

private:
    std::string& CurrentName() { return Rows[Complete][0]; }
    std::string& CurrentValue() { return Rows[Complete][1]; }

    void FinishRow() {
        ++Complete;
        Rows.emplace_back();
    }

    // One transition; false when the scan has to stop at once.
    bool Step(char c) {
        switch (State) {
        case TScanState::BeforeTag:
            if (c == '<') {
                State = TScanState::AfterOpen;
            }
            break;
        case TScanState::AfterOpen:
            if (c != Blank) {
                Rows.assign(1, {std::string(1, c), std::string()});
                State = TScanState::InTagName;
            }
            break;
        case TScanState::InTagName:
            if (c == Blank || c == '>') {
                FinishRow();
                State = TScanState::BetweenAttributes;
                if (NameOnly || Rows[0][0] == "!--") {
                    return false;
                }
            } else {
                Rows[0][0] += c;
            }
            break;
        case TScanState::BetweenAttributes:
            if (c == '"') {
                State = TScanState::InQuotedName;
            } else if (c == '=') {
                // A value without a name of its own: the previous row's value is taken
                // as this row's name.
                std::string& previousValue = Rows[Complete - 1][1];
                CurrentName() = std::move(previousValue);
                previousValue.clear();
                State = TScanState::BeforeValue;
            } else if (c != Blank) {
                CurrentName() += c;
                State = TScanState::InBareName;
            }
            break;
        case TScanState::InQuotedName:
            if (c == '"') {
                State = TScanState::AfterAttributeName;
            } else {
                CurrentName() += c;
            }
            break;
        case TScanState::InBareName:
            if (c == Blank) {
                State = TScanState::AfterAttributeName;
            } else if (c == '=') {
                State = TScanState::BeforeValue;
            } else {
                CurrentName() += c;
            }
            break;
        case TScanState::AfterAttributeName:
            if (c == '=') {
                State = TScanState::BeforeValue;
            } else if (c == '"') {
                CurrentName().clear();
                State = TScanState::InQuotedName;
            } else if (c != Blank) {
                // The earlier name had no value and is dropped.
                CurrentName().assign(1, c);
                State = TScanState::InBareName;
            }
            break;
        case TScanState::BeforeValue:
            if (c == '"') {
                State = TScanState::InQuotedValue;
            } else if (c != Blank) {
                CurrentValue() += c;
                State = TScanState::InBareValue;
            }
            break;
        case TScanState::InQuotedValue:
            if (c == '"') {
                FinishRow();
                State = TScanState::BetweenAttributes;
            } else {
                CurrentValue() += c;
            }
            break;
        case TScanState::InBareValue:
            if (c == Blank || c == '>') {
                FinishRow();
                State = TScanState::BetweenAttributes;
            } else {
                CurrentValue() += c;
            }
            break;
        }
        return true;
    }

    const bool NameOnly;
    TScanState State = TScanState::BeforeTag;
    TStringArray2D Rows;
    std::size_t Complete = 0;
};

char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAsciiChar(a[i]) != LowerAsciiChar(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

TStringArray2D ScanTag(std::string_view tag, bool nameOnly) {
    return TTagScanner(nameOnly).Scan(tag);
}

std::string GetAttribute(std::string_view name, const TStringArray2D& rows) {
    const std::string* found = nullptr;
    for (const auto& row : rows) {
        if (EqualIgnoringAsciiCase(row[0], name)) {
            found = &row[1];
        }
    }
    return found != nullptr ? *found : std::string();
}

std::string FilterNumber(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '-' && i == 0) || (c >= '0' && c <= '9')) {
            result += c;
        }
    }
    if (result.empty()) {
        result.push_back('0');
    }
    return result;
}

TIntegerArray SplitCoords(std::string_view text) {
    // Every "," ends a piece and so does the end of the text, so an empty text and an empty
    // last piece each still give a number (0).
    TIntegerArray result;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        result.push_back(StrToInt(FilterNumber(text.substr(start, end - start))));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return result;
}

} // namespace kvx
