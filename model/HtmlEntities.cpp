#include "model/HtmlEntities.h"

namespace kvx {

std::string HtmlEscape(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        case '&':
            result += "&amp;";
            break;
        default:
            result += c;
            break;
        }
    }
    return result;
}

std::string HtmlUnescape(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    // Start of a pending entity candidate ("&..." not yet ended by ";"), or npos.
    std::size_t pending = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            if (pending != std::string_view::npos) {
                result.append(text.substr(pending, i - pending));
            }
            pending = i;
        } else if (c == ';' && pending != std::string_view::npos) {
            const std::string_view candidate = text.substr(pending, i - pending + 1);
            if (candidate == "&amp;") {
                result += '&';
            } else if (candidate == "&quot;") {
                result += '"';
            } else if (candidate == "&lt;") {
                result += '<';
            } else if (candidate == "&gt;") {
                result += '>';
            } else {
                result.append(candidate);
            }
            pending = std::string_view::npos;
        } else if (pending == std::string_view::npos) {
            result += c;
        }
    }
    if (pending != std::string_view::npos) {
        result.append(text.substr(pending));
    }
    return result;
}

} // namespace kvx
