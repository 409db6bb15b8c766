#pragma once
// The only entity translation of the program: exactly the four entities of attribute text.

#include <string>
#include <string_view>

namespace kvx {

// Replaces "<", ">", "\"" and "&" by "&lt;", "&gt;", "&quot;" and "&amp;"; nothing else.
std::string HtmlEscape(std::string_view text);

// Turns exactly "&amp;", "&quot;", "&lt;" and "&gt;" back, one level only.
std::string HtmlUnescape(std::string_view text);

} // namespace kvx
