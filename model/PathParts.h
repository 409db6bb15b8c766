#pragma once
// The parts of a path as the program's files hold it: "/" and "\" both separate, and a
// leading drive "X:" from a path written on Windows belongs to the folder part.

#include <string>
#include <string_view>

namespace kvx {

// What follows the last "/" or "\" (a leading drive "X:" dropped too).
std::string FileNamePart(std::string_view path);
// Everything before FileNamePart: up to and including the last "/" or "\", or a drive "X:"
// alone; "" when there is neither. FolderPart + FileNamePart is the path again.
std::string FolderPart(std::string_view path);
// From the last "." of the file-name part on, dot included; "" when there is none.
std::string ExtensionOf(std::string_view path);
// The path without a leading drive "X:".
std::string_view WithoutDrive(std::string_view path);

// "\" turned into "/".
std::string ToNativeSeparators(std::string_view path);

// Every "/" becomes "\".
std::string SlashesToBackslashes(std::string_view path);

} // namespace kvx
