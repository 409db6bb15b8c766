#include "platform/FilePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
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

// The entries of folder whose names equal name without regard to letter case and which are
// folders (wantFolder) or files, in name order.
QStringList EntriesIgnoringCase(const QString& folder, const QString& name, bool wantFolder) {
    const auto hasWantedKind = [&](const QString& entry) {
        const QFileInfo info(QDir(folder).filePath(entry));
        return wantFolder ? info.isDir() : info.isFile();
    };
    const QDir::Filters filters =
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList matches;
    for (const QString& entry : QDir(folder).entryList(filters, QDir::Name)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0 && hasWantedKind(entry)) {
            matches.push_back(entry);
        }
    }
    return matches;
}

QString Joined(const QString& resolved, const QString& entry) {
    if (resolved.isEmpty() || resolved.endsWith(QLatin1Char('/'))) {
        return resolved + entry;
    }
    return resolved + QLatin1Char('/') + entry;
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

std::vector<std::string> FindFilesIgnoringCase(const std::string& path) {
    if (IsExistingFile(path)) {
        return {path};
    }
    // A drive of a path written on Windows names nothing here: "C:\bilder\a.gif" is looked
    // for as "/bilder/a.gif", "D:a.gif" in the current folder.
    const std::string native = ToNativeSeparators(WithoutDrive(path));
    if (native.empty()) {
        return {};
    }
    const std::vector<std::string_view> components = SplitComponents(native);
    if (components.empty() || native.back() == '/') {
        return {}; // names a folder, never a file
    }
    // Every spelling found so far of the components up to k; "" is the current folder.
    QStringList resolved{native.front() == '/' ? QStringLiteral("/") : QString()};
    for (std::size_t k = 0; k < components.size() && !resolved.isEmpty(); ++k) {
        const QString component = ToQString(components[k]);
        const bool last = k + 1 == components.size();
        QStringList next;
        for (const QString& prefix : resolved) {
            if (component == QLatin1String(".") || component == QLatin1String("..")) {
                if (!last) {
                    next.push_back(Joined(prefix, component));
                }
                continue;
            }
            const QString folder = prefix.isEmpty() ? QStringLiteral(".") : prefix;
            for (const QString& entry : EntriesIgnoringCase(folder, component, !last)) {
                if (static_cast<std::size_t>(next.size()) < MaxCaseVariants) {
                    next.push_back(Joined(prefix, entry));
                }
            }
        }
        resolved = next;
    }
    std::vector<std::string> files;
    for (const QString& candidate : resolved) {
        std::string file = candidate.toStdString();
        if (IsExistingFile(file)) {
            files.push_back(std::move(file));
        }
    }
    // Byte order, so that the first of several is the same on every machine.
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

std::optional<std::string> FindFileIgnoringCase(const std::string& path) {
    std::vector<std::string> files = FindFilesIgnoringCase(path);
    if (files.empty()) {
        return std::nullopt;
    }
    return std::move(files.front());
}

bool IsSameFile(const std::string& first, const std::string& second) {
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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
