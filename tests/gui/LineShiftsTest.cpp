// Where the lines of a text go as it is edited: a line of the version the database was built
// from is found again in the text as it is now (the tree's click after typing relies on it).
#include "app/LineShifts.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>

using namespace kvf;

namespace {

using Edit = std::function<void(QTextDocument&)>;

// The cursor over [from, to) of line `line`, `to` -1 for the line's end.
QTextCursor At(QTextDocument& text, int line, int from, int to = -2) {
    QTextCursor cursor(text.findBlockByNumber(line));
    cursor.setPosition(cursor.block().position() + from);
    if (to == -1)
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    else if (to >= 0)
        cursor.setPosition(cursor.block().position() + to, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class LineShiftsTest : public QObject {
    Q_OBJECT
  private slots:
    void linesOfTheOldTextAreFoundAgain_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QList<int>>("lines"); // where lines 0-5 of the old text are now
        QTest::newRow("typing in a line")
            << Edit([](QTextDocument& t) { At(t, 2, 3).insertText("abc"); })
            << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("a line break at a line's end")
            << Edit([](QTextDocument& t) { At(t, 2, 6).insertText("\n"); })
            << QList<int>{0, 1, 2, 4, 5, 6};
        QTest::newRow("a line put before a line")
            << Edit([](QTextDocument& t) { At(t, 2, 0).insertText("new\n"); })
            << QList<int>{0, 1, 3, 4, 5, 6};
        QTest::newRow("a line deleted") << Edit([](QTextDocument& t) {
            QTextCursor cursor = At(t, 1, 0);
            cursor.setPosition(t.findBlockByNumber(2).position(), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }) << QList<int>{0, 1, 1, 2, 3, 4};
        QTest::newRow("two lines joined and three pasted") << Edit([](QTextDocument& t) {
            QTextCursor cursor = At(t, 3, 2);
            cursor.setPosition(t.findBlockByNumber(4).position() + 1, QTextCursor::KeepAnchor);
            cursor.insertText("x\ny\nz\nw");
        }) << QList<int>{0, 1, 2, 3, 6, 7};
        QTest::newRow("two edits, one after the other") << Edit([](QTextDocument& t) {
            At(t, 0, 0).insertText("; top\n");
            At(t, 4, 0, -1).removeSelectedText();
            At(t, 4, 0).deleteChar(); // line 3 of the old text goes
        }) << QList<int>{1, 2, 3, 4, 4, 5};
        QTest::newRow("colours over several lines") << Edit([](QTextDocument& t) {
            QTextCursor cursor = At(t, 1, 0);
            cursor.setPosition(t.findBlockByNumber(4).position(), QTextCursor::KeepAnchor);
            QTextCharFormat bold;
            bold.setFontWeight(QFont::Bold);
            cursor.mergeCharFormat(bold);
        }) << QList<int>{0, 1, 2, 3, 4, 5};
    }
    void linesOfTheOldTextAreFoundAgain() {
        QFETCH(Edit, edit);
        QFETCH(QList<int>, lines);
        QTextDocument text("line 0\nline 1\nline 2\nline 3\nline 4\nline 5");
        text.documentLayout(); // a document tells its changes once it has a layout, as a view's
        LineShifts shifts(text);
        edit(text);
        QList<int> found;
        for (int line = 0; line < 6; ++line)
            found << shifts.Map(line);
        QCOMPARE(found, lines);
        // A reset makes the text as it is now the version lines are mapped from.
        shifts.Reset();
        for (int line = 0; line < text.blockCount(); ++line)
            QCOMPARE(shifts.Map(line), line);
    }
};

QTEST_MAIN(LineShiftsTest)
#include "LineShiftsTest.moc"
