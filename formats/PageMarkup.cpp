#include "formats/PageMarkup.h"
#include "model/TextConversion.h"

#include <array>

namespace kvx {

namespace {

// Elements whose content is text up to their end tag, never markup.
constexpr std::array RawTextElements{std::string_view("script"), std::string_view("style"),
                                     std::string_view("textarea"), std::string_view("title"),
                                     std::string_view("xmp")};

bool IsRawTextElement(std::string_view name) {
    for (const std::string_view element : RawTextElements) {
        if (name == element) {
            return true;
        }
    }
    return false;
}

// The end of a comment that starts at pos ("<!--"), as browsers end it: "-->", "--!>", or at
// once for "<!-->" and "<!--->". A comment that is never closed runs to the end.
std::size_t CommentEnd(std::string_view text, std::size_t pos) {
    const std::size_t body = pos + 4;
    if (text.substr(body).starts_with(">")) {
        return body + 1;
    }
    if (text.substr(body).starts_with("->")) {
        return body + 2;
    }
    for (std::size_t i = text.find("--", body); i != std::string_view::npos;
         i = text.find("--", i + 1)) {
        if (text.substr(i + 2).starts_with(">")) {
            return i + 3;
        }
        if (text.substr(i + 2).starts_with("!>")) {
            return i + 4;
        }
    }
    return text.size();
}

} // namespace

const TMarkupAttribute* TMarkupTag::Find(std::string_view name) const {
    for (const TMarkupAttribute& attribute : Attributes) {
        if (attribute.Name == name) {
            return &attribute;
        }
    }
    return nullptr;
}

bool TMarkupScanner::Next(TMarkupTag& tag) {
    while (true) {
        const std::size_t open = FText.find('<', FPos);
        if (open == std::string_view::npos || open + 1 >= FText.size()) {
            FPos = FText.size();
            return false;
        }
        FPos = open;
        const std::string_view rest = FText.substr(open);
        if (rest.starts_with("<!--")) {
            FPos = CommentEnd(FText, open);
            continue;
        }
        const char next = FText[open + 1];
        const bool endTag = next == '/';
        if (IsAsciiLetter(next) ||
            (endTag && open + 2 < FText.size() && IsAsciiLetter(FText[open + 2]))) {
            if (!ReadTag(tag)) {
                return false;
            }
            if (!tag.EndTag && IsRawTextElement(tag.Name)) {
                SkipRawText(tag.Name);
            }
            return true;
        }
        if (next == '!' || next == '?' || endTag) {
            // Doctype, processing instruction or a broken end tag: up to the next ">".
            const std::size_t close = FText.find('>', open + 2);
            FPos = close == std::string_view::npos ? FText.size() : close + 1;
            continue;
        }
        FPos = open + 1; // a "<" that is text
    }
}

void TMarkupScanner::SkipRawText(std::string_view element) {
    for (std::size_t i = FText.find("</", FPos); i != std::string_view::npos;
         i = FText.find("</", i + 2)) {
        const std::size_t after = i + 2 + element.size();
        if (after > FText.size()) {
            break;
        }
        bool same = true;
        for (std::size_t k = 0; k < element.size() && same; ++k) {
            same = LowerAsciiChar(FText[i + 2 + k]) == element[k];
        }
        if (same && (after == FText.size() || IsHtmlSpace(FText[after]) || FText[after] == '/' ||
                     FText[after] == '>')) {
            FPos = i;
            return;
        }
    }
    FPos = FText.size();
}

bool TMarkupScanner::ReadTag(TMarkupTag& tag) {
    tag = TMarkupTag();
    tag.Begin = FPos;
    tag.EndTag = FText[FPos + 1] == '/';
    std::size_t i = FPos + (tag.EndTag ? 2 : 1);
    const std::size_t size = FText.size();
    while (i < size && !IsHtmlSpace(FText[i]) && FText[i] != '/' && FText[i] != '>') {
        tag.Name += LowerAsciiChar(FText[i++]);
    }
    while (i < size) {
        const char c = FText[i];
        if (IsHtmlSpace(c)) {
            ++i;
            continue;
        }
        if (c == '>') {
            tag.AttributesEnd = i;
            tag.End = i + 1;
            FPos = tag.End;
            return true;
        }
        if (c == '/') {
            if (i + 1 < size && FText[i + 1] == '>') {
                tag.AttributesEnd = i;
                tag.End = i + 2;
                FPos = tag.End;
                return true;
            }
            ++i;
            continue;
        }
        // An attribute: its name (a first "=" belongs to it), then an optional value.
        TMarkupAttribute attribute;
        attribute.Begin = i;
        attribute.Name += LowerAsciiChar(FText[i++]);
        while (i < size && !IsHtmlSpace(FText[i]) && FText[i] != '/' && FText[i] != '>' &&
               FText[i] != '=') {
            attribute.Name += LowerAsciiChar(FText[i++]);
        }
        std::size_t afterName = i;
        while (afterName < size && IsHtmlSpace(FText[afterName])) {
            ++afterName;
        }
        attribute.End = attribute.ValueBegin = attribute.ValueEnd = i;
        if (afterName < size && FText[afterName] == '=') {
            i = afterName + 1;
            while (i < size && IsHtmlSpace(FText[i])) {
                ++i;
            }
            if (i < size && (FText[i] == '"' || FText[i] == '\'')) {
                const std::size_t close = FText.find(FText[i], i + 1);
                if (close == std::string_view::npos) {
                    break;
                }
                attribute.ValueBegin = i + 1;
                attribute.ValueEnd = close;
                attribute.End = i = close + 1;
            } else if (i < size && FText[i] != '>') {
                attribute.ValueBegin = i;
                while (i < size && !IsHtmlSpace(FText[i]) && FText[i] != '>') {
                    ++i;
                }
                attribute.ValueEnd = attribute.End = i;
            } else {
                attribute.End = attribute.ValueBegin = attribute.ValueEnd = i;
            }
        }
        tag.Attributes.push_back(std::move(attribute));
    }
    FPos = size; // the text ends inside the tag
    return false;
}

} // namespace kvx
