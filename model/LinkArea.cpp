#include "model/LinkArea.h"

#include "model/Int32Arithmetic.h"
#include "model/TextConversion.h"

#include <stdexcept>
#include <string_view>

namespace kvx {

namespace {

// A javascript: link is percent-decoded before it runs; "%25" comes back as the "%" meant.
std::string EscapePercentSigns(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c == '%') {
            result += "%25";
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

std::string TLinkArea::PreviewAlertText() const {
    // "\n" here is backslash and n: a line break inside the script's string, not in the file.
    return "Eigenschaften der Verweisfläche: \\n href = " + JavaScriptStringEscape(Href) +
           " \\n target = " + JavaScriptStringEscape(Target) +
           " \\n onClick = " + JavaScriptStringEscape(OnClick) +
           " \\n onMouseover = " + JavaScriptStringEscape(OnMouseOver) +
           " \\n onMouseout = " + JavaScriptStringEscape(OnMouseOut) +
           " \\n alt = " + JavaScriptStringEscape(Alt);
}

void TLinkArea::PrepareOutline(TCanvas& canvas, bool selected) const {
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    canvas.SetPenStyle(selected ? TPenStyle::psSolid : TPenStyle::psDot);
    canvas.SetPenWidth(1);
    if (Contrast) {
        canvas.SetPenMode(TPenMode::pmNot);
    } else {
        canvas.SetPenMode(TPenMode::pmCopy);
        canvas.SetPenColor(Color);
    }
}

void TLinkArea::PrepareHandles(TCanvas& canvas) {
    canvas.SetPenMode(TPenMode::pmCopy);
    canvas.SetPenStyle(TPenStyle::psSolid);
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clWhite);
    canvas.SetBrushStyle(TBrushStyle::bsSolid);
}

void TLinkArea::GetCommonProperties(TLinkAreaProperties& props) const {
    props.Href = Href;
    props.Alt = Alt;
    props.Target = Target;
    props.OnMouseOver = OnMouseOver;
    props.OnMouseOut = OnMouseOut;
    props.OnClick = OnClick;
    props.Color = Color;
    props.Contrast = Contrast;
}

void TLinkArea::SetCommonProperties(const TLinkAreaProperties& props) {
    Href = props.Href;
    Alt = props.Alt;
    Target = props.Target;
    OnMouseOver = props.OnMouseOver;
    OnMouseOut = props.OnMouseOut;
    OnClick = props.OnClick;
    Color = props.Color;
    Contrast = props.Contrast;
}

std::int32_t TLinkArea::CoordinateValue(const TLinkAreaProperties& props, std::size_t index) {
    if (index >= props.Coords.size()) {
        throw std::out_of_range("coordinate list too short: entry " + std::to_string(index) +
                                " missing, " + std::to_string(props.Coords.size()) +
                                " entries given");
    }
    return StrToInt(props.Coords[index]);
}

void TLinkArea::AppendAttributes(bool editorAttributes, bool preview, std::string& html) const {
    if (preview) {
        // Script string first, then the link's percent-decoding, then the attribute: each
        // area's alert shows its texts exactly, whatever characters they hold.
        const std::string script = "javascript:alert('" + PreviewAlertText() + "')";
        html += "href=\"" + HtmlEscape(EscapePercentSigns(script)) + "\" ";
    } else {
        html += Href.empty() ? std::string("href=\"#\" ") : "href=\"" + HtmlEscape(Href) + "\" ";
        if (!Target.empty()) {
            html += "target=\"" + HtmlEscape(Target) + "\" ";
        }
        if (!OnClick.empty()) {
            html += "onClick=\"" + HtmlEscape(OnClick) + "\" ";
        }
        if (!OnMouseOver.empty()) {
            html += "onMouseover=\"" + HtmlEscape(OnMouseOver) + "\" ";
        }
        if (!OnMouseOut.empty()) {
            html += "onMouseout=\"" + HtmlEscape(OnMouseOut) + "\" ";
        }
        if (Alt.empty()) {
            html += "alt=\"\" ";
        } else {
            const std::string alt = HtmlEscape(Alt);
            html += "alt=\"" + alt + "\" title=\"" + alt + "\" ";
        }
        if (editorAttributes) {
            html += "kvxcolor=\"" + IntToStr(Color) + "\" ";
            html += Contrast ? "kvxcontrast=\"1\" " : "kvxcontrast=\"0\" ";
        }
    }
    html += "/>\r\n";
}

} // namespace kvx
