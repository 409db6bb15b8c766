#pragma once
// Links that name a file of the site: the ones a check can look up on disk.

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// The file a link names relative to the page, percent-decoded and without query and
// fragment; std::nullopt for links with a scheme ("https:", "mailto:"), links starting with
// "//" or "/", links that are only a fragment or a query, and empty ones.
std::optional<std::string> RelativeLinkFile(std::string_view href);

// The file name part of a link, without query and fragment ("a/b.htm?x#y" gives "b.htm").
std::string LinkFileName(std::string_view href);

} // namespace kvx
