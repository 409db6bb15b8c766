#include "checks/LinkTargets.h"

#include <QByteArray>

namespace kvx {

namespace {

bool IsSchemeStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeChar(char c) {
    return IsSchemeStart(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// "name:" before any "/", "?" or "#" makes a link absolute, as in a browser.
bool HasScheme(std::string_view href) {
    const std::size_t colon = href.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsSchemeStart(href[0])) {
        return false;
    }
    for (std::size_t i = 1; i < colon; ++i) {
        if (!IsSchemeChar(href[i])) {
            return false;
        }
    }
    return true;
}

std::string_view WithoutQueryAndFragment(std::string_view href) {
    return href.substr(0, href.find_first_of("?#"));
}

} // namespace

std::optional<std::string> RelativeLinkFile(std::string_view href) {
    if (href.empty() || href.front() == '#' || href.front() == '?' || href.front() == '/' ||
        HasScheme(href)) {
        return std::nullopt;
    }
    const std::string_view path = WithoutQueryAndFragment(href);
    if (path.empty()) {
        return std::nullopt;
    }
    return QByteArray::fromPercentEncoding(
               QByteArray(path.data(), static_cast<qsizetype>(path.size())))
        .toStdString();
}

std::string LinkFileName(std::string_view href) {
    const std::string_view path = WithoutQueryAndFragment(href);
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

} // namespace kvx
