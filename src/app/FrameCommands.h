#pragma once

#include <QStyle>

#include <vector>

class QAction;

namespace kvf {

class CMainFrame;

// When a command of the main window can be used.
enum class Enabling {
    Always,
    WithDocument, // only while a document window is active
};

// Where a command's key acts.
enum class KeyScope {
    MainWindow,     // anywhere in the main window
    FocusedView,    // in the focused view only (text editing keys each view handles itself)
    DocumentWindow, // wherever the focus is in a document window
};

// A command's icon: the icon theme's, else the style's standard icon (SP_CustomBase: none).
struct CommandIcon {
    const char* Theme = nullptr;
    QStyle::StandardPixmap Standard = QStyle::SP_CustomBase;
};

// One command of the main window, declared once; the menus and the toolbar are built from
// these declarations. A command runs a handler, switches something on and off, or is the
// show/hide action a bar brings along.
struct FrameCommand {
    const char* Name;     // the action's object name, also its help page
    const char* Text;     // the menu text with its mnemonic
    int TextId = 0;       // when not 0: the string table's text (up to a tab) instead
    const char* Key = ""; // the shortcuts in portable text, separated by "; "
    void (CMainFrame::*Run)() = nullptr;
    void (CMainFrame::*Toggle)(bool) = nullptr; // a checkable command: what switching does
    bool (CMainFrame::*IsOn)() const = nullptr; // and whether it starts checked
    QAction* (CMainFrame::*Provided)() const = nullptr;
    Enabling When = Enabling::Always;
    CommandIcon Icon = {};
    KeyScope Scope = KeyScope::MainWindow;
};

// A menu of the main window, top to bottom: command names, kSeparator, and the places of the
// recent files and of the open windows.
struct FrameMenu {
    const char* Title;
    std::vector<const char*> Items;
};

inline constexpr const char* kSeparator = "-";
inline constexpr const char* kRecentFilesItem = "@recent";
inline constexpr const char* kWindowListItem = "@windows";

// The menus, and the toolbar's commands (a command without an icon is left off).
const std::vector<FrameMenu>& FrameMenus();
const std::vector<const char*>& FrameToolBar();

} // namespace kvf
