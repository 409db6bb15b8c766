#pragma once
// The last projects and pages the user opened ("Datei → Zuletzt geöffnet"), newest first,
// kept in the program's settings between runs.

#include <QString>
#include <vector>

namespace kvx {

struct TRecentFile {
    QString Path;
    bool Page = false; // an HTML page, imported; otherwise a project file
    bool operator==(const TRecentFile&) const = default;
};

class TRecentFiles {
public:
    static constexpr std::size_t MaxEntries = 8;

    // The list as the settings hold it.
    static std::vector<TRecentFile> Load();
    // Puts the file first (once) and keeps the newest MaxEntries; saved at once.
    static void Add(const TRecentFile& file);
    static void Remove(const QString& path);

private:
    static void Save(const std::vector<TRecentFile>& files);
};

} // namespace kvx
