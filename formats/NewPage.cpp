#include "formats/NewPage.h"

#include "platform/FilePaths.h"

namespace kvx {

TPageText LoadPageTemplate(const std::string& templatePath) {
    if (!IsExistingFile(templatePath)) {
        return TPageText::FromBytes(
            QByteArray(DefaultPageTemplate.data(), qsizetype(DefaultPageTemplate.size())));
    }
    return TPageText::ReadFile(templatePath);
}

TPageText NewPageFromTemplate(const TPageText& templatePage, std::string_view definition) {
    const std::size_t marker = templatePage.Text().find(MapMarker);
    if (marker == std::string::npos) {
        throw EPageInsertion("Die Vorlage enthält keine Markierung \"" + std::string(MapMarker) +
                             "\" für die Image Map! Es wurde keine Datei geschrieben.");
    }
    return templatePage.With(
        {{marker, marker + MapMarker.size(), templatePage.WithPageLineEnds(definition)}});
}

} // namespace kvx
