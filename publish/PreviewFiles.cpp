#include "publish/PreviewFiles.h"

#include "model/ImageMap.h"
#include "platform/FilePaths.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>

namespace kvx {

TPreviewFiles::TPreviewFiles(const QString& temporaryFolder, TPageWriter writePage)
    : FFolder(QDir(temporaryFolder).filePath(QStringLiteral("korvane2-preview-XXXXXX"))),
      FWritePage(writePage ? std::move(writePage) : TPageWriter(&WriteFileSafely)) {}

QString TPreviewFiles::ImageCopyName(const std::string& imageFile) {
    return QString::fromStdString(PreviewImageName(imageFile));
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
    return QFile::copy(QString::fromStdString(*source),
                       QDir(FolderPath()).filePath(ImageCopyName(imageFile)));
}

QString TPreviewFiles::WritePage(const QString& pageText) {
    const QString path = QDir(FolderPath()).filePath(PageName());
    FWritePage(path.toStdString(), QByteArray("\xEF\xBB\xBF") + pageText.toUtf8());
    return path;
}

} // namespace kvx
