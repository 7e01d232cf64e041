// Loading, saving and the backup copy of a document, without windows.
#include "GuiTestSupport.h"

#include "app/CKVF_EdDoc.h"
#include "app/CharacterLossQuestion.h"
#include "core/AlertSink.h"
#include "core/AppServices.h"
#include "core/SettingsStore.h"
#include "output/OutputRows.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace kvf;

namespace {

struct RecordedAlerts : AlertSink {
    QStringList Texts;
    void Alert(const std::string& text) override { Texts << QString::fromStdString(text); }
};

// An application state with its own settings and sinks, as each test needs one.
struct Fixture {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices app{settings, rows};
    RecordedAlerts alerts;
    QTextDocument text;
    CKVF_EdDoc doc{app, text};
    Fixture() { app.SetAlertSink(&alerts); }
};

// Every KVF input of the acceptance cases.
QStringList AcceptanceInputs() {
    QStringList files;
    QDirIterator it(QString(KVF_SOURCE_DIR) + "/tests/acceptance", QDir::Files,
                    QDirIterator::Subdirectories);
    const QStringList caseFiles = {"expected", "expected.jsonl", "args", "settings.ini", "why",
                                   "exit"};
    while (it.hasNext()) {
        QString path = it.next();
        if (!caseFiles.contains(QFileInfo(path).fileName()))
            files << path;
    }
    return files;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
    QTemporaryDir work_;
    QString previousDir_;

  private slots:
    void init() {
        // The backup copy goes to the current folder: each test gets a clean one.
        previousDir_ = QDir::currentPath();
        QVERIFY(QDir(work_.path()).mkpath("cwd"));
        QDir::setCurrent(work_.filePath("cwd"));
    }
    void cleanup() {
        QDir::setCurrent(previousDir_);
        QDir(work_.filePath("cwd")).removeRecursively();
    }

    // Open and save without an edit gives the file back byte for byte.
    void roundTripIsByteExact_data() {
        QTest::addColumn<QByteArray>("bytes");
        for (const QString& path : AcceptanceInputs())
            QTest::newRow(qPrintable(QDir(KVF_SOURCE_DIR).relativeFilePath(path)))
                << ReadBytes(path);
        QTest::newRow("mixed line ends") << QByteArray("#TALVERON_DP\r\nA = 1\nB = 2\rC = 3\r\n\n");
        QTest::newRow("no final break") << QByteArray("#TALVERON_DP\r\nVendor_Name = \"x\"");
        QTest::newRow("every byte") << [] {
            QByteArray all;
            for (int b = 1; b < 256; ++b)
                if (b != '\n' && b != '\r')
                    all.append(char(b));
            return all + "\r\n" + all;
        }();
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF#TALVERON_DP\r\nVendor_Name = \"x\"\r\n");
        QTest::newRow("line above 1024")
            << QByteArray("#TALVERON_DP\r\n") + QByteArray(3000, 'x') + "\r\nEnd = 1\r\n";
    }
    void roundTripIsByteExact() {
        QFETCH(QByteArray, bytes);
        Fixture f;
        QString path = work_.filePath("round.kvf");
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, false));
        QVERIFY(!f.doc.IsModified());
        QVERIFY(f.doc.Save(work_.filePath("copy.kvf")));
        QCOMPARE(ReadBytes(work_.filePath("copy.kvf")), bytes);
        QVERIFY(f.alerts.Texts.isEmpty());
    }

    void editChangesOnlyTheEditedBytes() {
        Fixture f;
        QByteArray bytes("#TALVERON_DP\r\nA = 1\nB = 2\r\nC = \xe4\r\n");
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, false));
        QTextCursor cursor(f.text.findBlockByNumber(2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText("0");
        QVERIFY(f.doc.IsModified());
        QCOMPARE(f.doc.Title(), QString("dev.kvf*"));
        QCOMPARE(f.doc.Engine().Title, std::string("dev.kvf*"));
        QVERIFY(f.doc.Save());
        QCOMPARE(ReadBytes(path), QByteArray("#TALVERON_DP\r\nA = 1\nB = 20\r\nC = \xe4\r\n"));
        QVERIFY(!f.doc.IsModified());
        QCOMPARE(f.doc.Title(), QString("dev.kvf"));
    }

    // The mark is hidden from the text and written back in front of it, edited or not.
    void byteOrderMarkIsHiddenAndKept() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, "\xEF\xBB\xBF#TALVERON_DP\nA = 1\n"));
        QVERIFY(f.doc.Load(path, false));
        QCOMPARE(f.text.firstBlock().text(), QString("#TALVERON_DP"));
        QTextCursor cursor(f.text.firstBlock());
        cursor.insertText("; first\n");
        QVERIFY(f.doc.Save());
        QCOMPARE(ReadBytes(path), QByteArray("\xEF\xBB\xBF; first\n#TALVERON_DP\nA = 1\n"));
    }

    // A file with the UTF-8 mark is UTF-8 text: the text shows its characters, the engine
    // reads them as the code page's bytes (one per UTF-16 code unit, as kvfcheck reads the
    // file), and a save without an edit writes every byte back, bytes that are no UTF-8
    // included, without asking about characters the code page cannot hold.
    void utf8FileIsShownDecodedAndSavedByteForByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("secondLine");    // as the text shows it
        QTest::addColumn<QByteArray>("engineLine"); // as the engine reads it
        const QByteArray mark("\xEF\xBB\xBF");
        QTest::newRow("umlauts and euro, CRLF")
            << mark + "#TALVERON_DP\r\nVendor_Name = \"Gr\xC3\xBC\xC3\x9F"
                      "e \xE2\x82\xAC\"\r\n"
            << QString::fromUtf8("Vendor_Name = \"Gr\xC3\xBC\xC3\x9F"
                                 "e \xE2\x82\xAC\"")
            << QByteArray("Vendor_Name = \"Gr\xFC\xDF"
                          "e \x80\"");
        QTest::newRow("no code page byte, LF, no final break")
            << mark + "#TALVERON_DP\n; \xE2\x86\x92 \xCE\xA9"
            << QString::fromUtf8("; \xE2\x86\x92 \xCE\xA9") << QByteArray("; ? ?");
        QTest::newRow("outside the BMP: two code units")
            << mark + "#TALVERON_DP\n; \xF0\x9F\x98\x80!\n"
            << QString::fromUtf8("; \xF0\x9F\x98\x80!")
            << QByteArray("; ??"
                          "!");
        QTest::newRow("stray bytes")
            << mark + "#TALVERON_DP\r\n; \xFC \xC0\x80 \xED\xA0\x80 \xE2\x82\r\n"
            << QString::fromUtf8("; \xC3\xBC \xC3\x80\xE2\x82\xAC \xC3\xAD\xC2\xA0\xE2\x82\xAC "
                                 "\xC3\xA2\xE2\x80\x9A")
            << QByteArray("; \xFC \xC0\x80 \xED\xA0\x80 \xE2\x82");
        QTest::newRow("a second mark is a character") << mark + mark + "#TALVERON_DP\r\nA = 1\r\n"
                                                      << QString("A = 1") << QByteArray("A = 1");
    }
    void utf8FileIsShownDecodedAndSavedByteForByte() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, secondLine);
        QFETCH(QByteArray, engineLine);
        Fixture f;
        bool asked = false;
        f.doc.SetLossQuestion([&asked](const CharacterLoss&) {
            asked = true;
            return true;
        });
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, false));
        QCOMPARE(f.text.findBlockByNumber(1).text(), secondLine);
        QCOMPARE(QByteArray::fromStdString(f.doc.Lines().Line(1)), engineLine);
        QVERIFY(f.doc.Save(work_.filePath("copy.kvf")));
        QCOMPARE(ReadBytes(work_.filePath("copy.kvf")), bytes);
        QVERIFY(!asked);
        QVERIFY(f.alerts.Texts.isEmpty());
    }

    // An edit of a UTF-8 file changes only the edited line, which is written as UTF-8; the
    // mark stays, and a character the code page cannot hold is written as it is, unasked.
    void utf8FileEditChangesOnlyTheEditedLine() {
        Fixture f;
        bool asked = false;
        f.doc.SetLossQuestion([&asked](const CharacterLoss&) {
            asked = true;
            return true;
        });
        const QByteArray before("\xEF\xBB\xBF#TALVERON_DP\r\n"
                                "; Gr\xC3\xBC\xC3\x9F"
                                "e \xFC\r\n"
                                "Vendor_Name = \"K\xC3\xB6ln\"\n"
                                "Model_Name = \"\xE2\x82\xAC\"\r\n");
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, before));
        QVERIFY(f.doc.Load(path, false));
        // The entries hold the code page's bytes of the characters.
        QVERIFY(std::string(f.doc.Engine().Database.At(0).Value).find("K\xF6ln") !=
                std::string::npos);
        QTextCursor cursor(f.text.findBlockByNumber(2));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.movePosition(QTextCursor::Left); // before the closing quote
        cursor.insertText(QString::fromUtf8(" \xC3\x84 \xE2\x86\x92"));
        QVERIFY(f.doc.Save());
        QVERIFY(!asked);
        QCOMPARE(ReadBytes(path), QByteArray("\xEF\xBB\xBF#TALVERON_DP\r\n"
                                             "; Gr\xC3\xBC\xC3\x9F"
                                             "e \xFC\r\n"
                                             "Vendor_Name = \"K\xC3\xB6ln \xC3\x84 \xE2\x86\x92\"\n"
                                             "Model_Name = \"\xE2\x82\xAC\"\r\n"));
        QCOMPARE(f.text.findBlockByNumber(2).text(),
                 QString::fromUtf8("Vendor_Name = \"K\xC3\xB6ln \xC3\x84 \xE2\x86\x92\""));
        // The saved text is the text as read now: a second save writes the same bytes.
        QVERIFY(f.doc.Save(work_.filePath("again.kvf")));
        QCOMPARE(ReadBytes(work_.filePath("again.kvf")), ReadBytes(path));
    }

    // No character is written as '?' without the user's word: the save asks, tells where
    // the first one is and how many there are, and Cancel writes nothing.
    void charactersOutsideTheCodePageAreNotLostSilently() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        const QByteArray bytes("#TALVERON_DP\r\nA = 1 ; \xe4\r\n");
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, false));
        QTextCursor cursor(f.text.findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(QString::fromUtf8(" \xCE\xA9 \xE2\x9C\x93"));

        QVERIFY(!f.doc.Save()); // no question to ask: nothing is written
        QCOMPARE(ReadBytes(path), bytes);

        QList<CharacterLoss> asked;
        bool replace = false;
        f.doc.SetLossQuestion([&](const CharacterLoss& loss) {
            asked << loss;
            return replace;
        });
        QVERIFY(!f.doc.Save());
        QCOMPARE(ReadBytes(path), bytes);
        QVERIFY(f.doc.IsModified());
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].Line, 2);
        QCOMPARE(asked[0].Column, std::size_t(11));
        QCOMPARE(asked[0].Character, QString::fromUtf8("\xCE\xA9"));
        QCOMPARE(asked[0].Count, std::size_t(2));

        replace = true;
        QVERIFY(f.doc.Save());
        QCOMPARE(ReadBytes(path), QByteArray("#TALVERON_DP\r\nA = 1 ; \xe4 ? ?\r\n"));
        QVERIFY(!f.doc.IsModified());
        QCOMPARE(f.text.findBlockByNumber(1).text(), QString::fromUtf8("A = 1 ; \xC3\xA4 ? ?"));
    }

    // The question names the first line that holds such a character; its "and N more"
    // counts the other characters, of every line, only.
    void theQuestionNamesTheFirstLineAndCountsTheOthers() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, "#TALVERON_DP\nA = 1\nB = 2\n"));
        QVERIFY(f.doc.Load(path, false));
        QTextCursor second(f.text.findBlockByNumber(1));
        second.movePosition(QTextCursor::EndOfBlock);
        second.insertText(QString::fromUtf8("\xCE\xA9"));
        QTextCursor third(f.text.findBlockByNumber(2));
        third.movePosition(QTextCursor::EndOfBlock);
        third.insertText(QString::fromUtf8(" \xE2\x9C\x93 \xE2\x9C\x93"));
        QString asked;
        f.doc.SetLossQuestion([&asked](const CharacterLoss& loss) {
            QTimer::singleShot(0, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->reject();
                }
            });
            return AskToReplaceLostCharacters(nullptr, loss);
        });
        QVERIFY(!f.doc.Save());
        QCOMPARE(asked, QString::fromUtf8("Line 2, column 6 holds \"\xCE\xA9\" and 2 more such "
                                          "characters, which a KVF file (Windows-1252) cannot "
                                          "hold."));
        QCOMPARE(ReadBytes(path), QByteArray("#TALVERON_DP\nA = 1\nB = 2\n"));
    }

    void databaseComesFromTheText() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, "#TALVERON_DP\r\nVendor_Name = \"ACME\"\r\nRevision = \"1\"\r\n"));
        QVERIFY(f.doc.Load(path, false));
        QCOMPARE(f.doc.Engine().Database.Count(), std::size_t(2));
        QCOMPARE(f.doc.Engine().Database.At(1).LongLine, 2);
    }

    void backupNamesAndNoBackup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("noBackup");
        QTest::addColumn<QString>("backup");
        QTest::newRow("dev.kvf") << "dev.kvf" << 0 << "dev.bak";
        QTest::newRow("my.dev.kvf") << "my.dev.kvf" << 0 << "my.bak";
        QTest::newRow("NoBackup") << "dev.kvf" << 1 << QString();
    }
    void backupNamesAndNoBackup() {
        QFETCH(QString, name);
        QFETCH(int, noBackup);
        QFETCH(QString, backup);
        Fixture f;
        f.settings.SetInt("Settings", "NoBackup", noBackup);
        QByteArray bytes("#TALVERON_DP\nVendor_Name = \"ACME\"\n");
        QVERIFY(QDir(work_.path()).mkpath("files"));
        QString path = work_.filePath("files/" + name);
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, false));
        QStringList left = QDir::current().entryList(QDir::Files);
        if (backup.isEmpty()) {
            QVERIFY2(left.isEmpty(), qPrintable(left.join(',')));
        } else {
            QCOMPARE(left, QStringList{backup});
            QCOMPARE(ReadBytes(backup), bytes);
        }
    }

    // A failed backup leaves a usable document: the entries come from the text.
    void failedBackupKeepsTheDatabase() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QVERIFY(WriteBytes(path, "#TALVERON_DP\nVendor_Name = \"ACME\"\n"));
        QVERIFY(QDir::current().mkdir("dev.bak")); // the backup name is taken by a folder
        QVERIFY(f.doc.Load(path, false));
        QCOMPARE(f.alerts.Texts, QStringList{"Could not create Backup File!"});
        QCOMPARE(f.doc.Engine().Database.Count(), std::size_t(1));
    }

    // A file opened under its own backup name is neither emptied nor deleted.
    void fileNamedLikeItsBackupSurvives() {
        Fixture f;
        f.settings.SetInt("Settings", "NoBackup", 1);
        QByteArray bytes("#TALVERON_DP\nVendor_Name = \"ACME\"\n");
        QVERIFY(WriteBytes("dev.bak", bytes));
        QVERIFY(f.doc.Load(QDir::current().filePath("dev.bak"), false));
        QCOMPARE(ReadBytes("dev.bak"), bytes);
    }

    void readOnlyRefusesSaving() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QByteArray bytes("#TALVERON_DP\n");
        QVERIFY(WriteBytes(path, bytes));
        QVERIFY(f.doc.Load(path, true));
        QTextCursor(&f.text).insertText("X = 1\n");
        QVERIFY(!f.doc.Save());
        QCOMPARE(f.alerts.Texts, QStringList{"Error: The current file is write-protected!"});
        QCOMPARE(ReadBytes(path), bytes);
        QVERIFY(f.doc.IsModified());
    }

    // A write that fails half-way leaves the old file whole and the document modified.
    void failedWriteLeavesTheOldFile() {
        Fixture f;
        QString path = work_.filePath("dev.kvf");
        QByteArray old("#TALVERON_DP\nVendor_Name = \"old\"\n");
        QVERIFY(WriteBytes(path, old));
        QVERIFY(f.doc.Load(path, false));
        QTextCursor cursor(&f.text);
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(QString(200000, 'x'));

        // Files may not grow past 4 KiB while the save runs.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        bool saved = f.doc.Save();
        setrlimit(RLIMIT_FSIZE, &previous);

        QVERIFY(!saved);
        QCOMPARE(f.alerts.Texts, QStringList{"Error while writing to file!"});
        QCOMPARE(ReadBytes(path), old);
        QVERIFY(f.doc.IsModified());
        QCOMPARE(QDir(work_.path()).entryList({"dev.kvf*"}, QDir::Files), QStringList{"dev.kvf"});
    }

    void unreadableFileIsNotOpened() {
        Fixture f;
        QVERIFY(!f.doc.Load(work_.filePath("missing.kvf"), false));
        QCOMPARE(f.alerts.Texts, QStringList{"Error while loading file!"});
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
