#include "core/MessageTable.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace kvf {
namespace {

// Every text in declaration order; Table() sorts them by id.
constexpr MessageDef kDeclared[] = {
#define KVF_MESSAGE(Name, Id, Text) {Id, Text},
#define KVF_FINDING(Name, Id, Level, Text) {Id, Text},
#define KVF_CAPTION(Name, Id, Text) {Id, Text},
#define KVF_KEYWORD_HELP(Id, Text) {Id, Text},
#include "core/messages/AllMessages.def"
#undef KVF_MESSAGE
#undef KVF_FINDING
#undef KVF_CAPTION
#undef KVF_KEYWORD_HELP
};

std::vector<MessageDef> SortedById() {
    std::vector<MessageDef> all(std::begin(kDeclared), std::end(kDeclared));
    std::stable_sort(all.begin(), all.end(),
                     [](const MessageDef& a, const MessageDef& b) { return a.Id < b.Id; });
    return all;
}

const std::vector<MessageDef>& Table() {
    static const std::vector<MessageDef> table = SortedById();
    return table;
}

const MessageDef* Find(int id) {
    const auto& table = Table();
    auto it = std::lower_bound(table.begin(), table.end(), id,
                               [](const MessageDef& m, int key) { return m.Id < key; });
    return it != table.end() && it->Id == id ? &*it : nullptr;
}

} // namespace

std::string_view MessageText(int id) {
    const MessageDef* found = Find(id);
    return found ? found->Text : std::string_view();
}

bool HasMessage(int id) {
    return Find(id) != nullptr;
}

std::span<const MessageDef> AllMessages() {
    return Table();
}

std::string FormatTemplate(std::string_view templ, const std::vector<MessageArg>& args) {
    std::string out;
    out.reserve(templ.size() + 32);
    std::size_t next = 0;
    for (std::size_t i = 0; i < templ.size(); ++i) {
        char c = templ[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 < templ.size() && templ[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // A conversion: flags, width, precision, length modifiers, then the letter.
        std::size_t j = i + 1;
        while (j < templ.size() &&
               std::string_view("-+ #0").find(templ[j]) != std::string_view::npos)
            ++j;
        while (j < templ.size() &&
               (std::isdigit(static_cast<unsigned char>(templ[j])) || templ[j] == '.'))
            ++j;
        while (j < templ.size() && (templ[j] == 'l' || templ[j] == 'h'))
            ++j;
        if (j >= templ.size()) {
            out.append(templ.substr(i));
            break;
        }
        char conv = templ[j];
        std::string conversion(templ.substr(i, j - i));
        // Drop length modifiers: the value is formatted at the width the letter implies.
        conversion.erase(std::remove_if(conversion.begin(), conversion.end(),
                                        [](char ch) { return ch == 'l' || ch == 'h'; }),
                         conversion.end());
        if (std::string_view("sdiuxXoc").find(conv) == std::string_view::npos ||
            next >= args.size()) {
            out.append(templ.substr(i, j - i + 1));
            i = j;
            continue;
        }
        const MessageArg& arg = args[next++];
        char buffer[64];
        if (conv == 's') {
            std::string text = arg.IsText ? arg.Text : std::to_string(arg.Number);
            std::string fmt = conversion + "s";
            int n = std::snprintf(nullptr, 0, fmt.c_str(), text.c_str());
            if (n > 0) {
                std::string piece(static_cast<std::size_t>(n) + 1, '\0');
                std::snprintf(piece.data(), piece.size(), fmt.c_str(), text.c_str());
                piece.resize(static_cast<std::size_t>(n));
                out += piece;
            }
        } else if (!arg.IsText) {
            std::string fmt = conversion + conv;
            if (conv == 'd' || conv == 'i' || conv == 'c')
                std::snprintf(buffer, sizeof buffer, fmt.c_str(), static_cast<int>(arg.Number));
            else
                std::snprintf(buffer, sizeof buffer, fmt.c_str(),
                              static_cast<unsigned int>(arg.Number));
            out += buffer;
        } else {
            out += arg.Text; // a text where a number was expected: show the text
        }
        i = j;
    }
    return out;
}

} // namespace kvf
