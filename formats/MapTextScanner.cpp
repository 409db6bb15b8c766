#include "formats/MapTextScanner.h"

namespace kvx {

TMapTextScanner::TMapTextScanner(std::string_view text, TQuoteScope scope)
    : FText(text), FScope(scope) {}

bool TMapTextScanner::QuoteRuleApplies() const {
    if (FQuotesIgnored) {
        return false;
    }
    return FScope == TQuoteScope::Everywhere || FInTag;
}

bool TMapTextScanner::ClosesQuote(std::size_t quotePos) const {
    if (quotePos + 1 >= FText.size()) {
        return false;
    }
    const char next = FText[quotePos + 1];
    return next == ' ' || next == '>' || next == '/';
}

bool TMapTextScanner::NextTag(TTextSpan& tag) {
    const std::size_t size = FText.size();
    while (FPos < size) {
        const std::size_t i = FPos++;
        switch (FText[i]) {
        case '<':
            if (!FInQuote) {
                // A "<" inside an open tag starts the tag afresh: the earlier part is dropped.
                FInTag = true;
                FTagBegin = i;
            }
            break;
        case '>':
            if (!FInQuote && FInTag) {
                FInTag = false;
                tag = TTextSpan{FTagBegin, i + 1};
                return true;
            }
            break;
        case '"':
            if (QuoteRuleApplies()) {
                if (!FInQuote) {
                    FInQuote = true;
                } else if (ClosesQuote(i)) {
                    FInQuote = false;
                }
            }
            break;
        default:
            break;
        }
    }
    return false;
}

} // namespace kvx
