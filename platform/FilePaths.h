#pragma once
// Paths as the program's files hold them: "/" native, "\" and a drive "X:" from Windows too.

#include "model/PathParts.h" // FileNamePart, FolderPart and ExtensionOf come with it

#include <optional>
#include <string>
#include <string_view>

namespace kvx {

// True for an existing regular file (folders do not count).
bool IsExistingFile(const std::string& path);
// The exact path when it names a file, else each component resolved without regard to
// letter case; std::nullopt when no file is found. Windows separators are accepted.
std::optional<std::string> FindFileIgnoringCase(const std::string& path);
// A data file "beside the executable": its folder first, then the installed data folder.
std::string DataFilePath(const std::string& fileName);

} // namespace kvx
