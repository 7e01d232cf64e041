#pragma once

#include <string_view>

namespace kvf {

// What a help request is about: a window, a menu command, or nothing in particular.
enum class HelpContext {
    MainWindow,
    ChildWindow,
    OutputWindow,
    Toolbar,
    StatusBar,
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FilePrint,
    FilePrintSetup,
    FilePrintPreview,
    FileRecentFile, // every entry of the recent-file list
    FileExit,
    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    EditFind,
    EditFindNext,
    EditFindPrevious,
    EditReplace,
    EditGoToLine,
    EditComplete, // the text view's list of words that may stand at the caret
    EditQuickFix, // the text view's fixes of a marked finding
    ViewToolbar,
    ViewFlatToolbar,
    ViewStatusBar,
    ViewOutput,
    ViewTabbedDocuments,
    ExtrasRebuild,
    ExtrasCheck,
    ExtrasVariants,
    ExtrasUserKeys,
    ExtrasSettings,
    ExtrasLiveCheck, // the "Check as you type" setting
    WindowCascade,
    WindowTileHorizontally,
    WindowTileVertically,
    WindowArrangeIcons,
    WindowSplit,
    WindowList,
    HelpIndex,
    HelpContextHelp,
    HelpAbout,
    Other,
};

// The help page of a context ("cmd_file_open.htm"); "default.htm" for anything else.
std::string_view HelpPageFor(HelpContext context);

// The context whose page is `name` + ".htm": a command's name ("cmd_edit_redo"), or the name
// of a dialog or one of its options given for its page; Other for any other name.
HelpContext HelpContextNamed(std::string_view name);

// The page every other help request falls back to; it also lists all pages.
inline constexpr std::string_view kDefaultHelpPage = "default.htm";

} // namespace kvf
