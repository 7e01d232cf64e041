#include "core/MessageTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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

namespace {

// A conversion without flags, width or precision: the common case, written without printf.
bool IsPlain(std::string_view conversion) {
    return conversion.size() == 1; // just the '%'
}

void AppendDecimal(std::string& out, long long value) {
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    (void)error; // 24 characters hold every 64-bit number
    out.append(digits, end);
}

} // namespace

std::string FormatTemplate(std::string_view templ, std::span<const MessageArg> args) {
    std::string out;
    out.reserve(templ.size() + 32);
    std::size_t next = 0;
    std::size_t i = 0;
    while (i < templ.size()) {
        // The text up to the next conversion goes in as one piece.
        std::size_t percent = templ.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(templ.substr(i));
            break;
        }
        out.append(templ.substr(i, percent - i));
        i = percent;
        if (i + 1 < templ.size() && templ[i + 1] == '%') {
            out += '%';
            i += 2;
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
            i = j + 1;
            continue;
        }
        const MessageArg& arg = args[next++];
        i = j + 1;
        const bool plain = IsPlain(conversion);
        if (conv == 's') {
            if (plain && arg.IsText) {
                // As printf writes a C string: up to a NUL byte the text may hold.
                out.append(std::string_view(arg.Text).substr(0, arg.Text.find('\0')));
                continue;
            }
            if (plain) {
                AppendDecimal(out, arg.Number);
                continue;
            }
            std::string text = arg.IsText ? arg.Text : std::to_string(arg.Number);
            std::string fmt = conversion + "s";
            int n = std::snprintf(nullptr, 0, fmt.c_str(), text.c_str());
            if (n > 0) {
                std::size_t at = out.size();
                out.resize(at + static_cast<std::size_t>(n) + 1);
                std::snprintf(out.data() + at, static_cast<std::size_t>(n) + 1, fmt.c_str(),
                              text.c_str());
                out.resize(at + static_cast<std::size_t>(n));
            }
        } else if (!arg.IsText) {
            if (plain && (conv == 'd' || conv == 'i')) {
                AppendDecimal(out, static_cast<int>(arg.Number));
                continue;
            }
            if (plain && conv == 'u') {
                AppendDecimal(out, static_cast<unsigned int>(arg.Number));
                continue;
            }
            char buffer[64];
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
    }
    return out;
}

} // namespace kvf
