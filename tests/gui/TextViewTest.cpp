#include "core/AlertSink.h"
#include "core/CDbEntry.h"
#include "core/ProgressSink.h"
#include "core/SettingsStore.h"
#include "views/CKVFTextView.h"
#include "views/KvfHighlighter.h"

#include <QApplication>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using kvf::CKVFTextView;

namespace {

struct RecordingAlerts : kvf::AlertSink {
    QStringList Texts;
    void Alert(const std::string& text) override { Texts << QString::fromStdString(text); }
};

struct CountingProgress : kvf::ProgressSink {
    int Begins = 0, Steps = 0, Ends = 0;
    std::string Caption;
    void Begin(const std::string& caption) override {
        ++Begins;
        Caption = caption;
    }
    void Step() override { ++Steps; }
    void Status(const std::string&) override {}
    void End() override { ++Ends; }
};

QString Lines(const CKVFTextView& view) {
    return view.toPlainText();
}

} // namespace

class TextViewTest : public QObject {
    Q_OBJECT
  private slots:
    void selectLineSelectsWithoutLineBreak();
    void selectLineShowsTheStartOfALongLine();
    void selectLineBeyondTheLastChangesNothing();
    void caretIsReportedOneBased();
    void droppedFilesAreRefused();
    void replaceEntryLines_data();
    void replaceEntryLines();
    void replaceEntryLinesIsOneUndoStep();
    void replaceEntryLinesRefusesOverlongLines();
    void replaceEntryLinesRefusesAStaleEntry();
    void loadingColoursWithProgress();
    void readOnlyRefusesTyping();
    void userKeysAreColouredOnlyWithTheSyntaxSetting();
    void printsEveryPageWithTheHeaderName();
};

void TextViewTest::selectLineSelectsWithoutLineBreak() {
    CKVFTextView view;
    view.resize(400, 200);
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("Key_%1 = %1").arg(i);
    view.SetDocumentText(lines.join(u'\n'));
    QCOMPARE(view.SelectLine(120), 300);
    QCOMPARE(view.textCursor().selectedText(), QStringLiteral("Key_120 = 120"));
    QCOMPARE(view.verticalScrollBar()->value(), 120);
}

// A finding on a long line shows the line's start: the caret stays there, the view does
// not scroll sideways to the end.
void TextViewTest::selectLineShowsTheStartOfALongLine() {
    CKVFTextView view;
    view.resize(400, 200);
    view.show();
    const QString longLine = QStringLiteral("Long_Key = \"") + QString(3000, u'x') + u'"';
    view.SetDocumentText(QStringLiteral("#TALVERON_DP\n") + longLine + QStringLiteral("\nEnd = 1"));
    QTextCursor end(view.document()->lastBlock());
    end.movePosition(QTextCursor::End);
    view.setTextCursor(end);
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
    view.SelectLine(1);
    QCOMPARE(view.textCursor().selectedText(), longLine);
    QCOMPARE(view.textCursor().position(), view.document()->findBlockByNumber(1).position());
    QApplication::processEvents();
    QVERIFY(view.horizontalScrollBar()->maximum() > 0);
    QCOMPARE(view.horizontalScrollBar()->value(), 0);
}

void TextViewTest::selectLineBeyondTheLastChangesNothing() {
    CKVFTextView view;
    view.SetDocumentText(QStringLiteral("a\nb\nc"));
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(3);
    view.setTextCursor(cursor);
    for (int line : {3, 99, -1}) {
        QCOMPARE(view.SelectLine(line), 3);
        QCOMPARE(view.textCursor().position(), 3);
        QVERIFY(!view.textCursor().hasSelection());
    }
}

void TextViewTest::caretIsReportedOneBased() {
    CKVFTextView view;
    view.SetDocumentText(QStringLiteral("first\n\tsecond"));
    QSignalSpy spy(&view, &CKVFTextView::caretMoved);
    QTextCursor cursor(view.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 3);
    view.setTextCursor(cursor);
    QVERIFY(!spy.isEmpty());
    QCOMPARE(spy.last().at(0).toInt(), 2);
    QCOMPARE(spy.last().at(1).toInt(), 4); // a tab counts as one character
}

void TextViewTest::droppedFilesAreRefused() {
    CKVFTextView view;
    RecordingAlerts alerts;
    view.setAlertSink(&alerts);
    view.SetDocumentText(QStringLiteral("KVF_Revision = 1"));
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/other.kvf"))});
    // A drop reaches the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &drop);
    QCOMPARE(alerts.Texts,
             QStringList{QStringLiteral("Dropping files in this window is not allowed!")});
    QCOMPARE(Lines(view), QStringLiteral("KVF_Revision = 1"));
}

void TextViewTest::replaceEntryLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<int>("lastLine");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("newLastLine");

    QTest::newRow("one line") << "#TALVERON_DP\nKVF_Revision = 1\nVendor_Name = \"A\""
                              << "KVF_Revision"
                              << "=2" << 1 << 1
                              << "#TALVERON_DP\nKVF_Revision = 2\nVendor_Name = \"A\"" << 1;
    QTest::newRow("comment kept at its column")
        << "Max_Module = 4        ; modules\nX"
        << "Max_Module"
        << "=12" << 0 << 0 << "Max_Module = 12       ; modules\nX" << 0;
    QTest::newRow("value with a ';' keeps the comment too")
        << "Vendor_Name = \"A\"   ; maker"
        << "Vendor_Name"
        << "=\"A;B\"" << 0 << 0 << "Vendor_Name = \"A;B\" ; maker" << 0;
    QTest::newRow("semicolon inside quotes is no comment")
        << "Vendor_Name = \"A;B\""
        << "Vendor_Name"
        << "=\"C\"" << 0 << 0 << "Vendor_Name = \"C\"" << 0;
    QTest::newRow("more lines than before continue with backslashes")
        << "Info_Text = \"a\"\nX"
        << "Info_Text"
        << "=\"a\r\nb\r\nc\"" << 0 << 0 << "Info_Text = \"a\\\nb\\\nc\"\nX" << 2;
    QTest::newRow("fewer lines: comments stay as comment lines")
        << "User_Prm_Data = 1,2,\\ ; one\n3,4,\\\n5 ; three\nX"
        << "User_Prm_Data"
        << "=7" << 0 << 2 << "User_Prm_Data = 7     ; one\n  ; three\nX" << 0;
    QTest::newRow("module reference writes the number only")
        << "Module = \"M\" 0x10\n1\nEndModule"
        << "Module_Reference"
        << "=5" << 1 << 1 << "Module = \"M\" 0x10\n5\nEndModule" << 1;
    QTest::newRow("trailing backslash of a value gets a line break")
        << "Bitmap_Device = \"a\"\nX"
        << "Bitmap_Device"
        << "=C:\\" << 0 << 0 << "Bitmap_Device = C:\\\n\nX" << 1;
}

void TextViewTest::replaceEntryLines() {
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, firstLine);
    QFETCH(int, lastLine);
    QFETCH(QString, expected);
    QFETCH(int, newLastLine);
    CKVFTextView view;
    view.SetDocumentText(text);
    kvf::CDbEntry entry(key.toStdString(), value.toStdString(), lastLine, firstLine);
    QVERIFY(view.ReplaceEntryLines(entry));
    QCOMPARE(Lines(view), expected);
    QCOMPARE(entry.Line, newLastLine);
    QCOMPARE(entry.LongLine, firstLine);
}

void TextViewTest::replaceEntryLinesIsOneUndoStep() {
    CKVFTextView view;
    const QString text = QStringLiteral("A\nInfo_Text = \"x\" \\\n \"y\"\nB");
    view.SetDocumentText(text);
    kvf::CDbEntry entry("Info_Text", "=\"z\"", 2, 1);
    QVERIFY(view.ReplaceEntryLines(entry));
    QCOMPARE(Lines(view), QStringLiteral("A\nInfo_Text = \"z\"\nB"));
    view.undo();
    QCOMPARE(Lines(view), text);
}

void TextViewTest::replaceEntryLinesRefusesOverlongLines() {
    RecordingAlerts alerts;
    for (int length : {1024, 1025}) {
        CKVFTextView view;
        view.setAlertSink(&alerts);
        const QString text = QStringLiteral("Info_Text = \"") + QString(length - 14, u'x') + u'"';
        QCOMPARE(text.size(), length);
        view.SetDocumentText(text);
        kvf::CDbEntry entry("Info_Text", "=\"y\"", 0, 0);
        QCOMPARE(view.ReplaceEntryLines(entry), length <= 1024);
        QCOMPARE(Lines(view) == text, length > 1024);
    }
    QCOMPARE(alerts.Texts, QStringList{QStringLiteral("LineLength greater than expected!")});
}

void TextViewTest::replaceEntryLinesRefusesAStaleEntry() {
    CKVFTextView view;
    view.SetDocumentText(QStringLiteral("a\nb"));
    kvf::CDbEntry beyond("Key", "=1", 5, 4);
    kvf::CDbEntry reversed("Key", "=1", 0, 1);
    QVERIFY(!view.ReplaceEntryLines(beyond));
    QVERIFY(!view.ReplaceEntryLines(reversed));
    QCOMPARE(Lines(view), QStringLiteral("a\nb"));
}

void TextViewTest::loadingColoursWithProgress() {
    CKVFTextView view;
    CountingProgress progress;
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("Vendor_Name = \"%1\"").arg(i);
    view.SetDocumentText(lines.join(u'\n'), &progress);
    QCOMPARE(progress.Begins, 1);
    QCOMPARE(progress.Steps, 100);
    QCOMPARE(progress.Ends, 1);
    QCOMPARE(progress.Caption, std::string("Processing KVF file..."));
    // Every line is coloured, each exactly once.
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        QVERIFY2(!block.layout()->formats().isEmpty(), qPrintable(block.text()));
    QCOMPARE(view.Highlighter().LinesScanned(), 1000);
    QVERIFY(!view.document()->isUndoAvailable());
}

void TextViewTest::readOnlyRefusesTyping() {
    CKVFTextView view;
    view.SetDocumentText(QStringLiteral("KVF_Revision = 1"));
    view.setReadOnlyDocument(true);
    QTest::keyClicks(&view, QStringLiteral("abc"));
    QCOMPARE(Lines(view), QStringLiteral("KVF_Revision = 1"));
    kvf::CDbEntry entry("KVF_Revision", "=2", 0, 0);
    QVERIFY(!view.ReplaceEntryLines(entry));
    view.setReadOnlyDocument(false);
    QTest::keyClicks(&view, QStringLiteral("x"));
    QCOMPARE(Lines(view), QStringLiteral("xKVF_Revision = 1"));
}

void TextViewTest::printsEveryPageWithTheHeaderName() {
    CKVFTextView view;
    view.setPrintDocumentName(QStringLiteral("acme.v2.kvf"));
    QCOMPARE(view.PrintHeaderName(), QStringLiteral("acme.KVF"));
    QStringList lines;
    for (int i = 0; i < 400; ++i)
        lines << QStringLiteral("Vendor_Name = \"%1\" ; line").arg(i);
    view.SetDocumentText(lines.join(u'\n'));
    QTemporaryDir folder;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("out.pdf")));
    const int pages = view.PrintTo(printer);
    // Some 60 lines fit a page.
    QVERIFY2(pages >= 4 && pages <= 12, qPrintable(QString::number(pages)));
    QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);
}

void TextViewTest::userKeysAreColouredOnlyWithTheSyntaxSetting() {
    for (int syntax : {0, 1}) {
        kvf::MemorySettingsStore settings;
        settings.SetInt("Settings", "Syntax", syntax);
        settings.SetString("UserKeys", "Summary", "MY_KEY,OTHER_KEY,");
        CKVFTextView view;
        view.SetDocumentText(QStringLiteral("My_Key = 1"));
        view.ApplyUserKeyHighlighting(settings);
        const auto formats = view.document()->firstBlock().layout()->formats();
        QCOMPARE(formats.size(), syntax);
    }
}

QTEST_MAIN(TextViewTest)
#include "TextViewTest.moc"
