#pragma once
// Fixtures the reader tests make for themselves in a private temporary folder: tiny images of
// a chosen size and text files with exact bytes.

#include "support/FileBytes.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace kvx::test {

// A width × height image; PNG through Qt's built-in writer, GIF through giflib (Qt writes no
// GIF). The format follows the extension, in any letter case.
void WriteTestImage(const std::string& path, int width, int height);

class TReaderTest : public ::testing::Test {
protected:
    // Full path of name inside the temporary folder.
    std::string PathOf(const std::string& name) const;
    // The temporary folder with a trailing "/".
    std::string Folder() const;

    QTemporaryDir FDir;
};

} // namespace kvx::test
