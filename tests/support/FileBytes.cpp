#include "support/FileBytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace kvx::test {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << "cannot create " << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace kvx::test
