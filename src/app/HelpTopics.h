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
    EditCut,
    EditCopy,
    EditPaste,
    EditFind,
    EditReplace,
    ViewToolbar,
    ViewFlatToolbar,
    ViewStatusBar,
    ViewOutput,
    ExtrasRebuild,
    ExtrasCheck,
    ExtrasSettings,
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

// The page every other help request falls back to; it also lists all pages.
inline constexpr std::string_view kDefaultHelpPage = "default.htm";

} // namespace kvf
