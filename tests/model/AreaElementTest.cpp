#include "RecordingCanvas.h"
#include "model/RectangleLinkArea.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TRectangleLinkArea Rectangle10To110() {
    std::string status;
    TRectangleLinkArea area(10, 20, status);
    area.Modify(0, 0, 110, 80, mmDragNew, status);
    area.Modify(0, 0, 0, 0, mmFinish, status);
    return area;
}

std::string HtmlOf(const TLinkArea& area, bool editorAttributes, bool preview) {
    std::string html = "previous content";
    area.GetHtml(editorAttributes, preview, html);
    return html;
}

const std::string Opening = " <area shape=\"rect\" coords=\"10,20,110,80\" ";

TEST(AreaElement, ExampleRectangleInTheThreeVariants) {
    TRectangleLinkArea area = Rectangle10To110();
    area.Href = "seite.htm";
    area.Alt = "Start";
    area.Color = 255;
    area.Contrast = false;
    EXPECT_EQ(HtmlOf(area, true, false),
              Opening + "href=\"seite.htm\" alt=\"Start\" title=\"Start\" kvxcolor=\"255\" "
                        "kvxcontrast=\"0\" />\r\n");
    EXPECT_EQ(HtmlOf(area, false, false),
              Opening + "href=\"seite.htm\" alt=\"Start\" title=\"Start\" />\r\n");
    const std::string preview =
        Opening + "href=\"javascript:alert('Eigenschaften der Verweisfläche: \\n href = "
                  "seite.htm \\n target =  \\n onClick =  \\n onMouseover =  \\n onMouseout = "
                  " \\n alt = Start')\" />\r\n";
    EXPECT_EQ(HtmlOf(area, false, true), preview);
    EXPECT_EQ(HtmlOf(area, true, true), preview); // the preview wins over editor attributes
}

TEST(AreaElement, EmptyTextsGiveTheDefaultsAndNothingElse) {
    const TRectangleLinkArea area = Rectangle10To110();
    EXPECT_EQ(HtmlOf(area, false, false), Opening + "href=\"#\" alt=\"\" />\r\n");
    EXPECT_EQ(HtmlOf(area, true, false),
              Opening + "href=\"#\" alt=\"\" kvxcolor=\"0\" kvxcontrast=\"1\" />\r\n");
}

TEST(AreaElement, AttributesInTheirFixedOrder) {
    TRectangleLinkArea area = Rectangle10To110();
    area.OnMouseOut = "aus()";
    area.OnMouseOver = "ein()";
    area.OnClick = "klick()";
    area.Target = "_blank";
    area.Href = "h.htm";
    area.Alt = "A";
    EXPECT_EQ(HtmlOf(area, false, false),
              Opening + "href=\"h.htm\" target=\"_blank\" onClick=\"klick()\" "
                        "onMouseover=\"ein()\" onMouseout=\"aus()\" alt=\"A\" title=\"A\" />\r\n");
    EXPECT_EQ(HtmlOf(area, false, true),
              Opening + "href=\"javascript:alert('Eigenschaften der Verweisfläche: \\n href = "
                        "h.htm \\n target = _blank \\n onClick = klick() \\n onMouseover = ein() "
                        "\\n onMouseout = aus() \\n alt = A')\" />\r\n");
}

TEST(AreaElement, EveryTextIsEscapedOnceForTheAttribute) {
    TRectangleLinkArea area = Rectangle10To110();
    area.Alt = "a\"b<c>&d";
    area.Href = "it's.htm?a=1&amp;b=2";
    area.OnClick = "alert(\"x\")";
    area.Target = "<t>";
    area.OnMouseOver = "a&b";
    area.OnMouseOut = "\"";
    EXPECT_EQ(HtmlOf(area, false, false),
              Opening + "href=\"it's.htm?a=1&amp;amp;b=2\" target=\"&lt;t&gt;\" "
                        "onClick=\"alert(&quot;x&quot;)\" onMouseover=\"a&amp;b\" "
                        "onMouseout=\"&quot;\" alt=\"a&quot;b&lt;c&gt;&amp;d\" "
                        "title=\"a&quot;b&lt;c&gt;&amp;d\" />\r\n");
}

TEST(AreaElement, PreviewAlertEscapesForTheScriptStringThenTheLinkThenTheAttribute) {
    // The text as typed, and how it stands inside the alert link of the preview's href
    // attribute: script string escapes, then "%" for the link's percent-decoding, then the
    // attribute's entities.
    const struct {
        std::string Text;
        std::string InHref;
    } cases[] = {
        {"O'Neil.htm", "O\\'Neil.htm"},
        {"C:\\pfad\\n.htm", "C:\\\\pfad\\\\n.htm"},
        {"sag \"hallo\"", "sag \\&quot;hallo\\&quot;"},
        {"eins\r\nzwei", "eins\\r\\nzwei"},
        {"a\xE2\x80\xA8"
         "b\xE2\x80\xA9"
         "c",
         "a\\u2028b\\u2029c"},
        {"100% %41", "100%25 %2541"},
        {"<b>&amp;", "&lt;b&gt;&amp;amp;"},
        {"Grüße", "Grüße"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        TRectangleLinkArea area = Rectangle10To110();
        area.Href = c.Text;
        area.Alt = c.Text;
        EXPECT_EQ(
            HtmlOf(area, false, true),
            Opening +
                "href=\"javascript:alert('Eigenschaften der Verweisfläche: \\n href = " + c.InHref +
                " \\n target =  \\n onClick =  \\n onMouseover =  \\n onMouseout =  \\n "
                "alt = " +
                c.InHref + "')\" />\r\n");
    }
}

TEST(AreaElement, SystemColourIsWrittenAsItsSignedCode) {
    TRectangleLinkArea area = Rectangle10To110();
    area.Color = clBtnFace;
    area.Contrast = false;
    EXPECT_EQ(HtmlOf(area, true, false),
              Opening + "href=\"#\" alt=\"\" kvxcolor=\"-16777201\" kvxcontrast=\"0\" />\r\n");
}

TEST(AreaElement, OutlineSetUpFollowsSelectionAndContrast) {
    TRectangleLinkArea area = Rectangle10To110();
    test::TRecordingCanvas contrast;
    area.Color = 255;
    area.Draw(contrast, false);
    EXPECT_EQ(contrast.Calls, (std::vector<std::string>{"brush clear", "pen dot", "width 1",
                                                        "mode not", "rect 10 20 110 80"}));

    area.Contrast = false;
    test::TRecordingCanvas coloured;
    area.Draw(coloured, true);
    const std::vector<std::string> start = {"brush clear", "pen solid", "width 1",
                                            "mode copy",   "color 255", "rect 10 20 110 80"};
    ASSERT_GE(coloured.Calls.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(coloured.Calls.begin(), coloured.Calls.begin() + 6), start);
    // The handle look: copying black pen, solid white brush.
    const std::vector<std::string> handles = {"mode copy", "pen solid", "color 0",
                                              "brush color 16777215", "brush solid"};
    EXPECT_EQ(std::vector<std::string>(coloured.Calls.begin() + 6, coloured.Calls.begin() + 11),
              handles);
}

TEST(AreaElement, NoHandlesWhileEditing) {
    TRectangleLinkArea area = Rectangle10To110();
    std::string status;
    area.Move(0, 0, 1, 1, status);
    test::TRecordingCanvas canvas;
    area.Draw(canvas, true);
    EXPECT_EQ(canvas.Shapes(), (std::vector<std::string>{"rect 11 21 111 81"}));
}

} // namespace
} // namespace kvx
