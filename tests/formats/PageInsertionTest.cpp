// A map definition put into existing pages, and how pages name their image.
#include "formats/PageInsertion.h"
#include "formats/ImageReference.h"
#include "formats/NewPage.h"
#include "formats/PageMarkup.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

const std::string MapPart = "<map name=\"karte\" id=\"karte\">\r\n <area shape=\"rect\" "
                            "coords=\"1,2,3,4\" href=\"a.htm\" alt=\"A\" />\r\n</map>";
const std::string ImagePart = "<img src=\"../Bilder/Haus &amp; Hof.PNG\" width=\"40\" "
                              "height=\"30\" border=\"0\" alt=\"Haus\" title=\"Haus\" "
                              "usemap=\"#karte\" />";
const std::string Definition = MapPart + "\r\n" + ImagePart + "\r\n";

// In the expected pages {M}, {I} and {D} stand for the map, the img and the whole definition,
// with line ends given by the case.
std::string Expand(std::string text, const std::string& lineEnd) {
    const auto withLineEnd = [&](std::string part) {
        for (std::size_t at = part.find("\r\n"); at != std::string::npos;
             at = part.find("\r\n", at + lineEnd.size())) {
            part.replace(at, 2, lineEnd);
        }
        return part;
    };
    for (const auto& [key, part] :
         {std::pair{"{M}", MapPart}, std::pair{"{I}", ImagePart}, std::pair{"{D}", Definition}}) {
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key)) {
            text.replace(at, 3, withLineEnd(part));
        }
    }
    return text;
}

struct TInsertCase {
    const char* Name;
    std::string Page;
    std::string MapName;
    std::string LineEnd;
    std::string Expected; // empty: the insertion is refused
};

TEST(MapInsertionEdits, ReplacesTheMapWhereItStandsOrInsertsBeforeTheBodyEnd) {
    const TInsertCase cases[] = {
        {"before the first body end", "<body>\n<p>x</p>\n</BODY >\n</body>\n", "karte", "\n",
         "<body>\n<p>x</p>\n{D}</BODY >\n</body>\n"},
        {"at the end without a body end", "<p>x</p>", "karte", "\r\n", "<p>x</p>\r\n{D}"},
        {"map replaced, img keeps its other attributes",
         "<body>\r<MAP NAME=\"karte\">\r<area coords=\"9,9,9,9\">\r</map >\r<p><IMG "
         "class='foto' SRC=alt.png usemap=\"#karte\" data-x=\"1\" width=1></p>\r"
         "<img src=x usemap=\"#andere\">\r</body>",
         "karte", "\r",
         "<body>\r{M}\r<p><IMG class='foto' SRC=\"../Bilder/Haus &amp; Hof.PNG\" "
         "usemap=\"#karte\" data-x=\"1\" width=\"40\" height=\"30\" border=\"0\" alt=\"Haus\" "
         "title=\"Haus\"></p>\r<img src=x usemap=\"#andere\">\r</body>"},
        {"every img that uses the map, duplicates dropped",
         "<map name=karte></map><img usemap='#karte' alt=a alt=b/><img usemap=#karte />", "karte",
         "\r\n",
         "{M}<img usemap=\"#karte\" alt=\"Haus\"  src=\"../Bilder/Haus &amp; Hof.PNG\" "
         "width=\"40\" height=\"30\" border=\"0\" title=\"Haus\"><img usemap=\"#karte\" "
         "src=\"../Bilder/Haus &amp; Hof.PNG\" width=\"40\" height=\"30\" border=\"0\" "
         "alt=\"Haus\" title=\"Haus\" />"},
        {"no img uses the map: the img follows it", "<map id=\"karte\"></map>\n<p>", "karte", "\n",
         "{M}\n{I}\n<p>"},
        {"escaped name, exact", "<map name=\"K&amp;1\"></map><map name=\"k&amp;1\"></map>", "k&1",
         "\r\n", "<map name=\"K&amp;1\"></map>{M}\r\n{I}"},
        {"maps in comments, scripts and attributes are not maps",
         "<!-- <map name=\"karte\"> --><script>\"<map name='karte'></body>\"</script>"
         "<p title='<map name=karte>'></body>",
         "karte", "\r\n",
         "<!-- <map name=\"karte\"> --><script>\"<map name='karte'></body>\"</script>"
         "<p title='<map name=karte>'>{D}</body>"},
        {"unclosed map", "<map name=\"karte\"><area>\n</body>", "karte", "\n", ""},
    };
    for (const TInsertCase& c : cases) {
        const TPageText page = TPageText::FromBytes(QByteArray::fromStdString(c.Page));
        if (c.Expected.empty()) {
            EXPECT_THROW(MapInsertionEdits(page, Definition, c.MapName), EPageInsertion) << c.Name;
            continue;
        }
        EXPECT_EQ(page.With(MapInsertionEdits(page, Definition, c.MapName)).Text(),
                  Expand(c.Expected, c.LineEnd))
            << c.Name;
    }
}

TEST(MarkupScanner, FindsTagsAsBrowsersDo) {
    const std::string text = "<!--> <a> --><p a='>' b=\"x\"c=d e><?x <b>?><title><i></TITLE>"
                             "</p ><br/><!-- <u> --!><img x=1/>< s><style></style >";
    TMarkupScanner scanner(text);
    TMarkupTag tag;
    std::vector<std::string> found;
    while (scanner.Next(tag)) {
        std::string item = (tag.EndTag ? "/" : "") + tag.Name;
        for (const TMarkupAttribute& attribute : tag.Attributes) {
            item += " " + attribute.Name + "=" +
                    text.substr(attribute.ValueBegin, attribute.ValueEnd - attribute.ValueBegin);
        }
        found.push_back(item);
    }
    EXPECT_EQ(found, (std::vector<std::string>{"a", "p a=> b=x c=d e=", "title", "/title", "/p",
                                               "br", "img x=1/", "style", "/style"}));
}

TEST(ImageReferenceForPage, IsThePathFromThePagesFolderWithItsOwnCase) {
    const struct {
        const char* Image;
        const char* Page;
        const char* Reference;
    } cases[] = {
        {"/web/Bilder/IMG_1234.JPG", "/web/Bilder/seite.htm", "IMG_1234.JPG"},
        {"/web/Bilder/Ernte Bild.JPEG", "/web/seiten/neu/seite.htm",
         "../../Bilder/Ernte Bild.JPEG"},
        {"/web/Bilder/a.png", "/web/index.html", "Bilder/a.png"},
        {"/web/./Bilder/../Bilder/a.png", "/web/x/../index.html", "Bilder/a.png"},
        {"/web/Bilder/a.png", "", "a.png"},
        {"C:\\Bilder\\Haus.GIF", "/web/seite.htm", "Haus.GIF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImageReferenceForPage(c.Image, c.Page), c.Reference) << c.Image << " " << c.Page;
    }
}

} // namespace
} // namespace kvx
