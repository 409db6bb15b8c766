#pragma once
// The tags of a web page as browsers find them: not inside comments, and not inside the text
// of script, style, textarea and title elements; attribute values quoted with " or ' or bare.
// Tags are handed out with the positions of their parts, so that a change can replace exactly
// one attribute and leave every other byte of the page alone.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

struct TMarkupAttribute {
    std::string Name; // A to Z lowered
    // The attribute's text from its name to the end of its value (closing quote included).
    std::size_t Begin = 0;
    std::size_t End = 0;
    // The value without its quotes; empty at End for an attribute without a value.
    std::size_t ValueBegin = 0;
    std::size_t ValueEnd = 0;
};

struct TMarkupTag {
    std::string Name; // A to Z lowered, without the "/" of an end tag
    bool EndTag = false;
    std::size_t Begin = 0; // the "<"
    std::size_t End = 0;   // after the ">"
    // Where further attributes go: at the "/" of a closing "/>", else at the ">".
    std::size_t AttributesEnd = 0;
    std::vector<TMarkupAttribute> Attributes;

    // The first attribute of that name (as browsers take it), nullptr when there is none.
    const TMarkupAttribute* Find(std::string_view name) const;
};

class TMarkupScanner {
public:
    explicit TMarkupScanner(std::string_view text) : FText(text) {}

    // The next start or end tag. False at the end of the text; a tag that the text ends in
    // is not a tag.
    bool Next(TMarkupTag& tag);

private:
    bool ReadTag(TMarkupTag& tag);
    void SkipRawText(std::string_view element);

    std::string_view FText;
    std::size_t FPos = 0;
};

} // namespace kvx
