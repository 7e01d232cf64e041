#include "lsp/ClientText.h"

#include "core/Windows1252.h"

namespace kvf::lsp {

std::string FromClientText(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t run = i;
        while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80)
            ++run;
        bytes.append(utf8.substr(i, run - i));
        if (run == utf8.size())
            break;
        auto lead = static_cast<unsigned char>(utf8[run]);
        std::size_t length = (lead >> 5) == 0x6    ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 1;
        if (run + length > utf8.size())
            length = utf8.size() - run;
        if (length == 4)
            bytes += "??";
        else
            bytes += Utf8ToWindows1252(utf8.substr(run, length));
        i = run + length;
    }
    return bytes;
}

std::string ToClientText(std::string_view windows1252) {
    return Windows1252ToUtf8(windows1252);
}

} // namespace kvf::lsp
