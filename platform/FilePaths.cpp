#include "platform/FilePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <system_error>
#include <vector>

namespace kvx {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
    std::vector<std::string_view> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > start) {
            components.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return components;
}

// The entry of folder whose name equals name without regard to letter case and which is a
// folder (wantFolder) or a file. An exact match wins; otherwise the first in name order.
std::optional<QString> FindEntryIgnoringCase(const QString& folder, const QString& name,
                                             bool wantFolder) {
    const auto hasWantedKind = [&](const QString& entry) {
        const QFileInfo info(QDir(folder).filePath(entry));
        return wantFolder ? info.isDir() : info.isFile();
    };
    if (hasWantedKind(name)) {
        return name;
    }
    const QDir::Filters filters =
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    const QStringList entries = QDir(folder).entryList(filters, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && hasWantedKind(entry)) {
            return entry;
        }
    }
    return std::nullopt;
}

std::string ExecutableFolder() {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::applicationDirPath().toStdString();
    }
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : executable.parent_path().string();
}

} // namespace

bool IsExistingFile(const std::string& path) {
    return !path.empty() && QFileInfo(QString::fromStdString(path)).isFile();
}

std::optional<std::string> FindFileIgnoringCase(const std::string& path) {
    if (IsExistingFile(path)) {
        return path;
    }
    // A drive of a path written on Windows names nothing here: "C:\bilder\a.gif" is looked
    // for as "/bilder/a.gif", "D:a.gif" in the current folder.
    const std::string native = ToNativeSeparators(WithoutDrive(path));
    if (native.empty()) {
        return std::nullopt;
    }
    const bool absolute = native.front() == '/';
    const std::vector<std::string_view> components = SplitComponents(native);
    if (components.empty() || native.back() == '/') {
        return std::nullopt; // names a folder, never a file
    }
    QString resolved = absolute ? QStringLiteral("/") : QString();
    for (std::size_t k = 0; k < components.size(); ++k) {
        const QString component = ToQString(components[k]);
        const bool last = k + 1 == components.size();
        QString entry = component;
        if (component != QLatin1String(".") && component != QLatin1String("..")) {
            const QString folder = resolved.isEmpty() ? QStringLiteral(".") : resolved;
            const std::optional<QString> found = FindEntryIgnoringCase(folder, component, !last);
            if (!found) {
                return std::nullopt;
            }
            entry = *found;
        } else if (last) {
            return std::nullopt;
        }
        if (!resolved.isEmpty() && !resolved.endsWith(QLatin1Char('/'))) {
            resolved += QLatin1Char('/');
        }
        resolved += entry;
    }
    const std::string result = resolved.toStdString();
    return IsExistingFile(result) ? std::optional<std::string>(result) : std::nullopt;
}

std::string DataFilePath(const std::string& fileName) {
    const std::string besideExecutable = ExecutableFolder() + "/" + fileName;
    if (IsExistingFile(besideExecutable)) {
        return besideExecutable;
    }
    // An installed tree may have been moved as a whole: its data folder lies beside bin/.
    const std::string relocated = ExecutableFolder() + "/../share/korvane2/" + fileName;
    if (IsExistingFile(relocated)) {
        return relocated;
    }
    const std::string installed = std::string(KVX_DATA_DIR) + "/" + fileName;
    if (IsExistingFile(installed)) {
        return installed;
    }
    return besideExecutable;
}

} // namespace kvx
