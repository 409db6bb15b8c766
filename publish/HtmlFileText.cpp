#include "publish/HtmlFileText.h"

#include <QTextDocument>

namespace kvx {

namespace {

constexpr char ByteOrderMarkBytes[] = "\xEF\xBB\xBF";

QString FirstLineEnd(const std::string& text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string::npos) {
        return QStringLiteral("\r\n");
    }
    if (text[end] == '\n') {
        return QStringLiteral("\n");
    }
    return end + 1 < text.size() && text[end + 1] == '\n' ? QStringLiteral("\r\n")
                                                          : QStringLiteral("\r");
}

} // namespace

THtmlFileText LoadHtmlFile(const std::string& path) {
    const TTextFileContent content = ReadTextFile(path);
    THtmlFileText file;
    file.Text = ToEditorLineEnds(QString::fromStdString(content.Text));
    file.Format.Encoding = content.Encoding;
    // The file keeps its byte-order mark when written back: a page without a declared
    // charset depends on it to be shown as UTF-8.
    file.Format.ByteOrderMark = content.ByteOrderMark;
    file.Format.LineEnd = FirstLineEnd(content.Text);
    return file;
}

QByteArray EncodeHtmlFile(const QString& text, const THtmlFileFormat& format) {
    QString withLineEnds = text;
    if (format.LineEnd != QLatin1String("\n")) {
        withLineEnds.replace(QLatin1Char('\n'), format.LineEnd);
    }
    const std::string utf8 = withLineEnds.toStdString();
    QByteArray bytes =
        format.Encoding ? EncodeText(utf8, *format.Encoding) : EncodeForProjectFile(utf8);
    // A mark is only meaningful in front of UTF-8; text that no longer fits Windows-1252
    // comes out as UTF-8 without one, as the program's other files do.
    if (format.ByteOrderMark && format.Encoding == TTextEncoding::Utf8) {
        bytes.prepend(ByteOrderMarkBytes);
    }
    return bytes;
}

QString ToEditorLineEnds(const QString& text) {
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString EditorText(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: // Shift+Enter in the editor
        case 0xFDD0:               // frame boundaries, which plain text never has on purpose
        case 0xFDD1:
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace kvx
