#pragma once

// The configuration bytes of a module read as configuration identifiers: one place that the
// module rules, the data area rules, kvfcheck --explain-module and the editor's
// configuration list all use, so that they never disagree on what a byte means.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kvf {

// A module holds at most this many identifiers; the identifier tables of the checker are
// indexed 1 ... kMaxCfgIdentifiers.
inline constexpr int kMaxCfgIdentifiers = 244;

// Format codes of an identifier or length byte (its bits 7-6). The data area rules compare
// them as levels: a higher code satisfies every lower requirement.
inline constexpr std::uint32_t kCfgFormatWordUnit = 1;
inline constexpr std::uint32_t kCfgFormatConsistent = 2;

// Length in bytes of an identifier byte (4 length bits) or of a length byte (6 length
// bits): the length bits plus 1, doubled for the word unit (bit 6).
std::uint32_t CfgIdentifierLength(std::uint8_t byte);
std::uint32_t CfgLengthByteLength(std::uint8_t byte);
constexpr std::uint32_t CfgFormat(std::uint8_t byte) {
    return static_cast<std::uint32_t>(byte >> 6);
}
constexpr bool IsSpecialCfgIdentifier(std::uint8_t byte) {
    return (byte & 0x30) == 0;
}

// The input or the output part of an identifier; Length 0 when it has no such part.
struct CfgPart {
    std::uint32_t Format = 0;
    std::uint32_t Length = 0;
};

// One configuration identifier as the module rules read it.
struct CfgIdentifier {
    std::size_t FirstByte = 0;   // position of the identifier byte in DecodedModuleConfig::Bytes
    std::size_t ByteCount = 1;   // the identifier byte, its length bytes and its vendor bytes
    std::size_t LengthBytes = 0; // length bytes present; the vendor bytes follow them
    bool Special = false;        // bits 5-4 are 00: length bytes and vendor bytes follow
    CfgPart Out;
    CfgPart In;
    // Vendor-specific bytes the identifier announces (special format; 15 counts as 0) and
    // how many of those and of its length bytes the configuration text lacks.
    int VendorBytes = 0;
    int MissingBytes = 0;

    std::size_t VendorBytesPresent() const { return ByteCount - 1 - LengthBytes; }
};

struct DecodedModuleConfig {
    // Every item of the text as a byte: the low 8 bits of its number, 0 for a text that is
    // not a number.
    std::vector<std::uint8_t> Bytes;
    std::vector<CfgIdentifier> Identifiers; // numbered from 1 in this order
    // Bytes after the last identifier that fit in the tables; not decoded.
    std::size_t IgnoredBytes = 0;
};

// The identifiers of a module's configuration text (value part 1 of its Module line), read
// item by item up to each comma with the semantic number reader. The vendor count 15 counts
// as 0; an identifier whose length or vendor bytes are missing keeps lengths 0; decoding
// stops before a 245th identifier.
DecodedModuleConfig DecodeCfgIdentifiers(std::string_view configText);

// The input and output bytes of a module as the Max_Input_Len and Max_Output_Len rule adds
// them up: a walk of its own in which every item must pass the 8-bit number rule (no value
// when an item is refused); a vendor count of 15 stands for none, as in the decoding.
struct ModuleIoSums {
    std::uint32_t Input = 0;
    std::uint32_t Output = 0;
};
std::optional<ModuleIoSums> SumModuleIoLengths(std::string_view configText);

} // namespace kvf
