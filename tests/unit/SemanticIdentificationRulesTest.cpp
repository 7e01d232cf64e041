#include "SemanticTestDocument.h"

#include "core/MessageIds.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kvf {
namespace {

using test::E;
using test::SemanticTestDocument;
using test::W;
using Rows = std::vector<std::string>;

struct FileNameCase {
    const char* Path;
    const char* Ident;
    bool Warned;
};

// Only the file name itself is judged: directories with a dot in their name, relative
// paths and Windows separators must not change the verdict.
TEST(SemanticIdentificationTest, FileNameMustEndInTheIdentNumber) {
    const FileNameCase cases[] = {
        {"/work/DEV01234.kvf", "0x1234", false},
        {"/work/dev.d/DEV01234.kvf", "0x1234", false},
        {"./DEV01234.kvf", "0x1234", false},
        {"C:\\kvf.files\\DEV01234.KVF", "0x1234", false},
        {"DEV0abcd.kvf", "0xABCD", false},
        {"/work/DEV01235.kvf", "0x1234", true},
        {"/work/dev.d/DEV01235.kvf", "0x1234", true},
        {"/work/v1.2/noextension", "0x1234", false},
        {"/work/AB.kvf", "0xAB", false},
        {"/work/DEV01234.v2.kvf", "0x1234", false},
    };
    for (const FileNameCase& c : cases) {
        SemanticTestDocument doc(c.Path);
        doc.Add(std::string("Ident_Number = ") + c.Ident);
        Rows expected;
        if (c.Warned)
            expected.push_back(W(0, msg::FileNameIdentNumber, 0x1234));
        EXPECT_EQ(doc.RunPasses(), expected) << c.Path;
    }
}

TEST(SemanticIdentificationTest, IdentNumberZero) {
    SemanticTestDocument doc("/work/DEV01234.kvf");
    doc.Add("Ident_Number = 0x0000");
    EXPECT_EQ(doc.RunPasses(),
              (Rows{"E 0: Invalid Ident_Number \"0x0000\". Please type in the Ident_Number "
                    "assigned to your device by TALVERON Organization.",
                    "W 0: KVF file name does not comply with Ident_Number \"0000\"."}));

    SemanticTestDocument matching("/work/DEV00000.kvf");
    matching.Add("Ident_Number = 0");
    EXPECT_EQ(matching.RunPasses(), (Rows{E(0, msg::InvalidIdentNumber, 0)}));
}

TEST(SemanticIdentificationTest, InvalidIdentNumberIsJudgedAllTheSame) {
    SemanticTestDocument doc("/work/DEV01234.kvf");
    doc.Add("?Ident_Number = 0x12345");
    EXPECT_EQ(doc.RunPasses(), (Rows{W(0, msg::FileNameIdentNumber, 0x12345)}));
}

struct RevisionCase {
    const char* Line;
    std::uint32_t InForce;
    Rows Expected;
};

TEST(SemanticIdentificationTest, KvfRevision) {
    const RevisionCase cases[] = {
        {"KVF_Revision = 5", 5, {}},
        {"KVF_Revision = 6", 5, {W(0, msg::KvfRevisionNotSupported, 6)}},
        // A negative number is far above 5 when taken unsigned.
        {"KVF_Revision = -1", 5, {W(0, msg::KvfRevisionNotSupported, -1)}},
        // An invalid value leaves the revision at 0; the line itself is then a revision 1
        // keyword in a revision 0 file.
        {"?KVF_Revision = 3x",
         0,
         {W(0, msg::RevisionSpecificKeyword, "KVF_Revision", 1, 0, "KVF_Revision")}},
    };
    for (const RevisionCase& c : cases) {
        SemanticTestDocument doc;
        doc.Add(c.Line);
        EXPECT_EQ(doc.RunPasses(), c.Expected) << c.Line;
        EXPECT_EQ(doc.checker->Context().RevisionInForce(), c.InForce) << c.Line;
    }
}

struct FamilyCase {
    const char* Revision;
    const char* Family;
    bool Reported;
};

TEST(SemanticIdentificationTest, SlaveFamilyRange) {
    const FamilyCase cases[] = {
        {"1", "11", false}, {"1", "12", true},     {"2", "12", false},
        {"5", "13", true},  {"1", "12@TAG", true}, {"2", "12@TAG1@TAG2", false},
    };
    for (const FamilyCase& c : cases) {
        SemanticTestDocument doc;
        doc.Add({std::string("KVF_Revision = ") + c.Revision,
                 std::string("Slave_Family = ") + c.Family});
        Rows expected;
        if (c.Reported)
            expected.push_back(
                E(1, msg::SlaveFamilyRange, std::atoi(c.Family), std::atoi(c.Revision)));
        EXPECT_EQ(doc.RunPasses(), expected) << c.Revision << " " << c.Family;
    }
}

TEST(SemanticIdentificationTest, RepeatedSlaveFamilyKeepsTheFirstValue) {
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 2", "Slave_Family = 3", "Slave_Family = 13"});
    EXPECT_EQ(doc.RunPasses(), (Rows{E(2, msg::MultipleDefinitionTop, "Slave_Family")}));
}

struct ReferenceCase {
    const char* Revision;
    const char* Line;
    int Number; // reported number, or -1 for no report
};

TEST(SemanticIdentificationTest, ReferenceNumberRanges) {
    const ReferenceCase cases[] = {
        {"1", "EXTUSERPRMDATA = 300 \"p\"", 300},
        {"1", "EXTUSERPRMDATA = 255 \"p\"", -1},
        {"2", "EXTUSERPRMDATA = 300 \"p\"", -1},
        {"2", "EXTUSERPRMDATA = 65536 \"p\"", 65536},
        {"2", "PRMTEXT = 300", 300},
        {"3", "PRMTEXT = 300", -1},
        {"1", "EXT_USER_PRM_DATA_REF(300) = 256", 256},
        {"2", "EXT_USER_PRM_DATA_REF(0) = 300", -1},
        {"1", "EXTUSERPRMDATA = -5 \"p\"", -1},
        {"1", "?PRMTEXT = 300", -1},
    };
    for (const ReferenceCase& c : cases) {
        SemanticTestDocument doc;
        doc.Add({std::string("KVF_Revision = ") + c.Revision, c.Line});
        Rows expected;
        // A reference names a definition the file lacks, in a file without parameter lengths.
        if (std::string_view(c.Line).starts_with("EXT_USER_PRM_DATA_REF")) {
            int referenced = std::atoi(std::strchr(c.Line, '=') + 1);
            expected.push_back(E(1, msg::UnresolvedExtUserPrmData, referenced));
            expected.push_back(E(1, msg::UserPrmLengthRequired, "EXT_USER_PRM_DATA_REF"));
        }
        if (c.Number >= 0)
            expected.push_back(E(1, msg::ReferenceNumberRange, c.Number, std::atoi(c.Revision)));
        EXPECT_EQ(doc.RunPasses(), expected) << c.Revision << " " << c.Line;
    }

    // Inside a definition, the text reference is judged with the threshold of PrmText.
    SemanticTestDocument doc;
    doc.Add({"KVF_Revision = 2", "EXTUSERPRMDATA = 1 \"p\"", "PRM_TEXT_REF = 256",
             "ENDEXTUSERPRMDATA"});
    // (Text table 256 does not exist and the definition has no data type: both reported.)
    EXPECT_EQ(doc.RunPasses(), (Rows{E(2, msg::UnresolvedPrmText, 256),
                                     E(3, msg::MissingKeywordInBlock, "Data_Type_Name",
                                       "Ext-User-Prm-Data-Definition"),
                                     E(2, msg::ReferenceNumberRange, 256, 2)}));
}

TEST(SemanticIdentificationTest, ProtocolIdent) {
    for (const char* value : {"0", "1", "x"}) {
        SemanticTestDocument doc;
        doc.Add(std::string(value[0] == 'x' ? "?" : "") + "Protocol_Ident = " + value);
        Rows expected;
        if (value[0] == '1')
            expected.push_back("W 0: The \"Protocol_Ident\" specifies not a DP-Device.");
        EXPECT_EQ(doc.RunPasses(), expected) << value;
    }
}

TEST(SemanticIdentificationTest, StationTypeSetsTheStationKindOnlyWhenValid) {
    SemanticTestDocument valid;
    valid.Add("Station_Type = 1");
    valid.RunPasses();
    EXPECT_EQ(valid.checker->Context().StationKind(), 1);

    SemanticTestDocument invalid;
    invalid.Add("?Station_Type = 1");
    invalid.RunPasses();
    EXPECT_EQ(invalid.checker->Context().StationKind(), -1);
}

} // namespace
} // namespace kvf
