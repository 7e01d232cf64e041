#include "core/MessageParts.h"

namespace kvf::messages {
namespace {

// clang-format off
constexpr MessageDef kMessages[] = {
    // Entry database and file reader.
    {58, "Building Database..."},
    {65140, "Database is empty! Please check if the #TALVERON_DP entry exists."},
    {65149, "The internal database informations\nneed an update. Please use REBUILD\nin the EXTRAS menu or press F5."},
    {65160, "Type: ?TYPE_UNKNOWN?"},
    {65161, "Insufficent memory for creating\na new database entry!"},
    {65162, "Keyword %s found..."},
    {65163, "An error occours while building\nthe internal database!"},

    // Document load, save and backup.
    {65123, "Error: The current file is write-protected!"},
    {65124, "The selected file \"%s\" has the read-only flag.\nNo editing available until removing the flag!"},
    {65125, "The selected file \"%s\" is marked as a directory.\nEditing is only available for ASCII-files!"},
    {65126, "The selected file \"%s\" seems to be available only at several times. That may causes errors while editing!"},
    {65127, "The selected file \"%s\" seems to be a temporary file.\nThat may causes errors while editing!"},
    {65128, "The selected file \"%s\" has the system flag.\nNo editing available until removing the flag!"},
    {65129, "The selected file \"%s\" has the hidden flag.\nNo editing available until removing the flag!"},
    {65130, "Modified"},
    {65131, "Original"},
    {65164, "KVF-Files (*.kv*)|*.kv*|All Files (*.*)|*.*||"},
    {65165, "Could not create Backup File!"},
    {65166, "An Error occours while writing to Backup File!"},
    {65167, "Could not close Backup File!"},
    {65168, "Error while loading file!"},
    {65169, "Error while writing to file!"},
    {65170, "---"},

    // Rebuild and check run.
    {57345, "For Help, press F1"},
    {65132, "Please wait while performing the syntax check..."},
    {65133, "Please wait while performing the semantic check..."},
    {65146, "... check finished without errors."},
    {65171, "&Rebuild\tF5"},
    {65172, "&Check KVF\tF7"},
    {65173, "Skip semantic check"},
    {65174, "Fail Safe (Test only)"},
    {65175, "Could not update database!"},
    {65176, "An Error occours while writing to database!"},
    {65177, "Could not finalizing database!"},
    {65178, "Start Syntax-Check of file %s ..."},
    {65179, "Missing \".\"! File Name %s does not conform the 8.3 convention."},
    {65180, "Incorrect File Name Extension! File Name %s does not conform the format \"*.KV?\"."},
    {65181, "Too many \".\"! File Name %s does not conform the 8.3 convention."},
    {65182, "File Name too long! File Name %s does not conform the 8.3 convention."},
    {65183, "...stop syntax check"},
    {65184, "Start Semantic-Check of file %s ..."},
    {65185, "Insufficent memory to perform\nthe semantic check!"},
    {65186, "... stop semantic check"},
    {65187, "FailSafe-Mode: Skipping semantic check."},
};
// clang-format on

} // namespace

std::span<const MessageDef> CheckRunMessages() {
    return kMessages;
}

} // namespace kvf::messages
