#include "semantic/ModuleConfig.h"
#include "semantic/DataTypeTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf {
namespace {

// One identifier as the tests describe it: output and input as {format, length}, the
// vendor bytes it announces, its bytes in the list and the bytes the list lacks.
struct ExpectedIdent {
    CfgPart Out;
    CfgPart In;
    int VendorBytes = 0;
    std::size_t ByteCount = 1;
    int MissingBytes = 0;
};

struct DecodeCase {
    const char* Name;
    const char* Text;
    std::vector<ExpectedIdent> Idents;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
    *os << c.Name;
}

class DecodeCfgIdentifiersTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeCfgIdentifiersTest, DecodesEveryIdentifier) {
    DecodedModuleConfig decoded = DecodeCfgIdentifiers(GetParam().Text);
    const std::vector<ExpectedIdent>& want = GetParam().Idents;
    ASSERT_EQ(decoded.Identifiers.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const CfgIdentifier& got = decoded.Identifiers[i];
        SCOPED_TRACE("identifier " + std::to_string(i + 1));
        EXPECT_EQ(got.Out.Format, want[i].Out.Format);
        EXPECT_EQ(got.Out.Length, want[i].Out.Length);
        EXPECT_EQ(got.In.Format, want[i].In.Format);
        EXPECT_EQ(got.In.Length, want[i].In.Length);
        EXPECT_EQ(got.VendorBytes, want[i].VendorBytes);
        EXPECT_EQ(got.ByteCount, want[i].ByteCount);
        EXPECT_EQ(got.MissingBytes, want[i].MissingBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, DecodeCfgIdentifiersTest,
    ::testing::Values(
        DecodeCase{"InputThenOutput", "0x13,0x23", {{{}, {0, 4}}, {{0, 4}, {}}}},
        DecodeCase{"WordUnitBothDirections", "0x7F", {{{1, 32}, {1, 32}}}},
        DecodeCase{"WordUnitInputOnly", "0x5F", {{{}, {1, 32}}}},
        DecodeCase{"ConsistentBytes", "0x93", {{{}, {2, 4}}}},
        DecodeCase{"InputLengthByte", "0x40,0x83", {{{}, {2, 4}, 0, 2}}},
        // Output length byte first, then the input length byte.
        DecodeCase{"BothLengthBytes", "0xC0,0x41,0x05", {{{1, 4}, {0, 6}, 0, 3}}},
        DecodeCase{"LengthByteOf64Words", "0x80,0x7F", {{{1, 128}, {}, 0, 2}}},
        DecodeCase{"VendorBytesAfterLengthByte",
                   "0x42,0x00,0x01,0x02,0x13",
                   {{{}, {0, 1}, 2, 4}, {{}, {0, 4}}}},
        DecodeCase{"VendorBytesOnly", "0x02,0x20,0x20,0x13", {{{}, {}, 2, 3}, {{}, {0, 4}}}},
        // 15 announces no vendor byte: the next byte is an identifier of its own.
        DecodeCase{"VendorCount15CountsAsNone", "0x0F,0x10", {{}, {{}, {0, 1}}}},
        DecodeCase{"EmptyPlace", "0x00,0x13", {{}, {{}, {0, 4}}}},
        DecodeCase{"TruncatedKeepsMissingLengthsZero", "0xC1,0x01", {{{0, 2}, {}, 1, 2, 2}}},
        DecodeCase{"TruncatedAtTheEnd", "0x13,0x40", {{{}, {0, 4}}, {{}, {}, 0, 1, 1}}},
        // Items that are not numbers read as 0; only the low 8 bits of a number count.
        DecodeCase{"NotNumbersReadAsZero", "0x13, xyz ,0x113", {{{}, {0, 4}}, {}, {{}, {0, 4}}}},
        DecodeCase{"BlanksAroundItems", " 0x13 ,  0x23", {{{}, {0, 4}}, {{0, 4}, {}}}},
        // Without a lower-case x an item is decimal, a leading 0 included.
        DecodeCase{"DecimalItems", "19,043", {{{}, {0, 4}}, {{0, 12}, {}}}},
        DecodeCase{"TrailingCommaEndsTheList", "0x13,", {{{}, {0, 4}}}}));

TEST(DecodeCfgIdentifiersTest, StopsAtTheLastIdentifierTheTablesHold) {
    std::string text = "0x10";
    for (int i = 2; i < kMaxCfgIdentifiers; ++i)
        text += ",0x10";
    // Identifier 244 announces an input length byte; it still gets it, then decoding stops.
    text += ",0x40,0x07,0x13,0x13";
    DecodedModuleConfig decoded = DecodeCfgIdentifiers(text);
    ASSERT_EQ(decoded.Identifiers.size(), static_cast<std::size_t>(kMaxCfgIdentifiers));
    EXPECT_EQ(decoded.Identifiers.back().In.Length, 8u);
    EXPECT_EQ(decoded.IgnoredBytes, 2u);
    EXPECT_EQ(decoded.Bytes.size(), static_cast<std::size_t>(kMaxCfgIdentifiers) + 3);
}

struct SumCase {
    const char* Text;
    bool Summed;
    std::uint32_t Input;
    std::uint32_t Output;
};

class SumModuleIoLengthsTest : public ::testing::TestWithParam<SumCase> {};

TEST_P(SumModuleIoLengthsTest, AddsLengthsOrGivesUp) {
    std::optional<ModuleIoSums> sums = SumModuleIoLengths(GetParam().Text);
    ASSERT_EQ(sums.has_value(), GetParam().Summed);
    if (sums) {
        EXPECT_EQ(sums->Input, GetParam().Input);
        EXPECT_EQ(sums->Output, GetParam().Output);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SumModuleIoLengthsTest,
    ::testing::Values(SumCase{"0x13,0x23", true, 4, 4}, SumCase{"0x7F,0x5F", true, 64, 32},
                      SumCase{"0xC0,0x41,0x05", true, 6, 4},
                      SumCase{"0x42,0x00,0x01,0x02,0x13", true, 5, 0},
                      SumCase{"0x0F,0x13", true, 4, 0}, SumCase{" 0x13 , 0x23 ", true, 4, 4},
                      SumCase{"0xC1,0x01", true, 0, 2},
                      // Items the 8-bit number rule refuses.
                      SumCase{"0x13,xyz", false, 0, 0}, SumCase{"0x13,0x100", false, 0, 0},
                      SumCase{"0X13", false, 0, 0}, SumCase{"0x13,,0x23", false, 0, 0},
                      SumCase{"", false, 0, 0}));

// The length rule walks the list by itself; for every list the syntax check accepts it must
// find the lengths the identifier tables hold.
TEST(SumModuleIoLengthsTest, AgreesWithTheDecodedIdentifiers) {
    const char* lists[] = {
        "0x13,0x23,0x7F,0x5F",
        "0x00,0xC0,0x47,0x85,0x82,0x01,0xAA,0xBB,0x0F",
        "0x0F,0x7F,0x0F,0x0F,0x35",
        "0x4E,0x05,1,2,3,4,5,6,7,8,9,10,11,12,13,14,0x10",
        "0x8D,0x3F,1,2,3,4,5,6,7,8,9,10,11,12,13,0xB1",
    };
    for (const char* list : lists) {
        SCOPED_TRACE(list);
        ModuleIoSums fromIdents;
        for (const CfgIdentifier& ident : DecodeCfgIdentifiers(list).Identifiers) {
            fromIdents.Input += ident.In.Length;
            fromIdents.Output += ident.Out.Length;
        }
        std::optional<ModuleIoSums> sums = SumModuleIoLengths(list);
        ASSERT_TRUE(sums);
        EXPECT_EQ(sums->Input, fromIdents.Input);
        EXPECT_EQ(sums->Output, fromIdents.Output);
    }
}

struct DataTypeCase {
    std::int32_t Value;
    std::uint32_t Length;
    DataTypeFormat Need;
    DataTypeNote Note;
};

class DataTypeTableTest : public ::testing::TestWithParam<DataTypeCase> {};

TEST_P(DataTypeTableTest, RowOfValue) {
    const DataTypeInfo& info = LookUpDataType(GetParam().Value);
    EXPECT_EQ(info.Length, GetParam().Length);
    EXPECT_EQ(info.Need, GetParam().Need);
    EXPECT_EQ(info.Note, GetParam().Note);
}

using F = DataTypeFormat;
using N = DataTypeNote;
INSTANTIATE_TEST_SUITE_P(
    Boundaries, DataTypeTableTest,
    ::testing::Values(
        DataTypeCase{0, 0, F::None, N::None}, DataTypeCase{-1, 0, F::None, N::None},
        DataTypeCase{256, 0, F::None, N::None}, DataTypeCase{1, 1, F::None, N::None},
        DataTypeCase{2, 1, F::None, N::None}, DataTypeCase{3, 2, F::WordUnit, N::None},
        DataTypeCase{4, 4, F::Consistency, N::None}, DataTypeCase{5, 1, F::None, N::None},
        DataTypeCase{6, 2, F::WordUnit, N::None}, DataTypeCase{8, 4, F::Consistency, N::None},
        DataTypeCase{9, 1, F::None, N::VariableLength},
        DataTypeCase{10, 1, F::None, N::VariableLength}, DataTypeCase{11, 0, F::None, N::Reserved},
        DataTypeCase{12, 6, F::Consistency, N::None}, DataTypeCase{13, 0, F::None, N::Reserved},
        DataTypeCase{49, 0, F::None, N::Reserved}, DataTypeCase{50, 7, F::Consistency, N::None},
        DataTypeCase{51, 0, F::None, N::Reserved}, DataTypeCase{52, 4, F::Consistency, N::None},
        DataTypeCase{53, 6, F::Consistency, N::None}, DataTypeCase{54, 4, F::Consistency, N::None},
        DataTypeCase{55, 0, F::None, N::Reserved}, DataTypeCase{56, 0, F::None, N::Reserved},
        DataTypeCase{57, 8, F::Consistency, N::None}, DataTypeCase{58, 8, F::Consistency, N::None},
        DataTypeCase{59, 0, F::None, N::Reserved}, DataTypeCase{70, 0, F::None, N::Reserved},
        DataTypeCase{71, 1, F::None, N::UserSpecific},
        DataTypeCase{100, 1, F::None, N::UserSpecific}, DataTypeCase{101, 0, F::None, N::Reserved},
        DataTypeCase{127, 0, F::None, N::Reserved}, DataTypeCase{128, 1, F::None, N::UserSpecific},
        DataTypeCase{255, 1, F::None, N::UserSpecific}));

} // namespace
} // namespace kvf
