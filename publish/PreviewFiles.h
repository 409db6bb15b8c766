#pragma once
// The two files of a preview, "kvx2temp.htm" and the image copy, in a folder of their own
// inside the system's temporary folder: fixed names directly in a shared, world-writable folder
// could be planted or read by other users. Everything goes when the object does.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>

namespace kvx {

class TPreviewFiles {
public:
    // Writes bytes to a path; throws TFileError. WriteFileSafely unless a test needs a failure.
    using TPageWriter = std::function<void(const std::string& path, const QByteArray& bytes)>;

    explicit TPreviewFiles(const QString& temporaryFolder, TPageWriter writePage = {});

    // False when no folder could be made; nothing else works then.
    bool IsValid() const { return FFolder.isValid(); }
    QString FolderPath() const { return FFolder.path(); }

    // Copies the image as "kvx2temp" + its extension lower-cased, the name the preview page
    // uses for it. False when the image cannot be copied.
    bool CopyImage(const std::string& imageFile);
    // Writes the page as "kvx2temp.htm" and returns its path; throws TFileError. UTF-8 with a
    // byte-order mark, so that the browser reads it as UTF-8 although the page declares no
    // charset; the text itself is written unchanged.
    QString WritePage(const QString& pageText);

    // "kvx2temp" + the extension of imageFile, letters A to Z lowered.
    static QString ImageCopyName(const std::string& imageFile);
    static QString PageName() { return QStringLiteral("kvx2temp.htm"); }

private:
    QTemporaryDir FFolder;
    TPageWriter FWritePage;
};

} // namespace kvx
