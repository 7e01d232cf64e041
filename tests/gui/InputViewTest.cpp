// The input view: every layout shown and applied unchanged leaves the file byte for byte;
// Apply's steps (write protection, store, rewrite, relabel, single-entry check); the data
// type list; and the refusals that keep text and database as they were.
#include "FrameFixture.h"

#include "app/LiveCheck.h"
#include "core/InputForm.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/Windows1252.h"
#include "views/CInputView.h"
#include "views/CKVFTreeView.h"
#include "views/CfgIdentifierDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

// The layout column of the data-driven test.
Q_DECLARE_METATYPE(kvf::InputForm)

using namespace kvf;

namespace {

// One line of every layout, written as Apply writes it.
const QByteArray kEveryLayout = "#TALVERON_DP\r\n"
                                "Vendor_Name=\"ACME\"\r\n"
                                "Ident_Number=0x0815\r\n"
                                "Repeater_Ctrl_Sig=2\r\n"
                                "Station_Type=0\r\n"
                                "Auto_Baud_supp=1\r\n"
                                "Module=\"8 DI\" 0x10,0x20\r\n"
                                "1\r\n"
                                "EndModule\r\n"
                                "ExtUserPrmData=1 \"Mode\"\r\n"
                                "Bit(3) 1 0-1\r\n"
                                "EndExtUserPrmData\r\n"
                                "ExtUserPrmData=2 \"Range\"\r\n"
                                "BitArea(0-3) 2 0-15\r\n"
                                "EndExtUserPrmData\r\n"
                                "ExtUserPrmData=3 \"Level\"\r\n"
                                "Unsigned8 1 0-9\r\n"
                                "EndExtUserPrmData\r\n"
                                "Unit_Diag_Area=16-23\r\n"
                                "Unit_Diag_Bit(7)=\"Hot\"\r\n"
                                "SlotDefinition\r\n"
                                "Slot(1) = \"Head\" 1 1-2\r\n"
                                "EndSlotDefinition\r\n";

// The same lines as files often write them: blanks around '=' (two before a '=' that had
// them already).
QByteArray Spaced(const QByteArray& bytes) {
    return QByteArray(bytes).replace("=", " = ");
}

std::string Bytes(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

QModelIndex Find(CKVFTreeView* tree, const QString& label) {
    QModelIndexList found = tree->Model().match(tree->Model().RootIndex(), Qt::DisplayRole, label,
                                                1, Qt::MatchRecursive | Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.first();
}

} // namespace

class InputViewTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

    CChildFrame* Open(FrameFixture& f, const QByteArray& bytes, bool readOnly = false) {
        return f.frame->OpenPaths({f.Write("dev.kvf", bytes)}, readOnly).first();
    }
    static void Select(CChildFrame* child, const QString& label) {
        QModelIndex node = Find(child->TreeView(), label);
        QVERIFY2(node.isValid(), qPrintable(label));
        child->TreeView()->setCurrentIndex(node);
    }

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void everyLayoutAppliedUnchangedKeepsTheFile_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<InputForm>("formKind");
        QTest::newRow("0 group") << "Slave Keys" << InputForm::None;
        QTest::newRow("1 string") << "Vendor_Name (2)" << InputForm::String;
        QTest::newRow("2 number") << "Ident_Number (3)" << InputForm::Number;
        QTest::newRow("3 three choices") << "Repeater_Ctrl_Sig (4)" << InputForm::ThreeChoices;
        QTest::newRow("4 two choices") << "Station_Type (5)" << InputForm::TwoChoices;
        QTest::newRow("5 Boolean") << "Auto_Baud_supp (6)" << InputForm::Feature;
        QTest::newRow("6 module") << "Module (7)" << InputForm::Module;
        QTest::newRow("7 block end") << "EndModule (9)" << InputForm::HelpOnly;
        QTest::newRow("8 bit") << "Bit (11)" << InputForm::BitLine;
        QTest::newRow("8 bit area") << "BitArea (14)" << InputForm::BitLine;
        QTest::newRow("9 number type") << "Unsigned8 (17)" << InputForm::DataTypeLine;
        QTest::newRow("10 area") << "Unit_Diag_Area (19)" << InputForm::TwoNumbers;
        QTest::newRow("11 index text") << "Unit_Diag_Bit (20)" << InputForm::IndexText;
        QTest::newRow("11 reference") << "ExtUserPrmData (10)" << InputForm::IndexText;
        QTest::newRow("12 slot") << "Slot (22)" << InputForm::Slot;
    }
    void everyLayoutAppliedUnchangedKeepsTheFile() {
        QFETCH(QString, label);
        QFETCH(InputForm, formKind);
        for (const QByteArray& bytes : {kEveryLayout, Spaced(kEveryLayout)}) {
            FrameFixture f;
            CChildFrame* child = Open(f, bytes);
            Select(child, label);
            QCOMPARE(child->Focus().InputForm.FormKind, formKind);
            CInputView* input = child->InputView();
            QCOMPARE(input->ApplyButton()->isHidden(),
                     formKind == InputForm::None || formKind == InputForm::HelpOnly);
            QCOMPARE(input->Picture()->isHidden(), formKind != InputForm::None);
            if (formKind != InputForm::None)
                input->OnApply();
            QCOMPARE(child->Doc().Bytes(), std::string(bytes.constData()));
            // Nothing was written: no undo step, no "modified".
            QVERIFY(!child->Doc().Text().isUndoAvailable());
            QVERIFY(!child->Doc().IsModified());
            QVERIFY2(f.alerts.isEmpty(), qPrintable(f.alerts.join('\n')));
            // The tree still finds the entry under its label.
            QVERIFY(Find(child->TreeView(), label).isValid());
        }
    }

    // A name or text the user leaves alone shows, and is written back, as the line spells it
    // between its quotes, blanks included; the field the user changed is written as typed.
    void untouchedQuotedFieldsKeepTheirBlanks_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown"); // the quoted field as it shows
        QTest::addColumn<QString>("field"); // the field typed into
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("applied"); // the line afterwards
        QTest::newRow("module bytes") << QByteArray("Module = \"   Mod1\" 0x13") << "Module (3)"
                                      << "   Mod1"
                                      << "range"
                                      << "0x23"
                                      << "Module = \"   Mod1\" 0x23";
        QTest::newRow("module name") << QByteArray("Module = \"   Mod1\" 0x13") << "Module (3)"
                                     << "   Mod1"
                                     << "string"
                                     << "Mod2"
                                     << "Module = \"Mod2\" 0x13";
        QTest::newRow("module of a real file")
            << QByteArray("Module=\"          / 02 PZDs\" 0xF1") << "Module (3)"
            << "          / 02 PZDs"
            << "range"
            << "0xF3"
            << "Module=\"          / 02 PZDs\" 0xF3";
        QTest::newRow("blanks at both ends")
            << QByteArray("Module = \" Mod1  \" 0x13") << "Module (3)"
            << " Mod1  "
            << "range"
            << "0x23"
            << "Module = \" Mod1  \" 0x23";
        QTest::newRow("diagnosis text, index changed")
            << QByteArray("Unit_Diag_Bit(7) = \"  Hot\"") << "Unit_Diag_Bit (3)"
            << "  Hot"
            << "range"
            << "6"
            << "Unit_Diag_Bit(6) = \"  Hot\"";
    }
    void untouchedQuotedFieldsKeepTheirBlanks() {
        QFETCH(QByteArray, line);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, applied);
        FrameFixture f;
        CChildFrame* child =
            Open(f, "#TALVERON_DP\r\nVendor_Name = \"ACME\"\r\n" + line + "\r\nEndModule\r\n");
        Select(child, label);
        CInputView* input = child->InputView();
        QCOMPARE(input->StringField()->toPlainText(), shown);
        if (field == "range")
            input->RangeField()->setText(typed);
        else
            input->StringField()->setPlainText(typed);
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(2).text(), applied);
        QCOMPARE(input->StringField()->toPlainText(), field == "string" ? typed : shown);
        // Read back from the text, the field shows the line as it stands.
        child->RebuildDatabase();
        Select(child, label);
        QCOMPARE(input->StringField()->toPlainText(), field == "string" ? typed : shown);
        QVERIFY2(f.alerts.isEmpty(), qPrintable(f.alerts.join('\n')));
    }

    // A field shown with the line's blanks, applied as it shows, writes nothing.
    void quotedFieldShownWithItsBlanksWritesNothingUnchanged() {
        FrameFixture f;
        CChildFrame* child = Open(f, "#TALVERON_DP\r\nModule = \"   Mod1\" 0x13\r\nEndModule\r\n");
        Select(child, "Module (2)");
        child->InputView()->OnApply();
        QVERIFY(!child->Doc().IsModified());
        QCOMPARE(child->Doc().Bytes(),
                 std::string("#TALVERON_DP\r\nModule = \"   Mod1\" 0x13\r\nEndModule\r\n"));
    }

    // In a UTF-8 file Apply keeps the line's characters: those of the code page come back
    // as they were; where the entry holds one the code page cannot hold (it reads as '?'),
    // Apply refuses and says where, rather than write '?'. A comment may hold any.
    void applyInAUtf8FileKeepsTheLineCharacters() {
        FrameFixture f;
        CChildFrame* child = Open(f, "\xEF\xBB\xBF#TALVERON_DP\r\n"
                                     "Module = \"\xC3\x96l \xC3\xBC\" 0x13 ; \xE2\x86\x92\r\n"
                                     "EndModule\r\n"
                                     "Module = \"\xC3\x96l\xE2\x86\x92\" 0x13\r\n"
                                     "EndModule\r\n");
        CInputView* input = child->InputView();
        Select(child, "Module (2)");
        QCOMPARE(input->StringField()->toPlainText(), QString::fromUtf8("\xC3\x96l \xC3\xBC"));
        input->RangeField()->setText("0x23");
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(1).text(),
                 QString::fromUtf8("Module = \"\xC3\x96l \xC3\xBC\" 0x23 ; \xE2\x86\x92"));
        QVERIFY2(f.alerts.isEmpty(), qPrintable(f.alerts.join('\n')));

        child->RebuildDatabase();
        Select(child, "Module (4)");
        input->RangeField()->setText("0x23");
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(3).text(),
                 QString::fromUtf8("Module = \"\xC3\x96l\xE2\x86\x92\" 0x13"));
        QCOMPARE(f.alerts,
                 QStringList{"Line 4, column 13 holds a character that Windows-1252 cannot hold, "
                             "which Apply would write as '?'. Nothing was changed; edit that "
                             "line in the text."});
    }

    // The name of a module is applied as the configuration is, quoted, and the fields show
    // what the line holds then; the line keeps its blanks around '='.
    void moduleNameIsApplied() {
        FrameFixture f;
        CChildFrame* child = Open(f, Spaced(kEveryLayout));
        Select(child, "Module (7)");
        CInputView* input = child->InputView();
        input->StringField()->setPlainText("16 DO");
        input->RangeField()->setText("0x10,0x20,0x30");
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(6).text(),
                 QString("Module = \"16 DO\" 0x10,0x20,0x30"));
        QCOMPARE(child->Focus().CurrentEntry->m_Ready[0], std::string("16 DO"));
        QCOMPARE(input->StringField()->toPlainText(), QString("16 DO"));
        QCOMPARE(input->ConfigList()->topLevelItemCount(), 3);
        // Read back from the text, the entry is the same.
        child->RebuildDatabase();
        Select(child, "Module (7)");
        QCOMPARE(input->StringField()->toPlainText(), QString("16 DO"));
        QCOMPARE(input->RangeField()->text(), QString("0x10,0x20,0x30"));
    }

    // Undo and redo of an Apply: the fields, the identifier list and the entry show what
    // the text holds again, with the live check off (which leaves the database as it was
    // otherwise) and on (after the live check took the Apply's text over).
    void undoOfAnApplyIsFollowed_data() {
        QTest::addColumn<bool>("live");
        QTest::newRow("live check off") << false;
        QTest::newRow("live check on") << true;
    }
    void undoOfAnApplyIsFollowed() {
        QFETCH(bool, live);
        FrameFixture f;
        f.store->SetInt("Settings", "LiveCheck", live ? 1 : 0);
        const QByteArray bytes = Spaced(kEveryLayout);
        CChildFrame* child = Open(f, bytes);
        if (live) {
            SettleLiveCheck(child->Live()); // the check of the file as opened
            child->Live().SetPause(20);
        }
        QSignalSpy checked(&child->Live(), &LiveCheck::checked);
        Select(child, "Module (7)");
        CInputView* input = child->InputView();
        auto shows = [&](const QString& name, const QString& config, int identifiers) {
            return input->StringField()->toPlainText() == name &&
                   input->RangeField()->text() == config &&
                   input->ConfigList()->topLevelItemCount() == identifiers &&
                   child->Focus().CurrentEntry &&
                   child->Focus().CurrentEntry->m_Ready[0] == Bytes(name) &&
                   child->Focus().CurrentEntry->m_Ready[1] == Bytes(config);
        };
        input->StringField()->setPlainText("16 DO");
        input->RangeField()->setText("0x30");
        input->OnApply();
        QVERIFY(shows("16 DO", "0x30", 1));
        if (live) {
            // The live check takes the Apply's text over: a database of its own.
            const CDbEntry* applied = child->Focus().CurrentEntry;
            QTRY_VERIFY_WITH_TIMEOUT(
                child->Focus().CurrentEntry && child->Focus().CurrentEntry != applied, kHangsMs);
        }

        // At once, not at the next live check.
        child->TextView()->undo();
        QCOMPARE(child->Doc().Bytes(), std::string(bytes.constData()));
        QVERIFY(shows("8 DI", "0x10,0x20", 2));
        // The fields are the entry's again: applying them writes nothing.
        input->OnApply();
        QCOMPARE(child->Doc().Bytes(), std::string(bytes.constData()));

        child->TextView()->redo();
        QVERIFY(shows("16 DO", "0x30", 1));
        if (live) {
            QVERIFY(WaitForNext(checked));
            QTRY_VERIFY_WITH_TIMEOUT(shows("16 DO", "0x30", 1), kHangsMs);
        }
        QCOMPARE(child->TreeView()->Model().Label(child->TreeView()->currentIndex()),
                 QString("Module (7)"));
        QVERIFY(f.alerts.isEmpty());
    }

    // Typing in an applied entry's line is no undo: the form waits for a rebuild, as for
    // any edit of the text.
    void typingInAnAppliedLineLeavesTheForm() {
        FrameFixture f;
        f.store->SetInt("Settings", "LiveCheck", 0);
        CChildFrame* child = Open(f, kEveryLayout);
        Select(child, "Vendor_Name (2)");
        CInputView* input = child->InputView();
        input->StringField()->setPlainText("Other");
        input->OnApply();
        QTextCursor cursor(child->Doc().Text().findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(" ; typed");
        QCOMPARE(input->StringField()->toPlainText(), QString("Other"));
        QCOMPARE(child->Focus().CurrentEntry->m_Ready[0], std::string("Other"));
    }

    void layoutsShowTheFormValues() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        CInputView* input = child->InputView();
        Select(child, "Repeater_Ctrl_Sig (4)");
        QVERIFY(input->Choice(2)->isChecked());
        QCOMPARE(input->Choice(1)->text(), QString("RS-485"));
        Select(child, "Module (7)");
        QCOMPARE(input->StringField()->toPlainText(), QString("8 DI"));
        QCOMPARE(input->RangeField()->text(), QString("0x10,0x20"));
        QCOMPARE(input->RangeLabel()->text(), QString("Config-String:"));
        Select(child, "BitArea (14)");
        QCOMPARE(input->AreaField()->text(), QString("0-3"));
        QCOMPARE(input->DefaultField()->text(), QString("2"));
        QCOMPARE(input->RangeField()->text(), QString("0-15"));
        QCOMPARE(input->DataTypeList()->currentText(), QString("BitArea"));
        Select(child, "Slot (22)");
        QCOMPARE(input->SlotNameField()->text(), QString("Head"));
        QCOMPARE(input->AreaField()->text(), QString("1"));
        QCOMPARE(input->HelpBox()->toPlainText().left(5), QString("Help:"));
    }

    // A field changed by mouse or key is what Apply writes: the third of three choices, and
    // a parameter line's data type when nothing else of the line changed.
    void aChangedChoiceOrDataTypeIsWritten_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("applied");
        QTest::newRow("third of three choices")
            << "Repeater_Ctrl_Sig (4)" << 3 << "Repeater_Ctrl_Sig=2";
        QTest::newRow("data type only") << "Unsigned8 (17)" << 16 << "Signed32 1 0-9";
    }
    void aChangedChoiceOrDataTypeIsWritten() {
        QFETCH(QString, label);
        QFETCH(int, line);
        QFETCH(QString, applied);
        FrameFixture f;
        CChildFrame* child =
            Open(f, QByteArray(kEveryLayout).replace("Repeater_Ctrl_Sig=2", "Repeater_Ctrl_Sig=0"));
        Select(child, label);
        CInputView* input = child->InputView();
        if (child->Focus().InputForm.FormKind == InputForm::ThreeChoices) {
            QTest::mouseClick(input->Choice(2), Qt::LeftButton);
            QVERIFY(input->Choice(2)->isChecked());
        } else {
            QTest::keyClick(input->DataTypeList(), Qt::Key_Down); // Unsigned8 -> Signed32
            QCOMPARE(input->DataTypeList()->currentText(), QString("Signed32"));
        }
        QTest::mouseClick(input->ApplyButton(), Qt::LeftButton);
        QCOMPARE(child->Doc().Text().findBlockByNumber(line).text(), applied);
        QVERIFY(child->Doc().IsModified());
    }

    void applyOnBooleanWritesZeroAndChecksTheEntry() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        Select(child, "Auto_Baud_supp (6)");
        child->InputView()->BoolBox()->setChecked(false);
        QTest::mouseClick(child->InputView()->ApplyButton(), Qt::LeftButton);
        QCOMPARE(child->Doc().Text().findBlockByNumber(5).text(), QString("Auto_Baud_supp=0"));
        // The same check of one entry as the tree's: a clean entry says so.
        QCOMPARE(f.Rows(), QStringList({"Info\t---\tStart Syntax-Check...",
                                        "Info\t---\t... check finished without errors.",
                                        "Info\t---\tStop Syntax-Check..."}));
        QCOMPARE(child->Doc().Engine().Database.At(4).m_Ready[0], std::string("0"));
    }

    // A comment is the first ';' outside quotes, and a quoted text continued on the next
    // line is still open there.
    void applyKeepsCommentsOfContinuedLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("range");  // typed into the range field, unless empty
        QTest::addColumn<QString>("string"); // typed into the text field, unless empty
        QTest::addColumn<QByteArray>("applied");
        QTest::newRow("module") << QByteArray("#TALVERON_DP\r\nModule=\"M\" 0x10,\\ ; first\r\n"
                                              "0x20 ; second\r\nEndModule\r\n")
                                << "Module (2)"
                                << "0x11,0x21" << QString()
                                << QByteArray("#TALVERON_DP\r\nModule=\"M\" 0x11,0x21 ; first\r\n"
                                              "     ; second\r\nEndModule\r\n");
        QTest::newRow("quoted text") << QByteArray("#TALVERON_DP\r\nInfo_Text = \"a \\\r\n"
                                                   "b;c\" ; note\r\n")
                                     << "Info_Text (2)" << QString() << "a b;d"
                                     << QByteArray("#TALVERON_DP\r\nInfo_Text = \"a b;d\"\r\n"
                                                   "     ; note\r\n");
    }
    void applyKeepsCommentsOfContinuedLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, label);
        QFETCH(QString, range);
        QFETCH(QString, string);
        QFETCH(QByteArray, applied);
        FrameFixture f;
        CChildFrame* child = Open(f, bytes);
        Select(child, label);
        if (!range.isEmpty())
            child->InputView()->RangeField()->setText(range);
        if (!string.isEmpty())
            child->InputView()->StringField()->setPlainText(string);
        child->InputView()->OnApply();
        QCOMPARE(QByteArray::fromStdString(child->Doc().Bytes()), applied);
        QCOMPARE(child->TreeView()->Model().Label(child->TreeView()->currentIndex()), label);
    }

    void dataTypeChoiceMovesTheFieldsAndTheKey() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        CInputView* input = child->InputView();
        Select(child, "Bit (11)");
        input->OnDataTypeChanged("Unsigned8");
        QVERIFY(input->RangeField()->isHidden());
        QCOMPARE(input->AreaLabel()->text(), QString("Default Value"));
        QCOMPARE(input->AreaField()->text(), QString("1"));
        QCOMPARE(input->DefaultField()->text(), QString("0-1"));
        input->OnDataTypeChanged("Bit");
        QVERIFY(!input->RangeField()->isHidden());
        QCOMPARE(input->AreaLabel()->text(), QString("Area or Text-Reference"));
        QCOMPARE(input->DefaultLabel()->text(), QString("Default Value"));
        QCOMPARE(input->RangeLabel()->text(), QString("Min-Max or Allowed Values"));
        QCOMPARE(input->RangeField()->text(), QString("0-1"));
        input->AreaField()->setText("3");

        input->DataTypeList()->setCurrentText("Signed8");
        input->OnDataTypeChanged("Signed8");
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(10).text(), QString("Signed8 1 0-1"));
        QCOMPARE(child->TreeView()->Model().Label(child->TreeView()->currentIndex()),
                 QString("Signed8 (11)"));
        QCOMPARE(f.Rows(), QStringList({"Info\t---\tStart Syntax-Check...",
                                        "Info\t---\t... check finished without errors.",
                                        "Info\t---\tStop Syntax-Check..."}));
    }

    void moduleShowsItsIdentifiersDecoded() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        Select(child, "Module (7)");
        QTreeWidget* list = child->InputView()->ConfigList();
        QVERIFY(!list->isHidden());
        QCOMPARE(list->headerItem()->text(0), QString("IdentFormat"));
        QCOMPARE(list->topLevelItemCount(), 2);
        auto row = [list](int n) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column)
                cells << list->topLevelItem(n)->text(column);
            return cells;
        };
        QCOMPARE(row(0), QStringList({"Short", "IN", "1", "---", "Byte", "---"}));
        QCOMPARE(row(1), QStringList({"Short", "OUT", "---", "1", "Byte", "---"}));
        // Typing in the configuration field shows the identifiers it now holds.
        child->InputView()->RangeField()->setText("0xC3,0x81,0x01,0xAA,0xBB,0xCC");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(row(0), QStringList({"Extent", "IN/OUT", "2", "2", "Byte (whole length)/Byte",
                                      "0xAA,0xBB,0xCC"}));
        // Other layouts do not show the list.
        Select(child, "Vendor_Name (2)");
        QVERIFY(list->isHidden());
    }

    void identifierEditsGoBackThroughApply() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        Select(child, "Module (7)");
        CInputView* input = child->InputView();
        CfgIdentifierSettings output;
        output.Out = {2, true, true};
        input->ApplyConfigIdentifier(1, output);
        QCOMPARE(input->RangeField()->text(), QString("0x10,0xE0"));
        input->InsertConfigIdentifier(2);
        QCOMPARE(input->RangeField()->text(), QString("0x10,0xE0,0x00"));
        QCOMPARE(input->ConfigList()->topLevelItemCount(), 3);
        QCOMPARE(input->ConfigList()->topLevelItem(2)->text(0), QString("Extent"));
        input->OnApply();
        QCOMPARE(child->Doc().Text().findBlockByNumber(6).text(),
                 QString("Module=\"8 DI\" 0x10,0xE0,0x00"));
    }

    void identifierDialogShowsAndReturnsTheSettings() {
        DecodedModuleConfig config = DecodeCfgIdentifiers("0x10,0xC0,0x81,0x41");
        CfgIdentifierDialog dialog(2, CfgSettingsOf(config, 1));
        QCOMPARE(dialog.windowTitle(), QString("Change settings for value 2..."));
        QVERIFY(dialog.ExtendedFormat()->isChecked());
        QVERIFY(dialog.InputOutput()->isChecked());
        QVERIFY(dialog.ByteUnit()->isChecked());
        QVERIFY(dialog.WholeLength()->isChecked()); // the output part's
        QCOMPARE(dialog.OutputLength()->value(), 2);
        QCOMPARE(dialog.InputLength()->value(), 4);
        // Unchanged, each part keeps its own format.
        QCOMPARE(EncodeCfgIdentifier(dialog.Settings()),
                 std::vector<std::uint8_t>({0xC0, 0x81, 0x41}));
        // Only input, in words, with two vendor bytes.
        dialog.Input()->setChecked(true);
        QVERIFY(!dialog.OutputLength()->isEnabled());
        dialog.WordUnit()->setChecked(true);
        dialog.WholeLength()->setChecked(false);
        dialog.InputLength()->setValue(8);
        dialog.VendorBytes()->setText("0x01, 2");
        QCOMPARE(EncodeCfgIdentifier(dialog.Settings()),
                 std::vector<std::uint8_t>({0x42, 0x43, 0x01, 0x02}));
        // The short format has no vendor bytes and one length for both parts.
        dialog.ShortFormat()->setChecked(true);
        dialog.InputOutput()->setChecked(true);
        QVERIFY(!dialog.VendorBytes()->isEnabled());
        QVERIFY(!dialog.OutputLength()->isEnabled());
        QCOMPARE(EncodeCfgIdentifier(dialog.Settings()), std::vector<std::uint8_t>({0x73}));
    }

    void writeProtectedFileRefusesApply() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout, true);
        Select(child, "Vendor_Name (2)");
        child->InputView()->StringField()->setPlainText("Other");
        child->InputView()->OnApply();
        QCOMPARE(f.alerts, QStringList({"Error: The current file is write-protected!"}));
        QCOMPARE(child->Doc().Bytes(), std::string(kEveryLayout.constData()));
    }

    void applyAfterTheTextMovedChangesNothing() {
        FrameFixture f;
        CChildFrame* child = Open(f, kEveryLayout);
        Select(child, "Station_Type (5)");
        QTextCursor cursor(child->Doc().Text().findBlockByNumber(1));
        cursor.insertText("Info_Text=\"new\"\n");
        child->InputView()->Choice(1)->setChecked(true);
        child->InputView()->OnApply();
        QCOMPARE(f.alerts.size(), 1);
        QVERIFY(f.alerts.first().startsWith("The internal database informations"));
        QVERIFY(!child->InputView()->isEnabled());
        QVERIFY(!child->TreeView()->isEnabled());
        QCOMPARE(child->Doc().Text().findBlockByNumber(4).text(), QString("Repeater_Ctrl_Sig=2"));
        QCOMPARE(child->Doc().Text().findBlockByNumber(5).text(), QString("Station_Type=0"));
    }

    // The tree's root, selected when the tree is built and when the user clicks it, shows
    // the file at a glance, never the help of a user-specific key: the kind of station,
    // the revision, the modules and what the last check (F7, or the check as you type)
    // found. The sample under a name too long for 8.3 gives two warnings.
    void theRootShowsTheFilesSummary_data() {
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("check");
        QTest::addColumn<QString>("lastCheck");
        QTest::newRow("not checked") << false << false << "Last check: none yet";
        QTest::newRow("after F7") << false << true << "Last check: 2 warning(s)";
        QTest::newRow("check as you type") << true << false << "Last check: 2 warning(s)";
    }
    void theRootShowsTheFilesSummary() {
        QFETCH(bool, live);
        QFETCH(bool, check);
        QFETCH(QString, lastCheck);
        FrameFixture f;
        f.store->SetInt("Settings", "LiveCheck", live ? 1 : 0);
        QFile sample(QString(KVF_SOURCE_DIR) + "/resources/samples/ACME1234.kvf");
        QVERIFY(sample.open(QIODevice::ReadOnly));
        CChildFrame* child =
            f.frame->OpenPaths({f.Write("device-file.kvf", sample.readAll())}, false).first();
        QPlainTextEdit* help = child->InputView()->HelpBox();
        auto summaryShown = [&] {
            const QString text = help->toPlainText();
            return text.startsWith("device-file.kvf: DP-Slave, KVF_Revision 1\n") &&
                   text.contains("Vendor_Name: ACME, Model_Name: Box") &&
                   text.contains("Modules: 1, entries: 16") && text.contains(lastCheck);
        };
        if (check)
            f.frame->Check();
        QTRY_VERIFY2_WITH_TIMEOUT(summaryShown(), qPrintable(help->toPlainText()), 60000);
        QVERIFY(!help->toPlainText().contains("user-specific"));
        QCOMPARE(child->Focus().InputForm.FormKind, InputForm::None);
        Select(child, "Vendor_Name (4)");
        QVERIFY(!summaryShown());
        CKVFTreeView* tree = child->TreeView();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualRect(tree->Model().RootIndex()).center());
        QVERIFY(summaryShown());
    }

    void eachWindowAppliesToItsOwnEntry() {
        FrameFixture f;
        CChildFrame* first = Open(f, kEveryLayout);
        CChildFrame* second =
            f.frame->OpenPaths({f.Write("other.kvf", kEveryLayout)}, false).first();
        Select(second, "Vendor_Name (2)");
        Select(first, "Station_Type (5)");
        // The selection in the first window leaves the second's entry and form alone.
        QCOMPARE(second->Focus().CurrentEntry->Key, std::string("Vendor_Name"));
        QCOMPARE(second->Focus().InputForm.FormKind, InputForm::String);
        QCOMPARE(first->Focus().CurrentEntry->Key, std::string("Station_Type"));
        second->InputView()->StringField()->setPlainText("Other");
        second->InputView()->OnApply();
        QVERIFY(f.alerts.isEmpty());
        const QString line = second->Doc().Text().findBlockByNumber(1).text();
        QVERIFY2(line.startsWith("Vendor_Name") && line.contains("\"Other\""), qPrintable(line));
        QCOMPARE(first->Doc().Bytes(), std::string(kEveryLayout.constData()));
        QCOMPARE(first->Focus().CurrentEntry->Key, std::string("Station_Type"));
        QCOMPARE(first->Focus().InputForm.FormKind, InputForm::TwoChoices);
    }

    void refusedRewriteLeavesTheEntryAsItWas() {
        FrameFixture f;
        QByteArray longComment = "Vendor_Name=\"ACME\" ;" + QByteArray(1100, 'x') + "\r\n";
        CChildFrame* child = Open(f, "#TALVERON_DP\r\n" + longComment);
        const QStringList rowsBefore = f.Rows();
        Select(child, "Vendor_Name (2)");
        child->InputView()->StringField()->setPlainText("Other");
        child->InputView()->OnApply();
        QCOMPARE(f.alerts, QStringList({"LineLength greater than expected!"}));
        const CDbEntry& entry = child->Doc().Engine().Database.At(0);
        QCOMPARE(entry.Value, std::string("ACME"));
        QCOMPARE(entry.m_Ready[0], std::string("ACME"));
        QCOMPARE(f.Rows(), rowsBefore);
    }
};

QTEST_MAIN(InputViewTest)
#include "InputViewTest.moc"
