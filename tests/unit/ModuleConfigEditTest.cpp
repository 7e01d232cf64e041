#include "semantic/ModuleConfigEdit.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

// Every identifier of a configuration, read into its settings and encoded again, gives
// the bytes it was read from.
class SettingsRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(SettingsRoundTrip, EncodesTheBytesItWasReadFrom) {
    DecodedModuleConfig config = DecodeCfgIdentifiers(GetParam());
    std::vector<std::uint8_t> encoded;
    for (std::size_t n = 0; n < config.Identifiers.size(); ++n) {
        std::vector<std::uint8_t> bytes = EncodeCfgIdentifier(CfgSettingsOf(config, n));
        encoded.insert(encoded.end(), bytes.begin(), bytes.end());
    }
    EXPECT_EQ(encoded, config.Bytes);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, SettingsRoundTrip,
                         ::testing::Values("0x10", "0x23", "0xD1", "0x31,0xEF", "0x00",
                                           "0xC0,0x81,0x01", "0xC0,0x41,0xBF",
                                           "0x83,0x41,0x01,0x02,0x03", "0x40,0x3F",
                                           "0x02,0xAA,0xBB,0x10"));

struct EncodeCase {
    const char* name;
    CfgIdentifierSettings settings;
    std::vector<std::uint8_t> bytes;
};

class Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Encode, WritesWhatTheFormatCanSay) {
    EXPECT_EQ(EncodeCfgIdentifier(GetParam().settings), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Encode,
    ::testing::Values(
        // A short identifier of both parts takes the input's length and format.
        EncodeCase{"shortBoth", {false, {8, false, false}, {4, true, true}, {}}, {0xF1}},
        // Too long for the short format's 16 units: 16 it is.
        EncodeCase{"shortClamped", {false, {0, false, false}, {40, false, false}, {}}, {0x1F}},
        // An odd length in words rounds down, never below one unit.
        EncodeCase{"wordRoundsDown", {false, {3, true, false}, {0, false, false}, {}}, {0x60}},
        // A short identifier without data is the extended empty one.
        EncodeCase{"noData", {false, {}, {}, {}}, {0x00}},
        // Vendor bytes only in the extended format, at most 14.
        EncodeCase{"vendor",
                   {true, {}, {2, false, false}, std::vector<std::uint8_t>(16, 0x55)},
                   [] {
                       std::vector<std::uint8_t> b{0x4E, 0x01};
                       b.insert(b.end(), 14, 0x55);
                       return b;
                   }()}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceCase {
    const char* text;
    std::size_t number;
    std::vector<std::uint8_t> bytes;
    bool insert;
    const char* expected;
};

class Replace : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(Replace, KeepsTheOtherItemsAsWritten) {
    const ReplaceCase& c = GetParam();
    DecodedModuleConfig config = DecodeCfgIdentifiers(c.text);
    EXPECT_EQ(ReplaceCfgIdentifier(c.text, config, c.number, c.bytes, c.insert), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Replace,
    ::testing::Values(
        ReplaceCase{"0x10, 0x20,0x30", 1, {0xC0, 0x81, 0x01}, false, "0x10, 0xC0, 0x81, 0x01,0x30"},
        ReplaceCase{"16,0xC0,0x81,0x01,32", 1, {0x20}, false, "16,0x20,32"},
        ReplaceCase{"0x10", 0, {0x00}, true, "0x00,0x10"},
        ReplaceCase{"0x10 ", 1, {0x00}, true, "0x10,0x00 "},
        ReplaceCase{"", 0, {0x00}, true, "0x00"},
        ReplaceCase{"0x83,0x41,1", 0, {0x10}, false, "0x10"}));

} // namespace
} // namespace kvf
