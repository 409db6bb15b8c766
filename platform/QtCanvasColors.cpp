// The colour codes of the canvas: 0x00BBGGRR, and system colours named by their Windows index.
#include "platform/QtCanvas.h"

#include <QGuiApplication>
#include <QPalette>

namespace kvx {

namespace {

QColor PaletteColor(QPalette::ColorRole role, QPalette::ColorGroup group = QPalette::Active) {
    return QGuiApplication::palette().color(group, role);
}

// The Windows system colour indexes that have a sensible counterpart in a Qt palette.
QColor SystemColor(unsigned index) {
    switch (index) {
    case 0:
        return PaletteColor(QPalette::Button); // scroll bar
    case 1:
        return PaletteColor(QPalette::Window); // desktop
    case 2:
        return PaletteColor(QPalette::Highlight); // active caption
    case 3:
        return PaletteColor(QPalette::Mid); // inactive caption
    case 4:
        return PaletteColor(QPalette::Window); // menu
    case 5:
        return PaletteColor(QPalette::Base); // window background
    case 6:
        return PaletteColor(QPalette::Shadow); // window frame
    case 7:
        return PaletteColor(QPalette::WindowText); // menu text
    case 8:
        return PaletteColor(QPalette::WindowText); // window text
    case 9:
        return PaletteColor(QPalette::HighlightedText); // caption text
    case 10:
    case 11:
        return PaletteColor(QPalette::Button); // borders
    case 12:
        return PaletteColor(QPalette::Dark); // application workspace
    case 13:
        return PaletteColor(QPalette::Highlight); // selection
    case 14:
        return PaletteColor(QPalette::HighlightedText);
    case 15:
        return PaletteColor(QPalette::Button); // button face
    case 16:
        return PaletteColor(QPalette::Dark); // button shadow
    case 17:
        return PaletteColor(QPalette::Text, QPalette::Disabled); // grey text
    case 18:
        return PaletteColor(QPalette::ButtonText);
    case 19:
        return PaletteColor(QPalette::Text, QPalette::Inactive); // inactive caption text
    case 20:
        return PaletteColor(QPalette::Light); // button highlight
    case 21:
        return PaletteColor(QPalette::Shadow); // dark 3-D shadow
    case 22:
        return PaletteColor(QPalette::Midlight); // 3-D light
    case 23:
        return PaletteColor(QPalette::ToolTipText); // info text
    case 24:
        return PaletteColor(QPalette::ToolTipBase); // info background
    case 26:
        return PaletteColor(QPalette::Link); // hot-tracked item
    case 29:
        return PaletteColor(QPalette::Highlight); // menu highlight
    case 30:
        return PaletteColor(QPalette::Window); // menu bar
    default:
        return QColor(Qt::black);
    }
}

} // namespace

QColor ColorFromCode(TColor code) {
    const auto bits = static_cast<std::uint32_t>(code);
    if ((bits >> 24) == 0xFF) {
        return SystemColor(bits & 0xFF);
    }
    // Other high bytes (palette-relative codes on Windows) have no meaning here; the low
    // three bytes still name the colour.
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

TColor CodeFromColor(const QColor& color) {
    const QRgb rgb = color.rgb();
    return static_cast<TColor>(static_cast<std::uint32_t>(qBlue(rgb)) << 16 |
                               static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
                               static_cast<std::uint32_t>(qRed(rgb)));
}

} // namespace kvx
