#include "platform/TextFile.h"
#include "model/TextConversion.h"

#include "platform/FileError.h"
#include "platform/InputFile.h"

#include <QString>

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <unistd.h>

namespace kvx {

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes without a character there (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) keep their C1 control code point, so they survive a read and a write.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

// Decodes the UTF-8 sequence at text[pos]; advances pos.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& pos) {
    const std::optional<TUtf8Char> c = Utf8CharAt(text, pos);
    if (!c) {
        return std::nullopt;
    }
    pos += c->Length;
    return c->CodePoint;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!NextCodePoint(text, pos)) {
            return false;
        }
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const unsigned char b = Byte(c);
        if (b >= 0x80 && b <= 0x9F) {
            AppendUtf8(out, Windows1252High[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

std::optional<unsigned char> Windows1252Code(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t k = 0; k < Windows1252High.size(); ++k) {
        if (Windows1252High[k] == codePoint) {
            return static_cast<unsigned char>(0x80 + k);
        }
    }
    return std::nullopt;
}

// The text in Windows-1252, or nothing when a character has no code there (or the text
// is not valid UTF-8, which then goes out unchanged).
std::optional<QByteArray> Utf8ToWindows1252(std::string_view utf8) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(utf8.size()));
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> codePoint = NextCodePoint(utf8, pos);
        if (!codePoint) {
            return std::nullopt;
        }
        const std::optional<unsigned char> code = Windows1252Code(*codePoint);
        if (!code) {
            return std::nullopt;
        }
        out.append(static_cast<char>(*code));
    }
    return out;
}

QByteArray AsBytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TTextFileContent DecodeText(const QByteArray& bytes) {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    TTextFileContent content;
    if (IsValidUtf8(view)) {
        content.Encoding = TTextEncoding::Utf8;
        content.ByteOrderMark = view.starts_with(ByteOrderMark);
        content.Text = std::string(content.ByteOrderMark ? view.substr(3) : view);
    } else {
        content.Encoding = TTextEncoding::Windows1252;
        content.Text = Windows1252ToUtf8(view);
    }
    return content;
}

TTextFileContent ReadTextFile(const std::string& path) {
    return DecodeText(ReadFileBytes(path));
}

QByteArray ReadFileBytes(const std::string& path) {
    const TInputFile file(path);
    if (file.Size() > MaxTextFileBytes) {
        throw TFileError::Refusal(TextFileTooLargeMessage(file.Size()));
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(file.Size()));
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t count = ::read(file.Descriptor(), buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowSystemError(errno);
        }
        if (count == 0) {
            break;
        }
        // A file that grows while it is read is measured again.
        if (bytes.size() + count > MaxTextFileBytes) {
            throw TFileError::Refusal(TextFileTooLargeMessage(bytes.size() + count));
        }
        bytes.append(buffer.data(), static_cast<qsizetype>(count));
    }
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

QByteArray EncodeForProjectFile(std::string_view utf8) {
    // Windows-1252 bytes that happen to be valid UTF-8 ("Â®") would be read back as UTF-8
    // and change the text; such a file is written as UTF-8.
    if (std::optional<QByteArray> bytes = Utf8ToWindows1252(utf8)) {
        if (!IsValidUtf8(std::string_view(bytes->constData(), std::size_t(bytes->size())))) {
            return *bytes;
        }
    }
    return AsBytes(utf8);
}

QByteArray EncodeText(std::string_view utf8, TTextEncoding encoding) {
    if (encoding == TTextEncoding::Windows1252) {
        if (std::optional<QByteArray> bytes = Utf8ToWindows1252(utf8)) {
            return *bytes;
        }
    }
    return AsBytes(utf8);
}

} // namespace kvx
