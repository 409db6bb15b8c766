#include "app/ProgramIcon.h"

// The picture lives in this library's resources; a static library must register them itself.
static void InitProgramResources() {
    Q_INIT_RESOURCE(korvane2);
}

namespace kvx {

namespace {

const QPixmap& Original() {
    static const QPixmap original = [] {
        InitProgramResources();
        return QPixmap(QStringLiteral(":/korvane2/korvane2.png"));
    }();
    return original;
}

} // namespace

QPixmap ProgramPicture(int size) {
    return Original().scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(ProgramPicture(size));
    }
    return icon;
}

} // namespace kvx
