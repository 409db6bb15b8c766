#pragma once
// Finds the complete tags of an HTML text in one forward walk, with the quote rules the map
// reader uses. Tags are handed out as offsets into the text, so nothing is copied and every
// character is looked at once: the reader stays linear in the size of the page.

#include <cstddef>
#include <string_view>

namespace kvx {

// A stretch [Begin, End) of the walked text.
struct TTextSpan {
    std::size_t Begin = 0;
    std::size_t End = 0;

    std::string_view In(std::string_view text) const { return text.substr(Begin, End - Begin); }
};

// Where a double quote opens or closes a quoted stretch.
enum class TQuoteScope {
    // Every quote of the text counts, inside and outside tags (collecting maps, finding the img).
    Everywhere,
    // Only quotes inside an open tag count (rebuilding the areas of one map text).
    InsideTags
};

class TMapTextScanner {
public:
    TMapTextScanner(std::string_view text, TQuoteScope scope);

    // Walks on to the end of the next complete tag ("<" up to its ">"). False at the end of
    // the text; a tag still open there is not complete and is never handed out.
    bool NextTag(TTextSpan& tag);

    // Inside script and style elements quotes open nothing; the caller knows when it is there.
    void SetQuotesIgnored(bool ignored) { FQuotesIgnored = ignored; }

    std::string_view Text() const { return FText; }

private:
    bool QuoteRuleApplies() const;
    // A quote closes its stretch only when a blank, ">" or "/" follows it.
    bool ClosesQuote(std::size_t quotePos) const;

    std::string_view FText;
    TQuoteScope FScope;
    std::size_t FPos = 0;
    std::size_t FTagBegin = 0;
    bool FInTag = false;
    bool FInQuote = false;
    bool FQuotesIgnored = false;
};

} // namespace kvx
