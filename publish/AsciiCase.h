#pragma once
// Lower-casing as the program's file names need it: only the letters A to Z change.

#include <QString>

namespace kvx {

inline QString LowerAscii(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            c = QChar(c.unicode() + ('a' - 'A'));
        }
    }
    return text;
}

} // namespace kvx
