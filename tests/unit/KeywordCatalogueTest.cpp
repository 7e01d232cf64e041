#include "catalogue/KeywordCatalogue.h"

#include "core/CDbEntry.h"
#include "core/MessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace kvf {
namespace {

const KeywordCatalogue& Catalogue() {
    return KeywordCatalogue::Instance();
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

TEST(KeywordCatalogueTest, HoldsEveryRowKeywordAndGroupNameOnce) {
    EXPECT_EQ(Catalogue().Rows().size(), 201u);
    EXPECT_EQ(Catalogue().GroupNames().size(), 11u);

    std::set<std::string> seen;
    std::size_t count = 0;
    for (const CatalogueRow& row : Catalogue().Rows()) {
        EXPECT_FALSE(row.Keywords.empty());
        for (const CatalogueKeyword& keyword : row.Keywords) {
            ++count;
            EXPECT_TRUE(seen.insert(Upper(keyword.Name)).second) << keyword.Name;
            // Every keyword is found, in its own row, as its own entry.
            CatalogueMatch match = Catalogue().Find(keyword.Name);
            EXPECT_EQ(match.Row, &row) << keyword.Name;
            EXPECT_EQ(match.Keyword, &keyword) << keyword.Name;
        }
    }
    EXPECT_EQ(count, 283u);
    EXPECT_EQ(Catalogue().KeywordCount(), 283u);
    for (const GroupName& group : Catalogue().GroupNames())
        EXPECT_FALSE(seen.contains(Upper(group.Name))) << group.Name;
}

TEST(KeywordCatalogueTest, LookupIgnoresCaseButNeverMatchesPartOfAKeyword) {
    const CatalogueKeyword* vendor = Catalogue().Find("Vendor_Name").Keyword;
    ASSERT_NE(vendor, nullptr);
    for (std::string_view key : {"vendor_name", "VENDOR_NAME", "vEnDoR_nAmE"})
        EXPECT_EQ(Catalogue().Find(key).Keyword, vendor) << key;

    for (std::string_view key : {"", "Vendor_Nam", "Vendor_Name_", " Vendor_Name", "Vendor_Name ",
                                 "MaxTsdr_9", "Module_", "Modul", "General Keys", "Vendor\xE4Name"})
        EXPECT_FALSE(Catalogue().Find(key)) << key;

    const GroupName* general = Catalogue().FindGroupName("general keys");
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->Name, "General Keys");
    EXPECT_EQ(general->Page, "glossary_keys_general.htm");
    EXPECT_EQ(Catalogue().FindGroupName("NO DATABASE")->Page, "glossary_keywords.htm");
    EXPECT_EQ(Catalogue().FindGroupName("General"), nullptr);
    EXPECT_EQ(Catalogue().FindGroupName("Vendor_Name"), nullptr);
}

TEST(KeywordCatalogueTest, KeywordsOfASharedRowKeepTheirOwnHelpAndTopic) {
    struct Case {
        std::string_view Key;
        std::string_view SameRowAs;
        int HelpId;
        std::string_view Topic;
    };
    const Case cases[] = {
        {"Channel_Diag", "Channel_Diag_Help", 16040, "glossary_keys_slave.htm#Channel_Diag"},
        {"Channel_Diag_Help", "Channel_Diag", 18514, "glossary_keys_slave.htm#Channel_Diag_Help"},
        {"DP_Master_allowed", "Consistency", 18512, "glossary_keys_slave.htm#DP_Master_allowed"},
        {"TBASE_IO", "TBASE_DP", 18227, "glossary_keys_slave_isom.htm#TBASE_IO"},
        {"TDP_MAX", "TDP_MIN", 18225, "glossary_keys_slave_isom.htm#TDP_M"},
        {"TSDI_12M", "TSDI_9.6", 14090, "glossary_keys_master.htm#Tsdi_12M"},
        {"MaxTsdr_1.5M", "MaxTsdr_9.6", 12040, "glossary_keys_master.htm#MaxTsdr_1.5M"},
        {"Time_Sync_supp", "Jokerblock_supp", 18519, "glossary_keys_slave.htm#Time_Sync_supp"},
        {"Length", "Related_CFG_Identifier", 18509, "glossary_keys_slave.htm#Length"},
        // Single rows whose anchor differs from the keyword.
        {"UNIT_DIAG_AREA", "UNIT_DIAG_AREA", 16020, "glossary_keys_slave.htm#Unit_Diag_Area"},
        {"End_Jokerblock_Type", "End_Jokerblock_Type", 18523,
         "glossary_keys_slave.htm#Jokerblock_Type"},
        {"X_Ext_User_Prm_Data_Const", "X_Ext_User_Prm_Data_Const", 16055,
         "glossary_keys_slave_xprm.htm#X_Ext_User_Prm_Data_Const"},
    };
    for (const Case& c : cases) {
        CatalogueMatch match = Catalogue().Find(c.Key);
        ASSERT_TRUE(match) << c.Key;
        EXPECT_EQ(match.Row, Catalogue().Find(c.SameRowAs).Row) << c.Key;
        EXPECT_EQ(match.Keyword->HelpId, c.HelpId) << c.Key;
        EXPECT_EQ(match.Keyword->Topic, c.Topic) << c.Key;
    }
}

TEST(KeywordCatalogueTest, GroupsAndBlocks) {
    struct Case {
        std::string_view Key;
        unsigned Group;
        bool ModuleOrSlave;
        bool BlockBegin;
        std::string_view Partner;
    };
    const Case cases[] = {
        {"EXT_USER_PRM_DATA_REF", PARENT_SLAVE, true, false, ""},
        {"F_EXT_USER_PRM_DATA_CONST", PARENT_SLAVE, true, false, ""},
        {"X_Ext_User_Prm_Data_Const", PARENT_SLAVE, true, false, ""},
        {"Consistency", PARENT_MODULE, false, false, ""},
        {"Subsys_Dir_Index", PARENT_SLAVE, false, false, ""},
        {"DXB_Subscribertable_Block_Location", PARENT_MODULE, false, false, ""},
        {"Physical_Interface", PARENT_PHYSICAL_INTERFACES, false, true, ""},
        {"End_Physical_Interface", PARENT_PHYSICAL_INTERFACES, false, false, "Physical_Interface"},
        {"UNIT_DIAG_AREA", PARENT_SLAVE, false, true, ""},
        {"UNIT_DIAG_AREA_END", PARENT_MODULE, false, false, "UNIT_DIAG_AREA"},
        {"UnitDiagType", PARENT_SLAVE, false, true, ""},
        {"EndUnitDiagType", PARENT_MODULE, false, false, "UnitDiagType"},
        {"X_UNIT_DIAG_AREA", PARENT_MODULE, false, true, "UnitDiagType"},
        {"X_UNIT_DIAG_AREA_END", PARENT_MODULE, false, false, "X_UNIT_DIAG_AREA"},
        {"Module", PARENT_SLAVE, false, true, ""},
        {"ENDMODULE", PARENT_MODULE, false, false, "Module"},
        {"Data_Area_Beg", PARENT_MODULE, false, true, "Module"},
        {"Data_Area_End", PARENT_MODULE, false, false, "Data_Area_Beg"},
        {"EXTUSERPRMDATA", PARENT_SLAVE, false, true, ""},
        {"ENDEXTUSERPRMDATA", PARENT_MODULE, false, false, "EXTUSERPRMDATA"},
        {"Jokerblock_Type", PARENT_SLAVE, false, true, ""},
        {"End_Jokerblock_Type", PARENT_MODULE, false, false, "Jokerblock_Type"},
        {"PRMTEXT", PARENT_SLAVE, false, true, ""},
        {"ENDPRMTEXT", PARENT_MODULE, false, false, "PRMTEXT"},
        {"SlotDefinition", PARENT_MODULE_ASSIGNMENT, false, true, ""},
        {"EndSlotDefinition", PARENT_MODULE_ASSIGNMENT, false, false, "SlotDefinition"},
    };
    for (const Case& c : cases) {
        const CatalogueRow* row = Catalogue().Find(c.Key).Row;
        ASSERT_NE(row, nullptr) << c.Key;
        EXPECT_EQ(row->Group, c.Group) << c.Key;
        EXPECT_EQ(row->ModuleOrSlave, c.ModuleOrSlave) << c.Key;
        EXPECT_EQ(row->BlockBegin, c.BlockBegin) << c.Key;
        EXPECT_EQ(row->BlockPartner, c.Partner) << c.Key;
    }

    // Only the ten begin rows open a block, and only the MODULE/SLAVE rows choose a group.
    int begins = 0, choosers = 0;
    for (const CatalogueRow& row : Catalogue().Rows()) {
        begins += row.BlockBegin;
        choosers += row.ModuleOrSlave;
        if (!row.BlockPartner.empty()) {
            EXPECT_TRUE(Catalogue().Find(row.BlockPartner).Row->BlockBegin);
        }
    }
    EXPECT_EQ(begins, 10);
    EXPECT_EQ(choosers, 6);
}

TEST(KeywordCatalogueTest, ValueRulesCarryTheirRangeTextsAndWidths) {
    struct Case {
        std::string_view Key;
        ValueRule Rule;
        std::string_view Range;
        std::string_view TypeWord;
        NumberWidth Width, Width2;
        int MaxLength;
    };
    using R = ValueRule;
    const Case cases[] = {
        {"FMS_supp", R::Boolean, "", "Boolean", kBooleanDigit, {}, 0},
        {"Revision_Number", R::Unsigned8, "Unsigned8: 0..63", "Number", kUnsigned8, {}, 0},
        {"Protocol_Ident", R::Unsigned8, "Unsigned8: 0|(16..255)", "Number", kUnsigned8, {}, 0},
        {"Max_Diag_Data_Len", R::Unsigned8, "Unsigned8: 6|(8..244)", "Number", kUnsigned8, {}, 0},
        {"Max_User_Prm_Data_Len", R::Unsigned8, "Unsigned8: 0..237", "Number", kUnsigned8, {}, 0},
        {"DXB_Subscribertable_Block_Location",
         R::Unsigned8,
         "Unsigned8: 0..3",
         "Unsigned8",
         kUnsigned8,
         {},
         0},
        {"Jokerblock_Slot", R::Unsigned8, "", "Unsigned8", kUnsigned8, {}, 0},
        {"Jokerblock_Location", R::Unsigned8, "Unsigned8: 0..2", "Unsigned8", kUnsigned8, {}, 0},
        {"TRDY_3M", R::Unsigned8, "Unsigned8: 1..255", "Unsigned8", kUnsigned8, {}, 0},
        {"TSET_3M", R::Unsigned8, "Unsigned8: 1..255", "Number", kUnsigned8, {}, 0},
        {"TI_MIN", R::Unsigned16, "", "Unsigned16", kUnsigned16, {}, 0},
        {"Alarm_Sequence_Mode_Count",
         R::Unsigned16,
         "UNSIGNED8: 0,2.. 32",
         "Number",
         kUnsigned16,
         {},
         0},
        {"DPV1_Conformance_Class", R::Unsigned16, "UNSIGNED8: 1..2", "Number", kUnsigned16, {}, 0},
        {"TBASE_DP",
         R::Unsigned32,
         "UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000",
         "Number",
         kUnsigned32,
         {},
         0},
        {"Vendor_Name", R::VisibleString, "", "", {}, {}, 32},
        {"Info_Text", R::VisibleString, "", "", {}, {}, 256},
        {"Bitmap_SF", R::FileName, "", "", {}, {}, 8},
        {"Unit_Diag_Bit", R::IndexText, "USHORT: 0..495", "Number", kUnsigned16, {}, 32},
        {"X_Unit_Diag_Not_Bit_Help",
         R::IndexText,
         "USHORT: 24..495",
         "Number",
         kUnsigned16,
         {},
         256},
        {"Channel_Diag", R::IndexText, "Unsigned8: 16..31)", "Number", kUnsigned8, {}, 32},
        {"Channel_Diag_Help", R::IndexText, "Unsigned8: 16..31)", "Number", kUnsigned8, {}, 256},
        {"TEXT", R::IndexText, "", "Number", kUnsigned32, {}, 32},
        {"X_UNIT_DIAG_AREA", R::BitArea, "USHORT: 24..495", "Number", kUnsigned16, {}, 0},
        {"EXT_USER_PRM_DATA_REF", R::TwoNumbers, "", "Number", kUnsigned8, kUnsigned16, 0},
        {"X_EXT_USER_PRM_DATA_REF", R::TwoNumbers, "", "Unsigned8", kUnsigned8, kUnsigned16, 0},
        {"Subsys_Module_Dir_Index", R::TwoNumbers, "", "Unsigned8", kUnsigned8, kUnsigned8, 0},
        {"F_EXT_USER_PRM_DATA_CONST", R::OffsetOctets, "", "Unsigned8", kUnsigned8, {}, 0},
        {"EXTUSERPRMDATA", R::NumberName, "", "Number", kUnsigned16, {}, 32},
        {"Module_Reference", R::ReferenceLine, "", "Unsigned16", kUnsigned16, {}, 0},
        {"Slot", R::Slot, "", "Unsigned8", kUnsigned8, kUnsigned16, 32},
        {"Slave_Family", R::FamilyList, "", "Unsigned8", kUnsigned8, {}, 0},
        {"SIGNED16", R::DataTypeLine, "", "Signed16", kSigned16, {}, 32},
        {"UNSIGNED32", R::DataTypeLine, "", "Unsigned32", kUnsigned32, {}, 32},
        {"BITAREA", R::BitAreaLine, "", "Number", kUnsigned8, {}, 32},
        {"ENDMODULE", R::NoValue, "", "", {}, {}, 0},
    };
    for (const Case& c : cases) {
        CatalogueMatch match = Catalogue().Find(c.Key);
        ASSERT_TRUE(match) << c.Key;
        EXPECT_EQ(match.Row->Rule, c.Rule) << c.Key;
        EXPECT_EQ(match.Keyword->RangeText, c.Range) << c.Key;
        EXPECT_EQ(match.Keyword->TypeWord, c.TypeWord) << c.Key;
        EXPECT_TRUE(match.Keyword->Width == c.Width) << c.Key;
        EXPECT_TRUE(match.Keyword->Width2 == c.Width2) << c.Key;
        EXPECT_EQ(match.Keyword->MaxLength, c.MaxLength) << c.Key;
    }
}

TEST(KeywordCatalogueTest, RowsAgreeWithTheirEntryTypeAndForm) {
    for (const CatalogueRow& row : Catalogue().Rows()) {
        const std::string_view first = row.Keywords.front().Name;
        if (row.Rule == ValueRule::Boolean) {
            EXPECT_EQ(row.Type, TYPE_SIMPLE_BOOL) << first;
            // Check boxes name the feature; the two choice rows label both buttons.
            if (row.Form == InputForm::Feature) {
                EXPECT_EQ(row.Captions[0], caption::SupportsFeature) << first;
            } else {
                EXPECT_TRUE(row.Form == InputForm::TwoChoices && row.Captions[1] != 0) << first;
            }
        }
        if (row.Rule == ValueRule::NoValue) {
            EXPECT_EQ(row.Form, InputForm::HelpOnly) << first;
        }
        for (const CatalogueKeyword& keyword : row.Keywords) {
            EXPECT_NE(keyword.Topic.find(".htm#"), std::string_view::npos) << keyword.Name;
            if (row.Type == TYPE_SIMPLE_UINT || row.Type == TYPE_SIMPLE_BOOL) {
                EXPECT_FALSE(keyword.Width == kAnyNumber) << keyword.Name;
            }
        }
    }
}

TEST(KeywordCatalogueTest, CaptionsOfAMatchedKeyword) {
    struct Case {
        std::string_view Key;
        std::array<int, 4> Captions;
    };
    const Case cases[] = {
        {"PrmCmd_req", {caption::RequestsFeature, 0, 0, 0}},
        {"PrmCmd_supp", {caption::SupportsFeature, 0, 0, 0}},
        {"Station_Type", {caption::DpSlave, caption::DpMaster, 0, 0}},
        {"24V_Pins", {caption::NotSupported, caption::Input, caption::Output, 0}},
        {"Slot",
         {caption::SlotNumber, caption::DefaultValue, caption::MinMaxOrAllowedValues,
          caption::SlotName}},
        {"UNSIGNED8",
         {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType}},
        {"Data_Type", {0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Catalogue().Find(c.Key).Captions(), c.Captions) << c.Key;
}

TEST(KeywordCatalogueTest, EveryHelpAndCaptionIdHasItsText) {
    for (const CatalogueRow& row : Catalogue().Rows()) {
        for (int id : row.Captions) {
            if (id != 0) {
                EXPECT_FALSE(MessageText(id).empty()) << id;
            }
        }
        for (const CatalogueKeyword& keyword : row.Keywords) {
            std::string_view help = MessageText(keyword.HelpId);
            EXPECT_TRUE(help.starts_with("Help:\n")) << keyword.Name << ": " << help;
            EXPECT_FALSE(help.ends_with("\n")) << keyword.Name;
            if (keyword.OwnCaption != 0) {
                EXPECT_FALSE(MessageText(keyword.OwnCaption).empty()) << keyword.Name;
            }
        }
    }
    EXPECT_EQ(MessageText(caption::ConfigString), "Config-String:");
    EXPECT_EQ(MessageText(caption::SupportsFeature), "The device supports this feature.");
    // Type lines keep the table's exact wording.
    EXPECT_EQ(MessageText(16040), "Help:\nWith the keyword Channel_Diag, a text is assigned to an "
                                  "error type of the channel-related diagnosis.\n"
                                  "Type: Unsigned8  (16 <= Error_Type <= 31)");
}

} // namespace
} // namespace kvf
