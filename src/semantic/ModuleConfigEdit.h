#pragma once

// Editing one configuration identifier of a module: its settings as the identifier dialog
// shows them, the bytes they make, and the configuration text with those bytes in place.
// The inverse of DecodeCfgIdentifiers: settings read from an identifier encode to the same
// bytes.

#include "semantic/ModuleConfig.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// The most vendor-specific bytes a special identifier can announce (the count 15 reads as
// none), and the longest parts of either format, in units.
inline constexpr int kMaxCfgVendorBytes = 14;
inline constexpr std::uint32_t kMaxShortCfgUnits = 16;
inline constexpr std::uint32_t kMaxLengthByteUnits = 64;

struct CfgPartSettings {
    std::uint32_t Length = 0; // bytes; 0 for no such part
    bool WordUnit = false;
    bool Consistent = false; // over the whole length
};

struct CfgIdentifierSettings {
    bool Special = false; // the extended format: length bytes and vendor bytes follow
    CfgPartSettings Out;
    CfgPartSettings In;
    std::vector<std::uint8_t> VendorBytes;
};

// The settings of identifier `number` (0-based) of a decoded configuration.
CfgIdentifierSettings CfgSettingsOf(const DecodedModuleConfig& config, std::size_t number);

// The bytes of an identifier. A short identifier with both parts takes the input part's
// length and format for both; lengths are rounded down to whole units and kept within what
// the format can say; a special identifier keeps at most kMaxCfgVendorBytes vendor bytes.
std::vector<std::uint8_t> EncodeCfgIdentifier(const CfgIdentifierSettings& settings);

// The configuration text with identifier `number` (0-based) replaced by `bytes`, or, with
// `insert`, with `bytes` inserted before it (after the last identifier when `number` is the
// identifier count). The other items keep their text as written; new bytes are written as
// 0x hexadecimal, separated as the text separates its items.
std::string ReplaceCfgIdentifier(std::string_view configText, const DecodedModuleConfig& config,
                                 std::size_t number, const std::vector<std::uint8_t>& bytes,
                                 bool insert = false);

} // namespace kvf
