#include "language/KeywordFacts.h"

#include "core/AsciiText.h"
#include "core/CDbEntry.h"
#include "semantic/SemanticKeywordList.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace kvf::language {
namespace {

constexpr std::array<std::pair<unsigned, std::string_view>, 9> kGroupLabels = {{
    {PARENT_GENERAL, "General Keys"},
    {PARENT_PHYSICAL_INTERFACES, "Physical interfaces"},
    {PARENT_MASTER, "Master Keys"},
    {PARENT_MASTER_EXT, "Master DP-Extension"},
    {PARENT_SLAVE, "Slave Keys"},
    {PARENT_MODULE_ASSIGNMENT, "Module Assignment"},
    {PARENT_SLAVE_EXT, "Slave DP-Extension"},
    {PARENT_SLAVE_DATA_EXCHNG, "Slave Data Exchange"},
    {PARENT_MODULE, "Module Keys"},
}};

bool ReadSigned(std::string_view text, long long& value) {
    text = Trim(text);
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view GroupLabel(unsigned group) {
    for (const auto& [bit, label] : kGroupLabels)
        if (group == bit)
            return label;
    return "User-defined Keys";
}

std::string ValueRuleText(const CatalogueMatch& match) {
    const CatalogueKeyword& k = *match.Keyword;
    switch (match.Row->Rule) {
    case ValueRule::Boolean:
        return "Boolean: 0 or 1";
    case ValueRule::VisibleString:
        return "Visible-String of at most " + std::to_string(k.MaxLength) + " characters";
    case ValueRule::FileName:
        return "file name: Visible-String of at most 8 characters";
    case ValueRule::NoValue:
        return "the keyword alone, no value";
    case ValueRule::OctetList:
        return "a list of octets";
    case ValueRule::Module:
        return "the module's name in quotes, then its configuration bytes";
    case ValueRule::Slot:
        return "the slot's number, name, default and allowed module references";
    case ValueRule::IndexText:
        return "(number) = \"text\"";
    default:
        break;
    }
    std::string text = k.TypeWord.empty() ? std::string("number") : std::string(k.TypeWord);
    if (!k.RangeText.empty())
        text += " (" + std::string(k.RangeText) + ")";
    return text;
}

std::vector<NumberSpan> AllowedNumbers(std::string_view rangeText) {
    std::vector<NumberSpan> spans;
    std::size_t colon = rangeText.find(':');
    std::string_view list =
        colon == std::string_view::npos ? rangeText : rangeText.substr(colon + 1);
    while (!list.empty()) {
        // Items stand apart by commas or bars; a range may stand in parentheses.
        std::size_t comma = list.find_first_of(",|");
        std::string_view item = Trim(list.substr(0, comma));
        if (item.size() >= 2 && item.front() == '(' && item.back() == ')')
            item = Trim(item.substr(1, item.size() - 2));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        std::size_t dots = item.find("..");
        std::size_t dash = item.find('-', 1);
        NumberSpan span;
        if (dots != std::string_view::npos) {
            if (ReadSigned(item.substr(0, dots), span.Low) &&
                ReadSigned(item.substr(dots + 2), span.High))
                spans.push_back(span);
        } else if (dash != std::string_view::npos) {
            if (ReadSigned(item.substr(0, dash), span.Low) &&
                ReadSigned(item.substr(dash + 1), span.High))
                spans.push_back(span);
        } else if (ReadSigned(item, span.Low)) {
            span.High = span.Low;
            spans.push_back(span);
        }
    }
    return spans;
}

bool NearestAllowed(std::string_view rangeText, long long value, long long& nearest) {
    bool found = false;
    long long bestDistance = 0;
    for (const NumberSpan& span : AllowedNumbers(rangeText)) {
        long long candidate =
            std::clamp(value, std::min(span.Low, span.High), std::max(span.Low, span.High));
        long long distance = candidate > value ? candidate - value : value - candidate;
        if (!found || distance < bestDistance) {
            found = true;
            bestDistance = distance;
            nearest = candidate;
        }
    }
    return found;
}

bool ReadNumber(std::string_view value, long long& number) {
    value = Trim(value);
    if (value.size() > 2 && value[0] == '0' && value[1] == 'x') {
        auto [end, error] =
            std::from_chars(value.data() + 2, value.data() + value.size(), number, 16);
        return error == std::errc() && end == value.data() + value.size();
    }
    return ReadSigned(value, number);
}

std::string KeywordSpelling(const CatalogueKeyword& keyword) {
    std::size_t hash = keyword.Topic.find('#');
    if (hash != std::string_view::npos && SameKey(keyword.Topic.substr(hash + 1), keyword.Name))
        return std::string(keyword.Topic.substr(hash + 1));
    if (std::optional<semantic::Kw> kw = semantic::FindSemanticKeyword(keyword.Name))
        return std::string(semantic::Info(*kw).Name);
    return std::string(keyword.Name);
}

} // namespace kvf::language
