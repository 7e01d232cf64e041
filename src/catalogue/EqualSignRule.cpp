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

} // namespace

int CheckEqualSign(const CDbEntry& entry, const TextLines& lines) {
    const std::string line = lines.Line(entry.LongLine);
    const std::string_view text(line);

    std::size_t equal = text.find('=');
    if (equal == npos)
        return 0;
    std::size_t semicolon = text.find(';');
    std::size_t quote = text.find('"');
    if (Before(semicolon, equal) || Before(quote, equal))
        return 0;

    std::string_view rest = text.substr(equal + 1);
    std::size_t nextEqual = rest.find('=');
    if (nextEqual == npos)
        return 1;
    std::size_t firstQuote = rest.find('"');
    if (firstQuote != npos && firstQuote > nextEqual)
        return 0;

    // Skip the opening quote, then walk from `=` to `=`: an `=` that follows a quote and is
    // itself followed by a comment stands in a second quoted text before the comment.
    if (firstQuote != npos)
        rest.remove_prefix(firstQuote + 1);
    while (true) {
        std::size_t eq = rest.find('=');
        if (eq == npos)
            return 1;
        std::size_t q = rest.find('"');
        std::size_t sc = rest.find(';');
        if (q != npos && sc != npos && q < eq && eq < sc)
            return 0;
        rest.remove_prefix(eq + 1);
    }
}

} // namespace kvf
