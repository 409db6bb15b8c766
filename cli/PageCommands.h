#pragma once
// The kvxtool commands that put a map into web pages, as the HTML file window would: into an
// existing page, and into a new page made from a template. The map is read as the reading
// commands read it (--map, --image); the page is written through the page text model, so
// every byte outside the definition stays as it was, in the page's own encoding.

#include "cli/CliCommand.h"

#include <string_view>

namespace kvx {

inline constexpr std::string_view InsertArguments =
    "[--map NAME] [--image BILD] [--out DATEI] QUELLE SEITE";
inline constexpr std::string_view NewPageArguments =
    "[--template DATEI] [--map NAME] [--image BILD] QUELLE AUSGABE";

// insert: the publishing definition of QUELLE's map into SEITE, written back to SEITE or to
// --out, which must not be QUELLE.
int RunInsertCommand(const TCommandArguments& arguments);
// new-page: a new page AUSGABE from the template (beside the program unless --template is
// given) with the definition in place of its marker.
int RunNewPageCommand(const TCommandArguments& arguments);

} // namespace kvx
