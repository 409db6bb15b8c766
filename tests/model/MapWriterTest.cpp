#include "model/ImageMap.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kvx {
namespace {

std::string GoldenFile(const std::string& name) {
    std::ifstream file(std::string(KVX_TEST_DATA_DIR) + "/writer/" + name, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << name;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void Finish(TImageMap& map, const TLinkAreaProperties& props) {
    std::string status;
    map.ModifySelected(0, 0, 0, 0, mmFinish, status);
    map.SetSelectedProperties(props);
}

// The map "karte" on "C:\Bilder\Haus.GIF" with a rectangle, a circle and a polygon.
void BuildExampleMap(TImageMap& map) {
    map.Name = "karte";
    map.ImageFile = "C:\\Bilder\\Haus.GIF";
    map.AltText = "Unser Haus";
    std::string status;

    map.AddArea(akRectangle, 10, 20, status);
    TLinkAreaProperties rectangle;
    rectangle.Href = "wohnzimmer.htm";
    rectangle.Alt = "Wohnzimmer";
    rectangle.Color = 255;
    rectangle.Contrast = false;
    rectangle.Coords = {"X1", "10", "Y1", "20", "X2", "110", "Y2", "80"};
    Finish(map, rectangle);

    map.AddArea(akCircle, 200, 150, status);
    TLinkAreaProperties circle;
    circle.OnClick = "zeige(1)";
    circle.Contrast = true;
    circle.Coords = {"Mittelpunkt: X", "200", "Mittelpunkt: Y", "150", "Radius", "40"};
    Finish(map, circle);

    // Three vertices the way the reader makes them: one added point less, the finish drops one.
    map.AddArea(akPolygon, 300, 50, status);
    map.ModifySelected(0, 0, 0, 0, mmAddPoint, status);
    map.ModifySelected(0, 0, 0, 0, mmAddPoint, status);
    TLinkAreaProperties polygon;
    polygon.Href = "dach.htm";
    polygon.Target = "_blank";
    polygon.Alt = "Dach & Giebel";
    polygon.Contrast = true;
    polygon.Coords = {"", "300", "", "50", "", "350", "", "120", "", "260", "", "120"};
    Finish(map, polygon);
}

std::string HtmlOf(const TImageMap& map, bool editorAttributes, bool preview, int width = 400,
                   int height = 300) {
    std::string html = "discarded";
    map.GetHtml(width, height, editorAttributes, preview, html);
    return html;
}

TEST(MapWriter, WorkedExampleInTheThreeVariants) {
    TImageMap map;
    BuildExampleMap(map);
    EXPECT_EQ(HtmlOf(map, true, false), GoldenFile("karte-project.htm"));
    EXPECT_EQ(HtmlOf(map, false, false), GoldenFile("karte-publish.htm"));
    EXPECT_EQ(HtmlOf(map, false, true), GoldenFile("karte-preview.htm"));
    EXPECT_EQ(HtmlOf(map, true, true), GoldenFile("karte-preview.htm"));
}

TEST(MapWriter, MapWithoutAreas) {
    TImageMap map;
    map.Name = "leer";
    map.ImageFile = "/home/anna/Bilder/Plan.PNG";
    EXPECT_EQ(HtmlOf(map, false, false, 8, 6),
              "<map name=\"leer\" id=\"leer\">\r\n</map>\r\n<img src=\"Plan.PNG\" width=\"8\" "
              "height=\"6\" border=\"0\" alt=\"\" title=\"\" usemap=\"#leer\" />\r\n");
}

TEST(MapWriter, EmptyNameGivesEmptyAttributesAndABareHash) {
    TImageMap map;
    map.ImageFile = "bild.gif";
    EXPECT_EQ(HtmlOf(map, true, false),
              "<map name=\"\" id=\"\">\r\n</map>\r\n<img src=\"bild.gif\" width=\"400\" "
              "height=\"300\" border=\"0\" alt=\"\" title=\"\" usemap=\"#\" />\r\n");
}

TEST(MapWriter, NameAltTextAndSourceAreEscapedButBorderIsNot) {
    TImageMap map;
    map.Name = "a\"&b";
    map.AltText = "<Haus>";
    map.Border = "1\"";
    map.ImageFile = "/web/A&B/\"x\" <1>.gif";
    EXPECT_EQ(HtmlOf(map, true, false),
              "<map name=\"a&quot;&amp;b\" id=\"a&quot;&amp;b\">\r\n</map>\r\n<img "
              "src=\"/web/A&amp;B/&quot;x&quot; &lt;1&gt;.gif\" width=\"400\" height=\"300\" "
              "border=\"1\"\" alt=\"&lt;Haus&gt;\" title=\"&lt;Haus&gt;\" "
              "usemap=\"#a&quot;&amp;b\" />\r\n");
    EXPECT_NE(HtmlOf(map, false, false).find("src=\"&quot;x&quot; &lt;1&gt;.gif\""),
              std::string::npos);
}

struct TSourceCase {
    const char* ImageFile;
    const char* Project;
    const char* Publish;
    const char* Preview;
};

TEST(MapWriter, ImageSourcePerVariant) {
    const TSourceCase cases[] = {
        {"D:\\Fotos\\ÄRGER.JPG", "D:\\Fotos\\ÄRGER.JPG", "ÄRGER.JPG", "kvx2temp.jpg"},
        {"C:\\Bilder.alt\\Haus", "C:\\Bilder.alt\\Haus", "Haus", "kvx2temp"},
        {"/home/Anna/Bilder/IMG_1234.JPG", "/home/Anna/Bilder/IMG_1234.JPG", "IMG_1234.JPG",
         "kvx2temp.jpg"},
        {"/home/anna/Ernte Bild.JPEG", "/home/anna/Ernte Bild.JPEG", "Ernte Bild.JPEG",
         "kvx2temp.jpeg"},
        {"C:Haus.Png", "C:Haus.Png", "Haus.Png", "kvx2temp.png"},
        {"Plan.tar.GZ", "Plan.tar.GZ", "Plan.tar.GZ", "kvx2temp.gz"},
        {"", "", "", "kvx2temp"},
    };
    for (const TSourceCase& c : cases) {
        SCOPED_TRACE(c.ImageFile);
        TImageMap map;
        map.ImageFile = c.ImageFile;
        const auto sourceOf = [&](bool editorAttributes, bool preview) {
            const std::string html = HtmlOf(map, editorAttributes, preview);
            const std::size_t start = html.find("<img src=\"") + 10;
            return html.substr(start, html.find('"', start) - start);
        };
        EXPECT_EQ(sourceOf(true, false), c.Project);
        EXPECT_EQ(sourceOf(false, false), c.Publish);
        EXPECT_EQ(sourceOf(false, true), c.Preview);
    }
}

TEST(MapWriter, PublishingSourceIsTheGivenReferenceEscaped) {
    TImageMap map;
    map.ImageFile = "/web/Bilder/Haus.PNG";
    std::string html;
    map.GetHtml(1, 1, false, false, html, "../Bilder/Haus & Hof.PNG");
    EXPECT_NE(html.find("<img src=\"../Bilder/Haus &amp; Hof.PNG\""), std::string::npos);
    map.GetHtml(1, 1, true, false, html, "../Bilder/Haus.PNG");
    EXPECT_NE(html.find("<img src=\"/web/Bilder/Haus.PNG\""), std::string::npos);
}

TEST(MapWriter, AreasFollowTheListOrderNotTheIds) {
    TImageMap map;
    BuildExampleMap(map);
    map.SelectById(3);
    ASSERT_TRUE(map.BringSelectedToFront());
    const std::string html = HtmlOf(map, false, false);
    const std::size_t poly = html.find("shape=\"poly\"");
    const std::size_t rect = html.find("shape=\"rect\"");
    const std::size_t circle = html.find("shape=\"circle\"");
    EXPECT_LT(poly, rect);
    EXPECT_LT(rect, circle);
    EXPECT_EQ(html.find(" <area"), html.find("\r\n") + 2);
}

TEST(MapWriter, DeletingTheLastAreaWritesAnEmptyMap) {
    TImageMap map;
    BuildExampleMap(map);
    for (const std::int32_t id : {1, 2, 3}) {
        map.SelectById(id);
        ASSERT_TRUE(map.DeleteSelected());
    }
    EXPECT_EQ(HtmlOf(map, false, false).find("<area"), std::string::npos);
}

} // namespace
} // namespace kvx
