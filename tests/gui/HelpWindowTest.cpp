#include "app/HelpWindow.h"
#include "GuiTestSupport.h"
#include "app/HelpTopics.h"
#include "catalogue/KeywordCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <set>

using kvf::HelpContext;
using kvf::HelpWindow;

namespace {

QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString PageText(const QString& page) {
    QFile file(HelpWindow::BuiltInPages() + u'/' + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void everyContextHasItsOwnShippedPage();
    void everyKeywordTopicHasItsPageAndAnchor();
    void keywordHelpOpensTheGlossaryAtTheKeyword();
    void aMissingPageDoesNothing();
    void helpServiceOpensEngineTopics();
    void escapeClosesTheWindow();
};

void HelpWindowTest::escapeClosesTheWindow() {
    HelpWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window, kHangsMs));
    QTest::keyClick(window.Browser(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void HelpWindowTest::everyContextHasItsOwnShippedPage() {
    std::set<std::string_view> pages;
    for (int context = 0; context < static_cast<int>(HelpContext::Other); ++context) {
        const std::string_view page = kvf::HelpPageFor(static_cast<HelpContext>(context));
        QVERIFY2(page != kvf::kDefaultHelpPage, qPrintable(QString::number(context)));
        QVERIFY2(pages.insert(page).second, qPrintable(ToQString(page)));
        QVERIFY2(!PageText(ToQString(page)).isEmpty(), qPrintable(ToQString(page)));
    }
    QCOMPARE(kvf::HelpPageFor(HelpContext::Other), kvf::kDefaultHelpPage);
    QCOMPARE(kvf::HelpPageFor(HelpContext::FileOpen), std::string_view("cmd_file_open.htm"));
    QVERIFY(!PageText(ToQString(kvf::kDefaultHelpPage)).isEmpty());
}

void HelpWindowTest::everyKeywordTopicHasItsPageAndAnchor() {
    const kvf::KeywordCatalogue& catalogue = kvf::KeywordCatalogue::Instance();
    for (const kvf::CatalogueRow& row : catalogue.Rows()) {
        for (const kvf::CatalogueKeyword& keyword : row.Keywords) {
            const QString topic = ToQString(keyword.Topic);
            const QString page = PageText(topic.section(u'#', 0, 0));
            QVERIFY2(!page.isEmpty(), qPrintable(topic));
            const QString anchor = topic.section(u'#', 1);
            QVERIFY2(anchor.isEmpty() || page.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                     qPrintable(topic));
        }
    }
    for (const kvf::GroupName& group : catalogue.GroupNames())
        QVERIFY2(!PageText(ToQString(group.Page)).isEmpty(), qPrintable(ToQString(group.Page)));
}

void HelpWindowTest::keywordHelpOpensTheGlossaryAtTheKeyword() {
    HelpWindow window;
    QVERIFY(window.ShowTopic(QStringLiteral("glossary_keys_general.htm#KVF_Revision")));
    QVERIFY(window.isVisible());
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("glossary_keys_general.htm"));
    QCOMPARE(window.Browser()->source().fragment(), QStringLiteral("KVF_Revision"));
    // The catalogue's help text of the keyword is on the page.
    QVERIFY(window.Browser()->toPlainText().contains(
        QStringLiteral("Version of the KVF format that applies to this file.")));
    // An anchor the catalogue spells short still leads to its keyword.
    QVERIFY(window.ShowTopic(QStringLiteral("glossary_keys_slave_isom.htm#TDP_M")));
    QVERIFY(window.Browser()->toHtml().contains(QStringLiteral("TDP_MAX")));
    QVERIFY(window.ShowContext(HelpContext::ExtrasCheck));
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("cmd_extras_check.htm"));
}

void HelpWindowTest::aMissingPageDoesNothing() {
    QTemporaryDir folder;
    HelpWindow window(nullptr, folder.path());
    for (const char* topic : {"default.htm", "../etc/passwd", "", "#anchor"})
        QVERIFY2(!window.ShowTopic(QString::fromLatin1(topic)), topic);
    QVERIFY(!window.isVisible());
    QVERIFY(window.Browser()->source().isEmpty());

    QFile page(folder.filePath(QStringLiteral("wnd_main.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><body><h1>Main</h1></body></html>");
    page.close();
    QVERIFY(window.ShowContext(HelpContext::MainWindow));
    QVERIFY(!window.ShowContext(HelpContext::OutputWindow));
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("wnd_main.htm"));
}

void HelpWindowTest::helpServiceOpensEngineTopics() {
    HelpWindow window;
    kvf::HelpWindowService service(window);
    service.OpenTopic("glossary_keywords.htm");
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("glossary_keywords.htm"));
    service.OpenTopic("no_such_page.htm#X");
    QCOMPARE(window.Browser()->source().fileName(), QStringLiteral("glossary_keywords.htm"));
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
