// User Key...: the dialog's opening state and enabled fields, and the command that stores a
// registration and applies it at once to the entry, the tree, the check and the colours.
// Extras > User Keys...: the list of registered keys, and Edit and Remove, which change the
// settings and check the open documents again.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/LiveCheck.h"
#include "app/UserKeyDialog.h"
#include "app/UserKeyListDialog.h"
#include "core/SettingsStore.h"
#include "views/CKVFTreeView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <type_traits>

using namespace kvf;

namespace {

const QByteArray kDevice = "#TALVERON_DP\r\n"
                           "Vendor_Name = \"ACME\"\r\n"
                           "MY_KEY = 300\r\n"
                           "my_key = 0xFF\r\n";
constexpr int kKeyLine = 2; // 0-based line of the first MY_KEY

// A file whose keys the list tests register: MY_TEXT's string is 13 characters long.
const QByteArray kListDevice = "#TALVERON_DP\r\n"
                               "Vendor_Name = \"ACME\"\r\n"
                               "MY_KEY = 300\r\n"
                               "MY_TEXT = \"A longer text\"\r\n";
constexpr int kTextLine = 3; // 0-based line of MY_TEXT

// Runs `act` on the next modal window of type T once it is up.
template <typename T = UserKeyDialog>
void WhenDialogOpens(std::type_identity_t<std::function<void(T*)>> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(window);
        act(window);
    });
}

CDbEntry& EntryOnLine(CChildFrame* child, int line) {
    for (CDbEntry& entry : child->Doc().Engine().Database)
        if (entry.LongLine == line)
            return entry;
    qFatal("no entry on line %d", line);
}

QStringList Rows(QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(i)->text(column);
        rows << cells.join('|');
    }
    return rows;
}

bool SelectKey(UserKeyListDialog* dialog, const QString& key) {
    const QList<QTreeWidgetItem*> found = dialog->List()->findItems(key, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    dialog->List()->setCurrentItem(found.first());
    return dialog->SelectedKey() == key;
}

// The output rows that name `key`.
QStringList RowsOf(const FrameFixture& f, const QString& key) {
    return f.Rows().filter(key);
}

// Whether the line's first word is coloured as a keyword.
bool KeyColoured(CChildFrame* child, int line) {
    for (const QTextLayout::FormatRange& range :
         child->Doc().Text().findBlockByNumber(line).layout()->formats())
        if (range.start == 0)
            return true;
    return false;
}

// The label of the group node above the tree node labelled `label`.
QString GroupOfNode(QAbstractItemView* tree, const QString& label) {
    QAbstractItemModel* model = tree->model();
    QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, label, 1,
                                         Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? QString() : found.first().parent().data().toString();
}

} // namespace

class UserKeyDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void opensWithTheEntrysSettings_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<unsigned>("treeGroup");
        QTest::addColumn<int>("dataTypeButton");
        QTest::addColumn<int>("groupButton");
        QTest::addColumn<bool>("rangeEnabled");
        QTest::newRow("unknown key") << int(TYPE_USER_KEY) << 0u << 0 << -1 << true;
        QTest::newRow("integer, master")
            << int(TYPE_SIMPLE_UINT) << unsigned(PARENT_MASTER) << 1 << 2 << true;
        QTest::newRow("bool, slave")
            << int(TYPE_SIMPLE_BOOL) << unsigned(PARENT_SLAVE) << 2 << 1 << false;
        QTest::newRow("octets, module")
            << int(TYPE_OCTET_STRING) << unsigned(PARENT_MODULE) << 3 << 3 << false;
        QTest::newRow("group without button")
            << int(TYPE_SIMPLE_STRING) << unsigned(PARENT_SLAVE_EXT) << 0 << -1 << true;
    }
    void opensWithTheEntrysSettings() {
        QFETCH(int, type);
        QFETCH(unsigned, treeGroup);
        QFETCH(int, dataTypeButton);
        QFETCH(int, groupButton);
        QFETCH(bool, rangeEnabled);
        MemorySettingsStore settings;
        CDbEntry entry("MY_KEY", "= 1", 0, 0);
        entry.Type = type;
        entry.TreeGroup = treeGroup;
        entry.RangeLen = "10-20";
        UserKeyDialog dialog(settings, entry);
        QCOMPARE(dialog.windowTitle(), QString("Change Settings for User-defined Key..."));
        QCOMPARE(dialog.DataTypeIndex(), dataTypeButton);
        QCOMPARE(dialog.GroupIndex(), groupButton);
        QCOMPARE(dialog.RangeText(), QString("10-20"));
        QCOMPARE(dialog.RangeField()->isEnabled(), rangeEnabled);
        QCOMPARE(dialog.RangeLabel()->isEnabled(), rangeEnabled);
        QCOMPARE(dialog.SummaryBox()->toPlainText(), QString("..no keys defined.."));
        QVERIFY(dialog.SummaryBox()->isReadOnly());
    }

    void dataTypeSwitchesTheRangeField() {
        MemorySettingsStore settings;
        settings.SetString("UserKeys", "Summary", "A_KEY,B_KEY,");
        CDbEntry entry("MY_KEY", "= 1", 0, 0);
        UserKeyDialog dialog(settings, entry);
        QCOMPARE(dialog.SummaryBox()->toPlainText(), QString("A_KEY,B_KEY,"));
        const QList<std::pair<int, bool>> steps = {{2, false}, {1, true}, {3, false}, {0, true}};
        for (auto [button, enabled] : steps) {
            dialog.DataTypeButtons()->button(button)->click();
            QCOMPARE(dialog.DataTypeIndex(), button);
            QCOMPARE(dialog.RangeField()->isEnabled(), enabled);
            QCOMPARE(dialog.RangeLabel()->isEnabled(), enabled);
        }
    }

    // A String takes a length or nothing; the hint beside the field says what the field takes.
    void stringNeedsALengthOrNothing() {
        MemorySettingsStore settings;
        CDbEntry entry("MY_KEY", "= 1", 0, 0);
        entry.Type = TYPE_SIMPLE_STRING;
        UserKeyDialog dialog(settings, entry);
        struct Step {
            int Button;
            const char* Range;
            bool Ok;
            const char* Hint;
        };
        const Step steps[] = {
            {0, "", true, "Maximum length; empty: no limit"},
            {0, "12", true, "Maximum length; empty: no limit"},
            {0, "UCHAR", false, "A number of characters, or empty for no limit"},
            {1, "UCHAR", true, "UCHAR ... INT, a value, 1,2,5 or Min-Max"},
            {2, "UCHAR", true, "Not used"},
            {0, "-3", false, "A number of characters, or empty for no limit"},
        };
        for (const Step& step : steps) {
            dialog.DataTypeButtons()->button(step.Button)->click();
            dialog.RangeField()->setText(step.Range);
            QCOMPARE(dialog.OkButton()->isEnabled(), step.Ok);
            QCOMPARE(dialog.RangeHint()->text(), QString(step.Hint));
        }
    }

    void withoutCurrentEntryNoDialogOpens() {
        FrameFixture f;
        f.frame->OnUserKey();
        QCOMPARE(f.alerts, QStringList{"No database exists."});
        // An entry of a document that was closed is no current entry either.
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        CDbEntry outside("MY_KEY", "= 1", 0, 0);
        child->Focus().CurrentEntry = &outside;
        f.frame->OnUserKey();
        QCOMPARE(f.alerts.size(), 2);
        QVERIFY(child);
    }

    void okStoresAndAppliesAtOnce() {
        FrameFixture f;
        f.store->SetInt("Settings", "Syntax", 1);
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        CDbEntry& entry = EntryOnLine(child, kKeyLine);
        CDbEntry& twin = EntryOnLine(child, kKeyLine + 1);
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_KEY (3)"), QString("User-defined Keys"));
        // As the user asks: the node selected, then User Key... of the tree's context menu.
        child->TreeView()->SelectEntryForLine(kKeyLine);
        QCOMPARE(child->Focus().CurrentEntry, &entry);
        QMenu* menu = child->TreeView()->CreateContextMenu();
        QAction* userKey = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == "User Key...")
                userKey = action;
        QVERIFY(userKey);

        child->Live().SetPause(60'000); // only a check asked for at once starts
        child->Live().WaitForRunning();
        QSignalSpy liveChecks(&child->Live(), &LiveCheck::started);
        // The command runs after the menu's handler; its dialog opens then.
        userKey->trigger();
        delete menu;
        WhenDialogOpens([](UserKeyDialog* dialog) {
            dialog->DataTypeButtons()->button(1)->click();
            dialog->GroupButtons()->button(2)->click();
            dialog->RangeField()->setText("UCHAR");
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        // The marks in the text are checked again.
        QVERIFY(WaitForSignals(liveChecks));

        QCOMPARE(f.store->GetString("UserKeys", "MY_KEY", ""), std::string("1;2;UCHAR"));
        QCOMPARE(f.store->GetString("UserKeys", "Summary", ""), std::string("MY_KEY,"));
        QCOMPARE(entry.Type, int(TYPE_SIMPLE_UINT));
        QCOMPARE(entry.TreeGroup, unsigned(PARENT_MASTER));
        QCOMPARE(entry.RangeLen, std::string("UCHAR"));
        // The same key elsewhere in the file is classified by the registration too.
        QCOMPARE(twin.TreeGroup, unsigned(PARENT_MASTER));
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_KEY (3)"), QString("Master Keys"));
        QCOMPARE(GroupOfNode(child->TreeView(), "my_key (4)"), QString("Master Keys"));
        QCOMPARE(f.Rows(), (QStringList{
                               "Info\t---\tStart Syntax-Check...",
                               "Error\tLine 3\tKey \"MY_KEY\": Value exceeds limit (UCHAR: 0..255 "
                               "(unsigned 8 Bit))!",
                               "Info\t---\tStop Syntax-Check...",
                           }));
        // Coloured as a keyword now that it is registered.
        QTextBlock line = child->Doc().Text().findBlockByNumber(kKeyLine);
        QVERIFY(!line.layout()->formats().isEmpty());

        // The twin passes its check: the frame rows say so.
        child->Focus().CurrentEntry = &twin;
        WhenDialogOpens([](UserKeyDialog* dialog) {
            QCOMPARE(dialog->DataTypeIndex(), 1);
            QCOMPARE(dialog->GroupIndex(), 2);
            QCOMPARE(dialog->RangeText(), QString("UCHAR"));
            QCOMPARE(dialog->SummaryBox()->toPlainText(), QString("MY_KEY,"));
            dialog->accept();
        });
        f.frame->OnUserKey();
        QCOMPARE(f.store->GetString("UserKeys", "Summary", ""), std::string("MY_KEY,"));
        QCOMPARE(f.Rows(), (QStringList{"Info\t---\tStart Syntax-Check...",
                                        "Info\t---\t... check finished without errors.",
                                        "Info\t---\tStop Syntax-Check..."}));
    }

    void cancelChangesNothing() {
        FrameFixture f;
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        CDbEntry& entry = EntryOnLine(child, kKeyLine);
        const int type = entry.Type;
        const unsigned group = entry.TreeGroup;
        child->Focus().CurrentEntry = &entry;
        const int rows = f.frame->OutputWindow()->RowCount();
        WhenDialogOpens([](UserKeyDialog* dialog) {
            dialog->DataTypeButtons()->button(1)->click();
            dialog->GroupButtons()->button(2)->click();
            dialog->reject();
        });
        f.frame->OnUserKey();
        QCOMPARE(f.store->GetString("UserKeys", "MY_KEY", ""), std::string());
        QCOMPARE(f.store->GetString("UserKeys", "Summary", "none"), std::string("none"));
        QCOMPARE(entry.Type, type);
        QCOMPARE(entry.TreeGroup, group);
        QCOMPARE(f.frame->OutputWindow()->RowCount(), rows);
    }

    void registrationClassifiesTheNextBuild() {
        FrameFixture f;
        f.store->SetString("UserKeys", "MY_KEY", "2;1;");
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        QCOMPARE(EntryOnLine(child, kKeyLine).Type, int(TYPE_SIMPLE_BOOL));
        QCOMPARE(GroupOfNode(child->TreeView(), "my_key (4)"), QString("Slave Keys"));
    }

    void listShowsEachRegisteredKey() {
        MemorySettingsStore settings;
        settings.SetString("UserKeys", "Summary", "MY_KEY,MY_TEXT,FLAG,NAME,BYTES,");
        settings.SetString("UserKeys", "MY_KEY", "1;2;UCHAR");
        settings.SetString("UserKeys", "MY_TEXT", "0;0;");
        settings.SetString("UserKeys", "FLAG", "2;1;");
        settings.SetString("UserKeys", "NAME", "0;6;8");
        settings.SetString("UserKeys", "BYTES", "3;3;");
        UserKeyListDialog dialog(settings);
        QCOMPARE(Rows(dialog.List()), (QStringList{
                                          "BYTES|Octet String|not used|Module",
                                          "FLAG|Bool|not used|Slave",
                                          "MY_KEY|Integer|UCHAR|Master",
                                          "MY_TEXT|String|no limit|General KVF",
                                          "NAME|String|8|Slave DP-Extension",
                                      }));
        QCOMPARE(dialog.SelectedKey(), QString("BYTES"));
        QVERIFY(dialog.EditButton()->isEnabled());
        QVERIFY(dialog.RemoveButton()->isEnabled());

        MemorySettingsStore none;
        UserKeyListDialog empty(none);
        QCOMPARE(Rows(empty.List()), QStringList{"..no keys defined..|||"});
        QCOMPARE(empty.SelectedKey(), QString());
        QVERIFY(!empty.EditButton()->isEnabled());
        QVERIFY(!empty.RemoveButton()->isEnabled());
    }

    void editChangesTheKeyAndChecksTheDocumentAgain() {
        FrameFixture f;
        f.store->SetString("UserKeys", "MY_TEXT", "0;0;4");
        f.store->SetString("UserKeys", "Summary", "MY_TEXT,");
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kListDevice)}, false).first();
        f.frame->Check();
        QCOMPARE(RowsOf(f, "MY_TEXT").size(), 1); // longer than 4 characters
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_TEXT (4)"), QString("General Keys"));

        WhenDialogOpens<UserKeyListDialog>([](UserKeyListDialog* list) {
            QVERIFY(SelectKey(list, "MY_TEXT"));
            WhenDialogOpens<UserKeyDialog>([](UserKeyDialog* dialog) {
                // It opens with the key's values.
                QCOMPARE(dialog->DataTypeIndex(), 0);
                QCOMPARE(dialog->GroupIndex(), 0);
                QCOMPARE(dialog->RangeText(), QString("4"));
                dialog->GroupButtons()->button(1)->click();
                dialog->RangeField()->clear(); // no limit
                dialog->OkButton()->click();
            });
            list->EditButton()->click();
            QCOMPARE(Rows(list->List()), QStringList{"MY_TEXT|String|no limit|Slave"});
            list->reject();
        });
        f.frame->Command("cmd_extras_userkeys")->trigger();

        QCOMPARE(f.store->GetString("UserKeys", "MY_TEXT", ""), std::string("0;1;"));
        // The open document is classified and checked again with the new settings.
        QCOMPARE(RowsOf(f, "MY_TEXT"), QStringList());
        QVERIFY(!f.Rows().isEmpty());
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_TEXT (4)"), QString("Slave Keys"));
    }

    void removeAsksThenRemovesAndChecksAgain() {
        FrameFixture f;
        f.store->SetInt("Settings", "Syntax", 1);
        f.store->SetString("UserKeys", "MY_KEY", "1;2;UCHAR");
        f.store->SetString("UserKeys", "MY_TEXT", "0;0;");
        f.store->SetString("UserKeys", "Summary", "MY_KEY,MY_TEXT,");
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kListDevice)}, false).first();
        f.frame->Check();
        QCOMPARE(RowsOf(f, "MY_KEY"),
                 QStringList{"Error\tLine 3\tKey \"MY_KEY\": Value exceeds limit (UCHAR: 0..255 "
                             "(unsigned 8 Bit))!"});
        QVERIFY(KeyColoured(child, kKeyLine));

        child->Live().SetPause(60'000); // only a check asked for at once starts
        child->Live().WaitForRunning();
        QSignalSpy liveChecks(&child->Live(), &LiveCheck::started);
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            WhenDialogOpens<UserKeyListDialog>([answer](UserKeyListDialog* list) {
                QVERIFY(SelectKey(list, "MY_KEY"));
                WhenDialogOpens<QMessageBox>([answer](QMessageBox* question) {
                    QVERIFY(question->text().contains("\"MY_KEY\""));
                    question->button(answer)->click();
                });
                list->RemoveButton()->click();
                list->reject();
            });
            f.frame->Command("cmd_extras_userkeys")->trigger();
            if (answer == QMessageBox::No)
                QCOMPARE(f.store->GetString("UserKeys", "MY_KEY", ""), std::string("1;2;UCHAR"));
        }

        QVERIFY(WaitForSignals(liveChecks)); // the marks follow too
        QCOMPARE(f.store->GetString("UserKeys", "MY_KEY", "<absent>"), std::string("<absent>"));
        QCOMPARE(f.store->GetString("UserKeys", "Summary", ""), std::string("MY_TEXT,"));
        QCOMPARE(RowsOf(f, "MY_KEY"),
                 QStringList{"Warning\tLine 3\tKey \"MY_KEY\": Unknown key! Use context menu to "
                             "specify options for check."});
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_KEY (3)"), QString("User-defined Keys"));
        // No longer coloured as a keyword; the other registered key still is.
        QVERIFY(!KeyColoured(child, kKeyLine));
        QVERIFY(KeyColoured(child, kTextLine));
    }
};

QTEST_MAIN(UserKeyDialogTest)
#include "UserKeyDialogTest.moc"
