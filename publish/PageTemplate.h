#pragma once
// The built-in page and its marker as the windows use them: text in QString positions.

#include "formats/NewPage.h"

#include <QString>

namespace kvx {

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

} // namespace kvx
