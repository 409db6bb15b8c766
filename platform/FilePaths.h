#pragma once
// Paths as the program's files hold them: "/" native, "\" and a drive "X:" from Windows too.

#include "model/PathParts.h" // FileNamePart, FolderPart and ExtensionOf come with it

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvx {

// True for an existing regular file (folders do not count).
bool IsExistingFile(const std::string& path);
// The exact path alone when it names a file; else every file it names when each component is
// matched without regard to letter case ("bilder/foto.jpg" may find "Bilder/Foto.jpg" and
// "bilder/FOTO.jpg"), in byte order, at most MaxCaseVariants of them. Windows separators are
// accepted, a leading drive is dropped. Empty when no file is found.
std::vector<std::string> FindFilesIgnoringCase(const std::string& path);
// The first of FindFilesIgnoringCase; std::nullopt when there is none.
std::optional<std::string> FindFileIgnoringCase(const std::string& path);

// Enough to show the user what is there; a folder built to hold every case variant of every
// component could otherwise make the search exponential.
inline constexpr std::size_t MaxCaseVariants = 32;
// Whether both paths lead to the same existing file, links followed (device and inode), so
// that a command can refuse to write over its own input under another name.
bool IsSameFile(const std::string& first, const std::string& second);
// A data file "beside the executable": its folder first, then the installed data folder.
std::string DataFilePath(const std::string& fileName);

} // namespace kvx
