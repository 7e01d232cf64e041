#include "output/JsonText.h"

#include "core/Windows1252.h"

#include <cstdio>

namespace kvf {

std::string JsonString(std::string_view windows1252) {
    std::string utf8 = Windows1252ToUtf8(windows1252);
    std::string out = "\"";
    out.reserve(utf8.size() + 2);
    for (char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

} // namespace kvf
