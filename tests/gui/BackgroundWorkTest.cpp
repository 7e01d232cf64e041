// What runs beside a document window: the worker thread of the check as you type and of the
// parse help and completion read (the end of a piece of work is handled once, on the window's
// thread), and that parse itself (of the text as it is now, read as the file's encoding).
#include "app/LanguageSnapshots.h"
#include "app/WorkerThread.h"
#include "core/SettingsStore.h"
#include "language/SnapshotDatabase.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace kvf;

namespace {
constexpr int kHangsMs = 60000;
}

class BackgroundWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void anEndHandledByWaitIsNotHandledAgain() {
        WorkerThread worker;
        int firstEnds = 0;
        int secondEnds = 0;
        QSemaphore release;
        // The second piece starts from the end of the first, as a waiting check does, and
        // runs until the test lets it go.
        worker.Start([] {},
                     [&] {
                         ++firstEnds;
                         worker.Start([&release] { release.tryAcquire(1, kHangsMs); },
                                      [&] { ++secondEnds; });
                     });
        worker.Wait();
        QCOMPARE(firstEnds, 1);
        QVERIFY(worker.IsRunning());
        // The first thread's own end arrives through the event loop now: it is neither
        // handled again nor taken for the second's, which still runs.
        QCoreApplication::processEvents();
        QCOMPARE(firstEnds, 1);
        QCOMPARE(secondEnds, 0);
        QVERIFY(worker.IsRunning());
        release.release();
        QTRY_COMPARE_WITH_TIMEOUT(secondEnds, 1, kHangsMs);
        QCoreApplication::processEvents();
        QCOMPARE(firstEnds, 1);
        QCOMPARE(secondEnds, 1);
        QVERIFY(!worker.IsRunning());
    }

    // The parse reads the text as the check reads the file: a UTF-8 file's character outside
    // the Basic Multilingual Plane is two code units, so two bytes, as the editor counts its
    // columns; a Windows-1252 file has one '?' for it.
    void theParseReadsTheFilesEncoding_data() {
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("UTF-8") << true << QByteArray("Vendor_Name = \"??\"");
        QTest::newRow("Windows-1252") << false << QByteArray("Vendor_Name = \"?\"");
    }
    void theParseReadsTheFilesEncoding() {
        QFETCH(bool, utf8);
        QFETCH(QByteArray, line);
        QTextDocument text(QString::fromUtf8("#TALVERON_DP\nVendor_Name = \"\xF0\x9F\x98\x80\""));
        LanguageSnapshots parses(text, [&text, utf8] { return Request(text, utf8); });
        QSignalSpy ready(&parses, &LanguageSnapshots::ready);
        QVERIFY(!parses.Current());
        QVERIFY(ready.wait(kHangsMs));
        LanguageSnapshots::Database parse = parses.Current();
        QVERIFY(parse);
        QCOMPARE(QByteArray::fromStdString(parse->Lines().Line(1)), line);
    }

    // A parse finished for a text edited since is not the text as it is now: the newer text
    // is parsed and only that one is given.
    void aParseOfAnOlderTextIsNotGiven() {
        QTextDocument text(QString("#TALVERON_DP\nVendor_Name = \"A\""));
        text.documentLayout(); // as a text view's: a document without one tells no edits
        LanguageSnapshots parses(text, [&text] { return Request(text, false); });
        QSignalSpy ready(&parses, &LanguageSnapshots::ready);
        QVERIFY(!parses.Current());                 // the parse of "A" starts
        QTextCursor(&text).insertText("; typed\n"); // while it runs
        QVERIFY(ready.wait(kHangsMs));
        LanguageSnapshots::Database parse = parses.Current();
        QVERIFY(parse);
        QCOMPARE(QByteArray::fromStdString(parse->Lines().Line(0)), QByteArray("; typed"));
        QTextCursor end(&text);
        end.movePosition(QTextCursor::End);
        end.insertText("\n");
        QVERIFY(!parses.Current()); // edited again: no parse of the text as it is now yet
    }

  private:
    static LiveCheckRequest Request(const QTextDocument& text, bool utf8) {
        LiveCheckRequest request;
        request.RawText = text.toRawText();
        request.Encoding = utf8 ? FileEncoding::Utf8 : FileEncoding::Windows1252;
        request.FileName = "dev.kvf";
        request.MakeSettings = [] { return std::make_unique<MemorySettingsStore>(); };
        return request;
    }
};

QTEST_MAIN(BackgroundWorkTest)
#include "BackgroundWorkTest.moc"
