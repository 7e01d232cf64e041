// The language services in the text view: the help of a keyword over it, the words offered
// at the caret (Ctrl+Space, and while a keyword is typed), and the quick fixes of a marked
// finding (Ctrl+. and the context menu), each applied as one undo step.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/LiveCheck.h"
#include "views/CompletionPopup.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace kvf;

namespace {

QString LineText(const CKVFTextView& view, int line) {
    return view.document()->findBlockByNumber(line).text();
}

// Puts the caret at a line and column of the view.
void PlaceCaret(CKVFTextView& view, int line, int column) {
    QTextCursor cursor(view.document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    view.setTextCursor(cursor);
}

QStringList Offered(CKVFTextView& view) {
    QStringList words;
    QAbstractItemModel* model = view.Completion().Completer().completionModel();
    for (int row = 0; row < model->rowCount(); ++row)
        words << model->index(row, 0).data().toString();
    return words;
}

} // namespace

class TextAssistTest : public QObject {
    Q_OBJECT
    QString previousDir_;
    QTemporaryDir work_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes) {
        CChildFrame* child = f.frame->OpenPaths({f.Write("ACME1234.kvf", bytes)}, false).first();
        SettleLiveCheck(child->Live()); // the marks of the file as opened
        return child;
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(work_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    // Over a keyword the tooltip is its help; over a marked finding its message comes first.
    void hoverShowsTheKeywordsHelp() {
        FrameFixture f;
        CChildFrame* child =
            Open(f, "#TALVERON_DP\nKVF_Revision = 1\nVendor_Name = \"ACME\"\nStation_Type = 7\n");
        CKVFTextView* view = child->TextView();
        QTextCursor at(view->document()->findBlockByNumber(2));
        const QPoint overKeyword = view->cursorRect(at).center() + QPoint(12, 0);
        const QString help = view->TooltipAt(overKeyword);
        QVERIFY2(help.contains("Vendor_Name"), qPrintable(help));
        QVERIFY(help.size() > QString("Vendor_Name").size() + 20);
        // Right of a line's end there is nothing to explain.
        QVERIFY(view->TooltipAt(QPoint(view->viewport()->width() - 5, overKeyword.y())).isEmpty());

        QVERIFY(!view->Marks().Marks().empty());
        const views::FindingMarks::Mark& mark = view->Marks().Marks().front();
        QTextCursor marked = mark.Range;
        marked.setPosition(marked.selectionStart());
        const QPoint overMark = view->cursorRect(marked).center() + QPoint(4, 0);
        // The help of a value reads the parse of the text, made on a worker thread: the
        // message alone until it is there.
        const QString first = view->TooltipAt(overMark);
        QVERIFY2(first.contains(mark.Text.toHtmlEscaped()) || first.contains(mark.Text),
                 qPrintable(first));
        QTRY_VERIFY_WITH_TIMEOUT(view->TooltipAt(overMark).contains("<hr/>"), 60'000);
        const QString both = view->TooltipAt(overMark);
        QVERIFY2(both.contains(mark.Text.toHtmlEscaped()), qPrintable(both));
    }

    // In a UTF-8 file a character outside the Basic Multilingual Plane is two of the editor's
    // columns (and two '?' for the engine): the help of what follows it on its line is the
    // help of the same place in a file that has those '?' instead.
    void hoverAfterWideCharactersOfAUtf8File() {
        auto helpAtLastByte = [this](const QByteArray& bytes, const QString& name) {
            FrameFixture f;
            CChildFrame* child = f.frame->OpenPaths({f.Write(name, bytes)}, false).first();
            SettleLiveCheck(child->Live());
            CKVFTextView* view = child->TextView();
            QTextCursor at(view->document()->findBlockByNumber(1));
            at.movePosition(QTextCursor::EndOfBlock);
            at.movePosition(QTextCursor::Left); // before the last character of "0x12"
            const QPoint over = view->cursorRect(at).center() + QPoint(2, 0);
            QString help;
            const bool shown = QTest::qWaitFor(
                [&] {
                    help = view->TooltipAt(over);
                    return !help.isEmpty();
                },
                60'000);
            return shown ? help : QString();
        };
        const QString plain =
            helpAtLastByte("#TALVERON_DP\nModule = \"????????\" 0x12\nEndModule\n", "ACME1234.kvf");
        const QString wide = helpAtLastByte("\xEF\xBB\xBF#TALVERON_DP\nModule = \""
                                            "\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
                                            "\xF0\x9F\x98\x80\" 0x12\nEndModule\n",
                                            "ACME1235.kvf");
        QVERIFY(!plain.isEmpty());
        QCOMPARE(wide, plain);
    }

    // Ctrl+Space at the start of a line offers the keywords, filtered by what is typed;
    // Enter puts the chosen one in place of the typed part, one undo step.
    void ctrlSpaceOffersKeywordsAtTheStartOfALine() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\nKVF_Revision = 1\nVend\n");
        CKVFTextView* view = child->TextView();
        view->setFocus();
        PlaceCaret(*view, 2, 4);
        QTest::keyClick(view, Qt::Key_Space, Qt::ControlModifier);
        // Once the parse of the text is there.
        QTRY_VERIFY_WITH_TIMEOUT(view->Completion().IsVisible(), 60'000);
        QVERIFY2(Offered(*view).contains("Vendor_Name"), qPrintable(Offered(*view).join(',')));
        QVERIFY(!Offered(*view).contains("KVF_Revision")); // does not begin with "Vend"
        QTest::keyClick(view->Completion().Completer().popup(), Qt::Key_Return);
        QCoreApplication::processEvents(); // the word goes in after the list's handler
        QCOMPARE(LineText(*view, 2), QString("Vendor_Name"));
        view->undo();
        QCOMPARE(LineText(*view, 2), QString("Vend"));
    }

    // After the equal sign the allowed values of the keyword are offered.
    void ctrlSpaceOffersTheValuesAfterTheEqualSign() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\nKVF_Revision = 1\n9.6_supp = \n");
        CKVFTextView* view = child->TextView();
        view->setFocus();
        PlaceCaret(*view, 2, 11);
        view->ShowCompletions();
        QTRY_VERIFY_WITH_TIMEOUT(view->Completion().IsVisible(), 60'000);
        QCOMPARE(Offered(*view), (QStringList{"0", "1"}));
    }

    // Typing a keyword at the start of a line offers the keywords without Ctrl+Space; typing
    // a value does not.
    void typingAKeywordOffersKeywords() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\nKVF_Revision = 1\n\n");
        CKVFTextView* view = child->TextView();
        view->setFocus();
        PlaceCaret(*view, 2, 0);
        QTest::keyClicks(view, "Mo");
        QTRY_VERIFY_WITH_TIMEOUT(view->Completion().IsVisible(), 60'000);
        QVERIFY2(Offered(*view).contains("Model_Name"), qPrintable(Offered(*view).join(',')));
        QTest::keyClick(view->Completion().Completer().popup(), Qt::Key_Escape);
        QTest::keyClicks(view, " = ab");
        QVERIFY(!view->Completion().IsVisible());
    }

    // On a marked misspelt keyword Ctrl+. offers "Did you mean"; applied, it is one undo
    // step and the mark goes at once.
    void quickFixReplacesAMisspeltKeyword() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\nKVF_Revision = 1\nVendr_Name = \"ACME\"\n");
        CKVFTextView* view = child->TextView();
        const auto onLine = [view](int line) {
            int count = 0;
            for (const views::FindingMarks::Mark& mark : view->Marks().Marks())
                count += mark.Line() == line ? 1 : 0;
            return count;
        };
        QVERIFY(onLine(2) > 0);
        const int before = onLine(2);
        PlaceCaret(*view, 2, 2);
        std::unique_ptr<QMenu> menu(view->CreateQuickFixMenu());
        QVERIFY(menu);
        QAction* fix = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == "Did you mean Vendor_Name?")
                fix = action;
        QVERIFY(fix);
        fix->trigger();
        QCoreApplication::processEvents(); // the fix is made after the menu's handler
        QCOMPARE(LineText(*view, 2), QString("Vendor_Name = \"ACME\""));
        QCOMPARE(onLine(2), before - 1);
        view->undo();
        QCOMPARE(LineText(*view, 2), QString("Vendr_Name = \"ACME\""));
    }

    // The context menu offers the same fixes above the edit commands; registering an unknown
    // key stores it in the settings as User Key... does.
    void contextMenuRegistersAnUnknownKey() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\nKVF_Revision = 1\nACME_Mode = 1\n");
        CKVFTextView* view = child->TextView();
        QTextCursor at(view->document()->findBlockByNumber(2));
        const int position = at.position() + 2;
        const auto& marks = view->Marks().Marks();
        QVERIFY(std::any_of(marks.begin(), marks.end(),
                            [](const auto& mark) { return mark.Text.contains("ACME_Mode"); }));
        std::vector<views::FixChoice> fixes = view->FixesAt(position);
        auto registration = std::find_if(fixes.begin(), fixes.end(), [](const auto& fix) {
            return fix.Title.startsWith("Register ACME_Mode");
        });
        QVERIFY(registration != fixes.end());
        registration->Apply();
        QVERIFY(!f.store->GetString("UserKeys", "ACME_MODE", "").empty());
        QVERIFY(QString::fromStdString(f.store->GetString("UserKeys", "Summary", ""))
                    .contains("ACME_MODE"));
        QSignalSpy checked(&child->Live(), &LiveCheck::checked);
        QVERIFY(WaitForNext(checked));
        // The key is known now: no mark speaks of it.
        for (const views::FindingMarks::Mark& mark : view->Marks().Marks())
            QVERIFY2(!mark.Text.contains("ACME_Mode"), qPrintable(mark.Text));
    }
};

QTEST_MAIN(TextAssistTest)
#include "TextAssistTest.moc"
