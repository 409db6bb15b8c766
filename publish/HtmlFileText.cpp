#include "publish/HtmlFileText.h"

#include "formats/PageEditorText.h"

#include <QTextDocument>

namespace kvx {

namespace {

QString LineEndName(const std::string& lineEnd) {
    if (lineEnd == "\r\n") {
        return QStringLiteral("CR LF");
    }
    return lineEnd == "\n" ? QStringLiteral("LF") : QStringLiteral("CR");
}

QString EncodingSourceText(const TDetectedEncoding& encoding) {
    switch (encoding.Source) {
    case TEncodingSource::ByteOrderMark:
        return QStringLiteral("mit Byte-Order-Mark");
    case TEncodingSource::Declaration:
        return QStringLiteral("in der Datei angegeben");
    case TEncodingSource::Utf8Bytes:
        return QStringLiteral("erkannt");
    case TEncodingSource::Fallback:
        break;
    }
    return QStringLiteral("angenommen");
}

} // namespace

QString EditorPageText(const TPageText& page) {
    return QString::fromStdString(EditorFormOfPage(page));
}

QByteArray PageBytesForEditorText(const TPageText& page, const QString& shown,
                                  const QString& edited) {
    const QByteArray before = shown.toUtf8();
    const QByteArray after = edited.toUtf8();
    return page.BytesWith(
        EditsFromEditor(page, std::string_view(before.constData(), std::size_t(before.size())),
                        std::string_view(after.constData(), std::size_t(after.size()))));
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

QString PageFormatText(const TPageText& page) {
    const TDetectedEncoding& encoding = page.Encoding();
    QString text = QStringLiteral("Kodierung: ");
    if (encoding.AsciiOnly) {
        text += QStringLiteral("ASCII, ohne Angabe in der Datei (andere Zeichen werden als "
                               "&#…; geschrieben)");
    } else {
        text += QString::fromUtf8(encoding.Encoding->Name.data(),
                                  qsizetype(encoding.Encoding->Name.size())) +
                QStringLiteral(" (") + EncodingSourceText(encoding) + QStringLiteral(")");
    }
    return text + QStringLiteral(" – Zeilenende: ") + LineEndName(page.LineEnd());
}

} // namespace kvx
