#pragma once
// New pages: the built-in page, the marker that says where a map definition goes, and a new
// page made from a template the way "In neue HTML-Datei einfügen" makes it.

#include "formats/PageText.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kvx {

// Fourteen lines separated by CR LF, no line break after the last one. It declares UTF-8,
// which it is written in, so that a browser reads the map's texts as they are.
inline constexpr std::string_view DefaultPageTemplate =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
    "\r\n"
    "<html>\r\n"
    "<head>\r\n"
    " <meta charset=\"utf-8\">\r\n"
    " <meta name=\"generator\" content=\"Korvane 2 (https://www.velmora.example/)\">\r\n"
    " <title></title>\r\n"
    "</head>\r\n"
    "\r\n"
    "<body>\r\n"
    "\r\n"
    "<!-- !!!Image-Map!!! -->\r\n"
    "</body>\r\n"
    "</html>";

inline constexpr std::string_view MapMarker = "<!-- !!!Image-Map!!! -->";

// A page cannot take the definition; the message says why, in German.
class EPageInsertion : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The template file as a page when templatePath names a file, else DefaultPageTemplate.
// A template that exists but cannot be read throws TFileError.
TPageText LoadPageTemplate(const std::string& templatePath);

// The new page: the template with its first marker replaced by definition, whose line ends
// become the template's; the template's encoding, byte-order mark and every other byte stay.
// Throws EPageInsertion when the template holds no marker.
TPageText NewPageFromTemplate(const TPageText& templatePage, std::string_view definition);

} // namespace kvx
