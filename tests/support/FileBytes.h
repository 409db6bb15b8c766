#pragma once
// Files with exact bytes, as the tests make and check them. A file that cannot be read or
// written fails the test that asked for it.

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace kvx::test {

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);

// The bytes of a literal, NULs included ("a\0b"sv).
inline QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline QByteArray ReadBytes(const std::string& path) {
    return ReadBytes(QString::fromStdString(path));
}
inline void WriteBytes(const std::string& path, const QByteArray& bytes) {
    WriteBytes(QString::fromStdString(path), bytes);
}

} // namespace kvx::test
