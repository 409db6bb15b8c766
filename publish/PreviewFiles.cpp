#include "publish/PreviewFiles.h"

#include "platform/FilePaths.h"
#include "platform/TextFile.h"
#include "publish/AsciiCase.h"

#include <QDir>
#include <QFile>

namespace kvx {

TPreviewFiles::TPreviewFiles(const QString& temporaryFolder, TPageWriter writePage)
    : FFolder(QDir(temporaryFolder).filePath(QStringLiteral("korvane2-preview-XXXXXX"))),
      FWritePage(writePage ? std::move(writePage) : TPageWriter(&WriteFileSafely)) {}

TPreviewFiles::~TPreviewFiles() {
    RemoveFiles();
}

QString TPreviewFiles::ImageCopyName(const std::string& imageFile) {
    return QStringLiteral("kvx2temp") + LowerAscii(QString::fromStdString(ExtensionOf(imageFile)));
}

bool TPreviewFiles::CopyImage(const std::string& imageFile) {
    if (!IsValid()) {
        return false;
    }
    // The loaded image may be known by a path from a Windows project file or in another case.
    const std::optional<std::string> source = FindFileIgnoringCase(imageFile);
    if (!source) {
        return false;
    }
    const QString target = QDir(FolderPath()).filePath(ImageCopyName(imageFile));
    if (!QFile::copy(QString::fromStdString(*source), target)) {
        return false;
    }
    FImageCopyPath = target;
    return true;
}

QString TPreviewFiles::WritePage(const QString& pageText) {
    const QString path = QDir(FolderPath()).filePath(PageName());
    FPagePath = path;
    FWritePage(path.toStdString(), QByteArray("\xEF\xBB\xBF") + pageText.toUtf8());
    return path;
}

void TPreviewFiles::RemoveFiles() {
    if (!FPagePath.isEmpty()) {
        QFile::remove(FPagePath);
    }
    if (!FImageCopyPath.isEmpty() && QFile::exists(FImageCopyPath)) {
        // A copy that kept a read-only image's permissions is made deletable first.
        QFile::setPermissions(FImageCopyPath, QFile::permissions(FImageCopyPath) |
                                                  QFile::WriteOwner | QFile::WriteUser);
        QFile::remove(FImageCopyPath);
    }
    // QTemporaryDir removes the folder with anything still in it when it goes.
}

} // namespace kvx
