#pragma once
// A map definition put into an existing web page, the way a user would do it by hand: the
// map of the same name is replaced where it stands and the images that use it take the new
// size and texts; otherwise the definition goes before the end of the body.

#include "formats/PageText.h"

#include <string_view>
#include <vector>

namespace kvx {

// The edits that put definition (a publishing definition: the map element, then its img
// element) into page for the map named mapName (unescaped):
// - a map element of that name (by its name, else its id, unescaped and exact) outside
//   scripts and comments is replaced where it stands; every img start tag whose usemap names
//   it gets the definition's src, width, height, border, alt, title and usemap and keeps its
//   other attributes; when no img uses it, the definition's img goes right after the map;
// - otherwise the whole definition goes right before the first </body>, or at the end.
// New line breaks are the page's own. Throws EPageInsertion (German message) when the map
// of that name is not closed by </map>.
std::vector<TPageEdit> MapInsertionEdits(const TPageText& page, std::string_view definition,
                                         std::string_view mapName);

} // namespace kvx
