#include "catalogue/KeywordDispatcher.h"
#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "document/FileReader.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvf {
namespace {

struct RecordingHelp : HelpService {
    std::vector<std::string> topics;
    void OpenTopic(const std::string& topic) override { topics.push_back(topic); }
};

struct Fixture {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    RecordingHelp help;
    AppServices services{settings, rows, &help};
    RunContext run{services};
    CKeyDatabase database{&run};

    CDbEntry& Load(const std::string& line) {
        VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\n" + line + "\n");
        BuildDatabase(run, database, lines);
        run.Focus.CurrentEntry = &database.At(database.Count() - 1);
        return *run.Focus.CurrentEntry;
    }
};

struct ShowCase {
    const char* line;
    InputForm formKind;
    std::array<std::string, 4> values;
    std::string caption0;
};

class ShowAction : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowAction, FillsTheInputForm) {
    const ShowCase& c = GetParam();
    Fixture f;
    CDbEntry& entry = f.Load(c.line);
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_SHOW, "");
    EXPECT_EQ(f.run.Focus.InputForm.FormKind, c.formKind);
    EXPECT_EQ(f.run.Focus.InputForm.Values, c.values);
    EXPECT_EQ(f.run.Focus.InputForm.Captions[0], c.caption0);
    EXPECT_EQ(f.run.Focus.InputForm.HelpText.rfind("Help:", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ShowAction,
    ::testing::Values(
        ShowCase{"Vendor_Name = \"ACME\"", InputForm::String, {"ACME", "", "", ""}, ""},
        ShowCase{"Station_Type = 1", InputForm::TwoChoices, {"1", "", "", ""}, "DP-Slave"},
        ShowCase{"PrmCmd_req = 1",
                 InputForm::Feature,
                 {"1", "", "", ""},
                 "The device requests this feature."},
        ShowCase{"Sync_Mode_supp = 0",
                 InputForm::Feature,
                 {"0", "", "", ""},
                 "The device supports this feature."},
        ShowCase{
            "Module = \"In\" 0x10", InputForm::Module, {"In", "0x10", "Config-String:", ""}, ""},
        ShowCase{"Unit_Diag_Bit(7) = \"Hot\"", InputForm::IndexText, {"7", "Hot", "", ""}, "Bit"},
        ShowCase{"Unsigned16 4 1-9",
                 InputForm::DataTypeLine,
                 {"4", "1-9", "", "Unsigned16"},
                 "Default Value"},
        ShowCase{
            "Bit(2) 1 0-1", InputForm::BitLine, {"2", "1", "0-1", "Bit"}, "Area or Text-Reference"},
        ShowCase{"Slot(3) = \"S\" 5 5-9", InputForm::Slot, {"3", "5", "5-9", "S"}, "Slot Number:"},
        ShowCase{"My_Own_Key = 12", InputForm::String, {"12", "", "", ""}, ""}));

TEST(DispatcherActions, UnknownKeyShowsTheUserKeyHelp) {
    Fixture f;
    CDbEntry& entry = f.Load("My_Own_Key = 12");
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_SHOW, "");
    EXPECT_EQ(f.run.Focus.InputForm.HelpText, MessageText(msg::UserKeyHelp));
}

TEST(DispatcherActions, GroupNameShowsTheAboutText) {
    Fixture f;
    f.run.Focus.CurrentEntry = nullptr;
    Dispatch(f.run, f.run.Focus, "general keys", ACTION_SHOW, "");
    EXPECT_EQ(f.run.Focus.InputForm.FormKind, InputForm::None);
    EXPECT_EQ(f.run.Focus.InputForm.HelpText, MessageText(msg::AboutText));
}

struct StoreCase {
    const char* line;
    std::array<std::string, 4> form;
    std::string value;
    std::string key;
};

class StoreAction : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreAction, RebuildsTheValue) {
    const StoreCase& c = GetParam();
    Fixture f;
    CDbEntry& entry = f.Load(c.line);
    f.run.Focus.InputForm.Values = c.form;
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_STORE, "");
    EXPECT_EQ(entry.Value, c.value);
    EXPECT_EQ(entry.Key, c.key);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StoreAction,
    ::testing::Values(
        StoreCase{"Vendor_Name = \"A\"", {"B", "", "", ""}, "=\"B\"", "Vendor_Name"},
        StoreCase{"KVF_Revision = 1", {"2", "", "", ""}, "=2", "KVF_Revision"},
        StoreCase{"Slave_Family = 3", {"4@X", "", "", ""}, "=4@X", "Slave_Family"},
        StoreCase{"Module = \"M\" 0x13", {"N", "0x23", "", ""}, "=\"N\" 0x23", "Module"},
        StoreCase{"Unit_Diag_Area = 0-7", {"8", "15", "", ""}, "=8-15", "Unit_Diag_Area"},
        StoreCase{
            "Ext_User_Prm_Data_Ref(0) = 1", {"2", "3", "", ""}, "(2)=3", "Ext_User_Prm_Data_Ref"},
        StoreCase{"Ext_User_Prm_Data_Const(0) = 0x01",
                  {"1", "0x02", "", ""},
                  "(1)=0x02",
                  "Ext_User_Prm_Data_Const"},
        StoreCase{"Text(0) = \"Off\"", {"1", "On", "", ""}, "(1)=\"On\"", "Text"},
        StoreCase{"ExtUserPrmData = 1 \"P\"", {"2", "Q", "", ""}, "=2 \"Q\"", "ExtUserPrmData"},
        StoreCase{"Unsigned8 1 0-9", {"2", "0-5", "", "Signed8"}, " 2 0-5", "Signed8"},
        StoreCase{"Bit(1) 0 0-1", {"3", "1", "0-1", "BitArea"}, "(3) 1 0-1", "BitArea"},
        StoreCase{"Bit(2) 1 0-1", {"1", "0-5", "", "Unsigned8"}, " 1 0-5", "Unsigned8"},
        StoreCase{"Unsigned8 1 0-9", {"3", "1", "0-1", "Bit"}, "(3) 1 0-1", "Bit"},
        StoreCase{"BitArea(0-3) 2 0-15", {"4-7", "1", "0-9", "BitArea"}, "(4-7) 1 0-9", "BitArea"},
        StoreCase{"Slot(1) = \"S\" 2 1-4", {"1", "3", "1-5", "T"}, "(1) = \"T\" 3 1-5", "Slot"},
        StoreCase{"EndModule", {"x", "", "", ""}, "", "EndModule"}));

// Shown, stored unchanged and read again, a line keeps its key and every value part.
class ShowStoreRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ShowStoreRoundTrip, KeepsTheParts) {
    Fixture f;
    CDbEntry& entry = f.Load(GetParam());
    const std::string key = entry.Key;
    const auto parts = entry.m_Ready;
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_SHOW, "");
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_STORE, "");
    Fixture again;
    CDbEntry& reread = again.Load(entry.Key + entry.Value);
    EXPECT_EQ(reread.Key, key);
    EXPECT_EQ(reread.m_Ready, parts);
}

INSTANTIATE_TEST_SUITE_P(Lines, ShowStoreRoundTrip,
                         ::testing::Values("BitArea(0-3) 2 0-15", "BITAREA(4-5) 1 0,1,3",
                                           "Bit(7) 0 0-1", "Unsigned16 4 1-9",
                                           "Module=\"In\" 0x10,0x20", "Slot(3)=\"S\" 5 5-9",
                                           "Unit_Diag_Area=16-23"));

TEST(DispatcherActions, GlossaryOpensTheTopic) {
    Fixture f;
    CDbEntry& entry = f.Load("Channel_Diag_Help(16) = \"x\"");
    Dispatch(f.run, f.run.Focus, entry.Key, ACTION_GLOSSARY, "");
    Dispatch(f.run, f.run.Focus, "KVF_REVISION", ACTION_GLOSSARY, "");
    Dispatch(f.run, f.run.Focus, "Slave Keys", ACTION_GLOSSARY, "");
    Dispatch(f.run, f.run.Focus, "No_Such_Key", ACTION_GLOSSARY, "");
    Dispatch(f.run, f.run.Focus, "", ACTION_GLOSSARY, "");
    EXPECT_EQ(f.help.topics,
              (std::vector<std::string>{"glossary_keys_slave.htm#Channel_Diag_Help",
                                        "glossary_keys_general.htm#KVF_Revision",
                                        "glossary_keys_slave.htm", "glossary_keywords.htm"}));
}

TEST(DispatcherActions, ActionsFourToSixChangeNothing) {
    Fixture f;
    CDbEntry& entry = f.Load("Vendor_Name = \"A\"");
    CDbEntry before = entry;
    f.run.Focus.InputForm.FormKind = InputForm::DataTypeLine;
    for (int action : {4, 5, 6, 8, -1}) {
        Dispatch(f.run, f.run.Focus, entry.Key, action, "x");
        EXPECT_EQ(entry.Value, before.Value);
        EXPECT_EQ(entry.m_Ready, before.m_Ready);
        EXPECT_EQ(f.run.Focus.InputForm.FormKind, InputForm::DataTypeLine);
    }
    EXPECT_TRUE(f.rows.Rows().empty());
}

} // namespace
} // namespace kvf
