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

#define NAMED(name)                                                                                \
    NamedId {                                                                                      \
        msg::name, #name                                                                           \
    }

// Every name of MessageIds.h: a name whose text is missing from the table, or two names
// that were given the same number, is a fault the compiler cannot see.
const NamedId kNamedIds[] = {
    NAMED(ValueExceedsLimit),
    NAMED(NotWithinAllowedValues),
    NAMED(ValueOutOfRange),
    NAMED(UnknownKey),
    NAMED(UnexpectedFormat),
    NAMED(TooManyValues),
    NAMED(LineTooLong),
    NAMED(FileNameCharacters),
    NAMED(KeywordCharacters),
    NAMED(RangeChar),
    NAMED(RangeShort),
    NAMED(RangeInt),
    NAMED(RangeUChar),
    NAMED(RangeUShort),
    NAMED(RangeUInt),
    NAMED(VisibleStringInvalid),
    NAMED(UseInPlaceOfArea),
    NAMED(UnspecifiedCharacters),
    NAMED(DefaultNotAllowed),
    NAMED(EqualSign),
    NAMED(HashKey),
    NAMED(ConfigurationInvalid),
    NAMED(UserKeyHelp),
    NAMED(UserKeyDialogTitle),
    NAMED(UserKeyDataTypeLabel),
    NAMED(UserKeyRangeLabel),
    NAMED(UserKeyGroupLabel),
    NAMED(UserKeyRegisteredLabel),
    NAMED(UserKeySummaryEmpty),
    NAMED(UserKeyTypeString),
    NAMED(UserKeyTypeInteger),
    NAMED(UserKeyTypeBool),
    NAMED(UserKeyTypeOctetString),
    NAMED(UserKeyGroupGeneral),
    NAMED(UserKeyGroupSlave),
    NAMED(UserKeyGroupMaster),
    NAMED(UserKeyGroupModule),
    NAMED(NoDatabase),
    NAMED(BuildingDatabase),
    NAMED(DatabaseEmpty),
    NAMED(DatabaseNeedsUpdate),
    NAMED(TypeUnknown),
    NAMED(OutOfMemoryEntry),
    NAMED(KeywordFound),
    NAMED(BuildDatabaseFailed),
    NAMED(FileWriteProtected),
    NAMED(FileReadOnlyFlag),
    NAMED(FileIsDirectory),
    NAMED(FileOffline),
    NAMED(FileTemporary),
    NAMED(FileSystemFlag),
    NAMED(FileHiddenFlag),
    NAMED(StatusModified),
    NAMED(StatusOriginal),
    NAMED(OpenFileFilter),
    NAMED(BackupCreateFailed),
    NAMED(BackupWriteFailed),
    NAMED(BackupCloseFailed),
    NAMED(LoadFailed),
    NAMED(SaveWriteFailed),
    NAMED(NoLine),
    NAMED(IdleStatus),
    NAMED(SyntaxCheckStatus),
    NAMED(SemanticCheckStatus),
    NAMED(CheckFinishedWithoutErrors),
    NAMED(MenuRebuild),
    NAMED(MenuCheck),
    NAMED(SkipSemanticCheckOption),
    NAMED(FailSafeGroup),
    NAMED(RebuildCreateFailed),
    NAMED(RebuildWriteFailed),
    NAMED(RebuildFinalizeFailed),
    NAMED(StartSyntaxCheck),
    NAMED(FileNameMissingDot),
    NAMED(FileNameExtension),
    NAMED(FileNameTooManyDots),
    NAMED(FileNameTooLong),
    NAMED(StopSyntaxCheck),
    NAMED(StartSemanticCheck),
    NAMED(OutOfMemorySemantic),
    NAMED(StopSemanticCheck),
    NAMED(SkippingSemanticCheck),
    NAMED(MissingIdentification),
    NAMED(MissingKvfRevision),
    NAMED(MissingKeywordInBlock),
    NAMED(MultipleDefinitionTop),
    NAMED(MultipleDefinitionExtUserPrmData),
    NAMED(MultipleDataTypeName),
    NAMED(MultipleDefinitionModule),
    NAMED(MultipleDefinitionPhysicalInterface),
    NAMED(MultipleDefinitionInBlock),
    NAMED(MissingMandatoryKeyword),
    NAMED(UndefinedBaudrate),
    NAMED(UndefinedMaxTsdr),
    NAMED(MissingMasterKeyword),
    NAMED(UndefinedTrdy),
    NAMED(MissingTqui),
    NAMED(MissingTset),
    NAMED(MissingTsdi),
    NAMED(MissingSlaveKeyword),
    NAMED(MissingSlaveKeywordForRevision),
    NAMED(MissingModularSlaveKeyword),
    NAMED(MissingEndOfBlock),
    NAMED(MissingDpv1ConformanceClass),
    NAMED(PrmTextDefinitionName),
    NAMED(ExtUserPrmDataDefinitionName),
    NAMED(UnitDiagAreaDefinitionName),
    NAMED(XUnitDiagAreaDefinitionName),
    NAMED(MissingModuleReference),
    NAMED(MissingDelayForBaudrate),
    NAMED(MissingMandatoryInBlock),
    NAMED(SlotDefinitionName),
    NAMED(AnyBaudrate),
    NAMED(OutOfMemoryCheck),
    NAMED(RateLabel9k6),
    NAMED(RateLabel12M),
    NAMED(SpecifiedInsideBlock),
    NAMED(SpecifiedOutsideBlock),
    NAMED(RevisionSpecificKeyword),
    NAMED(SlaveKeywordInMasterFile),
    NAMED(MasterKeywordInSlaveFile),
    NAMED(ModularKeywordInCompactFile),
    NAMED(KvfRevisionNotSupported),
    NAMED(InvalidIdentNumber),
    NAMED(FileNameIdentNumber),
    NAMED(SlaveFamilyRange),
    NAMED(ReferenceNumberRange),
    NAMED(NoMaxTsdrForBaudrate),
    NAMED(NoTrdyForBaudrate),
    NAMED(NoTquiForBaudrate),
    NAMED(NoTsetForBaudrate),
    NAMED(NoTsdiForBaudrate),
    NAMED(BaudrateNotInPhysicalInterface),
    NAMED(NoBaudrateForMaxTsdr),
    NAMED(NoBaudrateForTimeParameter),
    NAMED(NoBaudrateForDelay),
    NAMED(MinSlaveIntervalRange),
    NAMED(IntervalLabel12M),
    NAMED(IntervalLabel6M),
    NAMED(IntervalLabel3M),
    NAMED(IntervalLabel1M5),
    NAMED(IntervalLabel500k),
    NAMED(IntervalLabelPaSlave),
    NAMED(IntervalLabelUpTo187k5),
    NAMED(UserPrmDataLengthMismatch),
    NAMED(RedefinitionOfValue),
    NAMED(ModulePrmLenRecommendsMax),
    NAMED(ModulePrmExceedsMax),
    NAMED(UserPrmDataLenInvalidated),
    NAMED(UserPrmDataInvalidated),
    NAMED(MaxUserPrmDataLenRecommended),
    NAMED(UnitPrmExceedsMax),
    NAMED(NoTextForDefault),
    NAMED(MultipleUseOfOffset),
    NAMED(UnresolvedExtUserPrmData),
    NAMED(AmbiguousExtUserPrmData),
    NAMED(UnreferencedExtUserPrmData),
    NAMED(DefaultValueOutOfTypeRange),
    NAMED(MinValueOutOfTypeRange),
    NAMED(MaxValueOutOfTypeRange),
    NAMED(AllowedValueOutOfTypeRange),
    NAMED(MaxNotAboveMin),
    NAMED(DefaultBelowMin),
    NAMED(DefaultAboveMax),
    NAMED(UnresolvedPrmText),
    NAMED(AmbiguousPrmText),
    NAMED(UnreferencedPrmText),
    NAMED(UserPrmDefinitionLength),
    NAMED(UserPrmLengthRequired),
    NAMED(MinimumPrmLength),
    NAMED(DiagLenRecommended),
    NAMED(DiagPositionExceeds),
    NAMED(AreaValueExceeds),
    NAMED(RedefinitionOfEntry),
    NAMED(HelpWithoutDefinition),
    NAMED(DiagBitsName),
    NAMED(DiagBitHelpsName),
    NAMED(DiagAreaName),
    NAMED(XDiagBitsName),
    NAMED(XDiagBitHelpsName),
    NAMED(XDiagAreaName),
    NAMED(AnyUnitDiagAreaName),
    NAMED(UnitChannelDiagName),
    NAMED(ModuleChannelDiagName),
    NAMED(UnknownDefinitionName),
    NAMED(CfgMissingIoByte),
    NAMED(CfgMissingVendorByte),
    NAMED(CfgTooLong),
    NAMED(AmbiguousModuleReference),
    NAMED(ProtocolIdentNotDp),
    NAMED(ModulePrmLengthMismatch),
    NAMED(ModulOffsetWithSlots),
    NAMED(SlotNumberExpected),
    NAMED(UnresolvedSlotDefault),
    NAMED(ExceedsRangeSpecifiedBy),
    NAMED(MissingFParamDescCrc),
    NAMED(InputLengthName),
    NAMED(OutputLengthName),
    NAMED(ParameterName),
    NAMED(FParameterName),
    NAMED(XParameterName),
    NAMED(SumOfMaxInputOutputLen),
    NAMED(MaxModuleNotSet),
    NAMED(NonmodularStation),
    NAMED(DataAreaDirection),
    NAMED(DataTypeLengthUncertain),
    NAMED(DataTypesShort),
    NAMED(DataTypeReserved),
    NAMED(CfgIdentifierMissing),
    NAMED(DataTypesExceedLength),
    NAMED(DataAreaExceedsIdentifier),
    NAMED(DataAreaConsistency),
    NAMED(IdentifierNotCovered),
    NAMED(DataAreasExceedIdentifier),
    NAMED(DataAreaFormat),
    NAMED(VariableLengthPhrase),
    NAMED(UserSpecificPhrase),
    NAMED(DirectionInput),
    NAMED(DirectionOutput),
    NAMED(PublisherOrMasterAllowed),
    NAMED(TrueWord),
    NAMED(OutputWord),
    NAMED(PrerequisiteRequired),
    NAMED(PrerequisiteOnly),
    NAMED(C1OrC2ReadWriteSupp),
    NAMED(OutputColumnException),
    NAMED(OutputColumnLine),
    NAMED(OutputColumnCause),
    NAMED(OutputWindowCaption),
    NAMED(LevelInfo),
    NAMED(LevelWarning),
    NAMED(LevelFatal),
    NAMED(LevelError),
    NAMED(WelcomeText),
    NAMED(MenuOutput),
    NAMED(LineNumber),
    NAMED(SuppressWarningsOption),
    NAMED(ProcessingFile),
    NAMED(ScanningComment),
    NAMED(ScanningString),
    NAMED(ScanningKeyword),
    NAMED(CaretPosition),
    NAMED(LineLengthUnexpected),
    NAMED(PrintProgramName),
    NAMED(PrintPageNumber),
    NAMED(PrintDate),
    NAMED(DropNotAllowed),
    NAMED(ScanningNumber),
    NAMED(TreeEntryLabel),
    NAMED(MenuKeyInfo),
    NAMED(MenuCheckSyntax),
    NAMED(MenuUserKey),
    NAMED(MenuShowDetails),
    NAMED(TreeSearchCancelled),
    NAMED(TreeEntryNotFound),
    NAMED(EditorContentsChanged),
    NAMED(StartSingleSyntaxCheck),
    NAMED(StopSingleSyntaxCheck),
    NAMED(DetailsTitle),
    NAMED(DetailsKeyLabel),
    NAMED(DetailsValueLabel),
    NAMED(DetailsLongLine),
    NAMED(DetailsLine),
    NAMED(DetailsTreeHandle),
    NAMED(DetailsRangeLen),
    NAMED(DetailsItemIndex),
    NAMED(DetailsTypeString),
    NAMED(DetailsTypeUint),
    NAMED(DetailsTypeBool),
    NAMED(DetailsTypeOctetString),
    NAMED(DetailsTypeUserKey),
    NAMED(DetailsGroupGeneral),
    NAMED(DetailsGroupSlave),
    NAMED(DetailsGroupMaster),
    NAMED(DetailsGroupModule),
    NAMED(DetailsGroupPhysicalInterfaces),
    NAMED(DetailsGroupModuleAssignment),
    NAMED(DetailsGroupSlaveExt),
    NAMED(DetailsGroupSlaveDataExchange),
    NAMED(DetailsGroupMasterExt),
    NAMED(DetailsGroupUnknown),
    NAMED(DetailsModuleBegin),
    NAMED(DetailsModuleNone),
    NAMED(DetailsParentHandle),
    NAMED(DetailsReady0),
    NAMED(DetailsReady1),
    NAMED(DetailsReady2),
    NAMED(DetailsReady3),
    NAMED(DetailsNote),
    NAMED(CfgColumnIdentFormat),
    NAMED(CfgColumnIoSelect),
    NAMED(CfgColumnInputLength),
    NAMED(CfgColumnOutputLength),
    NAMED(CfgColumnConsistence),
    NAMED(CfgColumnVendorSpecific),
    NAMED(CfgDialogTitle),
    NAMED(InputStringLabel),
    NAMED(InputUintLabel),
    NAMED(InputChoiceLabel),
    NAMED(InputBoolLabel),
    NAMED(InputAreaLabel),
    NAMED(InputDefaultLabel),
    NAMED(InputRangeLabel),
    NAMED(InputSlotNameLabel),
    NAMED(ApplyButton),
    NAMED(HelpLabel),
    NAMED(CfgInsertQuestion),
    NAMED(CfgDummyRow),
    NAMED(CfgDummyCell),
    NAMED(CfgIdentFormatLabel),
    NAMED(CfgFormatShort),
    NAMED(CfgFormatExtent),
    NAMED(CfgIoSelectLabel),
    NAMED(CfgSelectIn),
    NAMED(CfgSelectOut),
    NAMED(CfgSelectInOut),
    NAMED(CfgConsistenceByte),
    NAMED(CfgConsistenceWord),
    NAMED(CfgVendorSpecificLabel),
    NAMED(AboutText),
    NAMED(DocumentTypeName),
    NAMED(DocumentFilter),
    NAMED(DocumentFileTypeName),
    NAMED(CaretPaneSizing),
    NAMED(ProgramOptionsGroup),
    NAMED(ShowSplashOption),
    NAMED(CoolMenuOption),
    NAMED(EditorOptionsGroup),
    NAMED(NoBackupOption),
    NAMED(SyntaxOption),
    NAMED(NoWinPosSaveOption),
    NAMED(HelpNotImplemented),
    NAMED(ProgressPercent),
    NAMED(TemplatesLabel),
    NAMED(InsertCommentsOption),
    NAMED(TemplateDialogTitle),
    NAMED(TemplateBrowseTitle),
    NAMED(TemplateFolderFormat),
    NAMED(TemplateColumnDescription),
    NAMED(TemplateBrowseButton),
    NAMED(TemplateEmptyButton),
    NAMED(TemplateCancelButton),
    NAMED(TemplateOpenButton),
    NAMED(TemplateErrorRow),
    NAMED(NoTemplatesFound),
    NAMED(TemplateOpenFailed),
    NAMED(TemplateFilter),
    NAMED(NoDirectorySelected),
    NAMED(FileLabel),
    NAMED(MenuEdit),
    NAMED(MenuView),
    NAMED(MenuExtras),
    NAMED(MenuWindow),
    NAMED(MenuNew),
    NAMED(MenuOpen),
    NAMED(MenuClose),
    NAMED(MenuSave),
    NAMED(MenuSaveAs),
    NAMED(MenuPrint),
    NAMED(MenuPrintPreview),
    NAMED(MenuPrintSetup),
    NAMED(MenuExit),
    NAMED(MenuUndo),
    NAMED(MenuCut),
    NAMED(MenuCopy),
    NAMED(MenuPaste),
    NAMED(MenuFind),
    NAMED(MenuReplace),
    NAMED(MenuToolbar),
    NAMED(MenuFlatToolbar),
    NAMED(MenuStatusBar),
    NAMED(MenuSettings),
    NAMED(MenuCascade),
    NAMED(MenuTileHorizontally),
    NAMED(MenuTileVertically),
    NAMED(MenuArrangeIcons),
    NAMED(MenuSplit),
    NAMED(MenuHelpIndex),
    NAMED(MenuHelpFinder),
    NAMED(MenuAbout),
};

#undef NAMED

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
        {msg::CfgColumnVendorSpecific,
         {},
         "Vendor sp\x65"
         "c."},
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
