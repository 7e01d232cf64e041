#include "core/MessageSelection.h"

#include "core/MessageTable.h"

#include <charconv>

namespace kvf {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<int> ParseMessageIds(std::string_view list, std::vector<std::string>& unknown) {
    std::vector<int> ids;
    while (!list.empty()) {
        std::size_t comma = list.find(',');
        std::string_view item = TrimBlanks(list.substr(0, comma));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        if (item.empty())
            continue;
        int id = 0;
        auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), id);
        if (error == std::errc() && end == item.data() + item.size() && HasMessage(id))
            ids.push_back(id);
        else
            unknown.emplace_back(item);
    }
    return ids;
}

MessageSelection ReadMessageSelection(const SettingsStore& settings,
                                      std::vector<std::string>& unknown) {
    const std::string section(kChecksSection);
    MessageSelection selection;
    std::string disabled = settings.GetString(section, std::string(kDisableValue), "");
    for (int id : ParseMessageIds(disabled, unknown))
        selection.Disable(id);
    // An absent or empty enable-only list selects everything: an empty list that selected
    // nothing would hide every finding and pass every file.
    std::string only = settings.GetString(section, std::string(kEnableOnlyValue), "");
    std::vector<int> onlyIds = ParseMessageIds(only, unknown);
    if (!onlyIds.empty())
        selection.EnableOnly(onlyIds);
    return selection;
}

} // namespace kvf
