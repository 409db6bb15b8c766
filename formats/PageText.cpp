#include "formats/PageText.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <stdexcept>

namespace kvx {

namespace {

constexpr char Escape = '\x1B';

// The escape sequence of ISO-2022-JP that is in force at offset of bytes, empty when that
// is the initial state (ASCII).
std::string_view ShiftStateAt(std::string_view bytes, std::size_t offset) {
    const std::size_t escape =
        offset == 0 ? std::string_view::npos : bytes.rfind(Escape, offset - 1);
    if (escape == std::string_view::npos || escape + 2 >= bytes.size()) {
        return {};
    }
    const std::string_view rest = bytes.substr(escape);
    if (rest.starts_with("\x1B(B")) {
        return {};
    }
    const std::size_t length = rest[1] == '$' && rest[2] == '(' ? 4 : 3;
    return rest.substr(0, std::min(length, rest.size()));
}

QByteArray AsBytes(std::string_view text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

} // namespace

std::string MostCommonLineEnd(std::string_view text) {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lf;
        } else if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++crLf;
                ++i;
            } else {
                ++cr;
            }
        }
    }
    if (crLf == 0 && lf == 0 && cr == 0) {
        return "\r\n";
    }
    if (crLf >= lf && crLf >= cr) {
        return "\r\n";
    }
    return lf >= cr ? "\n" : "\r";
}

TPageText::TPageText() : TPageText(QByteArray(), TDetectedEncoding()) {}

TPageText::TPageText(QByteArray bytes, const TDetectedEncoding& encoding)
    : FBytes(std::move(bytes)), FEncoding(encoding) {
    FText = DecodePageBytes(Content(), *FEncoding.Encoding).Text;
    FLineEnd = MostCommonLineEnd(FText);
}

TPageText TPageText::FromBytes(QByteArray bytes) {
    const TDetectedEncoding encoding =
        DetectPageEncoding(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return TPageText(std::move(bytes), encoding);
}

TPageText TPageText::FromBytes(QByteArray bytes, const TDetectedEncoding& encoding) {
    return TPageText(std::move(bytes), encoding);
}

TPageText TPageText::ReadFile(const std::string& path) {
    return FromBytes(ReadFileBytes(path));
}

std::string_view TPageText::Content() const {
    return std::string_view(FBytes.constData(), std::size_t(FBytes.size()))
        .substr(FEncoding.ByteOrderMarkLength);
}

std::string TPageText::WithPageLineEnds(std::string_view text) const {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            result += FLineEnd;
        } else {
            result += text[i];
        }
    }
    return result;
}

QByteArray TPageText::EncodeStretch(std::string_view text, std::size_t fromByte,
                                    std::size_t toByte) const {
    const TPageEncoding& encoding = *FEncoding.Encoding;
    QByteArray bytes;
    if (encoding.Stateful) {
        // The stretch starts and ends in the initial state; the bytes around it expect the
        // state in force where they stood.
        if (!ShiftStateAt(Content(), fromByte).empty()) {
            bytes = AsBytes("\x1B(B");
        }
        bytes += EncodePageText(text, encoding, FEncoding.AsciiOnly);
        bytes += AsBytes(ShiftStateAt(Content(), toByte));
        return bytes;
    }
    return EncodePageText(text, encoding, FEncoding.AsciiOnly);
}

QByteArray TPageText::BytesWith(std::vector<TPageEdit> edits) const {
    std::sort(edits.begin(), edits.end(),
              [](const TPageEdit& a, const TPageEdit& b) { return a.From < b.From; });
    std::vector<std::size_t> positions;
    positions.reserve(edits.size() * 2);
    for (std::size_t k = 0; k < edits.size(); ++k) {
        const TPageEdit& edit = edits[k];
        if (edit.From > edit.To || edit.To > FText.size() ||
            (k > 0 && edit.From < edits[k - 1].To)) {
            throw std::invalid_argument("page edits overlap or lie outside the text");
        }
        positions.push_back(edit.From);
        positions.push_back(edit.To);
    }
    const std::string_view content = Content();
    const std::vector<TBoundaryPair> boundaries =
        BoundariesAround(content, *FEncoding.Encoding, positions);

    QByteArray out = FBytes.left(qsizetype(FEncoding.ByteOrderMarkLength));
    out.reserve(FBytes.size() + 256);
    std::size_t copied = 0; // bytes of content already in out
    std::size_t k = 0;
    while (k < edits.size()) {
        // An edit boundary inside a byte sequence that decodes to several characters widens
        // the edit to the whole sequence; edits that then touch are joined.
        TBoundary from = boundaries[2 * k].Before;
        TBoundary to = boundaries[2 * k + 1].After;
        std::string text = FText.substr(from.TextPosition, edits[k].From - from.TextPosition);
        text += edits[k].Text;
        std::size_t textEnd = edits[k].To;
        ++k;
        while (k < edits.size() && boundaries[2 * k].Before.ByteOffset < to.ByteOffset) {
            text.append(FText, textEnd, edits[k].From - textEnd);
            text += edits[k].Text;
            textEnd = edits[k].To;
            to = boundaries[2 * k + 1].After;
            ++k;
        }
        text.append(FText, textEnd, to.TextPosition - textEnd);
        if (from.TextPosition == to.TextPosition && text.empty()) {
            continue;
        }
        out.append(content.data() + copied, qsizetype(from.ByteOffset - copied));
        out += EncodeStretch(text, from.ByteOffset, to.ByteOffset);
        copied = to.ByteOffset;
    }
    out.append(content.data() + copied, qsizetype(content.size() - copied));
    return out;
}

TPageText TPageText::With(std::vector<TPageEdit> edits) const {
    return TPageText(BytesWith(std::move(edits)), FEncoding);
}

} // namespace kvx
