#include "html/ImageFileSearch.h"

#include "platform/FilePaths.h"

#include <QDir>
#include <QString>

namespace kvx {

std::optional<std::string> FindImageFile(std::string_view storedPath) {
    if (storedPath.empty()) {
        return std::nullopt;
    }
    // An absolute path keeps the map usable when it is saved and opened from elsewhere.
    const QString native = QString::fromStdString(ToNativeSeparators(storedPath));
    const std::string absolute = QDir::current().absoluteFilePath(native).toStdString();
    std::optional<std::string> found = FindFileIgnoringCase(absolute);
    if (found && !IsExistingFile(*found)) {
        return std::nullopt;
    }
    return found;
}

} // namespace kvx
