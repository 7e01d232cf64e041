#include "semantic/ModuleConfigEdit.h"

#include <algorithm>
#include <cstdio>

namespace kvf {
namespace {

constexpr std::uint8_t kConsistentBit = 0x80;
constexpr std::uint8_t kWordUnitBit = 0x40;
constexpr std::uint8_t kOutputBit = 0x20;
constexpr std::uint8_t kInputBit = 0x10;
constexpr std::uint8_t kOutputLengthFollows = 0x80;
constexpr std::uint8_t kInputLengthFollows = 0x40;

CfgPartSettings PartSettings(const CfgPart& part) {
    return CfgPartSettings{part.Length, (part.Format & kCfgFormatWordUnit) != 0,
                           part.Format >= kCfgFormatConsistent};
}

std::uint8_t FormatBits(const CfgPartSettings& part) {
    return static_cast<std::uint8_t>((part.Consistent ? kConsistentBit : 0) |
                                     (part.WordUnit ? kWordUnitBit : 0));
}

// The length in units, from 1 to `maxUnits`.
std::uint8_t UnitsMinusOne(const CfgPartSettings& part, std::uint32_t maxUnits) {
    std::uint32_t units = part.Length / (part.WordUnit ? 2u : 1u);
    units = std::clamp<std::uint32_t>(units, 1, maxUnits);
    return static_cast<std::uint8_t>(units - 1);
}

// Where each item of a configuration text stands, as the decoding splits the text: at
// every comma, the rest losing its leading blanks, an empty rest ending the list. The end
// of an item leaves out its trailing blanks.
struct ItemSpan {
    std::size_t Begin;
    std::size_t End;
};

std::vector<ItemSpan> ItemSpans(std::string_view text) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::vector<ItemSpan> spans;
    std::size_t begin = 0;
    while (true) {
        std::size_t comma = text.find(',', begin);
        std::size_t end = comma == std::string_view::npos ? text.size() : comma;
        std::size_t trimmed = end;
        while (trimmed > begin && isBlank(text[trimmed - 1]))
            --trimmed;
        spans.push_back({begin, trimmed});
        if (comma == std::string_view::npos)
            break;
        begin = comma + 1;
        while (begin < text.size() && isBlank(text[begin]))
            ++begin;
        if (begin == text.size())
            break;
    }
    return spans;
}

std::string HexItems(const std::vector<std::uint8_t>& bytes, std::string_view separator) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        char item[8];
        std::snprintf(item, sizeof item, "0x%02X", byte);
        if (!text.empty())
            text += separator;
        text += item;
    }
    return text;
}

} // namespace

CfgIdentifierSettings CfgSettingsOf(const DecodedModuleConfig& config, std::size_t number) {
    CfgIdentifierSettings settings;
    if (number >= config.Identifiers.size())
        return settings;
    const CfgIdentifier& ident = config.Identifiers[number];
    settings.Special = ident.Special;
    settings.Out = PartSettings(ident.Out);
    settings.In = PartSettings(ident.In);
    std::size_t vendor = ident.FirstByte + 1 + ident.LengthBytes;
    for (std::size_t i = 0; i < ident.VendorBytesPresent() && vendor + i < config.Bytes.size(); ++i)
        settings.VendorBytes.push_back(config.Bytes[vendor + i]);
    return settings;
}

std::vector<std::uint8_t> EncodeCfgIdentifier(const CfgIdentifierSettings& settings) {
    const bool output = settings.Out.Length > 0;
    const bool input = settings.In.Length > 0;
    if (!settings.Special && (output || input)) {
        const CfgPartSettings& part = input ? settings.In : settings.Out;
        return {static_cast<std::uint8_t>(FormatBits(part) | (output ? kOutputBit : 0) |
                                          (input ? kInputBit : 0) |
                                          UnitsMinusOne(part, kMaxShortCfgUnits))};
    }
    // The extended format (also a short identifier without data, which only it can say).
    std::size_t vendorCount =
        std::min<std::size_t>(settings.VendorBytes.size(), kMaxCfgVendorBytes);
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(
        (output ? kOutputLengthFollows : 0) | (input ? kInputLengthFollows : 0) | vendorCount)};
    if (output)
        bytes.push_back(static_cast<std::uint8_t>(
            FormatBits(settings.Out) | UnitsMinusOne(settings.Out, kMaxLengthByteUnits)));
    if (input)
        bytes.push_back(static_cast<std::uint8_t>(FormatBits(settings.In) |
                                                  UnitsMinusOne(settings.In, kMaxLengthByteUnits)));
    bytes.insert(bytes.end(), settings.VendorBytes.begin(),
                 settings.VendorBytes.begin() + static_cast<std::ptrdiff_t>(vendorCount));
    return bytes;
}

std::string ReplaceCfgIdentifier(std::string_view configText, const DecodedModuleConfig& config,
                                 std::size_t number, const std::vector<std::uint8_t>& bytes,
                                 bool insert) {
    const std::string_view separator = configText.find(", ") != std::string_view::npos ? ", " : ",";
    const std::string items = HexItems(bytes, separator);
    if (std::all_of(configText.begin(), configText.end(),
                    [](char c) { return c == ' ' || c == '\t'; }))
        return items;
    const std::vector<ItemSpan> spans = ItemSpans(configText);
    if (number >= config.Identifiers.size()) {
        // After the last item.
        std::string text(configText.substr(0, spans.back().End));
        return text + std::string(separator) + items +
               std::string(configText.substr(spans.back().End));
    }
    const CfgIdentifier& ident = config.Identifiers[number];
    const std::size_t first = std::min(ident.FirstByte, spans.size() - 1);
    const std::size_t last = std::min(ident.FirstByte + ident.ByteCount - 1, spans.size() - 1);
    std::string text(configText.substr(0, spans[first].Begin));
    if (insert)
        return text + items + std::string(separator) +
               std::string(configText.substr(spans[first].Begin));
    return text + items + std::string(configText.substr(spans[last].End));
}

} // namespace kvf
