// The equal-sign rule: a keyword line separates key and value with one `=`. A further `=`
// is accepted inside a quoted string and inside a comment, and on a line without quotes.

#include "catalogue/ValueChecks.h"

#include <string>
#include <string_view>

namespace kvf {

namespace {

constexpr auto npos = std::string_view::npos;

bool Before(std::size_t a, std::size_t b) {
    return a != npos && (b == npos || a < b);
}

// The first `c` at or after `from`, given the first one at or after an earlier start: found
// again only once `from` has passed it, so a walk along the line reads each byte once.
std::size_t NextFrom(std::string_view text, char c, std::size_t from, std::size_t known) {
    return known != npos && known < from ? text.find(c, from) : known;
}

} // namespace

int CheckEqualSign(const CDbEntry& entry, const TextLines& lines) {
    std::string scratch;
    const std::string_view text = lines.LineView(entry.LongLine, scratch);

    std::size_t equal = text.find('=');
    if (equal == npos)
        return 0;
    std::size_t semicolon = text.find(';');
    std::size_t quote = text.find('"');
    if (Before(semicolon, equal) || Before(quote, equal))
        return 0;

    std::size_t from = equal + 1;
    std::size_t nextEqual = text.find('=', from);
    if (nextEqual == npos)
        return 1;
    std::size_t firstQuote = text.find('"', from);
    if (firstQuote != npos && firstQuote > nextEqual)
        return 0;

    // Skip the opening quote, then walk from `=` to `=`: an `=` that follows a quote and is
    // itself followed by a comment stands in a second quoted text before the comment.
    if (firstQuote != npos)
        from = firstQuote + 1;
    quote = text.find('"', from);
    semicolon = text.find(';', from);
    while (true) {
        // Without a quote or a comment ahead, no `=` further on can stand between them.
        if (quote == npos || semicolon == npos)
            return 1;
        std::size_t eq = text.find('=', from);
        if (eq == npos)
            return 1;
        if (quote < eq && eq < semicolon)
            return 0;
        from = eq + 1;
        quote = NextFrom(text, '"', from, quote);
        semicolon = NextFrom(text, ';', from, semicolon);
    }
}

} // namespace kvf
