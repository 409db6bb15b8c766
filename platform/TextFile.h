#pragma once
// Reading and writing text files: UTF-8 when the bytes are valid UTF-8, else Windows-1252;
// lines end at CR LF, LF or CR; files are written safely (SafeFileWriter.h) with CR LF ends.

#include "platform/SafeFileWriter.h" // WriteFileSafely comes with it

#include <QByteArray>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

enum class TTextEncoding { Utf8, Windows1252 };

struct TTextFileContent {
    std::string Text; // UTF-8, a leading byte-order mark dropped
    TTextEncoding Encoding = TTextEncoding::Utf8;
    // Whether a UTF-8 byte-order mark was dropped, so that a file written back can keep it.
    bool ByteOrderMark = false;
};

// Decodes bytes by the rule above.
TTextFileContent DecodeText(const QByteArray& bytes);
// Reads a whole regular file of at most MaxTextFileBytes (InputFile.h); throws TFileError.
TTextFileContent ReadTextFile(const std::string& path);
// A whole file's bytes as they are; throws TFileError.
QByteArray ReadFileBytes(const std::string& path);
// The lines of a text without their line ends (CR LF, LF and CR all end a line).
std::vector<std::string> SplitLines(std::string_view text);
// Windows-1252 when every character has a code there and those bytes are not also valid
// UTF-8, otherwise UTF-8 (without byte-order mark): either way it reads back as it was.
QByteArray EncodeForProjectFile(std::string_view utf8);
// In the given encoding when every character fits it, otherwise UTF-8.
QByteArray EncodeText(std::string_view utf8, TTextEncoding encoding);

} // namespace kvx
