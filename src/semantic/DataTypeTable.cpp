#include "semantic/DataTypeTable.h"

#include <array>

namespace kvf {
namespace {

using F = DataTypeFormat;
using N = DataTypeNote;

struct DataTypeRange {
    int First;
    int Last;
    DataTypeInfo Info;
};

// clang-format off
constexpr DataTypeRange kDataTypes[] = {
    {1, 2,     {1, F::None, N::None}},
    {3, 3,     {2, F::WordUnit, N::None}},
    {4, 4,     {4, F::Consistency, N::None}},
    {5, 5,     {1, F::None, N::None}},
    {6, 6,     {2, F::WordUnit, N::None}},
    {7, 8,     {4, F::Consistency, N::None}},
    {9, 10,    {1, F::None, N::VariableLength}},
    {11, 11,   {0, F::None, N::Reserved}},
    {12, 12,   {6, F::Consistency, N::None}},
    {13, 49,   {0, F::None, N::Reserved}},
    {50, 50,   {7, F::Consistency, N::None}},
    {51, 51,   {0, F::None, N::Reserved}},
    {52, 52,   {4, F::Consistency, N::None}},
    {53, 53,   {6, F::Consistency, N::None}},
    {54, 54,   {4, F::Consistency, N::None}},
    {55, 56,   {0, F::None, N::Reserved}},
    {57, 58,   {8, F::Consistency, N::None}},
    {59, 70,   {0, F::None, N::Reserved}},
    {71, 100,  {1, F::None, N::UserSpecific}},
    {101, 127, {0, F::None, N::Reserved}},
    {128, 255, {1, F::None, N::UserSpecific}},
};
// clang-format on

constexpr DataTypeInfo kNoDataType{0, F::None, N::None};

// One row per value 0 ... 255, unfolded from the ranges once.
constexpr std::array<DataTypeInfo, 256> UnfoldDataTypes() {
    std::array<DataTypeInfo, 256> table{};
    table.fill(kNoDataType);
    for (const DataTypeRange& range : kDataTypes)
        for (int value = range.First; value <= range.Last; ++value)
            table[static_cast<std::size_t>(value)] = range.Info;
    return table;
}

constexpr std::array<DataTypeInfo, 256> kByValue = UnfoldDataTypes();

} // namespace

const DataTypeInfo& LookUpDataType(std::int32_t value) {
    if (value < 0 || value >= static_cast<std::int32_t>(kByValue.size()))
        return kNoDataType;
    return kByValue[static_cast<std::size_t>(value)];
}

} // namespace kvf
