// Extras > User Keys...: the list of registered keys, and Edit and Remove, which change the
// settings and check the open documents again.
#include "FrameFixture.h"

#include "app/LiveCheck.h"
#include "app/UserKeyDialog.h"
#include "app/UserKeyListDialog.h"
#include "core/SettingsStore.h"
#include "views/CKVFTreeView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace kvf;

namespace {

const QByteArray kDevice = "#TALVERON_DP\r\n"
                           "Vendor_Name = \"ACME\"\r\n"
                           "MY_KEY = 300\r\n"
                           "MY_TEXT = \"A longer text\"\r\n";
constexpr int kKeyLine = 2;  // 0-based line of MY_KEY
constexpr int kTextLine = 3; // and of MY_TEXT

// Runs `act` on the next modal window of type T once it is up.
template <typename T> void WhenModalOpens(std::function<void(T*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(window);
        act(window);
    });
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

QString GroupOfNode(QAbstractItemView* tree, const QString& label) {
    QAbstractItemModel* model = tree->model();
    QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, label, 1,
                                         Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? QString() : found.first().parent().data().toString();
}

} // namespace

class UserKeyListTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

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
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        f.frame->Check();
        QCOMPARE(RowsOf(f, "MY_TEXT").size(), 1); // longer than 4 characters
        QCOMPARE(GroupOfNode(child->TreeView(), "MY_TEXT (4)"), QString("General Keys"));

        WhenModalOpens<UserKeyListDialog>([](UserKeyListDialog* list) {
            QVERIFY(SelectKey(list, "MY_TEXT"));
            WhenModalOpens<UserKeyDialog>([](UserKeyDialog* dialog) {
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
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        f.frame->Check();
        QCOMPARE(RowsOf(f, "MY_KEY"),
                 QStringList{"Error\tLine 3\tKey \"MY_KEY\": Value exceeds limit (UCHAR: 0..255 "
                             "(unsigned 8 Bit))!"});
        QVERIFY(KeyColoured(child, kKeyLine));

        child->Live().SetPause(60'000); // only a check asked for at once starts
        child->Live().WaitForRunning();
        QSignalSpy liveChecks(&child->Live(), &LiveCheck::started);
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            WhenModalOpens<UserKeyListDialog>([answer](UserKeyListDialog* list) {
                QVERIFY(SelectKey(list, "MY_KEY"));
                WhenModalOpens<QMessageBox>([answer](QMessageBox* question) {
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

        QVERIFY(!liveChecks.isEmpty() || liveChecks.wait(2000)); // the marks follow too
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

QTEST_MAIN(UserKeyListTest)
#include "UserKeyListTest.moc"
