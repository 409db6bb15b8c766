#include "app/RecentFiles.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace kvx {

namespace {

constexpr const char* FilesKey = "Zuletzt geöffnet/Dateien";
constexpr const char* KindsKey = "Zuletzt geöffnet/Arten";
const QString PageKind = QStringLiteral("Seite");
const QString ProjectKind = QStringLiteral("Projekt");

// Paths compare as the file system names them, so one file is listed once.
bool SameFile(const QString& a, const QString& b) {
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

} // namespace

std::vector<TRecentFile> TRecentFiles::Load() {
    const QSettings settings;
    const QStringList paths = settings.value(QString::fromUtf8(FilesKey)).toStringList();
    const QStringList kinds = settings.value(QString::fromUtf8(KindsKey)).toStringList();
    std::vector<TRecentFile> files;
    for (qsizetype i = 0; i < paths.size() && files.size() < MaxEntries; ++i) {
        if (!paths[i].isEmpty()) {
            files.push_back({paths[i], i < kinds.size() && kinds[i] == PageKind});
        }
    }
    return files;
}

void TRecentFiles::Add(const TRecentFile& file) {
    std::vector<TRecentFile> files = Load();
    std::erase_if(files, [&](const TRecentFile& f) { return SameFile(f.Path, file.Path); });
    files.insert(files.begin(), file);
    if (files.size() > MaxEntries) {
        files.resize(MaxEntries);
    }
    Save(files);
}

void TRecentFiles::Remove(const QString& path) {
    std::vector<TRecentFile> files = Load();
    std::erase_if(files, [&](const TRecentFile& f) { return SameFile(f.Path, path); });
    Save(files);
}

void TRecentFiles::Save(const std::vector<TRecentFile>& files) {
    QStringList paths;
    QStringList kinds;
    for (const TRecentFile& file : files) {
        paths << file.Path;
        kinds << (file.Page ? PageKind : ProjectKind);
    }
    QSettings settings;
    settings.setValue(QString::fromUtf8(FilesKey), paths);
    settings.setValue(QString::fromUtf8(KindsKey), kinds);
}

} // namespace kvx
