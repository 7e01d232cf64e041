#include "document/TextEncoding.h"

#include "core/Windows1252.h"

#include <algorithm>

namespace kvf {
namespace {

// True when the bytes at odd (or even) places of the start are all NUL and the others are
// not: ASCII text written as 16-bit units.
bool NulAtEverySecondPlace(std::string_view start, std::size_t nulPlace) {
    if (start.size() < 4)
        return false;
    for (std::size_t i = 0; i + 1 < start.size(); i += 2) {
        char nul = start[i + nulPlace];
        char text = start[i + 1 - nulPlace];
        if (nul != '\0' || text == '\0')
            return false;
    }
    return true;
}

} // namespace

bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    std::string_view start = bytes.substr(0, std::min<std::size_t>(bytes.size(), 64) & ~1u);
    return NulAtEverySecondPlace(start, 1) || NulAtEverySecondPlace(start, 0);
}

bool StartsWithUtf8ByteOrderMark(std::string_view bytes) {
    return bytes.starts_with(kUtf8ByteOrderMark);
}

std::string Utf8FileAsEngineText(std::string_view afterMark) {
    return Utf8ToCodeUnitBytes(afterMark);
}

} // namespace kvf
