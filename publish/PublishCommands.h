#pragma once
// The commands that hand the map definition to the user's web pages. imageSize is the loaded
// image's size in pixels. The caller stores the area panel first; the map is not changed.

#include <QSize>
#include <string>

namespace kvx {

class TImageMap;
class TfrmHtmlFile;

// A new page from the template "vorlage.htm" beside the program (else the built-in page) with
// the definition in place of its marker, selected and blue; shown modally in window.
void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window);
// The same with the template looked for at templatePath.
void InsertIntoNewHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window,
                           const std::string& templatePath);
// Asks for an existing HTML file and shows it modally in window, where the user inserts the
// definition. A file that cannot be read throws TFileError before the window is shown.
void InsertIntoExistingHtmlFile(const TImageMap& map, QSize imageSize, TfrmHtmlFile& window);
// The definition as text on the system clipboard.
void CopyToClipboard(const TImageMap& map, QSize imageSize);

} // namespace kvx
