// The labels of the Encoding Standard and the encodings they name. Every label a browser
// accepts for a supported encoding is here, so a page is read as a browser reads it.

#include "formats/PageEncoding.h"

#include <algorithm>
#include <array>

namespace kvx {

namespace {

constexpr std::array Encodings{
    TPageEncoding{"UTF-8", "UTF-8"},
    TPageEncoding{"UTF-16LE", "UTF-16LE"},
    TPageEncoding{"UTF-16BE", "UTF-16BE"},
    TPageEncoding{"windows-1252", "WINDOWS-1252"},
    TPageEncoding{"IBM866", "IBM866"},
    TPageEncoding{"ISO-8859-2", "ISO-8859-2"},
    TPageEncoding{"ISO-8859-3", "ISO-8859-3"},
    TPageEncoding{"ISO-8859-4", "ISO-8859-4"},
    TPageEncoding{"ISO-8859-5", "ISO-8859-5"},
    TPageEncoding{"ISO-8859-6", "ISO-8859-6"},
    TPageEncoding{"ISO-8859-7", "ISO-8859-7"},
    TPageEncoding{"ISO-8859-8", "ISO-8859-8"},
    TPageEncoding{"ISO-8859-8-I", "ISO-8859-8"},
    TPageEncoding{"ISO-8859-10", "ISO-8859-10"},
    TPageEncoding{"ISO-8859-13", "ISO-8859-13"},
    TPageEncoding{"ISO-8859-14", "ISO-8859-14"},
    TPageEncoding{"ISO-8859-15", "ISO-8859-15"},
    TPageEncoding{"ISO-8859-16", "ISO-8859-16"},
    TPageEncoding{"KOI8-R", "KOI8-R"},
    TPageEncoding{"KOI8-U", "KOI8-U"},
    TPageEncoding{"macintosh", "MACINTOSH"},
    TPageEncoding{"windows-874", "WINDOWS-874"},
    TPageEncoding{"windows-1250", "WINDOWS-1250"},
    TPageEncoding{"windows-1251", "WINDOWS-1251"},
    TPageEncoding{"windows-1253", "WINDOWS-1253"},
    TPageEncoding{"windows-1254", "WINDOWS-1254"},
    TPageEncoding{"windows-1255", "WINDOWS-1255"},
    TPageEncoding{"windows-1256", "WINDOWS-1256"},
    TPageEncoding{"windows-1257", "WINDOWS-1257"},
    TPageEncoding{"windows-1258", "WINDOWS-1258"},
    TPageEncoding{"x-mac-cyrillic", "MAC-CYRILLIC"},
    // Browsers read GBK and gb2312 pages as gb18030, Big5 as Big5-HKSCS, Shift_JIS as
    // Windows-31J and EUC-KR as CP949: the supersets are what such pages really hold.
    TPageEncoding{"gb18030", "GB18030"},
    TPageEncoding{"Big5", "BIG5-HKSCS"},
    TPageEncoding{"EUC-JP", "EUC-JP"},
    TPageEncoding{"ISO-2022-JP", "ISO-2022-JP", true},
    TPageEncoding{"Shift_JIS", "WINDOWS-31J"},
    TPageEncoding{"EUC-KR", "CP949"},
};

struct TLabel {
    std::string_view Label;
    std::string_view Encoding; // the Name of an entry above
};

// Sorted by label for the binary search.
constexpr TLabel Labels[] = {
    {"866", "IBM866"},
    {"ansi_x3.4-1968", "windows-1252"},
    {"arabic", "ISO-8859-6"},
    {"ascii", "windows-1252"},
    {"asmo-708", "ISO-8859-6"},
    {"big5", "Big5"},
    {"big5-hkscs", "Big5"},
    {"chinese", "gb18030"},
    {"cn-big5", "Big5"},
    {"cp1250", "windows-1250"},
    {"cp1251", "windows-1251"},
    {"cp1252", "windows-1252"},
    {"cp1253", "windows-1253"},
    {"cp1254", "windows-1254"},
    {"cp1255", "windows-1255"},
    {"cp1256", "windows-1256"},
    {"cp1257", "windows-1257"},
    {"cp1258", "windows-1258"},
    {"cp819", "windows-1252"},
    {"cp866", "IBM866"},
    {"csbig5", "Big5"},
    {"cseuckr", "EUC-KR"},
    {"cseucpkdfmtjapanese", "EUC-JP"},
    {"csgb2312", "gb18030"},
    {"csibm866", "IBM866"},
    {"csiso2022jp", "ISO-2022-JP"},
    {"csiso58gb231280", "gb18030"},
    {"csiso88596e", "ISO-8859-6"},
    {"csiso88596i", "ISO-8859-6"},
    {"csiso88598e", "ISO-8859-8"},
    {"csiso88598i", "ISO-8859-8-I"},
    {"csisolatin1", "windows-1252"},
    {"csisolatin2", "ISO-8859-2"},
    {"csisolatin3", "ISO-8859-3"},
    {"csisolatin4", "ISO-8859-4"},
    {"csisolatin5", "windows-1254"},
    {"csisolatin6", "ISO-8859-10"},
    {"csisolatin9", "ISO-8859-15"},
    {"csisolatinarabic", "ISO-8859-6"},
    {"csisolatincyrillic", "ISO-8859-5"},
    {"csisolatingreek", "ISO-8859-7"},
    {"csisolatinhebrew", "ISO-8859-8"},
    {"cskoi8r", "KOI8-R"},
    {"csksc56011987", "EUC-KR"},
    {"csmacintosh", "macintosh"},
    {"csshiftjis", "Shift_JIS"},
    {"csunicode", "UTF-16LE"},
    {"cyrillic", "ISO-8859-5"},
    {"dos-874", "windows-874"},
    {"ecma-114", "ISO-8859-6"},
    {"ecma-118", "ISO-8859-7"},
    {"elot_928", "ISO-8859-7"},
    {"euc-jp", "EUC-JP"},
    {"euc-kr", "EUC-KR"},
    {"gb18030", "gb18030"},
    {"gb2312", "gb18030"},
    {"gb_2312", "gb18030"},
    {"gb_2312-80", "gb18030"},
    {"gbk", "gb18030"},
    {"greek", "ISO-8859-7"},
    {"greek8", "ISO-8859-7"},
    {"hebrew", "ISO-8859-8"},
    {"ibm819", "windows-1252"},
    {"ibm866", "IBM866"},
    {"iso-10646-ucs-2", "UTF-16LE"},
    {"iso-2022-jp", "ISO-2022-JP"},
    {"iso-8859-1", "windows-1252"},
    {"iso-8859-10", "ISO-8859-10"},
    {"iso-8859-11", "windows-874"},
    {"iso-8859-13", "ISO-8859-13"},
    {"iso-8859-14", "ISO-8859-14"},
    {"iso-8859-15", "ISO-8859-15"},
    {"iso-8859-16", "ISO-8859-16"},
    {"iso-8859-2", "ISO-8859-2"},
    {"iso-8859-3", "ISO-8859-3"},
    {"iso-8859-4", "ISO-8859-4"},
    {"iso-8859-5", "ISO-8859-5"},
    {"iso-8859-6", "ISO-8859-6"},
    {"iso-8859-6-e", "ISO-8859-6"},
    {"iso-8859-6-i", "ISO-8859-6"},
    {"iso-8859-7", "ISO-8859-7"},
    {"iso-8859-8", "ISO-8859-8"},
    {"iso-8859-8-e", "ISO-8859-8"},
    {"iso-8859-8-i", "ISO-8859-8-I"},
    {"iso-8859-9", "windows-1254"},
    {"iso-ir-100", "windows-1252"},
    {"iso-ir-101", "ISO-8859-2"},
    {"iso-ir-109", "ISO-8859-3"},
    {"iso-ir-110", "ISO-8859-4"},
    {"iso-ir-126", "ISO-8859-7"},
    {"iso-ir-127", "ISO-8859-6"},
    {"iso-ir-138", "ISO-8859-8"},
    {"iso-ir-144", "ISO-8859-5"},
    {"iso-ir-148", "windows-1254"},
    {"iso-ir-149", "EUC-KR"},
    {"iso-ir-157", "ISO-8859-10"},
    {"iso-ir-58", "gb18030"},
    {"iso8859-1", "windows-1252"},
    {"iso8859-10", "ISO-8859-10"},
    {"iso8859-11", "windows-874"},
    {"iso8859-13", "ISO-8859-13"},
    {"iso8859-14", "ISO-8859-14"},
    {"iso8859-15", "ISO-8859-15"},
    {"iso8859-2", "ISO-8859-2"},
    {"iso8859-3", "ISO-8859-3"},
    {"iso8859-4", "ISO-8859-4"},
    {"iso8859-5", "ISO-8859-5"},
    {"iso8859-6", "ISO-8859-6"},
    {"iso8859-7", "ISO-8859-7"},
    {"iso8859-8", "ISO-8859-8"},
    {"iso8859-9", "windows-1254"},
    {"iso88591", "windows-1252"},
    {"iso885910", "ISO-8859-10"},
    {"iso885911", "windows-874"},
    {"iso885913", "ISO-8859-13"},
    {"iso885914", "ISO-8859-14"},
    {"iso885915", "ISO-8859-15"},
    {"iso88592", "ISO-8859-2"},
    {"iso88593", "ISO-8859-3"},
    {"iso88594", "ISO-8859-4"},
    {"iso88595", "ISO-8859-5"},
    {"iso88596", "ISO-8859-6"},
    {"iso88597", "ISO-8859-7"},
    {"iso88598", "ISO-8859-8"},
    {"iso88599", "windows-1254"},
    {"iso_8859-1", "windows-1252"},
    {"iso_8859-15", "ISO-8859-15"},
    {"iso_8859-1:1987", "windows-1252"},
    {"iso_8859-2", "ISO-8859-2"},
    {"iso_8859-2:1987", "ISO-8859-2"},
    {"iso_8859-3", "ISO-8859-3"},
    {"iso_8859-3:1988", "ISO-8859-3"},
    {"iso_8859-4", "ISO-8859-4"},
    {"iso_8859-4:1988", "ISO-8859-4"},
    {"iso_8859-5", "ISO-8859-5"},
    {"iso_8859-5:1988", "ISO-8859-5"},
    {"iso_8859-6", "ISO-8859-6"},
    {"iso_8859-6:1987", "ISO-8859-6"},
    {"iso_8859-7", "ISO-8859-7"},
    {"iso_8859-7:1987", "ISO-8859-7"},
    {"iso_8859-8", "ISO-8859-8"},
    {"iso_8859-8:1988", "ISO-8859-8"},
    {"iso_8859-9", "windows-1254"},
    {"iso_8859-9:1989", "windows-1254"},
    {"koi", "KOI8-R"},
    {"koi8", "KOI8-R"},
    {"koi8-r", "KOI8-R"},
    {"koi8-ru", "KOI8-U"},
    {"koi8-u", "KOI8-U"},
    {"koi8_r", "KOI8-R"},
    {"korean", "EUC-KR"},
    {"ks_c_5601-1987", "EUC-KR"},
    {"ks_c_5601-1989", "EUC-KR"},
    {"ksc5601", "EUC-KR"},
    {"ksc_5601", "EUC-KR"},
    {"l1", "windows-1252"},
    {"l2", "ISO-8859-2"},
    {"l3", "ISO-8859-3"},
    {"l4", "ISO-8859-4"},
    {"l5", "windows-1254"},
    {"l6", "ISO-8859-10"},
    {"l9", "ISO-8859-15"},
    {"latin1", "windows-1252"},
    {"latin2", "ISO-8859-2"},
    {"latin3", "ISO-8859-3"},
    {"latin4", "ISO-8859-4"},
    {"latin5", "windows-1254"},
    {"latin6", "ISO-8859-10"},
    {"logical", "ISO-8859-8-I"},
    {"mac", "macintosh"},
    {"macintosh", "macintosh"},
    {"ms932", "Shift_JIS"},
    {"ms_kanji", "Shift_JIS"},
    {"shift-jis", "Shift_JIS"},
    {"shift_jis", "Shift_JIS"},
    {"sjis", "Shift_JIS"},
    {"sun_eu_greek", "ISO-8859-7"},
    {"tis-620", "windows-874"},
    {"ucs-2", "UTF-16LE"},
    {"unicode", "UTF-16LE"},
    {"unicode-1-1-utf-8", "UTF-8"},
    {"unicode11utf8", "UTF-8"},
    {"unicode20utf8", "UTF-8"},
    {"unicodefeff", "UTF-16LE"},
    {"unicodefffe", "UTF-16BE"},
    {"us-ascii", "windows-1252"},
    {"utf-16", "UTF-16LE"},
    {"utf-16be", "UTF-16BE"},
    {"utf-16le", "UTF-16LE"},
    {"utf-8", "UTF-8"},
    {"utf8", "UTF-8"},
    {"visual", "ISO-8859-8"},
    {"windows-1250", "windows-1250"},
    {"windows-1251", "windows-1251"},
    {"windows-1252", "windows-1252"},
    {"windows-1253", "windows-1253"},
    {"windows-1254", "windows-1254"},
    {"windows-1255", "windows-1255"},
    {"windows-1256", "windows-1256"},
    {"windows-1257", "windows-1257"},
    {"windows-1258", "windows-1258"},
    {"windows-31j", "Shift_JIS"},
    {"windows-874", "windows-874"},
    {"windows-949", "EUC-KR"},
    {"x-cp1250", "windows-1250"},
    {"x-cp1251", "windows-1251"},
    {"x-cp1252", "windows-1252"},
    {"x-cp1253", "windows-1253"},
    {"x-cp1254", "windows-1254"},
    {"x-cp1255", "windows-1255"},
    {"x-cp1256", "windows-1256"},
    {"x-cp1257", "windows-1257"},
    {"x-cp1258", "windows-1258"},
    {"x-euc-jp", "EUC-JP"},
    {"x-gbk", "gb18030"},
    {"x-mac-cyrillic", "x-mac-cyrillic"},
    {"x-mac-roman", "macintosh"},
    {"x-mac-ukrainian", "x-mac-cyrillic"},
    {"x-sjis", "Shift_JIS"},
    {"x-unicode20utf8", "UTF-8"},
    {"x-x-big5", "Big5"},
};

const TPageEncoding& Named(std::string_view name) {
    return *std::find_if(Encodings.begin(), Encodings.end(),
                         [&](const TPageEncoding& encoding) { return encoding.Name == name; });
}

bool IsLabelBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

} // namespace

const TPageEncoding& Utf8Encoding() {
    return Encodings[0];
}

const TPageEncoding& Utf16LeEncoding() {
    return Encodings[1];
}

const TPageEncoding& Utf16BeEncoding() {
    return Encodings[2];
}

const TPageEncoding& Windows1252Encoding() {
    return Encodings[3];
}

std::span<const TPageEncoding> PageEncodings() {
    return Encodings;
}

const TPageEncoding* EncodingForLabel(std::string_view label) {
    while (!label.empty() && IsLabelBlank(label.front())) {
        label.remove_prefix(1);
    }
    while (!label.empty() && IsLabelBlank(label.back())) {
        label.remove_suffix(1);
    }
    std::string lower(label);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    const auto found = std::lower_bound(
        std::begin(Labels), std::end(Labels), lower,
        [](const TLabel& entry, const std::string& wanted) { return entry.Label < wanted; });
    if (found == std::end(Labels) || found->Label != lower) {
        return nullptr;
    }
    return &Named(found->Encoding);
}

} // namespace kvx
