#pragma once
// Project files (.kvx) in both directions, and the reading of files into the editor that
// Open and Import share with kvxtool.

#include "formats/MapReadResult.h"
#include "platform/LoadWaiter.h"

#include <span>
#include <string>
#include <string_view>

namespace kvx {

class TImageMap;
class TMapReaderHost;
class TFileError;

enum class TProjectVersion { Version1, Version2, Unsupported, Foreign };

// The header line every saved project file begins with.
inline constexpr std::string_view ProjectFileHeader = "\"kvx200\",\"\",\"\"";

// Decided by the four characters after the first one of a file's first line.
TProjectVersion DetectProjectVersion(std::string_view firstLine);

// True when path ends in ".kvx" in any letter case: Open reads it, Import leaves it unsaved.
bool IsProjectFilePath(std::string_view path);

// What Save (saveAs false) or Save As writes: the header line, with Save As the image path on
// line 2, then the map definition with the editor's attributes. CR LF line ends, UTF-8 text.
std::string ProjectFileText(const TImageMap& map, int width, int height, bool saveAs);

// Writes ProjectFileText to path, in Windows-1252 when every character fits and those bytes
// do not also read as UTF-8, else UTF-8. A failed write leaves any previous file untouched. Throws
// TFileError.
void SaveProjectFile(const std::string& path, const TImageMap& map, int width, int height,
                     bool saveAs);

// Open after the file dialog: reads the file and hands it by its version to the version-1
// loader or the map reader, or tells the user it cannot be read (an empty result). Throws
// TFileError when the file cannot be read (see OpenFileErrorMessage). Reading the file's text
// runs through waiter; the reader and its questions run on the calling thread.
TMapReadResult OpenProjectFile(const std::string& path, TMapReaderHost& host,
                               const TImageSource& images,
                               TLoadWaiter& waiter = ImmediateLoading());

// Import after the file dialog: reads an HTML file in its own encoding, joins its lines each
// followed by one blank and runs the map reader. Throws TFileError when the file cannot be read.
// Reading and joining the text runs through waiter, as with OpenProjectFile.
TMapReadResult ImportHtmlFile(const std::string& path, TMapReaderHost& host,
                              const TImageSource& images, TLoadWaiter& waiter = ImmediateLoading());

// Lines joined, each followed by separator (the reader's and the version-1 loader's input).
std::string JoinLines(std::span<const std::string> lines, std::string_view separator);

// The error boxes of a failed Open or Import, and of a failed Save or Save As.
std::string OpenFileErrorMessage(const TFileError& error);
std::string SaveFileErrorMessage(const TFileError& error);

} // namespace kvx
