// The keyword tree: its nodes for a modular slave, selection in both directions between
// tree, text and input form, the stale-database check, the context menu's commands.
#include "FrameFixture.h"

#include "catalogue/KeywordDispatcher.h"
#include "views/CKVFTreeView.h"

#include "views/CInputView.h"
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace kvf;

namespace {

// A modular slave: two modules, a slot block, a repeated key and a key of no catalogue row.
const QByteArray kModular = "#TALVERON_DP\r\n"
                            "KVF_Revision=3\r\n"
                            "Vendor_Name=\"ACME\"\r\n"
                            "Model_Name=\"Modular IO\"\r\n"
                            "Station_Type=0\r\n"
                            "Modular_Station=1\r\n"
                            "Max_Module=2\r\n"
                            "Auto_Baud_supp=1\r\n"
                            "Module=\"8 DI\" 0x10\r\n"
                            "1\r\n"
                            "EndModule\r\n"
                            "Module=\"4 DO\" 0x20\r\n"
                            "2\r\n"
                            "EndModule\r\n"
                            "SlotDefinition\r\n"
                            "Slot(1)=\"Head\" 1 1-2\r\n"
                            "EndSlotDefinition\r\n"
                            "; a comment\r\n"
                            "Vendor_Name=\"Again\"\r\n"
                            "My_Key=5\r\n";

// The tree as indented labels, with the image number of each node.
void Dump(const KeywordTreeModel& model, const QModelIndex& node, int depth, QStringList& out) {
    out << QString(depth * 2, u' ') + model.Label(node) + " [" +
               QString::number(model.data(node, KeywordTreeModel::kImageRole).toInt()) + "]";
    for (int row = 0; row < model.rowCount(node); ++row)
        Dump(model, model.index(row, 0, node), depth + 1, out);
}

QStringList Dump(CKVFTreeView* tree) {
    QStringList out;
    Dump(tree->Model(), tree->Model().RootIndex(), 0, out);
    return out;
}

QModelIndex Find(CKVFTreeView* tree, const QString& label) {
    QModelIndexList found = tree->Model().match(tree->Model().RootIndex(), Qt::DisplayRole, label,
                                                1, Qt::MatchRecursive | Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.first();
}

} // namespace

class KeywordTreeTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes) {
        return f.frame->OpenPaths({f.Write("dev.kvf", bytes)}, false).first();
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void modularSlaveTreeIsGroupedSortedAndExpanded() {
        FrameFixture f;
        CKVFTreeView* tree = Open(f, kModular)->TreeView();
        const QStringList expected = {
            "ORVEL KVF-File [5]",
            "  General Keys [10]",
            "    KVF_Revision (2) [1]",
            "    Model_Name (4) [0]",
            "    Station_Type (5) [1]",
            "    Vendor_Name (19) [0]",
            "    Vendor_Name (3) [0]",
            "  Master DP-Extension [16]",
            "  Master Keys [3]",
            "  Module Assignment [13]",
            "    SlotDefinition (15) [7]",
            "      EndSlotDefinition (17) [0]",
            "      Slot (16) [0]",
            "  Physical interfaces [12]",
            "  Slave Data Exchange [15]",
            "  Slave DP-Extension [14]",
            "  Slave Keys [4]",
            "    Auto_Baud_supp (8) [2]",
            "    Max_Module (7) [1]",
            "    Modular_Station (6) [2]",
            "    Module (12) [7]",
            "      EndModule (14) [0]",
            "      Module_Reference (13) [1]",
            "    Module (9) [7]",
            "      EndModule (11) [0]",
            "      Module_Reference (10) [1]",
            "  User-defined Keys [6]",
            "    My_Key (20) [9]",
        };
        QCOMPARE(Dump(tree), expected);
        // Every node is expanded, root and groups are bold, the root is selected.
        QVERIFY(tree->isExpanded(Find(tree, "Module (9)")));
        QVERIFY(tree->isExpanded(Find(tree, "Master Keys")));
        QVERIFY(tree->Model().data(Find(tree, "Slave Keys"), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!tree->Model().data(Find(tree, "Max_Module (7)"), Qt::FontRole).isValid());
        QCOMPARE(tree->currentIndex(), tree->Model().RootIndex());
        // Each entry knows its node.
        const CKeyDatabase& database = f.frame->ActiveChild()->Doc().Engine().Database;
        for (std::size_t i = 0; i < database.Count(); ++i)
            QVERIFY(database.TreeNode(i) != nullptr);
    }

    void emptyDocumentShowsNoDatabase() {
        FrameFixture f;
        CKVFTreeView* tree = f.frame->NewDocument()->TreeView();
        QCOMPARE(Dump(tree), QStringList({"ORVEL KVF-File [5]", "  no database [8]"}));
    }

    void moduleEntryBeforeAnyBlockGoesToUserDefinedKeys() {
        FrameFixture f;
        CKVFTreeView* tree = Open(f, "#TALVERON_DP\r\nArea_Name=\"A\"\r\n")->TreeView();
        QCOMPARE(tree->Model().Label(tree->Model().parent(Find(tree, "Area_Name (2)"))),
                 QString("User-defined Keys"));
    }

    void selectingAnEntrySyncsTextAndForm() {
        FrameFixture f;
        CChildFrame* child = Open(f, kModular);
        CKVFTreeView* tree = child->TreeView();
        tree->setCurrentIndex(Find(tree, "Max_Module (7)"));
        QVERIFY(child->Focus().CurrentEntry != nullptr);
        QCOMPARE(child->Focus().CurrentEntry->Key, std::string("Max_Module"));
        QCOMPARE(child->TextView()->textCursor().blockNumber(), 6);
        QCOMPARE(child->TextView()->textCursor().selectedText(), QString("Max_Module=2"));
        QCOMPARE(child->Focus().InputForm.FormKind, InputForm::Number);
        QCOMPARE(child->Focus().InputForm.Values[0], std::string("2"));

        // A group shows the about text and the top of the file; the caret stays.
        tree->setCurrentIndex(Find(tree, "Slave Keys"));
        QCOMPARE(child->Focus().InputForm.FormKind, InputForm::None);
        QCOMPARE(child->TextView()->verticalScrollBar()->value(), 0);
        QCOMPARE(child->TextView()->textCursor().blockNumber(), 6);
    }

    void lineSearchSelectsTheEntryWithoutMovingTheText() {
        FrameFixture f;
        CChildFrame* child = Open(f, kModular);
        CKVFTreeView* tree = child->TreeView();
        child->TextView()->SelectLine(2);
        tree->SelectEntryForLine(12); // Module_Reference of the second module
        QCOMPARE(tree->Model().Label(tree->currentIndex()), QString("Module_Reference (13)"));
        QCOMPARE(child->Focus().CurrentEntry->m_Ready[0], std::string("2"));
        QCOMPARE(child->TextView()->textCursor().blockNumber(), 2);
        QVERIFY(f.alerts.isEmpty());

        // A comment line has no entry.
        tree->SelectEntryForLine(17);
        QCOMPARE(f.alerts, QStringList({"No Tree-Entry found!"}));
    }

    void outputRowNavigationSelectsTheEntry() {
        FrameFixture f;
        CChildFrame* child = Open(f, kModular);
        f.frame->Check();
        CMyListBoxBar* output = f.frame->OutputWindow();
        int row = 0;
        while (row < output->RowCount() && output->CellText(row, 1) != "Line 20")
            ++row;
        QVERIFY2(row < output->RowCount(), qPrintable(f.Rows().join('\n')));
        output->NavigateFromRow(row);
        QCOMPARE(child->TreeView()->Model().Label(child->TreeView()->currentIndex()),
                 QString("My_Key (20)"));
        QCOMPARE(child->TextView()->textCursor().blockNumber(), 19);
    }

    // With the check as you type off (on, the click waits for its check instead).
    void editedKeyLineDisablesTreeAndInputUntilRebuild() {
        FrameFixture f;
        f.store->SetInt("Settings", "LiveCheck", 0);
        CChildFrame* child = Open(f, kModular);
        CKVFTreeView* tree = child->TreeView();
        QTextCursor cursor(child->Doc().Text().findBlockByNumber(6));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText("Max_Modules_Gone=2");
        cursor = QTextCursor(child->Doc().Text().findBlockByNumber(1));
        cursor.insertText("; ");

        tree->setCurrentIndex(Find(tree, "KVF_Revision (2)"));
        QVERIFY(!tree->isEnabled());
        QVERIFY(!child->InputView()->isEnabled());
        QCoreApplication::processEvents(); // the message shows after the tree's handler
        QCOMPARE(f.alerts.size(), 1);
        QCOMPARE(f.alerts.first(), QString("The internal database informations\nneed an update. "
                                           "Please use REBUILD\nin the EXTRAS menu or press F5."));
        // A disabled tree ignores line searches and rebuilds of its own.
        tree->SelectEntryForLine(2);
        QCOMPARE(f.alerts.size(), 1);

        f.frame->Rebuild();
        QVERIFY(tree->isEnabled());
        QVERIFY(child->InputView()->isEnabled());
        QVERIFY(Find(tree, "Max_Modules_Gone (7)").isValid());
        QVERIFY(!Find(tree, "KVF_Revision (2)").isValid());
    }

    void checkSyntaxChecksTheOneEntry() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\r\nKVF_Revision=3\r\nStation_Type=7\r\n");
        CKVFTreeView* tree = child->TreeView();
        tree->CheckSyntax();
        QCOMPARE(f.alerts, QStringList({"No database exists."}));

        tree->setCurrentIndex(Find(tree, "Station_Type (3)"));
        tree->CheckSyntax();
        QStringList rows = f.Rows();
        QCOMPARE(rows.first(), QString("Info\t---\tStart Syntax-Check..."));
        QCOMPARE(rows.last(), QString("Info\t---\tStop Syntax-Check..."));
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("Error\tLine 3\t"), qPrintable(rows[1]));

        tree->setCurrentIndex(Find(tree, "KVF_Revision (2)"));
        tree->CheckSyntax();
        QCOMPARE(f.Rows(), QStringList({"Info\t---\tStart Syntax-Check...",
                                        "Info\t---\t... check finished without errors.",
                                        "Info\t---\tStop Syntax-Check..."}));

        // The entry's line was edited: after the rebuild it is not found again.
        tree->setCurrentIndex(Find(tree, "KVF_Revision (2)"));
        QTextCursor cursor(child->Doc().Text().findBlockByNumber(1));
        cursor.insertText("\n");
        tree->CheckSyntax();
        QCOMPARE(f.alerts.last(), QString("The contents of the editor changed. Please choose\n"
                                          "\"Check KVF\" from the \"Extras\" menu."));
    }

    void detailsBoxListsTheEntryFields() {
        FrameFixture f;
        CChildFrame* child = Open(f, kModular);
        CKVFTreeView* tree = child->TreeView();
        tree->setCurrentIndex(Find(tree, "Slot (16)"));
        tree->ShowDetails();
        QVERIFY(tree->DetailsBox() != nullptr);
        QCOMPARE(tree->DetailsBox()->windowTitle(), QString("Object Details..."));
        QStringList lines =
            tree->DetailsBox()->findChild<QPlainTextEdit*>("details")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[0], QString("Key: \"Slot\""));
        QCOMPARE(lines[2], QString("LongLine: 15"));
        QCOMPARE(lines[6], QString("Item-Index: 14 (#elements: 18, starts with 0)"));
        QCOMPARE(lines[7], QString("Type: TYPE_SIMPLE_STRING"));
        QCOMPARE(lines[8], QString("TreeGroup: PARENT_MODULE_ASSIGNMENT"));
        QCOMPARE(lines[9], QString("ModuleFlag: -"));
        QCOMPARE(lines.mid(11), QStringList({"m_Ready[0]: 1", "m_Ready[1]: Head", "m_Ready[2]: 1",
                                             "m_Ready[3]: 1-2"}));
    }

    void contextMenuOffersTheFourCommands() {
        FrameFixture f;
        CKVFTreeView* tree = Open(f, kModular)->TreeView();
        QMenu* menu = tree->CreateContextMenu();
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts,
                 QStringList({"Key Info", "Check Syntax", "User Key...", "Show Details..."}));
        delete menu;
        // Right button down selects the node under the cursor.
        QModelIndex node = Find(tree, "Max_Module (7)");
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualRect(node).center());
        QCOMPARE(tree->currentIndex(), node);
    }
};

QTEST_MAIN(KeywordTreeTest)
#include "KeywordTreeTest.moc"
