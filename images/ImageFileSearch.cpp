#include "images/ImageFileSearch.h"

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
    return FindFileIgnoringCase(QDir::current().absoluteFilePath(native).toStdString());
}

} // namespace kvx
