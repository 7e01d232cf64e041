#include "SemanticTestDocument.h"

#include "core/AsciiText.h"
#include "core/MessageIds.h"
#include "semantic/BaudRateRules.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

using semantic::kRateTable;
using semantic::Kw;
using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

// Every column of the rate table names the keyword of its own rate, so that no rule judges
// one rate by another rate's keyword.
TEST(RateTableTest, EveryColumnNamesTheKeywordOfItsRate) {
    const char* rates[] = {"9.6", "19.2", "31.25", "45.45", "93.75", "187.5",
                           "500", "1.5M", "3M",    "6M",    "12M"};
    const char* labels[] = {"9.6 k", "19.2 k", "31.25 k", "45.45 k", "93.75 k", "187.5 k",
                            "500 k", "1.5 M",  "3 M",     "6 M",     "12 M"};
    for (int rate = 0; rate < semantic::kRateCount; ++rate) {
        const semantic::RateRow& row = kRateTable[static_cast<std::size_t>(rate)];
        std::string r = rates[rate];
        const std::pair<Kw, std::string> columns[] = {
            {row.Supp, r + "_supp"},
            {row.MaxTsdr, "MaxTsdr_" + r},
            {row.Trdy, "TRDY_" + r},
            {row.Tqui, "TQUI_" + r},
            {row.Tset, "TSET_" + r},
            {row.Tsdi, "TSDI_" + r},
            {row.TransmissionDelay, "Transmission_Delay_" + r},
            {row.ReactionDelay, "Reaction_Delay_" + r},
        };
        for (const auto& [kw, name] : columns) {
            EXPECT_TRUE(EqualsNoCase(semantic::Info(kw).Name, name))
                << semantic::Info(kw).Name << " in the row of " << r;
            EXPECT_EQ(semantic::RateIndexOf(kw), rate) << name;
        }
        EXPECT_EQ(MessageText(row.DelayLabel), labels[rate]);
    }
    EXPECT_EQ(semantic::RateIndexOf(Kw::Min_Slave_Intervall), -1);
}

struct IntervalCase {
    const char* Name;
    std::int32_t Interval;
    std::vector<int> Supported;
    std::int32_t Family;
    std::int32_t Limit; // 0: no limit exceeded
    int Label;
};

void PrintTo(const IntervalCase& c, std::ostream* os) {
    *os << c.Name;
}

class IntervalLimitTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(IntervalLimitTest, FirstMatchingRowDecides) {
    const IntervalCase& c = GetParam();
    std::bitset<semantic::kRateCount> supported;
    for (int rate : c.Supported)
        supported.set(static_cast<std::size_t>(rate));
    const semantic::IntervalLimitRow* row =
        semantic::ExceededIntervalLimit(c.Interval, supported, c.Family);
    if (c.Limit == 0) {
        EXPECT_EQ(row, nullptr);
        return;
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->Limit, c.Limit);
    EXPECT_EQ(row->Label, c.Label);
}

using namespace semantic;

INSTANTIATE_TEST_SUITE_P(
    MinSlaveIntervall, IntervalLimitTest,
    ::testing::Values(
        IntervalCase{"TwelveMegabaudAboveSix", 7, {Rate12M}, 3, 6, msg::IntervalLabel12M},
        IntervalCase{"TwelveMegabaudAtSix", 6, {Rate12M}, 3, 0, 0},
        // The fastest supported rate sets the limit, whatever slower rates there are.
        IntervalCase{
            "FastestRateDecides", 11, {Rate9k6, Rate500k, Rate6M}, 3, 10, msg::IntervalLabel6M},
        IntervalCase{
            "SlowerRowCatchesWhatFasterRowsLetPass", 61, {Rate500k}, 3, 60, msg::IntervalLabel500k},
        IntervalCase{"OneAndAHalfMegabaud", 21, {Rate1M5, Rate3M}, 3, 15, msg::IntervalLabel3M},
        IntervalCase{"SlowRatesOnly", 201, {Rate93k75}, 3, 200, msg::IntervalLabelUpTo187k5},
        IntervalCase{"SlowRatesAtTheLimit", 200, {Rate93k75}, 3, 0, 0},
        IntervalCase{"PaSlaveWithSlowRateHasNoLimitAt201", 201, {Rate93k75}, 12, 0, 0},
        IntervalCase{
            "PaSlaveWithout187k5", 300, {Rate31k25, Rate45k45}, 12, 250, msg::IntervalLabelPaSlave},
        IntervalCase{"PaSlaveWith187k5HasNoLimit", 60000, {Rate187k5}, 12, 0, 0},
        IntervalCase{"PaSlaveStillLimitedByFastRates",
                     61,
                     {Rate187k5, Rate500k},
                     12,
                     60,
                     msg::IntervalLabel500k},
        // Signed comparisons: a negative interval exceeds nothing.
        IntervalCase{"NegativeIntervalPasses", -5, {Rate12M}, 3, 0, 0},
        IntervalCase{"NoRateSupported", 201, {}, 0, 200, msg::IntervalLabelUpTo187k5}),
    [](const auto& info) { return info.param.Name; });

struct RateCase {
    const char* Name;
    std::vector<std::string_view> Lines;
    Rows Expected; // first and second pass
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.Name;
}

class SemanticBaudRateTest : public ::testing::TestWithParam<RateCase> {};

TEST_P(SemanticBaudRateTest, ReportsExactly) {
    SemanticTestDocument doc;
    for (std::string_view line : GetParam().Lines)
        doc.Add(line);
    EXPECT_EQ(doc.RunPasses(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    SupportedRates, SemanticBaudRateTest,
    ::testing::Values(
        RateCase{"MaxTsdrMissingForSupportedRate",
                 {"Station_Type = 0", "1.5M_supp = 1", "MaxTsdr_9.6 = 60"},
                 {E(1, msg::NoMaxTsdrForBaudrate), E(2, msg::NoBaudrateForMaxTsdr)}},
        // A rate line with value 0 supports nothing but still counts as written.
        RateCase{"RateWithValueZeroNeedsNoMaxTsdr",
                 {"Station_Type = 0", "1.5M_supp = 0", "MaxTsdr_1.5M = 150"},
                 {}},
        RateCase{"MasterTimesInTheirOrder",
                 {"Station_Type = 1", "12M_supp = 1", "MaxTsdr_12M = 800", "TRDY_12M = 11",
                  "TSET_12M = 1"},
                 {E(1, msg::NoTquiForBaudrate), E(1, msg::NoTsdiForBaudrate)}},
        RateCase{"SlaveNeedsNoMasterTimes",
                 {"Station_Type = 0", "12M_supp = 1", "MaxTsdr_12M = 800"},
                 {}},
        // The station type and the times count wherever they stand in the file.
        RateCase{"LaterLinesCount",
                 {"9.6_supp = 1", "TRDY_9.6 = 1", "TQUI_9.6 = 1", "TSET_9.6 = 1", "TSDI_9.6 = 1",
                  "MaxTsdr_9.6 = 60", "Station_Type = 1"},
                 {}},
        // A repeated rate line is not accepted, so it is not judged a second time.
        RateCase{"RepeatedRateLineJudgedOnce",
                 {"Station_Type = 0", "6M_supp = 1", "6M_supp = 1"},
                 {E(2, msg::MultipleDefinitionTop, "6M_supp"), E(1, msg::NoMaxTsdrForBaudrate)}},
        RateCase{"InvalidRateLineSupportsNothing",
                 {"KVF_Revision = 3", "Station_Type = 0", "?6M_supp = 1", "Physical_Interface",
                  "Transmission_Delay_6M = 1", "Reaction_Delay_6M = 1", "End_Physical_Interface"},
                 {E(4, msg::NoBaudrateForDelay, "Transmission_Delay_6M"),
                  E(5, msg::NoBaudrateForDelay, "Reaction_Delay_6M")}},
        // A rate line inside a block fails its context rule: it is neither counted nor
        // judged, and its MaxTsdr is judged as if it were absent.
        RateCase{"MisplacedRateLine",
                 {"KVF_Revision = 1", "Station_Type = 0", "Module = \"M\" 0x10", "3M_supp = 1",
                  "EndModule", "MaxTsdr_3M = 250"},
                 {W(3, msg::SpecifiedInsideBlock, "3M_supp", "Module", "3M_supp"),
                  E(5, msg::NoBaudrateForMaxTsdr)}},
        RateCase{"MasterTimeWithoutRate",
                 {"Station_Type = 0", "TRDY_500 = 11"},
                 {W(1, msg::MasterKeywordInSlaveFile, "TRDY_500"),
                  E(1, msg::NoBaudrateForTimeParameter)}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    PhysicalInterfaces, SemanticBaudRateTest,
    ::testing::Values(
        RateCase{"RateWithoutDelayInAnyInterface",
                 {"KVF_Revision = 3", "Station_Type = 0", "9.6_supp = 1", "MaxTsdr_9.6 = 60",
                  "500_supp = 1", "MaxTsdr_500 = 100", "Physical_Interface",
                  "Transmission_Delay_9.6 = 1", "Reaction_Delay_9.6 = 1", "End_Physical_Interface"},
                 {W(4, msg::BaudrateNotInPhysicalInterface, "500_supp")}},
        RateCase{"NoInterfaceNoWarning",
                 {"KVF_Revision = 3", "Station_Type = 0", "500_supp = 1", "MaxTsdr_500 = 100"},
                 {}},
        // The delays collect over all interfaces of the file.
        RateCase{"DelayInALaterInterfaceCounts",
                 {"KVF_Revision = 3", "Station_Type = 0", "9.6_supp = 1", "MaxTsdr_9.6 = 60",
                  "Physical_Interface", "Transmission_Delay_19.2 = 1", "Reaction_Delay_19.2 = 1",
                  "End_Physical_Interface", "Physical_Interface", "Reaction_Delay_9.6 = 1",
                  "Transmission_Delay_9.6 = 1", "End_Physical_Interface", "19.2_supp = 1",
                  "MaxTsdr_19.2 = 60"},
                 {}},
        // A repeated delay is refused by its multiplicity rule and marks nothing.
        RateCase{"RepeatedDelayJudgedOnce",
                 {"KVF_Revision = 3", "Station_Type = 0", "6M_supp = 0", "Physical_Interface",
                  "Transmission_Delay_6M = 1", "Transmission_Delay_6M = 2", "Reaction_Delay_6M = 1",
                  "End_Physical_Interface"},
                 {E(5, msg::MultipleDefinitionPhysicalInterface, "Transmission_Delay_6M"),
                  E(4, msg::NoBaudrateForDelay, "Transmission_Delay_6M"),
                  E(6, msg::NoBaudrateForDelay, "Reaction_Delay_6M")}}),
    [](const auto& info) { return info.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    MinSlaveIntervall, SemanticBaudRateTest,
    ::testing::Values(RateCase{"LimitOfTheFastestRate",
                               {"Station_Type = 0", "12M_supp = 1", "MaxTsdr_12M = 800",
                                "Min_Slave_Intervall = 7"},
                               {E(3, msg::MinSlaveIntervalRange, 7, 6, "12 Mbit/s")}},
                      RateCase{"PaSlaveFamilyFromTheFile",
                               {"KVF_Revision = 2", "Station_Type = 0", "31.25_supp = 1",
                                "45.45_supp = 1", "MaxTsdr_31.25 = 100", "MaxTsdr_45.45 = 100",
                                "Min_Slave_Intervall = 300", "Slave_Family = 12"},
                               {E(6, msg::MinSlaveIntervalRange, 300, 250, "for a PA-Slave")}},
                      RateCase{"InvalidValueIsNotJudged",
                               {"Station_Type = 0", "12M_supp = 1", "MaxTsdr_12M = 800",
                                "?Min_Slave_Intervall = 70000"},
                               {}}),
    [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace kvf
