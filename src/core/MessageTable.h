#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace kvf {

// One text of the string table. Every user-visible text lives once, under its id; code
// refers to ids, never to prose.
struct MessageDef {
    int Id;
    std::string_view Text;
};

// The text of a string-table id; empty when the id is unknown.
std::string_view MessageText(int id);
bool HasMessage(int id);

// Every text, sorted by id (for tests and tools).
std::span<const MessageDef> AllMessages();

// An argument of a formatted message: a string or an integer.
struct MessageArg {
    MessageArg(const std::string& text) : IsText(true), Text(text) {}
    MessageArg(std::string_view text) : IsText(true), Text(text) {}
    MessageArg(const char* text) : IsText(true), Text(text ? text : "") {}
    // Any other text type that reads as a view (an entry's texts).
    template <typename T,
              typename = std::enable_if_t<std::is_convertible_v<const T&, std::string_view> &&
                                          !std::is_convertible_v<const T&, const char*> &&
                                          !std::is_same_v<T, std::string> &&
                                          !std::is_same_v<T, std::string_view>>>
    MessageArg(const T& text) : IsText(true), Text(std::string_view(text)) {}
    template <typename T, typename = std::enable_if_t<std::is_integral_v<T>>>
    MessageArg(T number) : IsText(false), Number(static_cast<long long>(number)) {}

    bool IsText;
    std::string Text;
    long long Number = 0;
};

// printf-style formatting of a template (%s, %d, %i, %u, %x, %X, %o, %c, %% with flags,
// width and precision). Integers are formatted as 32-bit int / unsigned int, so a negative
// number under %u or %x prints as its 32-bit pattern. A conversion without a matching argument is
// written out as it stands; a number given for %s is written in decimal: a wrong call never reads
// garbage.
std::string FormatTemplate(std::string_view templ, std::span<const MessageArg> args);
inline std::string FormatTemplate(std::string_view templ, const std::vector<MessageArg>& args) {
    return FormatTemplate(templ, std::span<const MessageArg>(args));
}

// Formats the string-table text of an id.
template <typename... Args> std::string FormatMessage(int id, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatTemplate(MessageText(id), std::span<const MessageArg>());
    } else {
        const std::array<MessageArg, sizeof...(Args)> list{MessageArg(args)...};
        return FormatTemplate(MessageText(id), std::span<const MessageArg>(list));
    }
}

} // namespace kvf
