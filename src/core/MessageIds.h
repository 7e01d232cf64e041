#pragma once

// Named ids of the string table. The texts live in core/messages/; code refers to these
// names, never to prose.
// clang-format off
namespace kvf::msg {

// Dispatcher and value checks.
inline constexpr int ValueExceedsLimit = 130;                // Key "%s": Value exceeds limit (%s)!
inline constexpr int NotWithinAllowedValues = 131;           // Key "%s": Not within the allowed Values (%s)!
inline constexpr int ValueOutOfRange = 132;                  // Key "%s": Value out of range (%s)!
inline constexpr int UnknownKey = 133;                       // Key "%s": Unknown key! ...
inline constexpr int UnexpectedFormat = 134;                 // Key "%s": %s expected or unexpected format!
inline constexpr int TooManyValues = 135;                    // Key "%s": Too many values.
inline constexpr int LineTooLong = 136;                      // Line length exceeds the limit of 80 characters.
inline constexpr int FileNameCharacters = 137;               // Key "%s": Unexpected character(s) in file name.
inline constexpr int KeywordCharacters = 138;                // Key "%s": Keyword contains unallowed character(s)!
inline constexpr int RangeChar = 139;                        // CHAR: -128..127 (signed 8 Bit)
inline constexpr int RangeShort = 140;                       // SHORT: -32768..32767 (signed 16 Bit)
inline constexpr int RangeInt = 141;                         // INT: -2147483648..2147483647 (signed 32 Bit)
inline constexpr int RangeUChar = 142;                       // UCHAR: 0..255 (unsigned 8 Bit)
inline constexpr int RangeUShort = 143;                      // USHORT: 0..65535 (unsigned 16 Bit)
inline constexpr int RangeUInt = 144;                        // UINT: 0..4194967295 (unsigned 32 Bit)
inline constexpr int VisibleStringInvalid = 145;             // Keyword "%s": Unexpected character(s) found, ...
inline constexpr int UseInPlaceOfArea = 146;                 // Key "%s": "%s" should be used in place of Area ...
inline constexpr int UnspecifiedCharacters = 147;            // Keyword "%s": %d unspecified character(s) ...
inline constexpr int DefaultNotAllowed = 64638;              // Default_Value is not member of the Allowed_Values.
inline constexpr int EqualSign = 65134;                      // No or multiple equal sign(s) in key "%s"!
inline constexpr int HashKey = 65139;                        // Key %s: Keys beginning with a '#' can cause ...
inline constexpr int ConfigurationInvalid = 65141;           // Key "%s": The Configuration Data are invalid.
inline constexpr int UserKeyHelp = 65089;                    // Help:\nThis is a user-specific keyword. ...

// Settings dialog of user-defined keys.
inline constexpr int UserKeyDialogTitle = 65104;             // Change Settings for User-defined Key...
inline constexpr int UserKeyDataTypeLabel = 65105;           // Data Type:
inline constexpr int UserKeyRangeLabel = 65106;              // Range and Length Check (See Help for valid Inputs!):
inline constexpr int UserKeyGroupLabel = 65107;              // Key Group:
inline constexpr int UserKeyRegisteredLabel = 65151;         // Registered user-defined keys:
inline constexpr int UserKeySummaryEmpty = 65300;            // ..no keys defined..
inline constexpr int UserKeyTypeString = 65301;              // String ("Sample String")
inline constexpr int UserKeyTypeInteger = 65302;             // Integer (-1, 0, 1, 0x00, 0xAb)
inline constexpr int UserKeyTypeBool = 65303;                // Bool (0=FALSE, 1=TRUE)
inline constexpr int UserKeyTypeOctetString = 65304;         // Octet String (0x00,0x01,0x02,..)
inline constexpr int UserKeyGroupGeneral = 65305;            // General KVF
inline constexpr int UserKeyGroupSlave = 65306;              // Slave
inline constexpr int UserKeyGroupMaster = 65307;             // Master
inline constexpr int UserKeyGroupModule = 65308;             // Module
inline constexpr int NoDatabase = 65309;                     // No database exists.

// Entry database and file reader.
inline constexpr int BuildingDatabase = 58;                  // Building Database...
inline constexpr int DatabaseEmpty = 65140;                  // Database is empty! Please check if the #TALVERON_DP ...
inline constexpr int DatabaseNeedsUpdate = 65149;            // The internal database informations\nneed an update. ...
inline constexpr int TypeUnknown = 65160;                    // Type: ?TYPE_UNKNOWN?
inline constexpr int OutOfMemoryEntry = 65161;               // Insufficent memory for creating\na new database entry!
inline constexpr int KeywordFound = 65162;                   // Keyword %s found...
inline constexpr int BuildDatabaseFailed = 65163;            // An error occours while building\nthe internal database!

// Document load, save and backup.
inline constexpr int FileWriteProtected = 65123;             // Error: The current file is write-protected!
inline constexpr int FileReadOnlyFlag = 65124;               // The selected file "%s" has the read-only flag. ...
inline constexpr int FileIsDirectory = 65125;                // The selected file "%s" is marked as a directory. ...
inline constexpr int FileOffline = 65126;                    // The selected file "%s" seems to be available only ...
inline constexpr int FileTemporary = 65127;                  // The selected file "%s" seems to be a temporary file. ...
inline constexpr int FileSystemFlag = 65128;                 // The selected file "%s" has the system flag. ...
inline constexpr int FileHiddenFlag = 65129;                 // The selected file "%s" has the hidden flag. ...
inline constexpr int StatusModified = 65130;                 // Modified
inline constexpr int StatusOriginal = 65131;                 // Original
inline constexpr int OpenFileFilter = 65164;                 // KVF-Files (*.kv*)|*.kv*|All Files (*.*)|*.*||
inline constexpr int BackupCreateFailed = 65165;             // Could not create Backup File!
inline constexpr int BackupWriteFailed = 65166;              // An Error occours while writing to Backup File!
inline constexpr int BackupCloseFailed = 65167;              // Could not close Backup File!
inline constexpr int LoadFailed = 65168;                     // Error while loading file!
inline constexpr int SaveWriteFailed = 65169;                // Error while writing to file!
inline constexpr int NoLine = 65170;                         // --- (no line, no active document)

// Rebuild and check run.
inline constexpr int IdleStatus = 57345;                     // For Help, press F1
inline constexpr int SyntaxCheckStatus = 65132;              // Please wait while performing the syntax check...
inline constexpr int SemanticCheckStatus = 65133;            // Please wait while performing the semantic check...
inline constexpr int CheckFinishedWithoutErrors = 65146;     // ... check finished without errors.
inline constexpr int MenuRebuild = 65171;                    // &Rebuild\tF5
inline constexpr int MenuCheck = 65172;                      // &Check KVF\tF7
inline constexpr int SkipSemanticCheckOption = 65173;        // Skip semantic check
inline constexpr int FailSafeGroup = 65174;                  // Fail Safe (Test only)
inline constexpr int RebuildCreateFailed = 65175;            // Could not update database!
inline constexpr int RebuildWriteFailed = 65176;             // An Error occours while writing to database!
inline constexpr int RebuildFinalizeFailed = 65177;          // Could not finalizing database!
inline constexpr int StartSyntaxCheck = 65178;               // Start Syntax-Check of file %s ...
inline constexpr int FileNameMissingDot = 65179;             // Missing "."! File Name %s does not conform ...
inline constexpr int FileNameExtension = 65180;              // Incorrect File Name Extension! ...
inline constexpr int FileNameTooManyDots = 65181;            // Too many "."! File Name %s does not conform ...
inline constexpr int FileNameTooLong = 65182;                // File Name too long! ...
inline constexpr int StopSyntaxCheck = 65183;                // ...stop syntax check
inline constexpr int StartSemanticCheck = 65184;             // Start Semantic-Check of file %s ...
inline constexpr int OutOfMemorySemantic = 65185;            // Insufficent memory to perform\nthe semantic check!
inline constexpr int StopSemanticCheck = 65186;              // ... stop semantic check
inline constexpr int SkippingSemanticCheck = 65187;          // FailSafe-Mode: Skipping semantic check.

// Semantic checker: identification and keywords demanded by revision.
inline constexpr int MissingIdentification = 64201;          // Missing Identification of KVF file ...
inline constexpr int MissingKvfRevision = 64205;             // Undefined Keyword "%s". ... Revision 1 and higher.
inline constexpr int MissingKeywordInBlock = 64214;          // Missing Keyword. "%s" is mandatory for a "%s" ...

// Semantic checker: multiplicity rules.
inline constexpr int MultipleDefinitionTop = 64301;          // Mulitple Definition ... inside the Unit-Definition-List ...
inline constexpr int MultipleDefinitionExtUserPrmData = 64302; // ... inside a Ext-User-Prm-Data-Definition ...
inline constexpr int MultipleDataTypeName = 64303;           // Mulitple Definition of the Data_Type_Name ...
inline constexpr int MultipleDefinitionModule = 64304;       // ... inside a Module-Definition ...
inline constexpr int MultipleDefinitionPhysicalInterface = 64305; // ... inside a Physical-Interface-Definition ...
inline constexpr int MultipleDefinitionInBlock = 64306;      // ... inside a "%s" of the KVF file.

// Semantic checker: final rules and mandatory keywords inside blocks.
inline constexpr int MissingMandatoryKeyword = 64400;        // Undefined Keyword"%s"."%s" is mandatory for all ...
inline constexpr int UndefinedBaudrate = 64401;              // Undefined Baudrate. ...
inline constexpr int UndefinedMaxTsdr = 64402;               // Undefined MaxTsdr. ...
inline constexpr int MissingMasterKeyword = 64403;           // Undefined Keyword "%s". ... for a Master Device.
inline constexpr int UndefinedTrdy = 64404;                  // Undefined Trdy. ...
inline constexpr int MissingTqui = 64405;                    // Missing Tqui. ...
inline constexpr int MissingTset = 64406;                    // Missing Tset. ...
inline constexpr int MissingTsdi = 64407;                    // Missing Tsdi. ...
inline constexpr int MissingSlaveKeyword = 64408;            // Missing Keyword. ... for KVF of a Slave Device.
inline constexpr int MissingSlaveKeywordForRevision = 64409; // ... for KVF Revision %d and higher of a Slave ...
inline constexpr int MissingModularSlaveKeyword = 64410;     // ... for KVF of a modular Slave Device.
inline constexpr int MissingEndOfBlock = 64411;              // Missing End of Block. Block "%s" must be ...
inline constexpr int MissingDpv1ConformanceClass = 64412;    // Missing DPV1_Conformance_Class for DPV1_Master.
inline constexpr int PrmTextDefinitionName = 64413;          // Prm-Text-Definition
inline constexpr int ExtUserPrmDataDefinitionName = 64414;   // Ext-User-Prm-Data-Definition
inline constexpr int UnitDiagAreaDefinitionName = 64415;     // Unit-Diag-Area-Definition
inline constexpr int XUnitDiagAreaDefinitionName = 64416;    // X-Unit-Diag-Area-Definition
inline constexpr int MissingModuleReference = 64417;         // Missing "%s" inside a Module-Definition. ...
inline constexpr int MissingDelayForBaudrate = 64418;        // Missing "%s" for "%s" Baudrate inside a ...
inline constexpr int MissingMandatoryInBlock = 64419;        // Missing mandatory "%s" inside a "%s".
inline constexpr int SlotDefinitionName = 64420;             // Slot-Definition
inline constexpr int AnyBaudrate = 64421;                    // any
inline constexpr int OutOfMemoryCheck = 64422;               // Insufficent memory to perform\nthe check!
// Rate labels of the delay rule, in rate order: RateLabel9k6 + index (0..10).
inline constexpr int RateLabel9k6 = 64700;                   // 9.6 k
inline constexpr int RateLabel12M = 64710;                   // 12 M

// Semantic checker: context, revision, role and identification rules.
inline constexpr int SpecifiedInsideBlock = 64430;           // Keyword "%s" is specfied inside a "%s". ...
inline constexpr int SpecifiedOutsideBlock = 64431;          // Keyword "%s" is specfied outside a "%s". ...
inline constexpr int RevisionSpecificKeyword = 64432;        // Keyword "%s" is KVF Revision "%d" specfic, ...
inline constexpr int SlaveKeywordInMasterFile = 64433;       // Slavespecific Keyword "%s" is defined in a ...
inline constexpr int MasterKeywordInSlaveFile = 64434;       // Masterspecific Keyword "%s" is defined in a ...
inline constexpr int ModularKeywordInCompactFile = 64435;    // Modular Slave-specific Keyword "%s" ...
inline constexpr int KvfRevisionNotSupported = 64436;        // KVF_Revision "%d" not supported. ...
inline constexpr int InvalidIdentNumber = 64437;             // Invalid Ident_Number "0x%04X". ...
inline constexpr int FileNameIdentNumber = 64438;            // KVF file name does not comply with Ident_Number ...
inline constexpr int SlaveFamilyRange = 64439;               // Slave_Family "%d" exceeds range ...
inline constexpr int ReferenceNumberRange = 64440;           // Reference_Number "%d" exceeds range ...

// Semantic checker: baud rates and timing.
inline constexpr int NoMaxTsdrForBaudrate = 64460;           // There is no MaxTsdr specified for the supported ...
inline constexpr int NoTrdyForBaudrate = 64461;              // There is no Trdy specified for the supported ...
inline constexpr int NoTquiForBaudrate = 64462;              // There is no Tqui specified ...
inline constexpr int NoTsetForBaudrate = 64463;              // There is no Tset specified ...
inline constexpr int NoTsdiForBaudrate = 64464;              // There is no Tsdi specified ...
inline constexpr int BaudrateNotInPhysicalInterface = 64465; // The Keyword "%s" will be invalid since the Baudrate ...
inline constexpr int NoBaudrateForMaxTsdr = 64466;           // There is no Baudrate Support specified for the MaxTsdr.
inline constexpr int NoBaudrateForTimeParameter = 64467;     // ... for the Time Parameter of a Master Device.
inline constexpr int NoBaudrateForDelay = 64468;             // There is no Baudrate Support specified for "%s".
inline constexpr int MinSlaveIntervalRange = 64469;          // The Min_Slave_Interval of "%d" exceeds range ...
inline constexpr int IntervalLabel12M = 64470;               // 12 Mbit/s
inline constexpr int IntervalLabel6M = 64471;                // 6 Mbit/s
inline constexpr int IntervalLabel3M = 64472;                // 3 Mbit/s
inline constexpr int IntervalLabel1M5 = 64473;               // 1,5 Mbit/s
inline constexpr int IntervalLabel500k = 64474;              // 500 kbit/s
inline constexpr int IntervalLabelPaSlave = 64475;           // for a PA-Slave
inline constexpr int IntervalLabelUpTo187k5 = 64476;         // up to 187,5 kbit/s

// Semantic checker: user parameter data.
inline constexpr int UserPrmDataLengthMismatch = 64609;      // The Length of User_Prm_Data exceeds Range. ...
inline constexpr int RedefinitionOfValue = 64614;            // Redefinition of Value "%d" in a %s.
inline constexpr int ModulePrmLenRecommendsMax = 64619;      // The Definition of Max_User_Prm_Data_Len is recommended to define Ext_Module_...
inline constexpr int ModulePrmExceedsMax = 64620;            // The Length of (X-)Parameter of the Module exceeds ...
inline constexpr int UserPrmDataLenInvalidated = 64622;      // The Definition of User_Prm_Data_Len will be invalid ...
inline constexpr int UserPrmDataInvalidated = 64623;         // The Definition of User_Prm_Data will be invalid ...
inline constexpr int MaxUserPrmDataLenRecommended = 64624;   // The Definition of Max_User_Prm_Data_Len is recommended to define "%s".
inline constexpr int UnitPrmExceedsMax = 64625;              // The Length of (X-)Parameter of the Unit exceeds ...
inline constexpr int NoTextForDefault = 64626;               // In the referenced PrmText "%d" there is no Text ...
inline constexpr int MultipleUseOfOffset = 64627;            // Possibly multiple Use of Offset "%d" ...
inline constexpr int UnresolvedExtUserPrmData = 64628;       // Unresolved Reference to ExtUserPrmData. ...
inline constexpr int AmbiguousExtUserPrmData = 64629;        // Ambiguous ExtUserPrmData "%d". ...
inline constexpr int UnreferencedExtUserPrmData = 64630;     // No Reference to ExtUserPrmData "%d" found.
inline constexpr int DefaultValueOutOfTypeRange = 64631;     // The Value "%s" exceeds Range. The Default_Value ...
inline constexpr int MinValueOutOfTypeRange = 64632;         // ... The Min_Value must be in the Range ...
inline constexpr int MaxValueOutOfTypeRange = 64633;         // ... The Max_Value must be in the Range ...
inline constexpr int AllowedValueOutOfTypeRange = 64634;     // ... The Allowed_Value must be in the Range ...
inline constexpr int MaxNotAboveMin = 64635;                 // Invalid Range Definition. Max_Value not less than ...
inline constexpr int DefaultBelowMin = 64636;                // Invalid Default_Value. ... not less than Min_Value ...
inline constexpr int DefaultAboveMax = 64637;                // Invalid Default_Value. ... not greater than Max_Value ...
inline constexpr int UnresolvedPrmText = 64639;              // Unresolved Reference to PrmText. ...
inline constexpr int AmbiguousPrmText = 64640;               // Ambiguous PrmText "%d". ...
inline constexpr int UnreferencedPrmText = 64641;            // No Reference to PrmText "%d"  found.
inline constexpr int UserPrmDefinitionLength = 64645;        // Invalid Length of User-Parameter-Definition. ...
inline constexpr int UserPrmLengthRequired = 64646;          // Invalid Definition. The Definition of a User-Parameter-Length ...
inline constexpr int MinimumPrmLength = 64650;               // Invalid Definition. User-Parameter-Length of "%d" or more ...

// Semantic checker: diagnosis.
inline constexpr int DiagLenRecommended = 64610;             // The Definition of Max_Diag_Data_Len is recommended ...
inline constexpr int DiagPositionExceeds = 64611;            // The Position of "%s" exceeds Range defined by ...
inline constexpr int AreaValueExceeds = 64613;               // The Value "%d" exceeds Range. Value must be in ...
inline constexpr int RedefinitionOfEntry = 64621;            // Redefinition of Entry "%d" in the %s.
inline constexpr int HelpWithoutDefinition = 64642;          // Definition of "%s(%d)" is recommended for using ...
inline constexpr int DiagBitsName = 64540;                   // Diagnosis Bits
inline constexpr int DiagBitHelpsName = 64541;               // Help Texts for Diagnosis Bits
inline constexpr int DiagAreaName = 64542;                   // Diagnosis Area
inline constexpr int XDiagBitsName = 64543;                  // Diagnosis Bits in UnitDiagType
inline constexpr int XDiagBitHelpsName = 64544;              // Help Texts for Diagnosis Bits in UnitDiagType
inline constexpr int XDiagAreaName = 64545;                  // Diagnosis Area in UnitDiagType
inline constexpr int AnyUnitDiagAreaName = 64546;            // (X_)Unit_Diag_Area
inline constexpr int UnitChannelDiagName = 64547;            // unit's Channel_Diag
inline constexpr int ModuleChannelDiagName = 64548;          // module's Channel_Diag
inline constexpr int UnknownDefinitionName = 64549;          // <Unknown>

// Semantic checker: module configuration identifiers and slots.
inline constexpr int CfgMissingIoByte = 64615;               // Unexpected End of Configuration Data. Missing I/O-Byte ...
inline constexpr int CfgMissingVendorByte = 64616;           // Unexpected End of Configuration Data. Missing Vendorspecific ...
inline constexpr int CfgTooLong = 64617;                     // Too many Configuration Data for this Module. ...
inline constexpr int AmbiguousModuleReference = 64618;       // Ambiguous Module_Reference "%d" for this Module. ...
inline constexpr int ProtocolIdentNotDp = 64643;             // The "%s" specifies not a DP-Device.
inline constexpr int ModulePrmLengthMismatch = 64644;        // Invalid Length of "%s" of this Module. ...
inline constexpr int ModulOffsetWithSlots = 64651;           // "%s" shall be set to 1 when Slot-Definition is used.
inline constexpr int SlotNumberExpected = 64652;             // Invalid Definition, Slot_Number %d expected. ...
inline constexpr int UnresolvedSlotDefault = 64654;          // Unresolved Reference to Module. Default_Value "%d" for Slot ...
inline constexpr int ExceedsRangeSpecifiedBy = 64655;        // The "%s" of "%d" exceeds range of "%d" specified by %s.
inline constexpr int MissingFParamDescCrc = 64657;           // Missing F_ParamDescCRC for definition of F-Parameter ...
inline constexpr int InputLengthName = 64570;                // Input Length
inline constexpr int OutputLengthName = 64571;               // Output Length
inline constexpr int ParameterName = 64572;                  // Parameter
inline constexpr int FParameterName = 64573;                 // F-Parameter
inline constexpr int XParameterName = 64574;                 // X-Parameter
inline constexpr int SumOfMaxInputOutputLen = 64575;         // Sum of "Max_Input_Len" and "Max_Output_Len"
inline constexpr int MaxModuleNotSet = 64576;                // "Max_Module" or "Modular_Station" not set
inline constexpr int NonmodularStation = 64577;              // nonmodular station

// Semantic checker: data areas.
inline constexpr int DataAreaDirection = 64223;              // %s should be %s for IO_Direction %s in the Data_Area.
inline constexpr int DataTypeLengthUncertain = 64612;        // Data_Type Value "%d" is %s in IEC 61158:Ed3 Part 6. ...
inline constexpr int DataTypesShort = 64653;                 // Only "%d" Byte in the Data_Area defined with length ...
inline constexpr int DataTypeReserved = 64658;               // Data_Type Value "%d" is reserved in IEC 61158:Ed3 Part 6.
inline constexpr int CfgIdentifierMissing = 64659;           // CFG-Identifier "%d" does not exist. Only"%d" ...
inline constexpr int DataTypesExceedLength = 64660;          // The sum "%d" of Length of Data_Type definitions exceeds ...
inline constexpr int DataAreaExceedsIdentifier = 64661;      // %s Length "%d" of the Data_Area exceeds the length ...
inline constexpr int DataAreaConsistency = 64662;            // Consistence of %s Data in the Data_Area not possible ...
inline constexpr int IdentifierNotCovered = 64663;           // Only "%d" %s Data defined with length "%d" by CFG-Identifier ...
inline constexpr int DataAreasExceedIdentifier = 64664;      // Sum of %s Length "%d" of all Data_Areas ...
inline constexpr int DataAreaFormat = 64665;                 // Data_Type definitions in the Data_Area not possible ...
inline constexpr int VariableLengthPhrase = 64590;           // with variable length
inline constexpr int UserSpecificPhrase = 64591;             // user specific
inline constexpr int DirectionInput = 64592;                 // Input
inline constexpr int DirectionOutput = 64593;                // Output
inline constexpr int PublisherOrMasterAllowed = 64594;       // Publisher_allowed or DP_Master_Allowed
inline constexpr int TrueWord = 64595;                       // TRUE
inline constexpr int OutputWord = 64596;                     // OUTPUT

// Semantic checker: keyword prerequisites.
inline constexpr int PrerequisiteRequired = 64608;           // Invalid Definition. "%s" unequal 0 is required to define "%s".
inline constexpr int PrerequisiteOnly = 64649;               // The Definition of "%s" is possible for "%s" only.
inline constexpr int C1OrC2ReadWriteSupp = 64670;            // C1_Read_Write_supp or C2_Read_Write_supp

// Output window.
inline constexpr int OutputColumnException = 65099;          // Exception
inline constexpr int OutputColumnLine = 65100;               // Line-Nr.
inline constexpr int OutputColumnCause = 65101;              // Probable Cause
inline constexpr int OutputWindowCaption = 65108;            // Output Window
inline constexpr int LevelInfo = 65109;                      // Info
inline constexpr int LevelWarning = 65110;                   // Warning
inline constexpr int LevelFatal = 65111;                     // Fatal Error
inline constexpr int LevelError = 65112;                     // Error
inline constexpr int WelcomeText = 65113;                    // Welcome to the KVF Editor. Open a KVF file and p ...
inline constexpr int MenuOutput = 65200;                     // &Output
inline constexpr int LineNumber = 65201;                     // Line %d
inline constexpr int SuppressWarningsOption = 65202;         // Suppress warnings of the KVF checker

// Text view.
inline constexpr int ProcessingFile = 57;                    // Processing KVF file...
inline constexpr int ScanningComment = 65203;                // Scanning comment...
inline constexpr int ScanningString = 65204;                 // Scanning string...
inline constexpr int ScanningKeyword = 65205;                // Scanning keyword...
inline constexpr int CaretPosition = 65206;                  // Line: %d, Char: %d
inline constexpr int LineLengthUnexpected = 65207;           // LineLength greater than expected!
inline constexpr int PrintProgramName = 65208;               // ORVEL KVF-Editor V5.0
inline constexpr int PrintPageNumber = 65209;                // -%d-
inline constexpr int PrintDate = 65210;                      // %d/%0.2d/%0.2d
inline constexpr int DropNotAllowed = 65211;                 // Dropping files in this window is not allowed!
inline constexpr int ScanningNumber = 65212;                 // Scanning number...

// Keyword tree view.
inline constexpr int TreeEntryLabel = 65213;                 // %s (%u)
inline constexpr int MenuKeyInfo = 65214;                    // Key Info
inline constexpr int MenuCheckSyntax = 65215;                // Check Syntax
inline constexpr int MenuUserKey = 65216;                    // User Key...
inline constexpr int MenuShowDetails = 65217;                // Show Details...
inline constexpr int TreeSearchCancelled = 65218;            // No Tree-Entry found.\nSearch cancelled!
inline constexpr int TreeEntryNotFound = 65219;              // No Tree-Entry found!
inline constexpr int EditorContentsChanged = 65220;          // The contents of the editor changed. Please choos ...
inline constexpr int StartSingleSyntaxCheck = 65221;         // Start Syntax-Check...
inline constexpr int StopSingleSyntaxCheck = 65222;          // Stop Syntax-Check...
inline constexpr int DetailsTitle = 65223;                   // Object Details...
inline constexpr int DetailsKeyLabel = 65224;                // Key:
inline constexpr int DetailsValueLabel = 65225;              // Value:
inline constexpr int DetailsLongLine = 65226;                // LongLine: %d
inline constexpr int DetailsLine = 65227;                    // Line: %d
inline constexpr int DetailsTreeHandle = 65228;              // hTree: %p
inline constexpr int DetailsRangeLen = 65229;                // Range/Len: %s
inline constexpr int DetailsItemIndex = 65230;               // Item-Index: %d (#elements: %d, starts with 0)
inline constexpr int DetailsTypeString = 65231;              // Type: TYPE_SIMPLE_STRING
inline constexpr int DetailsTypeUint = 65232;                // Type: TYPE_SIMPLE_UINT
inline constexpr int DetailsTypeBool = 65233;                // Type: TYPE_SIMPLE_BOOL
inline constexpr int DetailsTypeOctetString = 65234;         // Type: TYPE_OCTET_STRING
inline constexpr int DetailsTypeUserKey = 65235;             // Type: TYPE_USER_KEY
inline constexpr int DetailsGroupGeneral = 65236;            // TreeGroup: PARENT_GENERAL
inline constexpr int DetailsGroupSlave = 65237;              // TreeGroup: PARENT_SLAVE
inline constexpr int DetailsGroupMaster = 65238;             // TreeGroup: PARENT_MASTER
inline constexpr int DetailsGroupModule = 65239;             // TreeGroup: PARENT_MODULE
inline constexpr int DetailsGroupPhysicalInterfaces = 65240; // TreeGroup: PARENT_PHYSICAL_INTERFACES
inline constexpr int DetailsGroupModuleAssignment = 65241;   // TreeGroup: PARENT_MODULE_ASSIGNMENT
inline constexpr int DetailsGroupSlaveExt = 65242;           // TreeGroup: PARENT_SLAVE_EXT
inline constexpr int DetailsGroupSlaveDataExchange = 65243;  // TreeGroup: PARENT_SLAVE_DATA_EXCHNG
inline constexpr int DetailsGroupMasterExt = 65244;          // TreeGroup: PARENT_MASTER_EXT
inline constexpr int DetailsGroupUnknown = 65245;            // TreeGroup: ?PARENT_UNKNOWN?
inline constexpr int DetailsModuleBegin = 65246;             // ModuleFlag: TYPE_MODULE_BEGIN
inline constexpr int DetailsModuleNone = 65247;              // ModuleFlag: -
inline constexpr int DetailsParentHandle = 65248;            // hParent: %p
inline constexpr int DetailsReady0 = 65249;                  // m_Ready[0]: %s
inline constexpr int DetailsReady1 = 65250;                  // m_Ready[1]: %s
inline constexpr int DetailsReady2 = 65251;                  // m_Ready[2]: %s
inline constexpr int DetailsReady3 = 65252;                  // m_Ready[3]: %s
inline constexpr int DetailsNote = 65253;                    // The information below is for debugging only. Use ...

// Input view.
inline constexpr int CfgColumnIdentFormat = 46;              // IdentFormat
inline constexpr int CfgColumnIoSelect = 47;                 // I/O-Select
inline constexpr int CfgColumnInputLength = 48;              // InputLength
inline constexpr int CfgColumnOutputLength = 49;             // OutputLength
inline constexpr int CfgColumnConsistence = 50;              // Consistence
inline constexpr int CfgColumnVendorSpecific = 51;           // the vendor-specific column
inline constexpr int CfgDialogTitle = 65102;                 // Change settings for value %d...
inline constexpr int InputStringLabel = 65254;               // String:
inline constexpr int InputUintLabel = 65255;                 // UINT:
inline constexpr int InputChoiceLabel = 65256;               // Choice:
inline constexpr int InputBoolLabel = 65257;                 // Bool:
inline constexpr int InputAreaLabel = 65258;                 // Area / Txt-Ref
inline constexpr int InputDefaultLabel = 65259;              // Default-Value
inline constexpr int InputRangeLabel = 65260;                // Min-Max / Allowed Values
inline constexpr int InputSlotNameLabel = 65261;             // Slot Name:
inline constexpr int ApplyButton = 65262;                    // Apply
inline constexpr int HelpLabel = 65263;                      // Help
inline constexpr int CfgInsertQuestion = 65264;              // Insert a new value?
inline constexpr int CfgDummyRow = 65265;                    // Dummy %d
inline constexpr int CfgDummyCell = 65266;                   // entry
inline constexpr int CfgIdentFormatLabel = 65267;            // Ident Format
inline constexpr int CfgFormatShort = 65268;                 // Short
inline constexpr int CfgFormatExtent = 65269;                // Extent
inline constexpr int CfgIoSelectLabel = 65270;               // I/O Select
inline constexpr int CfgSelectIn = 65271;                    // IN
inline constexpr int CfgSelectOut = 65272;                   // OUT
inline constexpr int CfgSelectInOut = 65273;                 // IN/OUT
inline constexpr int CfgConsistenceByte = 65274;             // Byte
inline constexpr int CfgConsistenceWord = 65275;             // Word
inline constexpr int CfgVendorSpecificLabel = 65276;         // Vendor specific
inline constexpr int CfgWholeLength = 65353;                 // whole length

// Application, main frame and settings.
inline constexpr int AboutText = 65001;                      // KVF Editor\nEditor and checker for KVF device-de ...
inline constexpr int DocumentTypeName = 65277;               // KVF
inline constexpr int DocumentFilter = 65278;                 // KVF-Files (*.kvf)
inline constexpr int DocumentFileTypeName = 65279;           // KVF-Document
inline constexpr int CaretPaneSizing = 65280;                // Line: 99999, Char: 99999
inline constexpr int ProgramOptionsGroup = 65281;            // Program Options
inline constexpr int ShowSplashOption = 65282;               // Show splash screen at startup
inline constexpr int CoolMenuOption = 65283;                 // Use cool menu
inline constexpr int EditorOptionsGroup = 65284;             // Editor Options
inline constexpr int NoBackupOption = 65285;                 // Don't create backup files *.bak
inline constexpr int SyntaxOption = 65286;                   // Use syntax highlighting for user-defined keys
inline constexpr int NoWinPosSaveOption = 65287;             // Don't save window positions
inline constexpr int HelpNotImplemented = 65288;             // Help not implemented!
inline constexpr int ProgressPercent = 65289;                // %d%c

// New file from template.
inline constexpr int TemplatesLabel = 65093;                 // Available KVF Templates:
inline constexpr int InsertCommentsOption = 65094;           // Insert Comments
inline constexpr int TemplateDialogTitle = 65095;            // Choose a template for the new file...
inline constexpr int TemplateBrowseTitle = 65097;            // Search the Template Directory...
inline constexpr int TemplateFolderFormat = 65290;           // %s\\Templates\\ (folder format)
inline constexpr int TemplateColumnDescription = 65291;      // Description
inline constexpr int TemplateBrowseButton = 65292;           // &Browse...
inline constexpr int TemplateEmptyButton = 65293;            // &Empty Doc
inline constexpr int TemplateCancelButton = 65294;           // &Cancel
inline constexpr int TemplateOpenButton = 65295;             // &Open >>
inline constexpr int TemplateErrorRow = 65296;               // Error !
inline constexpr int NoTemplatesFound = 65297;               // No files found. Use Browse..
inline constexpr int TemplateOpenFailed = 65298;             // Error opening file %s.
inline constexpr int TemplateFilter = 65299;                 // Templates (*.tpl)|*.tpl||
inline constexpr int NoDirectorySelected = 65320;            // No directory selected.

// Menus (the command table; File also heads the template list).
inline constexpr int FileLabel = 65321;                      // File
inline constexpr int MenuEdit = 65322;                       // Edit
inline constexpr int MenuView = 65323;                       // View
inline constexpr int MenuExtras = 65324;                     // Extras
inline constexpr int MenuWindow = 65325;                     // Window
inline constexpr int MenuNew = 65326;                        // New
inline constexpr int MenuOpen = 65327;                       // Open...
inline constexpr int MenuClose = 65328;                      // Close
inline constexpr int MenuSave = 65329;                       // Save
inline constexpr int MenuSaveAs = 65330;                     // Save As...
inline constexpr int MenuPrint = 65331;                      // Print...
inline constexpr int MenuPrintPreview = 65332;               // Print Preview
inline constexpr int MenuPrintSetup = 65333;                 // Print Setup...
inline constexpr int MenuExit = 65334;                       // Exit
inline constexpr int MenuUndo = 65335;                       // Undo
inline constexpr int MenuCut = 65336;                        // Cut
inline constexpr int MenuCopy = 65337;                       // Copy
inline constexpr int MenuPaste = 65338;                      // Paste
inline constexpr int MenuFind = 65339;                       // Find...
inline constexpr int MenuReplace = 65340;                    // Replace...
inline constexpr int MenuToolbar = 65341;                    // Toolbar
inline constexpr int MenuFlatToolbar = 65342;                // Flat Toolbar
inline constexpr int MenuStatusBar = 65343;                  // Status Bar
inline constexpr int MenuSettings = 65344;                   // Settings...
inline constexpr int MenuCascade = 65345;                    // Cascade
inline constexpr int MenuTileHorizontally = 65346;           // Tile Horizontally
inline constexpr int MenuTileVertically = 65347;             // Tile Vertically
inline constexpr int MenuArrangeIcons = 65348;               // Arrange Icons
inline constexpr int MenuSplit = 65349;                      // Split
inline constexpr int MenuHelpIndex = 65350;                  // Help Index
inline constexpr int MenuHelpFinder = 65351;                 // Help Finder
inline constexpr int MenuAbout = 65352;                      // About KVF_Ed...

// Texts the views share with other parts: the input view's "Data Type:" label is
// UserKeyDataTypeLabel, the identifier dialog's "Input Length" and "Output Length" are
// InputLengthName and OutputLengthName, its "Consistence" is CfgColumnConsistence; "---" is
// NoLine. The root, group and "no database" labels of the tree are the catalogue's group names.

} // namespace kvf::msg

// clang-format on
namespace kvf {

// String-table ids of the captions the catalogue loads into the input form (texts in
// core/messages/CatalogueMessages.cpp).
namespace caption {
inline constexpr int DpSlave = 36;
inline constexpr int DpMaster = 37;
inline constexpr int SupportsFeature = 38;
inline constexpr int RequestsFeature = 39;
inline constexpr int NotSupported = 40;
inline constexpr int Rs485 = 41;
inline constexpr int Ttl = 42;
inline constexpr int Input = 43;
inline constexpr int Output = 44;
inline constexpr int SlotNumber = 65083;
inline constexpr int CompactDevice = 65087;
inline constexpr int ModularDevice = 65088;
inline constexpr int AreaOrTextReference = 65090;
inline constexpr int DefaultValue = 65091;
inline constexpr int MinMaxOrAllowedValues = 65092;
inline constexpr int DataType = 65096;
inline constexpr int SlotName = 65114;
inline constexpr int Bit = 11001;
inline constexpr int Value = 11002;
inline constexpr int Error = 11003;
inline constexpr int Offset = 11004;
inline constexpr int Reference = 11005;
inline constexpr int PrmDataType = 11006;
inline constexpr int FirstBit = 11007;
inline constexpr int LastBit = 11008;
inline constexpr int ReferenceOffset = 11009;
inline constexpr int ReferenceNumber = 11010;
inline constexpr int SubsystemType = 11011;
inline constexpr int Index = 11012;
// Not a caption: action 0 of the Module row puts this text into form value 2.
inline constexpr int ConfigString = 11013;
} // namespace caption

} // namespace kvf
