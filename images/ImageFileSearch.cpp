#include "images/ImageFileSearch.h"

#include "platform/FilePaths.h"

#include <QDir>
#include <QString>

namespace kvx {

std::string AbsoluteImagePath(std::string_view storedPath) {
    // An absolute path keeps the map usable when it is saved and opened from elsewhere.
    const QString native = QString::fromStdString(ToNativeSeparators(WithoutDrive(storedPath)));
    return QDir::current().absoluteFilePath(native).toStdString();
}

std::vector<std::string> FindImageFiles(const std::vector<std::string>& storedPaths) {
    std::vector<std::string> absolutePaths;
    for (const std::string& storedPath : storedPaths) {
        if (!storedPath.empty() && !WithoutDrive(storedPath).empty()) {
            absolutePaths.push_back(AbsoluteImagePath(storedPath));
        }
    }
    for (const std::string& path : absolutePaths) {
        if (IsExistingFile(path)) {
            return {path};
        }
    }
    for (const std::string& path : absolutePaths) {
        if (std::vector<std::string> files = FindFilesIgnoringCase(path); !files.empty()) {
            return files;
        }
    }
    return {};
}

} // namespace kvx
