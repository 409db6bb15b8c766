#pragma once
// A page in a plain-text editor. Such an editor knows only one kind of line break, and may
// change what it is given in other small ways, so the page is written back by comparing the
// editor's text with what it showed at first: lines and stretches that are alike come from
// the page's own bytes, and only what differs is encoded.

#include "formats/PageText.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// The page's text with every line break (CR LF, LF, CR, U+2028, U+2029) as one "\n".
std::string EditorFormOfPage(const TPageText& page);

// The edits that make page hold edited. shown is the editor's text right after it was given
// EditorFormOfPage (each line break a "\n"); edited is its text now. When shown does not have
// the page's lines, EditorFormOfPage stands in for it. New line breaks get the page's line
// end.
std::vector<TPageEdit> EditsFromEditor(const TPageText& page, std::string_view shown,
                                       std::string_view edited);

} // namespace kvx
