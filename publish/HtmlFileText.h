#pragma once
// An HTML file as the HTML file window edits it: the text with "\n" line ends, which is what
// the editor holds, and the file's own format, so that a save writes the file back the way it
// was (encoding, byte-order mark, line ends).

#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

class QTextDocument;

namespace kvx {

struct THtmlFileFormat {
    // The encoding the file was read in; none for a new file (Windows-1252 when every
    // character fits, else UTF-8, as the program's own files).
    std::optional<TTextEncoding> Encoding;
    bool ByteOrderMark = false;
    // The file's line end as its first line shows it; CR LF for new files and one-line files.
    QString LineEnd = QStringLiteral("\r\n");
};

struct THtmlFileText {
    QString Text; // "\n" line ends
    THtmlFileFormat Format;
};

// Reads a whole file; throws TFileError.
THtmlFileText LoadHtmlFile(const std::string& path);
// The text's bytes in the format; text has "\n" line ends. The encoding falls back to UTF-8
// when a character does not fit the file's own one.
QByteArray EncodeHtmlFile(const QString& text, const THtmlFileFormat& format);
// CR LF and a lone CR become "\n".
QString ToEditorLineEnds(const QString& text);
// The document's text with "\n" line ends. Unlike QTextDocument::toPlainText it keeps a
// no-break space (U+00A0) as it is instead of turning it into a blank.
QString EditorText(const QTextDocument& document);

} // namespace kvx
