#include "catalogue/NumberReader.h"

#include <gtest/gtest.h>

#include <string>

namespace kvf {
namespace {

struct ReadCase {
    std::string Text;
    int Base;
    std::uint32_t Bits;
    std::size_t Consumed;
    bool Overflow;
};

TEST(NumberReaderTest, ReadUnsigned32BehavesLikeThirtyTwoBitStrtoul) {
    const ReadCase cases[] = {
        {"  42", 10, 42, 4, false},
        {"+7", 10, 7, 2, false},
        {"-1", 10, 0xFFFFFFFFu, 2, false},
        {"-1", 0, 0xFFFFFFFFu, 2, false},
        {"4294967295", 10, 0xFFFFFFFFu, 10, false},
        {"4294967296", 10, 0xFFFFFFFFu, 10, true},
        {"-99999999999", 10, 0xFFFFFFFFu, 12, true},
        {"0x1F", 0, 0x1F, 4, false},
        {"0X1f", 0, 0x1F, 4, false},
        {"017", 0, 15, 3, false},
        {"019", 0, 1, 2, false}, // octal stops at the 9
        {"0x", 0, 0, 1, false},  // the 0 is the number, the x is left over
        {"0xg", 16, 0, 1, false},
        {"ff", 16, 255, 2, false},
        {"12ab", 10, 12, 2, false},
        {"", 10, 0, 0, false},
        {"abc", 10, 0, 0, false},
        {"-", 10, 0, 0, false},
        {"0x100000000", 0, 0xFFFFFFFFu, 11, true},
    };
    for (const auto& c : cases) {
        NumberParse p = ReadUnsigned32(c.Text, c.Base);
        EXPECT_EQ(p.Bits, c.Bits) << c.Text;
        EXPECT_EQ(p.Consumed, c.Consumed) << c.Text;
        EXPECT_EQ(p.Overflow, c.Overflow) << c.Text;
    }
}

TEST(NumberReaderTest, ReadSigned32ClampsToThirtyTwoBitLimits) {
    const ReadCase cases[] = {
        {"2147483647", 10, 0x7FFFFFFFu, 10, false},
        {"2147483648", 10, 0x7FFFFFFFu, 10, true},
        {"-2147483648", 10, 0x80000000u, 11, false},
        {"-2147483649", 10, 0x80000000u, 11, true},
        {"0xFFFFFFFF", 0, 0x7FFFFFFFu, 10, true},
        {"-0x80000000", 0, 0x80000000u, 11, false},
        {" \t-12x", 10, static_cast<std::uint32_t>(-12), 5, false},
        {"99999999999999999999", 10, 0x7FFFFFFFu, 20, true},
    };
    for (const auto& c : cases) {
        NumberParse p = ReadSigned32(c.Text, c.Base);
        EXPECT_EQ(p.Bits, c.Bits) << c.Text;
        EXPECT_EQ(p.Consumed, c.Consumed) << c.Text;
        EXPECT_EQ(p.Overflow, c.Overflow) << c.Text;
    }
}

TEST(NumberReaderTest, ValueNumberUsesAutomaticBaseOnlyWithLowerCaseX) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"0x10", 16},   {"0X10", 0},  {"010", 10}, {"-5", -5},
        {"12abc", 12},  {"", 0},      {"abc", 0},  {"0xFFFFFFFF", -1},
        {"0x10,3", 16}, {"017x", 15}, {" 7 ", 7},  {"3000000000", 2147483647},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ValueNumber(text), value) << text;
}

struct NumberRuleCase {
    std::string Text;
    NumberWidth Width;
    int Expected;
};

TEST(NumberReaderTest, NumberCharactersAreDigitsMinusAndHexLettersWithX) {
    const std::string_view allowed = "0123456789-abcdefxABCDEFX";
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(IsNumberCharacter(c), allowed.find(c) != std::string_view::npos) << byte;
    }
}

TEST(NumberReaderTest, NumberRulePerWidth) {
    const NumberRuleCase cases[] = {
        // Boolean
        {"0", kBooleanDigit, 1},
        {"1", kBooleanDigit, 1},
        {"2", kBooleanDigit, 0},
        {"10", kBooleanDigit, 0},
        {" 1 ", kBooleanDigit, 1},
        {"-", kBooleanDigit, 0},
        // general format
        {"", kUnsigned8, 0},
        {"   ", kUnsigned8, 0},
        {"1 2", kUnsigned8, 0},
        {"+5", kUnsigned8, 0},
        {"5g", kUnsigned8, 0},
        {"ab", kUnsigned8, 0},
        {"00", kUnsigned8, 1},
        {"0", kUnsigned8, 1},
        {"-0", kSigned8, 1},
        {"-0", kUnsigned8, 0},
        {"--0", kSigned8, 0},
        {"0-", kSigned8, 0},
        {"1-2", kSigned8, 0},
        {"-", kSigned8, 0},
        {"-", kAnyNumber, 0},
        // unsigned 8
        {"255", kUnsigned8, 1},
        {"256", kUnsigned8, 0},
        {"0xff", kUnsigned8, 1},
        {"0xFF", kUnsigned8, 1},
        {"0XFF", kUnsigned8, 0},
        {"0x100", kUnsigned8, 0},
        {"010", kUnsigned8, 1},
        {"-1", kUnsigned8, 0},
        {"0x", kUnsigned8, 0},
        {"x1", kUnsigned8, 0},
        {"0x1x", kUnsigned8, 0},
        // unsigned 16
        {"65535", kUnsigned16, 1},
        {"65536", kUnsigned16, 0},
        {"0xFFFF", kUnsigned16, 1},
        {"0x10000", kUnsigned16, 0},
        // unsigned 32
        {"4294967295", kUnsigned32, 1},
        {"0xffffffff", kUnsigned32, 1},
        {"0xFFFFFFFF", kUnsigned32, 1},
        {"4294967296", kUnsigned32, 0},
        {"0x100000000", kUnsigned32, 0},
        {"04294967295", kUnsigned32, 0},
        {"4294967294", kUnsigned32, 1},
        {"-1", kUnsigned32, 0},
        // signed 8 and 16
        {"-128", kSigned8, 1},
        {"127", kSigned8, 1},
        {"128", kSigned8, 0},
        {"-129", kSigned8, 0},
        {"0x7f", kSigned8, 1},
        {"-0x80", kSigned8, 1},
        {"-32768", kSigned16, 1},
        {"32767", kSigned16, 1},
        {"32768", kSigned16, 0},
        // signed 32
        {"2147483647", kSigned32, 1},
        {"-2147483648", kSigned32, 1},
        {"2147483648", kSigned32, 0},
        {"-2147483649", kSigned32, 0},
        {"0x7fffffff", kSigned32, 1},
        {"0x7FFFFFFF", kSigned32, 1},
        {"-0x80000000", kSigned32, 1},
        {"0x80000000", kSigned32, 0},
        {"-5", kSigned32, 1},
        // any number
        {"-0x10", kAnyNumber, 1},
        {"99999999999", kAnyNumber, 1},
        {"-7", kAnyNumber, 1},
        {"7a", kAnyNumber, 0},
        // unknown width code
        {"1", NumberWidth{5, false}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckNumber(c.Text, c.Width), c.Expected)
            << "'" << c.Text << "' width " << c.Width.Bits << (c.Width.Signed ? " signed" : "");
}

TEST(NumberReaderTest, NumberRuleStoresTheByteOfAPassingEightBitNumber) {
    std::uint8_t byte = 7;
    EXPECT_EQ(CheckNumber("0xC1", kUnsigned8, &byte), 1);
    EXPECT_EQ(byte, 0xC1);
    EXPECT_EQ(CheckNumber("300", kUnsigned8, &byte), 0);
    EXPECT_EQ(byte, 0xC1);
}

} // namespace
} // namespace kvf
