#include "bench/GeneratedPage.h"

#include <string>

namespace kvx::bench {

std::string GeneratePage(std::size_t bytes, int areas, const std::string& imageName) {
    std::string page;
    page.reserve(bytes + 4096);
    page += "<!DOCTYPE html>\n<html><head><title>Karte</title>\n"
            "<style>td { font-family: \"Tahoma\" ; }</style>\n"
            "<script>var s = \"<b>\" + t; if (a < b && c > d) {}</script>\n</head><body>\n";
    page += "<img src=\"" + imageName + "\" usemap=\"#karte\" width=\"100\" height=\"100\">\n";
    page += "<map name=\"karte\" id=\"karte\">\n";
    for (int i = 0; i < areas; ++i) {
        const std::string n = std::to_string(i % 1000);
        switch (i % 3) {
        case 0:
            page += " <area shape=\"rect\" coords=\"" + n + ",10," + n + "0,80\" href=\"seite" + n +
                    ".htm?a=1&amp;b=2\" alt=\"Fl&auml;che " + n + "\" title=\"x\" />\n";
            break;
        case 1:
            page += " <AREA SHAPE=\"circle\" COORDS=\"" + n + ",50,25\" onClick=\"zeige(" + n +
                    ")\" kvxcolor=\"255\" kvxcontrast=\"0\">\n";
            break;
        default:
            page += " <area shape=\"poly\" coords=\"" + n +
                    ",1,20,30,40,50,60,70,80,90\" href=\"#" + n + "\" target=\"_blank\">\n";
            break;
        }
    }
    page += "</map>\n";
    int row = 0;
    while (page.size() < bytes) {
        page += "<p class=\"text\">Absatz " + std::to_string(row++) +
                ": Lorem ipsum dolor sit amet, <a href=\"x.htm\">Verweis</a> &amp; mehr.</p>\n"
                "<table><tr><td align=\"left\">1</td><td>2</td></tr></table>\n";
    }
    page += "</body></html>\n";
    return page;
}

} // namespace kvx::bench
