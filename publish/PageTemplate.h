#pragma once
// The built-in HTML page and the marker that says where a map definition goes in a page.

#include <QString>
#include <string>
#include <string_view>

namespace kvx {

// Thirteen lines separated by CR LF, no line break after the last one.
inline constexpr std::string_view DefaultPageTemplate =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"
    "\r\n"
    "<html>\r\n"
    "<head>\r\n"
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

QString DefaultPageTemplateText();

// A page after the first marker was replaced. Position and Length are in QString positions of
// Text (UTF-16 units), which is what a text editor's cursor counts.
struct TMarkerReplacement {
    QString Text;
    qsizetype Position = -1; // -1: the page held no marker and Text is the page unchanged
    qsizetype Length = 0;

    bool Found() const { return Position >= 0; }
};

// Replaces the first marker of page by definition; later markers and everything else stay.
TMarkerReplacement ReplaceMapMarker(const QString& page, const QString& definition);

// The template file's whole text when templatePath names a file, else DefaultPageTemplate.
// A template that exists but cannot be read throws TFileError.
QString LoadPageTemplate(const std::string& templatePath);

} // namespace kvx
