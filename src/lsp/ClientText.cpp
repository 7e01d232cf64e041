#include "lsp/ClientText.h"

#include "core/Windows1252.h"

namespace kvf::lsp {

std::string FromClientText(std::string_view utf8) {
    return Utf8ToCodeUnitBytes(utf8);
}

std::string FromClientDocument(std::string_view utf8) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF"; // U+FEFF
    if (!utf8.starts_with(kMark))
        return FromClientText(utf8);
    return ' ' + FromClientText(utf8.substr(kMark.size()));
}

std::string ToClientText(std::string_view windows1252) {
    return Windows1252ToUtf8(windows1252);
}

} // namespace kvf::lsp
