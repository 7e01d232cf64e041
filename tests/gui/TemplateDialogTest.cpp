// New file from template: the header rule, the scan of a folder, the start folder, the
// dialog's choices and Browse, and File New making documents from the answer.
#include "FrameFixture.h"
#include "GuiTestSupport.h"

#include "app/EditorApp.h"
#include "app/TemplateDialog.h"
#include "core/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <sys/stat.h>

using namespace kvf;

namespace {

const QByteArray kTemplate = "; KVF_Ed: Test slave\r\n"
                             "#TALVERON_DP\r\n"
                             "Vendor_Name = \"ACME\"\r\n"
                             "Model_Name = \"Box\"\r\n";

QStringList Rows(const QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1);
    return rows;
}

// Answers the next modal template dialog with `act` once it is up.
void WhenDialogOpens(std::function<void(TemplateDialog*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TemplateDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir cwd_;
    QString previousDir_;

  private slots:
    void init() {
        previousDir_ = QDir::currentPath();
        QDir::setCurrent(cwd_.path());
    }
    void cleanup() { QDir::setCurrent(previousDir_); }

    void headerGivesDescription_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("description");
        QTest::newRow("usual header")
            << QByteArray("; KVF_Ed: Compact slave\r\n") << true << "Compact slave";
        QTest::newRow("blanks trimmed") << QByteArray(";  KVF_Ed:   Master   ") << true << "Master";
        QTest::newRow("shorter than eleven") << QByteArray("; KVF_Ed:") << true << "";
        QTest::newRow("eleven exactly") << QByteArray("; KVF_Ed: x") << true << "x";
        QTest::newRow("marker elsewhere") << QByteArray("KVF_Ed: abcdefgh") << true << "cdefgh";
        QTest::newRow("no marker") << QByteArray("; A template") << false << "";
        QTest::newRow("marker case matters") << QByteArray("; kvf_ed: x") << false << "";
        QTest::newRow("code page text")
            << QByteArray("; KVF_Ed: 5 \xB5s") << true << QString::fromUtf8("5 \xC2\xB5s");
        QTest::newRow("UTF-8 with its mark")
            << QByteArray("\xEF\xBB\xBF; KVF_Ed: Gr\xC3\xBC\xC3\x9F"
                          "e \xE2\x82\xAC")
            << true
            << QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                 "e \xE2\x82\xAC");
    }
    void headerGivesDescription() {
        QFETCH(QByteArray, header);
        QFETCH(bool, listed);
        QFETCH(QString, description);
        std::optional<QString> found = TemplateDescription(header);
        QCOMPARE(found.has_value(), listed);
        if (listed)
            QCOMPARE(*found, description);
    }

    void scanListsMarkedTemplatesInNameOrder() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("b.tpl"), "; KVF_Ed: Second\n#TALVERON_DP\n");
        WriteBytes(dir.filePath("A.TPL"), "; KVF_Ed: First\n");
        WriteBytes(dir.filePath("c.tpl"), "#TALVERON_DP\n; KVF_Ed: not the first line\n");
        WriteBytes(dir.filePath("d.kvf"), "; KVF_Ed: not a template\n");
        WriteBytes(dir.filePath("e.tpl"), "");
        QDir(dir.path()).mkdir("f.tpl");
        TemplateScan scan = ScanTemplateFolder(dir.path() + '/');
        QVERIFY(scan.AnyTemplateFile);
        QVERIFY(scan.UnreadableFile.isEmpty());
        QCOMPARE(scan.Rows.size(), 2);
        QCOMPARE(scan.Rows[0].FileName, QString("A.TPL"));
        QCOMPARE(scan.Rows[0].Description, QString("First"));
        QCOMPARE(scan.Rows[1].FileName, QString("b.tpl"));
    }

    void scanStopsAtFileThatCannotBeOpened() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("a.tpl"), "; KVF_Ed: Readable\n");
        QVERIFY(QFile::link(dir.filePath("missing"), dir.filePath("b.tpl")));
        WriteBytes(dir.filePath("c.tpl"), "; KVF_Ed: After it\n");
        MemorySettingsStore settings;
        settings.SetString("Settings", "Tpl_Path", dir.path().toStdString());
        QStringList warnings;
        TemplateDialog dialog(settings, [&](const QString& text) { warnings << text; });
        QCOMPARE(Rows(dialog.List()), QStringList{"a.tpl|Readable"});
        QCOMPARE(warnings, QStringList{"Error opening file b.tpl."});
    }

    void pipeIsNeitherOpenedNorListed() {
        QTemporaryDir dir;
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("pipe.tpl")).constData(), 0600) == 0);
        WriteBytes(dir.filePath("x.tpl"), "; KVF_Ed: Plain\n");
        TemplateScan scan = ScanTemplateFolder(dir.path());
        QCOMPARE(scan.Rows.size(), 1);
        QVERIFY(scan.UnreadableFile.isEmpty());
    }

    void emptyFolderShowsErrorRowAndOpenStaysDisabled() {
        QTemporaryDir dir;
        MemorySettingsStore settings;
        settings.SetString("Settings", "Tpl_Path", dir.path().toStdString());
        TemplateDialog dialog(settings, {});
        QCOMPARE(dialog.windowTitle(), QString("Choose a template for the new file..."));
        QCOMPARE(Rows(dialog.List()), QStringList{"Error !|No files found. Use Browse.."});
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        QVERIFY(!dialog.OpenButton()->isEnabled());
        dialog.OpenButton()->click();
        QVERIFY(dialog.result() != QDialog::Accepted);
    }

    void startFolderRule() {
        MemorySettingsStore settings;
        // Nothing stored, no Templates folder here: the program's own templates.
        QString installed = StartTemplateFolder(settings);
        QVERIFY2(QFileInfo::exists(installed + "compact.tpl"), qPrintable(installed));
        QDir().mkdir("Templates");
        QCOMPARE(StartTemplateFolder(settings), QDir::current().absoluteFilePath("Templates/"));
        settings.SetString("Settings", "Tpl_Path", "/somewhere/else");
        QCOMPARE(StartTemplateFolder(settings), QString("/somewhere/else/"));
    }

    void selectingRowChoosesItsPath() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("one.tpl"), kTemplate);
        WriteBytes(dir.filePath("two.tpl"), kTemplate);
        MemorySettingsStore settings;
        settings.SetString("Settings", "Tpl_Path", (dir.path() + '/').toStdString());
        TemplateDialog dialog(settings, {});
        QVERIFY(!dialog.OpenButton()->isEnabled());
        dialog.show();
        QTreeWidget* list = dialog.List();
        QRect first = list->visualItemRect(list->topLevelItem(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(dialog.ChosenPath(), dir.path() + "/one.tpl");
        QCOMPARE(dialog.PathLine()->text(), dir.path() + "/one.tpl");
        QVERIFY(dialog.OpenButton()->isEnabled());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(dialog.ChosenPath(), dir.path() + "/two.tpl");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Choice(), TemplateChoice::OpenTemplate);
        QCOMPARE(dialog.ChosenPath(), dir.path() + "/one.tpl");
    }

    void buttonsGiveTheirChoice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("empty doc") << "&Empty Doc" << int(TemplateChoice::EmptyDocument);
        QTest::newRow("cancel") << "&Cancel" << int(TemplateChoice::Cancel);
    }
    void buttonsGiveTheirChoice() {
        QFETCH(QString, button);
        QFETCH(int, choice);
        MemorySettingsStore settings;
        TemplateDialog dialog(settings, {});
        QPushButton* pressed =
            button == dialog.EmptyButton()->text() ? dialog.EmptyButton() : dialog.CancelButton();
        QCOMPARE(pressed->text(), button);
        pressed->click();
        QCOMPARE(int(dialog.Choice()), choice);
    }

    void browseStoresFolderAndScansIt() {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("other.tpl"), "; KVF_Ed: Other folder\n");
        MemorySettingsStore settings;
        TemplateDialog dialog(settings, {});
        dialog.SetBrowseHandler([&](const QString&) { return dir.filePath("other.tpl"); });
        dialog.BrowseButton()->click();
        QCOMPARE(dialog.Folder(), dir.path() + '/');
        QCOMPARE(settings.GetString("Settings", "Tpl_Path", ""), (dir.path() + '/').toStdString());
        QCOMPARE(Rows(dialog.List()), QStringList{"other.tpl|Other folder"});

        // A cancelled Browse empties the folder, lists the reason and disables Open.
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        QVERIFY(dialog.OpenButton()->isEnabled());
        dialog.SetBrowseHandler([](const QString&) { return QString(); });
        dialog.BrowseButton()->click();
        QVERIFY(dialog.Folder().isEmpty());
        QCOMPARE(Rows(dialog.List()), QStringList{"Error !|No directory selected."});
        QVERIFY(!dialog.OpenButton()->isEnabled());
        QVERIFY(dialog.ChosenPath().isEmpty());
        // The stored folder stays what the last successful Browse chose.
        QCOMPARE(settings.GetString("Settings", "Tpl_Path", ""), (dir.path() + '/').toStdString());

        // An empty folder is the current directory.
        WriteBytes("here.tpl", "; KVF_Ed: Current directory\n");
        dialog.Scan(QString());
        QCOMPARE(Rows(dialog.List()), QStringList{"here.tpl|Current directory"});
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
        QCOMPARE(dialog.ChosenPath(), QString("here.tpl"));
    }

    // Line feeds alone, unlike carriage return and line feed, are not what a document
    // without known line ends is saved with.
    void fileNewOpensTemplateAsUntitledDocument_data() {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::newRow("CRLF") << kTemplate;
        QTest::newRow("LF") << QByteArray(kTemplate).replace("\r\n", "\n");
    }
    void fileNewOpensTemplateAsUntitledDocument() {
        QFETCH(QByteArray, templateBytes);
        FrameFixture f;
        QString folder = f.dir.filePath("tpl/");
        QDir().mkpath(folder);
        WriteBytes(folder + "slave.tpl", templateBytes);
        f.store->SetString("Settings", "Tpl_Path", folder.toStdString());
        WhenDialogOpens([](TemplateDialog* dialog) {
            dialog->List()->setCurrentItem(dialog->List()->topLevelItem(0));
            dialog->OpenButton()->click();
        });
        f.frame->Command("cmd_file_new")->trigger();
        QCOMPARE(f.frame->Children().size(), 1);
        CChildFrame* child = f.frame->Children().first();
        QCOMPARE(child->windowTitle(), QString("KVF1"));
        QVERIFY(child->Doc().IsUntitled());
        QVERIFY(!child->Doc().IsModified());
        QVERIFY(child->Doc().Text().toPlainText().startsWith("; KVF_Ed: Test slave\n#TALVERON_DP"));
        QCOMPARE(child->Doc().Engine().Database.Count(), std::size_t(2)); // the two keywords
        // The template is read, never copied: no backup of it, none of the new title.
        QVERIFY(QDir::current().entryList({"*.bak"}, QDir::Files).isEmpty());
        // A save writes the template's own line ends.
        QString saved = f.dir.filePath("saved.kvf");
        QVERIFY(f.frame->SaveDocumentAs(child, saved));
        QCOMPARE(ReadBytes(saved), templateBytes);
        QCOMPARE(ReadBytes(folder + "slave.tpl"), templateBytes);
    }

    void fileNewEmptyAndCancel() {
        FrameFixture f;
        f.store->SetString("Settings", "Tpl_Path", f.dir.filePath("none/").toStdString());
        WhenDialogOpens([](TemplateDialog* dialog) { dialog->EmptyButton()->click(); });
        f.frame->OnFileNew();
        QCOMPARE(f.frame->Children().size(), 1);
        QVERIFY(f.frame->Children().first()->Doc().Text().isEmpty());

        WhenDialogOpens([](TemplateDialog* dialog) { dialog->CancelButton()->click(); });
        f.frame->OnFileNew();
        QCOMPARE(f.frame->Children().size(), 1);
        // The next untitled document counts on from the first.
        WhenDialogOpens([](TemplateDialog* dialog) { dialog->EmptyButton()->click(); });
        f.frame->OnFileNew();
        QCOMPARE(f.frame->ActiveChild()->windowTitle(), QString("KVF2"));
    }

    void startWithoutFileAsksForTemplate() {
        QTemporaryDir dir;
        EditorApp app(std::make_unique<QtIniSettingsStore>(dir.filePath("settings.ini")));
        StartOptions options;
        options.NoSplash = true;
        WhenDialogOpens([](TemplateDialog* dialog) { dialog->CancelButton()->click(); });
        app.Start(options);
        QVERIFY(app.Frame().Children().isEmpty());
    }

    void templateThatVanishedOpensNoDocument() {
        FrameFixture f;
        QCOMPARE(f.frame->NewDocumentFromTemplate(f.dir.filePath("gone.tpl")), nullptr);
        QCOMPARE(f.alerts, QStringList{"Error while loading file!"});
        QApplication::processEvents();
        QVERIFY(f.frame->Children().isEmpty());
    }
};

QTEST_MAIN(TemplateDialogTest)
#include "TemplateDialogTest.moc"
