#include "core/MessageTable.h"
#include "core/MessageIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {
namespace {

struct NamedId {
    int Id;
    const char* Name;
};

// Every declared text with its name (help texts are named by their id): two declarations
// given the same number are a fault the compiler cannot see.
const NamedId kNamedIds[] = {
#define KVF_MESSAGE(Name, Id, Text) {msg::Name, #Name},
#define KVF_FINDING(Name, Id, Level, Text) {msg::Name, #Name},
#define KVF_CAPTION(Name, Id, Text) {caption::Name, #Name},
#define KVF_KEYWORD_HELP(Id, Text) {Id, #Id},
#include "core/messages/AllMessages.def"
#undef KVF_MESSAGE
#undef KVF_FINDING
#undef KVF_CAPTION
#undef KVF_KEYWORD_HELP
};

TEST(MessageTableTest, NoIdAppearsTwiceAcrossAllParts) {
    const auto all = AllMessages();
    ASSERT_FALSE(all.empty());
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(all[i - 1].Id, all[i].Id) << "id " << all[i].Id << " is defined twice";
}

TEST(MessageTableTest, EveryNamedIdHasATextAndItsOwnNumber) {
    std::vector<NamedId> sorted(std::begin(kNamedIds), std::end(kNamedIds));
    for (const NamedId& named : sorted) {
        EXPECT_TRUE(HasMessage(named.Id)) << named.Name << " (" << named.Id << ") has no text";
        EXPECT_FALSE(MessageText(named.Id).empty()) << named.Name;
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const NamedId& a, const NamedId& b) { return a.Id < b.Id; });
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_NE(sorted[i - 1].Id, sorted[i].Id)
            << sorted[i - 1].Name << " and " << sorted[i].Name << " share a number";
}

TEST(MessageTableTest, UnknownIdsHaveNoText) {
    for (int id : {-1, 0, 64666, 99999}) {
        EXPECT_FALSE(HasMessage(id)) << id;
        EXPECT_TRUE(MessageText(id).empty()) << id;
    }
}

// A conversion letter that FormatTemplate does not know would be printed as it stands: a
// typing slip in a template (say %S or %l) shows up here rather than in a user's output.
// %p is the one deliberate exception: the details box prints handles.
TEST(MessageTableTest, EveryConversionInATemplateIsOneTheFormatterKnows) {
    for (const MessageDef& message : AllMessages()) {
        std::string_view text = message.Text;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '%')
                continue;
            std::size_t j = i + 1;
            while (j < text.size() &&
                   std::string_view("-+ #0123456789.lh").find(text[j]) != std::string_view::npos)
                ++j;
            ASSERT_LT(j, text.size()) << "template " << message.Id << " ends inside a conversion";
            EXPECT_NE(std::string_view("sdiuxXc%p").find(text[j]), std::string_view::npos)
                << "template " << message.Id << " uses %" << text[j];
            i = j;
        }
    }
}

struct FormatCase {
    const char* Name;
    std::string Template;
    std::vector<MessageArg> Args;
    std::string Expected;
};

TEST(MessageTableTest, FormatTemplateFollowsPrintfAndNeverReadsGarbage) {
    const FormatCase cases[] = {
        {"two texts",
         "Key \"%s\": Value exceeds limit (%s)!",
         {"Ident_Number", "Number"},
         "Key \"Ident_Number\": Value exceeds limit (Number)!"},
        {"decimal", "Line %d", {41}, "Line 41"},
        {"negative decimal", "%d", {-5}, "-5"},
        {"lower hex, zero padded", "\"%04x\"", {0x1a}, "\"001a\""},
        {"upper hex, zero padded", "0x%04X", {0xab}, "0x00AB"},
        {"hex wider than its width", "%04X", {0x12345}, "12345"},
        {"unsigned of a negative number is 32-bit", "%u", {-1}, "4294967295"},
        {"decimal wraps at 32 bits", "%d", {2147483648LL}, "-2147483648"},
        {"precision pads", "%d/%0.2d/%0.2d", {2024, 3, 7}, "2024/03/07"},
        {"character", "%d%c", {50, '%'}, "50%"},
        {"percent sign", "100%% done", {}, "100% done"},
        {"length modifier dropped", "%ld and %lu", {7, 8}, "7 and 8"},
        {"missing argument kept as written", "%s and %d", {"x"}, "x and %d"},
        {"no arguments at all", "Keyword %s found...", {}, "Keyword %s found..."},
        {"extra arguments ignored", "only %d", {1, 2, 3}, "only 1"},
        {"number given for %s", "Key %s", {42}, "Key 42"},
        {"text given for %d", "Line %d", {"abc"}, "Line abc"},
        {"null text", "[%s]", {static_cast<const char*>(nullptr)}, "[]"},
        {"unknown conversion consumes nothing", "%p %s", {"a"}, "%p a"},
        {"lone percent at the end", "50%", {1}, "50%"},
        {"conversion cut off at the end", "width %04", {1}, "width %04"},
        {"bytes above 0x7F pass through", "\xA7%s\xE4", {"\xFC"}, "\xA7\xFC\xE4"},
        {"a text ends at a NUL byte", "[%s]", {std::string("ab\0cd", 5)}, "[ab]"},
        {"also with a width", "[%4s]", {std::string("ab\0cd", 5)}, "[  ab]"},
        {"the largest numbers",
         "%d %u %i",
         {2147483647, 4294967295LL, -2147483647 - 1},
         "2147483647 4294967295 -2147483648"},
        {"a long text with a width", "%3s|", {std::string(40, 'x')}, std::string(40, 'x') + "|"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatTemplate(c.Template, c.Args), c.Expected) << c.Name;
}

struct ExactCase {
    int Id;
    std::vector<MessageArg> Args;
    std::string Expected;
};

// A few texts whose exact bytes matter to users' scripts and to the acceptance cases,
// slips of spelling and spacing included.
TEST(MessageTableTest, TextsAreKeptByteForByte) {
    const ExactCase cases[] = {
        {msg::MissingMandatoryKeyword,
         {"Station_Type", "StationType"},
         "Undefined Keyword\"Station_Type\".\"StationType\" is mandatory for all KVF files."},
        {msg::MultipleDefinitionTop,
         {"Vendor_Name"},
         "Mulitple Definition of Keyword \"Vendor_Name\" inside the Unit-Definition-List of the "
         "KVF file."},
        {msg::InvalidIdentNumber,
         {0},
         "Invalid Ident_Number \"0x0000\". Please type in the Ident_Number assigned to your "
         "device by TALVERON Organization."},
        {msg::FileNameIdentNumber,
         {0x8a1f},
         "KVF file name does not comply with Ident_Number \"8a1f\"."},
        {msg::RevisionSpecificKeyword,
         {"31.25_supp", 2, 0, "31.25_supp"},
         "Keyword \"31.25_supp\" is KVF Revision \"2\" specfic, but the file is based on KVF "
         "Revision \"0\". \"31.25_supp\" could be supposed as userspecific."},
        {msg::UnreferencedPrmText, {4}, "No Reference to PrmText \"4\"  found."},
        {msg::CfgIdentifierMissing,
         {3, 2},
         "CFG-Identifier \"3\" does not exist. Only\"2\" CFG-Identifier defined in the module."},
        {msg::ModulOffsetWithSlots,
         {"Modul_Offset"},
         "\"Modul_Offset\" shall be set to 1 when Slot-Definition is used."},
        {msg::VisibleStringInvalid,
         {"Vendor_Name", 32},
         "Keyword \"Vendor_Name\": Unexpected character(s) found, missing quotation marks or "
         "string length \"32\" exeeded!"},
        {msg::RangeUInt, {}, "UINT: 0..4194967295 (unsigned 32 Bit)"},
        {msg::CfgColumnVendorSpecific, {}, "Vendor spec."},
        {msg::HashKey,
         {"#X"},
         "Key #X: Keys beginning with a '#' can cause problems for "
         "following KVF entries!"},
        {msg::UserKeyHelp,
         {},
         "Help:\nThis is a user-specific keyword. No predefined data type available."},
        {msg::OutOfMemoryEntry, {}, "Insufficent memory for creating\na new database entry!"},
        {msg::FileNameExtension,
         {"dev.txt"},
         "Incorrect File Name Extension! File Name dev.txt does not conform the format "
         "\"*.KV?\"."},
        {msg::StopSyntaxCheck, {}, "...stop syntax check"},
        {msg::StopSemanticCheck, {}, "... stop semantic check"},
        {msg::EditorContentsChanged,
         {},
         "The contents of the editor changed. Please choose\n\"Check KVF\" from the \"Extras\" "
         "menu."},
        {msg::SumOfMaxInputOutputLen, {}, "Sum of \"Max_Input_Len\" and \"Max_Output_Len\""},
        {msg::TemplateFolderFormat, {"/home/u"}, "/home/u\\Templates\\"},
    };
    for (const ExactCase& c : cases)
        EXPECT_EQ(FormatTemplate(MessageText(c.Id), c.Args), c.Expected) << c.Id;
}

} // namespace
} // namespace kvf
