#include "app/HelpTopics.h"

namespace kvf {
namespace {

struct HelpPage {
    HelpContext Context;
    std::string_view Page;
};

constexpr HelpPage kHelpPages[] = {
    {HelpContext::MainWindow, "wnd_main.htm"},
    {HelpContext::ChildWindow, "wnd_child.htm"},
    {HelpContext::OutputWindow, "wnd_output.htm"},
    {HelpContext::Toolbar, "wnd_toolbar.htm"},
    {HelpContext::StatusBar, "wnd_statusbar.htm"},
    {HelpContext::FileNew, "cmd_file_new.htm"},
    {HelpContext::FileOpen, "cmd_file_open.htm"},
    {HelpContext::FileClose, "cmd_file_close.htm"},
    {HelpContext::FileSave, "cmd_file_save.htm"},
    {HelpContext::FileSaveAs, "cmd_file_saveas.htm"},
    {HelpContext::FilePrint, "cmd_file_print.htm"},
    {HelpContext::FilePrintSetup, "cmd_file_setup.htm"},
    {HelpContext::FilePrintPreview, "cmd_file_preview.htm"},
    {HelpContext::FileRecentFile, "cmd_file_mru.htm"},
    {HelpContext::FileExit, "cmd_file_exit.htm"},
    {HelpContext::EditUndo, "cmd_edit_undo.htm"},
    {HelpContext::EditRedo, "cmd_edit_redo.htm"},
    {HelpContext::EditCut, "cmd_edit_cut.htm"},
    {HelpContext::EditCopy, "cmd_edit_copy.htm"},
    {HelpContext::EditPaste, "cmd_edit_paste.htm"},
    {HelpContext::EditFind, "cmd_edit_find.htm"},
    {HelpContext::EditFindNext, "cmd_edit_findnext.htm"},
    {HelpContext::EditFindPrevious, "cmd_edit_findprev.htm"},
    {HelpContext::EditReplace, "cmd_edit_replace.htm"},
    {HelpContext::EditGoToLine, "cmd_edit_goto.htm"},
    {HelpContext::EditComplete, "cmd_edit_complete.htm"},
    {HelpContext::EditQuickFix, "cmd_edit_quickfix.htm"},
    {HelpContext::ViewToolbar, "cmd_view_toolbar.htm"},
    {HelpContext::ViewFlatToolbar, "cmd_view_flatbar.htm"},
    {HelpContext::ViewStatusBar, "cmd_view_statusbar.htm"},
    {HelpContext::ViewOutput, "cmd_view_output.htm"},
    {HelpContext::ViewTabbedDocuments, "cmd_view_tabbed.htm"},
    {HelpContext::ExtrasRebuild, "cmd_extras_rebuild.htm"},
    {HelpContext::ExtrasCheck, "cmd_extras_check.htm"},
    {HelpContext::ExtrasVariants, "cmd_extras_variants.htm"},
    {HelpContext::ExtrasUserKeys, "cmd_extras_userkeys.htm"},
    {HelpContext::ExtrasSettings, "cmd_extras_settings.htm"},
    {HelpContext::ExtrasLiveCheck, "cmd_extras_livecheck.htm"},
    {HelpContext::WindowCascade, "cmd_window_cascade.htm"},
    {HelpContext::WindowTileHorizontally, "cmd_window_tile_horz.htm"},
    {HelpContext::WindowTileVertically, "cmd_window_tile_vert.htm"},
    {HelpContext::WindowArrangeIcons, "cmd_window_arrange.htm"},
    {HelpContext::WindowSplit, "cmd_window_split.htm"},
    {HelpContext::WindowList, "cmd_window_list.htm"},
    {HelpContext::HelpIndex, "cmd_help_index.htm"},
    {HelpContext::HelpContextHelp, "cmd_help_context.htm"},
    {HelpContext::HelpAbout, "cmd_help_about.htm"},
};

} // namespace

std::string_view HelpPageFor(HelpContext context) {
    for (const HelpPage& page : kHelpPages) {
        if (page.Context == context)
            return page.Page;
    }
    return kDefaultHelpPage;
}

HelpContext HelpContextNamed(std::string_view name) {
    constexpr std::string_view kExtension = ".htm";
    for (const HelpPage& page : kHelpPages) {
        if (page.Page.size() == name.size() + kExtension.size() && page.Page.starts_with(name) &&
            page.Page.ends_with(kExtension))
            return page.Context;
    }
    return HelpContext::Other;
}

} // namespace kvf
