// The main window's menus and toolbar as the user sees them: every command in its place, with
// its text, key and enabling, without and with a document. The commands are declared in one
// table (FrameCommands.cpp); this pins what is built from it.
#include "FrameFixture.h"

#include "app/HelpTopics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace kvf;

namespace {

// Without a document: "name|text|keys|where the keys act (the focused view only: widget, a
// document window: document)|checked|enabled".
const char* const kMenusWithoutDocument = R"(&File
  cmd_file_new|&New|Ctrl+N|||on
  cmd_file_open|&Open...|Ctrl+O|||on
  cmd_file_close|&Close||||off
  cmd_file_save|&Save|Ctrl+S|||off
  cmd_file_saveas|Save &As...|Ctrl+Shift+S|||off
  -
  cmd_file_print|&Print...|Ctrl+P|||off
  cmd_file_preview|Print Pre&view||||off
  cmd_file_setup|P&rint Setup...||||on
  -
  Recent &Files (disabled)
  -
  cmd_file_exit|E&xit|Ctrl+Q|||on
&Edit
  cmd_edit_undo|&Undo|Ctrl+Z|document||off
  cmd_edit_redo|&Redo|Ctrl+Y, Ctrl+Shift+Z|document||off
  -
  cmd_edit_cut|Cu&t|Ctrl+X|widget||off
  cmd_edit_copy|&Copy|Ctrl+C|widget||off
  cmd_edit_paste|&Paste|Ctrl+V|widget||off
  -
  cmd_edit_find|&Find...|Ctrl+F|||off
  cmd_edit_findnext|Find &Next|F3|||off
  cmd_edit_findprev|Find Pre&vious|Shift+F3|||off
  cmd_edit_replace|R&eplace...|Ctrl+R|||off
  -
  cmd_edit_goto|&Go To Line...|Ctrl+G|||off
&View
  cmd_view_toolbar|&Toolbar|||[x]|on
  cmd_view_flatbar|&Flat Toolbar|||[x]|on
  cmd_view_statusbar|&Status Bar|||[x]|on
  cmd_view_output|&Output|||[x]|on
  -
  cmd_view_tabbed|Ta&bbed Documents|||[ ]|on
E&xtras
  cmd_extras_rebuild|&Rebuild|F5|||off
  cmd_extras_check|&Check KVF|F7|||off
  cmd_extras_variants|Compare &Language Variants||||off
  -
  cmd_extras_userkeys|&User Keys...||||on
  cmd_extras_settings|&Settings...||||on
&Window
  cmd_window_cascade|&Cascade||||off
  cmd_window_tile_horz|Tile &Horizontally||||off
  cmd_window_tile_vert|Tile &Vertically||||off
  cmd_window_arrange|&Arrange Icons||||off
  cmd_window_split|S&plit||||off
  -
&Help
  cmd_help_index|Help &Index||||on
  cmd_help_context|Help &Finder|F1|||on
  -
  cmd_help_about|&About KVF_Ed...||||on
)";

QString Describe(QMenu* menu, const QString& indent) {
    QString out;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            out += indent + "-\n";
        } else if (action->menu()) {
            out += indent + action->text() + (action->isEnabled() ? "" : " (disabled)") + "\n";
            out += Describe(action->menu(), indent + "  ");
        } else {
            const QString scope = action->shortcutContext() == Qt::WidgetShortcut ? "widget"
                                  : action->shortcutContext() == Qt::WidgetWithChildrenShortcut
                                      ? "document"
                                      : "";
            const QString checked =
                action->isCheckable() ? (action->isChecked() ? "[x]" : "[ ]") : "";
            QStringList keys;
            for (const QKeySequence& key : action->shortcuts())
                keys << key.toString();
            out += indent +
                   QStringList{action->objectName(),
                               action->text(),
                               keys.join(", "),
                               scope,
                               checked,
                               action->isEnabled() ? "on" : "off"}
                       .join('|') +
                   "\n";
        }
    }
    return out;
}

QString DescribeMenus(CMainFrame& frame) {
    QString out;
    for (QAction* top : frame.menuBar()->actions())
        out += top->text() + "\n" + Describe(top->menu(), "  ");
    return out;
}

QStringList ToolBarNames(CMainFrame& frame) {
    QStringList names;
    for (QAction* action : frame.MainToolBar()->actions())
        names << (action->isSeparator() ? "-" : action->objectName());
    return names;
}

} // namespace

class MainMenusTest : public QObject {
    Q_OBJECT
  private slots:
    void menusInTheirOrderWithKeysAndEnabling() {
        FrameFixture f;
        QCOMPARE(DescribeMenus(*f.frame).split('\n'), QString(kMenusWithoutDocument).split('\n'));
        // With a document every command can be used.
        f.frame->NewDocument();
        QCOMPARE(DescribeMenus(*f.frame).split('\n'),
                 QString(kMenusWithoutDocument).replace("|off", "|on").split('\n'));
    }

    // F1 on a command opens the page named after it: every command of the menus has one.
    void everyCommandHasItsHelpPage() {
        for (const FrameMenu& menu : FrameMenus())
            for (std::string_view item : menu.Items)
                if (item != kSeparator && item != kRecentFilesItem && item != kWindowListItem)
                    QVERIFY2(HelpContextNamed(item) != HelpContext::Other, item.data());
    }

    void toolBarShowsTheCommandsWithIcons() {
        FrameFixture f;
        // The editing commands take their icons from the icon theme, which may have none.
        QStringList editing;
        for (const char* name : {"cmd_edit_cut", "cmd_edit_copy", "cmd_edit_paste"})
            if (!f.frame->Command(name)->icon().isNull())
                editing << name;
        QCOMPARE(
            ToolBarNames(*f.frame),
            QStringList({"cmd_file_new", "cmd_file_open", "cmd_file_save", "-"}) + editing +
                QStringList({"cmd_file_print", "-", "cmd_extras_rebuild", "cmd_extras_check"}));
        for (const char* name : {"cmd_file_new", "cmd_file_open", "cmd_file_save", "cmd_file_print",
                                 "cmd_extras_rebuild", "cmd_extras_check"})
            QVERIFY2(!f.frame->Command(name)->icon().isNull(), name);
    }

    void windowMenuListsTheOpenWindows() {
        FrameFixture f;
        f.frame->NewDocument();
        f.frame->NewDocument();
        QMenu* window = nullptr;
        for (QAction* top : f.frame->menuBar()->actions())
            if (top->text() == "&Window")
                window = top->menu();
        QVERIFY(window);
        for (int shown = 0; shown < 2; ++shown) { // opened twice: the list is not repeated
            emit window->aboutToShow();
            QList<QAction*> actions = window->actions();
            QCOMPARE(actions.size(), 8);
            QCOMPARE(actions[6]->text(), QString("&1 KVF1"));
            QCOMPARE(actions[7]->text(), QString("&2 KVF2"));
            QVERIFY(actions[7]->isChecked());
        }
    }
};

QTEST_MAIN(MainMenusTest)
#include "MainMenusTest.moc"
