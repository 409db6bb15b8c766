#include "model/PathParts.h"

namespace kvx {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Length of a leading drive "X:" (2) or 0.
std::size_t DriveLength(std::string_view path) {
    return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':' ? 2 : 0;
}

// Index just past the folder part: after the last separator, else after a drive.
std::size_t FileNameStart(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) {
            return i;
        }
    }
    return DriveLength(path);
}

} // namespace

std::string FileNamePart(std::string_view path) {
    return std::string(path.substr(FileNameStart(path)));
}

std::string FolderPart(std::string_view path) {
    return std::string(path.substr(0, FileNameStart(path)));
}

std::string ExtensionOf(std::string_view path) {
    const std::string_view name = path.substr(FileNameStart(path));
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string_view WithoutDrive(std::string_view path) {
    return path.substr(DriveLength(path));
}

std::string ToNativeSeparators(std::string_view path) {
    std::string result(path);
    for (char& c : result) {
        if (c == '\\') {
            c = '/';
        }
    }
    return result;
}

std::string SlashesToBackslashes(std::string_view path) {
    std::string result(path);
    for (char& c : result) {
        if (c == '/') {
            c = '\\';
        }
    }
    return result;
}

} // namespace kvx
