#include "semantic/SemanticKeywordList.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/AsciiText.h"
#include "semantic/SemanticChecker.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace kvf::semantic {
namespace {

TEST(SemanticKeywordListTest, EveryIdHasItsOwnRowAndNamesAreUniqueIgnoringCase) {
    std::set<std::string> upper;
    for (std::size_t i = 0; i < kKeywordCount; ++i) {
        const KeywordInfo& info = Info(static_cast<Kw>(i));
        EXPECT_EQ(Index(info.Id), i) << "row for id " << i << " missing";
        ASSERT_FALSE(info.Name.empty()) << i;
        EXPECT_TRUE(upper.insert(ToUpperAscii(info.Name)).second) << info.Name;
        auto found = FindSemanticKeyword(ToUpperAscii(info.Name));
        ASSERT_TRUE(found) << info.Name;
        EXPECT_EQ(*found, info.Id);
    }
}

// The check run resolves a key from its catalogue lookup: the same as from the key alone,
// for every name either table knows, in any case, and for keys neither knows.
TEST(SemanticKeywordListTest, ResolvingFromTheCatalogueLookupAgreesWithTheKey) {
    std::vector<std::string> keys = {
        "", "Unknown_Key", "#Comment", "Module_Reference", "Vendor_Name_", "Slave"};
    const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
    for (const CatalogueRow& row : catalogue.Rows())
        for (const CatalogueKeyword& keyword : row.Keywords)
            keys.emplace_back(keyword.Name);
    for (const GroupName& group : catalogue.GroupNames())
        keys.emplace_back(group.Name);
    for (std::size_t i = 0; i < kKeywordCount; ++i)
        keys.emplace_back(Info(static_cast<Kw>(i)).Name);
    for (const std::string& name : std::vector<std::string>(keys)) {
        keys.push_back(ToUpperAscii(name));
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        keys.push_back(lower);
    }
    for (const std::string& key : keys) {
        const SemanticChecker::Resolved alone = SemanticChecker::Resolve(key);
        const SemanticChecker::Resolved named =
            SemanticChecker::Resolve(key, catalogue.Lookup(key));
        EXPECT_EQ(named.TreeGroupName, alone.TreeGroupName) << key;
        EXPECT_EQ(named.Keyword, alone.Keyword) << key;
        const SemanticChecker::Resolved decoded =
            SemanticChecker::Decode(SemanticChecker::Encode(alone));
        EXPECT_EQ(decoded.TreeGroupName, alone.TreeGroupName) << key;
        EXPECT_EQ(decoded.Keyword, alone.Keyword) << key;
    }
}

TEST(SemanticKeywordListTest, LookupIgnoresCaseAndKnowsOnlyTheListsNames) {
    EXPECT_EQ(FindSemanticKeyword("vendor_name"), Kw::Vendor_Name);
    EXPECT_EQ(FindSemanticKeyword("EndModule"), Kw::ENDMODULE);
    EXPECT_EQ(FindSemanticKeyword("Max_Switch_Over_Time"), Kw::Max_Switch_Over_Time);
    // The catalogue's name of the same keyword gets no semantic rule.
    EXPECT_FALSE(FindSemanticKeyword("Slave_Max_Switch_Over_Time"));
    EXPECT_FALSE(FindSemanticKeyword("Vendor_Name "));
    EXPECT_FALSE(FindSemanticKeyword(""));
    EXPECT_FALSE(FindSemanticKeyword("General Keys"));
}

// The rate groups rely on the ids standing in rate order; a name at the wrong place would
// make every rate rule judge the wrong keyword.
TEST(SemanticKeywordListTest, RateGroupsFollowTheRateTable) {
    const char* rates[] = {"9.6", "19.2", "31.25", "45.45", "93.75", "187.5",
                           "500", "1.5M", "3M",    "6M",    "12M"};
    struct Group {
        RateGroup Id;
        std::string Prefix, Suffix;
    };
    const Group groups[] = {
        {RateGroup::Supp, "", "_supp"},
        {RateGroup::MaxTsdr, "MaxTsdr_", ""},
        {RateGroup::TransmissionDelay, "Transmission_Delay_", ""},
        {RateGroup::ReactionDelay, "Reaction_Delay_", ""},
        {RateGroup::Trdy, "TRDY_", ""},
        {RateGroup::Tqui, "TQUI_", ""},
        {RateGroup::Tset, "TSET_", ""},
        {RateGroup::Tsdi, "TSDI_", ""},
    };
    for (const Group& group : groups)
        for (int rate = 0; rate < kRateCount; ++rate) {
            Kw kw = RateKeyword(group.Id, rate);
            EXPECT_EQ(Info(kw).Name, group.Prefix + rates[rate] + group.Suffix);
            EXPECT_EQ(RateOf(group.Id, kw), rate);
        }
    EXPECT_EQ(RateOf(RateGroup::Supp, Kw::MaxTsdr_9_6), -1);
}

struct PatternCase {
    std::string_view Name;
    Context Where;
    Block Inside;
    Multiplicity Rule;
    int MinRevision;
    Role Belongs;
};

// One keyword of every pattern of the list.
TEST(SemanticKeywordListTest, PatternsOfTheList) {
    using C = Context;
    using B = Block;
    using M = Multiplicity;
    using R = Role;
    const PatternCase cases[] = {
        {"Bitmap_SF", C::Top, B::None, M::OncePerFile, 1, R::None},
        {"24V_Pins", C::Top, B::None, M::OncePerFile, 0, R::None},
        {"45.45_supp", C::Top, B::None, M::OncePerFile, 2, R::None},
        {"MaxTsdr_31.25", C::Top, B::None, M::OncePerFile, 2, R::None},
        {"Physical_Interface", C::Top, B::None, M::None, 3, R::None},
        {"End_Physical_Interface", C::Inside, B::PhysicalInterface, M::None, 3, R::None},
        {"Reaction_Delay_12M", C::Inside, B::PhysicalInterface, M::OncePerInterface, 3, R::None},
        {"Modular_Station", C::Top, B::None, M::OncePerFile, 0, R::Slave},
        {"Max_Data_Len", C::Top, B::None, M::OncePerFile, 0, R::SlaveModular},
        {"Module", C::Top, B::None, M::None, 0, R::Slave},
        {"VALUE_HELP", C::Inside, B::UnitDiagArea, M::None, 5, R::Slave},
        {"ENDMODULE", C::Inside, B::Module, M::None, 0, R::Slave},
        {"EXT_MODULE_PRM_DATA_LEN", C::Inside, B::Module, M::OncePerModule, 1, R::Slave},
        {"Channel_Diag", C::TopOrModule, B::None, M::None, 0, R::Slave},
        {"Channel_Diag_Help", C::TopOrModule, B::None, M::None, 5, R::Slave},
        {"Data_Area_Beg", C::Inside, B::Module, M::None, 5, R::Slave},
        {"DP_Master_allowed", C::Inside, B::DataArea, M::OncePerBlock, 5, R::Slave},
        {"Data_Type", C::Inside, B::DataArea, M::None, 5, R::Slave},
        {"Max_User_Prm_Data_Len", C::Top, B::None, M::OncePerFile, 1, R::Slave},
        {"Publisher_supp", C::Top, B::None, M::OncePerFile, 3, R::Slave},
        {"SlotDefinition", C::Top, B::None, M::OncePerFile, 3, R::SlaveModular},
        {"Slot", C::Inside, B::SlotDefinition, M::None, 3, R::Slave},
        {"Info_Text", C::TopOrModule, B::None, M::OncePerModuleOrFile, 3, R::Slave},
        {"EXT_USER_PRM_DATA_CONST", C::TopOrModule, B::None, M::None, 1, R::Slave},
        {"PRMTEXT", C::Top, B::None, M::None, 1, R::Slave},
        {"PRM_TEXT_REF", C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 1, R::Slave},
        {"BITAREA", C::Inside, B::ExtUserPrmData, M::OneDataType, 1, R::Slave},
        {"ENDPRMTEXT", C::Inside, B::PrmText, M::None, 1, R::Slave},
        {"UnitDiagType", C::Top, B::None, M::None, 4, R::Slave},
        {"X_Unit_Diag_Area", C::Inside, B::UnitDiagType, M::None, 4, R::Slave},
        {"Jokerblock_Type", C::Top, B::None, M::None, 5, R::Slave},
        {"X_Unit_Diag_Not_Bit_Help", C::Inside, B::UnitDiagType, M::None, 5, R::Slave},
        {"X_Unit_Diag_Area_End", C::Inside, B::XUnitDiagArea, M::None, 4, R::Slave},
        {"X_Value_Help", C::Inside, B::XUnitDiagArea, M::None, 5, R::Slave},
        {"Subsys_Module_Dir_Index", C::Inside, B::Module, M::OncePerModule, 4, R::Slave},
        {"F_Ext_User_Prm_Data_Const", C::Inside, B::Module, M::None, 4, R::Slave},
        {"X_Ext_User_Prm_Data_Ref", C::TopOrModule, B::None, M::None, 4, R::Slave},
        {"Changeable", C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 4, R::None},
        {"Visible", C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 4, R::Slave},
        {"Subsys_Dir_Index", C::Top, B::None, M::OncePerFile, 4, R::Slave},
        {"DXB_Subscribertable_Block_Location", C::Top, B::None, M::OncePerFile, 5, R::Slave},
        {"Jokerblock_Location", C::Inside, B::Jokerblock, M::OncePerBlock, 5, R::Slave},
        {"End_Jokerblock_Type", C::Inside, B::Jokerblock, M::None, 5, R::Slave},
        {"TSDI_12M", C::Top, B::None, M::OncePerFile, 0, R::Master},
        {"TQUI_31.25", C::Top, B::None, M::OncePerFile, 2, R::Master},
        {"MAX_MASTER_DATA_LEN", C::Top, B::None, M::OncePerFile, 1, R::Master},
        {"Master_Alarm_Type_Mode_supp", C::Top, B::None, M::OncePerFile, 3, R::Master},
        {"X_Master_Prm_SAP_supp", C::Top, B::None, M::OncePerFile, 4, R::Master},
    };
    for (const PatternCase& c : cases) {
        auto kw = FindSemanticKeyword(c.Name);
        ASSERT_TRUE(kw) << c.Name;
        const KeywordInfo& info = Info(*kw);
        EXPECT_EQ(info.Where, c.Where) << c.Name;
        EXPECT_EQ(info.Inside, c.Inside) << c.Name;
        EXPECT_EQ(info.Rule, c.Rule) << c.Name;
        EXPECT_EQ(info.MinRevision, c.MinRevision) << c.Name;
        EXPECT_EQ(info.Belongs, c.Belongs) << c.Name;
    }
}

TEST(SemanticKeywordListTest, BlockBeginsResetTheCountersOfTheirBlock) {
    auto resets = [](Kw begin, Kw counter) {
        for (Kw kw : KeywordsResetBy(begin))
            if (kw == counter)
                return true;
        return false;
    };
    EXPECT_TRUE(resets(Kw::Physical_Interface, Kw::Reaction_Delay_12M));
    EXPECT_TRUE(resets(Kw::Module, Kw::Manufacturer_Specific_Alarm_required));
    EXPECT_TRUE(resets(Kw::Data_Area_Beg, Kw::Data_Type));
    EXPECT_TRUE(resets(Kw::EXTUSERPRMDATA, Kw::Visible));
    EXPECT_TRUE(resets(Kw::PRMTEXT, Kw::TEXT));
    // Counters of the whole file are never reset by a block.
    EXPECT_FALSE(resets(Kw::Module, Kw::EXT_USER_PRM_DATA_REF));
    EXPECT_TRUE(KeywordsResetBy(Kw::Vendor_Name).empty());
}

// A block begin resets only the counters of keywords that stand in its block (a keyword that
// may stand in a Module or at top level has its module counter reset by Module): a wrong
// ResetBy column would give a block the counts of another.
TEST(SemanticKeywordListTest, ResetCountersStandInTheBlockOfTheirBegin) {
    std::size_t resetCounters = 0;
    for (std::size_t i = 0; i < kKeywordCount; ++i) {
        const KeywordInfo& info = Info(static_cast<Kw>(i));
        if (info.ResetBy == Kw::Count_)
            continue;
        ++resetCounters;
        std::string_view begin = Info(info.ResetBy).Name;
        if (info.Where == Context::TopOrModule)
            EXPECT_EQ(info.ResetBy, Kw::Module) << info.Name;
        else
            EXPECT_TRUE(info.Where == Context::Inside &&
                        EqualsNoCase(BlockName(info.Inside), begin))
                << info.Name << " reset by " << begin;
    }
    EXPECT_EQ(resetCounters, 67u);
}

} // namespace
} // namespace kvf::semantic
