#include "editor/EditorContext.h"

#include <QLabel>

namespace kvx {

void SetStatusText(const TStatusPanels& panels, int panel, const QString& text) {
    if (panel >= 0 && panel < static_cast<int>(panels.size())) {
        panels[static_cast<std::size_t>(panel)]->setText(text);
    }
}

QString StatusText(const TStatusPanels& panels, int panel) {
    if (panel >= 0 && panel < static_cast<int>(panels.size())) {
        return panels[static_cast<std::size_t>(panel)]->text();
    }
    return {};
}

} // namespace kvx
