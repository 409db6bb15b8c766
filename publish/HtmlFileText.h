#pragma once
// An HTML file in the HTML file window's editor. The editor is given the page's text with one
// kind of line break and its text is compared, on saving, with what it showed at first, so
// that only what the user changed is encoded and every other byte of the file stays.

#include "formats/PageText.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace kvx {

// The page's text as the editor is given it: every line break a "\n".
QString EditorPageText(const TPageText& page);
// The file's bytes for edited, the editor's text now, where shown is what it held right after
// it was given EditorPageText.
QByteArray PageBytesForEditorText(const TPageText& page, const QString& shown,
                                  const QString& edited);
// CR LF and a lone CR become "\n".
QString ToEditorLineEnds(const QString& text);
// The document's text with "\n" line ends. Unlike QTextDocument::toPlainText it keeps a
// no-break space (U+00A0) as it is instead of turning it into a blank.
QString EditorText(const QTextDocument& document);
// The status line's text: the encoding the page is written in and its line end.
QString PageFormatText(const TPageText& page);

} // namespace kvx
