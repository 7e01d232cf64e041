// A command that cannot do what was asked says so and changes nothing: a quick fix whose text
// moved on, or whose document was closed, or that would edit a read-only file; a registration
// the settings file cannot keep; a user key whose entry went away while its dialog was open.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/LiveCheck.h"
#include "app/UserKeyDialog.h"
#include "app/UserKeyListDialog.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "views/CKVFTreeView.h"
#include "views/CompletionPopup.h"
#include "views/UiText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace kvf;

namespace {

constexpr int kDeadlineMs = 60000;

const QByteArray kMisspelt = "#TALVERON_DP\nKVF_Revision = 1\nVendr_Name = \"ACME\"\n";
const QByteArray kUnknownKey = "#TALVERON_DP\nKVF_Revision = 1\nOrderNumber = \"6SE\"\n";

QString Message(int id) {
    return QString::fromStdString(std::string(MessageText(id)));
}

// Runs `act` on the modal window of type T once it is up (looking again until it is).
template <typename T> void WhenModal(std::function<void(T*)> act) {
    QTimer::singleShot(10, [act = std::move(act)] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget()))
            act(window);
        else
            WhenModal<T>(act);
    });
}

// The settings file cannot be written: a folder stands where it would be.
void MakeSettingsUnwritable(FrameFixture& f) {
    f.store->Sync();
    QFile::remove(f.settingsPath);
    QVERIFY(QDir().mkpath(f.settingsPath));
}

} // namespace

class RefusedCommandsTest : public QObject {
    Q_OBJECT
    QString previousDir_;
    QTemporaryDir work_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes, bool readOnly = false) {
        CChildFrame* child = f.frame->OpenPaths({f.Write("ACME.kvf", bytes)}, readOnly).value(0);
        if (child) {
            child->Live().CheckNow();
            while (child->Live().IsRunning())
                child->Live().WaitForRunning();
            QCoreApplication::processEvents();
        }
        return child;
    }

    // The quick fix of the menu Ctrl+. makes at line `line`, chosen; it runs once events are
    // processed.
    static void ChooseFix(CKVFTextView* view, int line, const QString& title) {
        QTextCursor caret(view->document()->findBlockByNumber(line));
        caret.movePosition(QTextCursor::NextCharacter);
        view->setTextCursor(caret);
        std::unique_ptr<QMenu> menu(view->CreateQuickFixMenu());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text().startsWith(title)) {
                action->trigger();
                return;
            }
        QFAIL(qPrintable("no fix " + title));
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(work_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // The text changed between the fix's offer and its making (a keystroke in between):
    // its lines and columns name another text, so it makes nothing.
    void fixOfATextThatMovedOnIsRefused() {
        FrameFixture f;
        CChildFrame* child = Open(f, kMisspelt);
        CKVFTextView* view = child->TextView();
        ChooseFix(view, 2, "Did you mean Vendor_Name");
        QTextCursor(view->document()).insertText("; a line typed meanwhile\n");
        const QString typed = view->toPlainText();
        QCoreApplication::processEvents();
        QCOMPARE(view->toPlainText(), typed);
        QCOMPARE(f.alerts, QStringList{Message(msg::FixTextChanged)});
    }

    // The document window went before the fix could be made: it says so, and the file is
    // as it was.
    void fixOfAClosedDocumentIsRefused() {
        FrameFixture f;
        CChildFrame* child = Open(f, kMisspelt);
        ChooseFix(child->TextView(), 2, "Did you mean Vendor_Name");
        delete child;
        QCoreApplication::processEvents();
        QCOMPARE(f.alerts, QStringList{Message(msg::FixDocumentClosed)});
        QCOMPARE(ReadBytes(f.dir.filePath("ACME.kvf")), kMisspelt);
    }

    // A read-only document takes no fix of its text, nor a word from the completion list;
    // registering its unknown key changes no text and is still offered.
    void readOnlyDocumentTakesNoTextFix() {
        FrameFixture f;
        CChildFrame* child = Open(f, kMisspelt, true);
        CKVFTextView* view = child->TextView();
        ChooseFix(view, 2, "Did you mean Vendor_Name");
        QCoreApplication::processEvents();
        QCOMPARE(view->toPlainText().toUtf8(), kMisspelt);
        QCOMPARE(f.alerts, QStringList{Message(msg::FileWriteProtected)});

        QTextCursor caret(view->document()->findBlockByNumber(2));
        caret.movePosition(QTextCursor::NextCharacter);
        view->setTextCursor(caret);
        QVERIFY(!view->ShowCompletions());
        QVERIFY(!view->Completion().IsVisible());
    }

    // With a settings file that cannot be written, no registration is made (the quick fix,
    // User Key..., Edit and Remove of the list): each says so, and neither the settings nor the
    // entries change.
    void registrationTheSettingsCannotKeepIsRefused() {
        FrameFixture f;
        f.store->SetString("UserKeys", "OLD_KEY", "0;0;");
        f.store->SetString("UserKeys", "Summary", "OLD_KEY,");
        CChildFrame* child = Open(f, kUnknownKey);
        MakeSettingsUnwritable(f);
        const QString refused = UiText(msg::UserKeySettingsNotWritable,
                                       ToBytes(QDir::toNativeSeparators(f.settingsPath)));

        ChooseFix(child->TextView(), 2, "Register OrderNumber");
        QCoreApplication::processEvents();
        QCOMPARE(f.alerts, QStringList{refused});
        QCOMPARE(f.store->GetString("UserKeys", "ORDERNUMBER", ""), std::string());

        f.alerts.clear();
        child->TreeView()->SelectEntryForLine(2);
        f.alerts.clear();
        f.frame->OnUserKey(child);
        QCOMPARE(f.alerts, QStringList{refused});
        QCOMPARE(f.store->GetString("UserKeys", "ORDERNUMBER", ""), std::string());

        // Remove in the list: confirmed, then refused; the key stays registered.
        f.alerts.clear();
        WhenModal<UserKeyListDialog>([](UserKeyListDialog* list) {
            WhenModal<QMessageBox>(
                [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
            list->RemoveButton()->click();
            list->reject();
        });
        f.frame->OnUserKeyList();
        QCOMPARE(f.alerts, QStringList{refused});
        QCOMPARE(f.store->GetString("UserKeys", "OLD_KEY", ""), std::string("0;0;"));
    }

    // The entry User Key... was opened for went away while the dialog was up (its line was
    // edited and the database built again): OK registers nothing and says why.
    void userKeyOfAnEntryThatWentAwayIsRefused() {
        FrameFixture f;
        CChildFrame* child = Open(f, kUnknownKey);
        child->TreeView()->SelectEntryForLine(2);
        f.alerts.clear();
        WhenModal<UserKeyDialog>([child](UserKeyDialog* dialog) {
            QTextCursor line(child->Doc().Text().findBlockByNumber(2));
            line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            line.insertText("; OrderNumber = \"6SE\"");
            child->RebuildDatabase();
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        f.frame->OnUserKey(child);
        QCOMPARE(f.alerts, QStringList{Message(msg::UserKeyEntryGone)});
        QCOMPARE(f.store->GetString("UserKeys", "ORDERNUMBER", ""), std::string());
    }

    // Settings changed in the Settings dialog are used, and the user learns they are not kept.
    void settingsTheFileCannotKeepAreReported() {
        FrameFixture f;
        MakeSettingsUnwritable(f);
        WhenModal<QDialog>([](QDialog* dialog) { dialog->accept(); });
        f.frame->OnSettings();
        QCOMPARE(f.alerts,
                 (QStringList{UiText(msg::SettingsNotWritable,
                                     ToBytes(QDir::toNativeSeparators(f.settingsPath)))}));
    }
};

QTEST_MAIN(RefusedCommandsTest)
#include "RefusedCommandsTest.moc"
