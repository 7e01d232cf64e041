#include "views/HighlightScanner.h"
#include "views/KvfHighlighter.h"

#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using kvf::views::HighlightToken;
using kvf::views::HighlightWords;
using kvf::views::KvfHighlighter;
using kvf::views::TokenKind;

Q_DECLARE_METATYPE(std::vector<HighlightToken>)

namespace {

QString Describe(const std::vector<HighlightToken>& tokens, const QString& line) {
    static const char* names[] = {"comment", "string", "keyword", "second"};
    QStringList parts;
    for (const HighlightToken& token : tokens)
        parts << QStringLiteral("%1:%2").arg(
            QString::fromLatin1(names[static_cast<int>(token.Kind)]),
            line.mid(token.Start, token.Length));
    return parts.join(u' ');
}

// The colour a character of a block is drawn in, from the highlighter's formats.
QTextCharFormat FormatAt(const QTextBlock& block, int position) {
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (position >= range.start && position < range.start + range.length)
            return range.format;
    }
    return {};
}

} // namespace

class HighlighterTest : public QObject {
    Q_OBJECT
  private slots:
    void scansLines_data();
    void scansLines();
    void coloursWithTheColourTable();
    void keywordLookupIgnoresCaseAndAppendedWordsCount();
    void typingRecoloursOnlyItsLine();
    void pastingRecoloursThePastedLines();
};

void HighlighterTest::scansLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("tokens");
    QTest::newRow("keyword and string with a semicolon inside")
        << "Vendor_Name = \"ACME; Inc.\" ; maker"
        << "keyword:Vendor_Name string:\"ACME; Inc.\" comment:; maker";
    QTest::newRow("comment line hides keywords") << "; Module = 1"
                                                 << "comment:; Module = 1";
    QTest::newRow("numbers and unknown words stay plain") << "My_Key = 0x1F 12"
                                                          << "";
    QTest::newRow("keywords beginning with a digit") << "9.6_supp = 1\t24V_Pins = 0"
                                                     << "keyword:9.6_supp keyword:24V_Pins";
    QTest::newRow("second list words") << "#TALVERON_DP"
                                       << "second:#TALVERON_DP";
    QTest::newRow("data type line is a second-list word") << "Unsigned8 1 0-3"
                                                          << "second:Unsigned8";
    QTest::newRow("unclosed string runs to the end") << "Info_Text = \"open ; text"
                                                     << "keyword:Info_Text string:\"open ; text";
    QTest::newRow("index keyword before parenthesis") << "Unit_Diag_Bit(3) = \"x\""
                                                      << "keyword:Unit_Diag_Bit string:\"x\"";
    QTest::newRow("word glued to other characters") << "Äbc=Module-My_Key"
                                                    << "keyword:Module";
    QTest::newRow("empty line") << ""
                                << "";
}

void HighlighterTest::scansLines() {
    QFETCH(QString, line);
    QFETCH(QString, tokens);
    const HighlightWords words = HighlightWords::Standard();
    QCOMPARE(Describe(kvf::views::ScanLine(line, words), line), tokens);
}

void HighlighterTest::coloursWithTheColourTable() {
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    KvfHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("Vendor_Name = \"A\" ; c\nUnsigned16 0 x"));
    const QTextBlock first = document.firstBlock();
    const QTextCharFormat keyword = FormatAt(first, 0);
    QCOMPARE(keyword.foreground().color(), QColor(0, 0, 230));
    QCOMPARE(keyword.fontWeight(), int(QFont::Bold));
    const QTextCharFormat string = FormatAt(first, 14);
    QCOMPARE(string.foreground().color(), QColor(159, 17, 255));
    QVERIFY(string.fontWeight() != QFont::Bold);
    QCOMPARE(FormatAt(first, 18).foreground().color(), QColor(9, 115, 57));
    QCOMPARE(FormatAt(first, 12).foreground().style(), Qt::NoBrush); // the '=' stays plain
    const QTextCharFormat second = FormatAt(first.next(), 0);
    QCOMPARE(second.foreground().color(), QColor(178, 147, 4));
    QVERIFY(second.fontWeight() != QFont::Bold);
}

void HighlighterTest::keywordLookupIgnoresCaseAndAppendedWordsCount() {
    HighlightWords words = HighlightWords::Standard();
    QVERIFY(words.IsKeyword(u"VENDOR_NAME"));
    QVERIFY(words.IsKeyword(u"download_supp"));
    QVERIFY(!words.IsKeyword(u"MY_KEY"));
    words.AddKeywords({QStringLiteral("My_Key")});
    QVERIFY(words.IsKeyword(u"my_key"));
    QVERIFY(words.IsKeyword(u"Vendor_Name")); // appending keeps the list
    words.SetCaseSensitive(true);
    QVERIFY(words.IsKeyword(u"My_Key"));
    QVERIFY(!words.IsKeyword(u"MY_KEY"));
}

void HighlighterTest::typingRecoloursOnlyItsLine() {
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    KvfHighlighter highlighter(&document);
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("Vendor_Name = \"line %1\"").arg(i);
    document.setPlainText(lines.join(u'\n'));
    const long long before = highlighter.LinesScanned();

    QTextCursor cursor(document.findBlockByNumber(100));
    cursor.insertText(QStringLiteral(";"));
    QCOMPARE(highlighter.LinesScanned() - before, 1);
    // The line became a comment from its start.
    QCOMPARE(FormatAt(document.findBlockByNumber(100), 5).foreground().color(), QColor(9, 115, 57));
    QCOMPARE(FormatAt(document.findBlockByNumber(101), 0).fontWeight(), int(QFont::Bold));
}

void HighlighterTest::pastingRecoloursThePastedLines() {
    QTextDocument document;
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    KvfHighlighter highlighter(&document);
    document.setPlainText(QString(QStringLiteral("x\n")).repeated(100));
    const long long before = highlighter.LinesScanned();

    QTextCursor cursor(document.findBlockByNumber(50));
    cursor.insertText(QStringLiteral("Model_Name = \"a\"\nRevision = \"b\"\nIdent_Number = 1\n"));
    // The three pasted lines and the line the paste ended in.
    QCOMPARE(highlighter.LinesScanned() - before, 4);
    for (int line = 50; line < 53; ++line)
        QCOMPARE(FormatAt(document.findBlockByNumber(line), 0).fontWeight(), int(QFont::Bold));
}

QTEST_MAIN(HighlighterTest)
#include "HighlighterTest.moc"
