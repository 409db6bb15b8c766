#pragma once
// The program's named instance marker: a lock file in the user's runtime folder, held with a
// shared lock for the life of the process. Nothing tests it; a second instance starts normally.

#include <QString>

namespace kvx {

class TInstanceLock {
public:
    // name becomes the lock file's name inside XDG_RUNTIME_DIR, else inside a private folder
    // "korvane2-<uid>" of the temporary folder (TMPDIR, else /tmp). The file is made with mode
    // 0600 and never through a link; the private folder must be the user's own real folder
    // (mode 0700), otherwise the program runs without the marker.
    explicit TInstanceLock(const QString& name);
    ~TInstanceLock();
    TInstanceLock(const TInstanceLock&) = delete;
    TInstanceLock& operator=(const TInstanceLock&) = delete;

    // The lock file's path (empty when no safe folder was found); its descriptor is -1 when
    // the file could not be had.
    const QString& Path() const { return FPath; }
    bool IsHeld() const { return FDescriptor >= 0; }

private:
    QString FPath;
    int FDescriptor = -1;
};

} // namespace kvx
