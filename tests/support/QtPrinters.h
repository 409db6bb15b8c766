#pragma once
// Readable test failures: GoogleTest prints QString (and lists of them) as text instead of
// as bytes. Include it in a test that compares QStrings.

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '"' << list.join("\", \"").toStdString() << '"';
}
