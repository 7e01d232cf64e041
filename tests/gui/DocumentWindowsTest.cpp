// The document windows in the main window's area: where new ones open, the tabbed view and
// its setting, and the keys that act wherever the focus is in a document window.
#include "FrameFixture.h"
#include "views/CInputView.h"
#include "views/CKVFTreeView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTest>

#include <algorithm>

using namespace kvf;

namespace {

const QByteArray kDevice = "#TALVERON_DP\r\n"
                           "KVF_Revision = 1\r\n"
                           "Vendor_Name = \"ACME\"\r\n";

QRect AreaRect(CMainFrame& frame) {
    return QRect(QPoint(0, 0), frame.MdiArea()->viewport()->size());
}

void Activate(CMainFrame& frame) {
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame, kHangsMs));
}

} // namespace

class DocumentWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // Each new window lies wholly inside the area, also in a small main window, the later
    // ones a step down and right of the earlier ones until the steps start again.
    void newWindowsLieInsideTheArea_data() {
        QTest::addColumn<QSize>("frameSize");
        QTest::newRow("small") << QSize(640, 480);
        QTest::newRow("large") << QSize(1100, 780);
    }
    void newWindowsLieInsideTheArea() {
        QFETCH(QSize, frameSize);
        FrameFixture f;
        f.frame->Settings().MaximizedDocuments = 0; // cascading chosen
        f.frame->resize(frameSize);
        QList<QPoint> places;
        for (int window = 1; window <= 5; ++window) {
            CChildFrame* child =
                window % 2
                    ? f.frame->NewDocument()
                    : f.frame->OpenPaths({f.Write(QString("d%1.kvf").arg(window), kDevice)}, false)
                          .first();
            const QString which = QString("window %1 at %2,%3 %4x%5 in %6x%7")
                                      .arg(window)
                                      .arg(child->x())
                                      .arg(child->y())
                                      .arg(child->width())
                                      .arg(child->height())
                                      .arg(AreaRect(*f.frame).width())
                                      .arg(AreaRect(*f.frame).height());
            QVERIFY2(AreaRect(*f.frame).contains(child->geometry()), qPrintable(which));
            // Its panes are inside it: the input view's bottom is in reach.
            QVERIFY2(child->InputView()->height() > 0, qPrintable(which));
            places << child->pos();
        }
        QVERIFY(places[1] != places[0]);
        QCOMPARE(places[0], QPoint(0, 0));
    }

    // Tile Horizontally stacks the windows one above another across the area's width; Tile
    // Vertically sets them side by side over its height.
    void tilingStacksOrSetsSideBySide_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("stacked");
        QTest::newRow("horizontally") << "cmd_window_tile_horz" << true;
        QTest::newRow("vertically") << "cmd_window_tile_vert" << false;
    }
    void tilingStacksOrSetsSideBySide() {
        QFETCH(QString, command);
        QFETCH(bool, stacked);
        FrameFixture f;
        for (int window = 1; window <= 3; ++window)
            f.frame->OpenPaths({f.Write(QString("d%1.kvf").arg(window), kDevice)}, false);
        f.frame->Command(command)->trigger();
        const QRect area = AreaRect(*f.frame);
        QList<QRect> places;
        for (QMdiSubWindow* window : f.frame->MdiArea()->subWindowList())
            places << window->geometry();
        QCOMPARE(places.size(), 3);
        std::sort(places.begin(), places.end(), [stacked](const QRect& a, const QRect& b) {
            return stacked ? a.top() < b.top() : a.left() < b.left();
        });
        for (int i = 0; i < places.size(); ++i) {
            const QRect& place = places[i];
            QVERIFY2(area.contains(place), qPrintable(QString("window %1").arg(i)));
            if (stacked) {
                QCOMPARE(place.width(), area.width());
                QVERIFY(place.height() < area.height() / 2);
                if (i > 0)
                    QVERIFY(place.top() >= places[i - 1].bottom());
            } else {
                QCOMPARE(place.height(), area.height());
                QVERIFY(place.width() < area.width() / 2);
                if (i > 0)
                    QVERIFY(place.left() >= places[i - 1].right());
            }
        }
    }

    // The first document fills the area: maximised at first, as the first of a cascade once
    // the user restored a window (and maximised again once the user maximised one); the
    // choice is kept for the next start.
    void theFirstWindowFillsTheAreaAsTheUserChose() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("settings.ini");
        {
            FrameFixture f;
            CChildFrame* first = f.frame->OpenPaths({f.Write("a.kvf", kDevice)}, false).first();
            QVERIFY(first->isMaximized());
            QCOMPARE(first->geometry(), AreaRect(*f.frame));
            CChildFrame* second = f.frame->NewDocument();
            QVERIFY(second->isMaximized());
            second->showNormal(); // the window's restore button
            QCOMPARE(f.frame->Settings().MaximizedDocuments, 0);
            f.frame->SaveSettings();
            QFile::copy(f.settingsPath, settings);
        }
        FrameFixture f(settings);
        CChildFrame* first = f.frame->OpenPaths({f.Write("a.kvf", kDevice)}, false).first();
        QVERIFY(!first->isMaximized());
        QCOMPARE(first->geometry(), AreaRect(*f.frame));
        CChildFrame* second = f.frame->NewDocument();
        QVERIFY(!second->isMaximized());
        QVERIFY(second->pos() != first->pos());
        QVERIFY(AreaRect(*f.frame).contains(second->geometry()));
        second->showMaximized(); // its maximise button
        QCOMPARE(f.frame->Settings().MaximizedDocuments, 1);
        // Window > Cascade is a choice too.
        f.frame->Command("cmd_window_cascade")->trigger();
        QCOMPARE(f.frame->Settings().MaximizedDocuments, 0);
    }

    // Tabbed Documents in View: the area shows tabs, the choice is written to the settings
    // and the next start opens with it; switched off, the windows lie inside the area again.
    void tabbedDocumentsAreRemembered() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("settings.ini");
        {
            FrameFixture f;
            QAction* tabbed = f.frame->Command("cmd_view_tabbed");
            QVERIFY(tabbed->isCheckable());
            QVERIFY(!tabbed->isChecked());
            QCOMPARE(f.frame->MdiArea()->viewMode(), QMdiArea::SubWindowView);
            f.frame->NewDocument();
            f.frame->NewDocument();
            tabbed->trigger();
            QCOMPARE(f.frame->MdiArea()->viewMode(), QMdiArea::TabbedView);
            // A tab as wide as its title, not a share of the whole width.
            auto* tabs = f.frame->MdiArea()->findChild<QTabBar*>();
            QVERIFY(tabs);
            QVERIFY(tabs->tabRect(0).width() < f.frame->MdiArea()->width() / 3);
            QVERIFY(!f.frame->Command("cmd_window_cascade")->isEnabled());
            CChildFrame* third = f.frame->NewDocument();
            QCOMPARE(f.frame->ActiveChild(), third);
            QCOMPARE(third->geometry(), AreaRect(*f.frame));
            f.frame->SaveSettings();
            QCOMPARE(QSettings(f.settingsPath, QSettings::IniFormat)
                         .value("Settings/TabbedDocuments")
                         .toInt(),
                     1);
            QFile::copy(f.settingsPath, settings);
        }
        FrameFixture f(settings);
        QVERIFY(f.frame->Command("cmd_view_tabbed")->isChecked());
        QCOMPARE(f.frame->MdiArea()->viewMode(), QMdiArea::TabbedView);
        f.frame->NewDocument();
        f.frame->NewDocument();
        f.frame->Command("cmd_view_tabbed")->trigger();
        QCOMPARE(f.frame->MdiArea()->viewMode(), QMdiArea::SubWindowView);
        QVERIFY(f.frame->Command("cmd_window_cascade")->isEnabled());
        for (CChildFrame* child : f.frame->Children()) {
            QVERIFY(!child->isMaximized());
            QVERIFY(AreaRect(*f.frame).contains(child->geometry()));
        }
        f.frame->SaveSettings();
        QCOMPARE(QSettings(f.settingsPath, QSettings::IniFormat)
                     .value("Settings/TabbedDocuments")
                     .toInt(),
                 0);
    }

    // Undo and Redo by their keys with the focus in the tree or on the splitter's panes: the
    // document's text goes back and forth. In a text field of the input form the keys take
    // back the field's own typing and leave the text alone.
    void undoKeysActAnywhereInTheDocumentWindow() {
        FrameFixture f;
        CChildFrame* child = f.frame->OpenPaths({f.Write("dev.kvf", kDevice)}, false).first();
        CKVFTextView* text = child->TextView();
        text->moveCursor(QTextCursor::End);
        text->insertPlainText("; typed");
        const QString typed = text->toPlainText();
        Activate(*f.frame);

        child->TreeView()->setFocus();
        QTest::keyClick(child->TreeView(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!text->toPlainText().contains("; typed"));
        QTest::keySequence(child->TreeView(), QKeySequence("Ctrl+Y"));
        QCOMPARE(text->toPlainText(), typed);
        QTest::keyClick(child->TreeView(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keySequence(child->TreeView(), QKeySequence("Ctrl+Shift+Z"));
        QCOMPARE(text->toPlainText(), typed);

        // The splitter's handle takes no focus: the window itself may have it.
        child->widget()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!text->toPlainText().contains("; typed"));
        text->redo();

        child->TreeView()->SelectEntryForLine(1); // KVF_Revision: a number field
        auto* field = child->InputView()->findChild<QLineEdit*>("uint");
        QVERIFY(field && field->isVisible());
        field->setFocus();
        QTest::keyClicks(field, "7");
        const QString value = field->text();
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), typed);
        QCOMPARE(field->text(), value.chopped(1));
        QTest::keySequence(field, QKeySequence("Ctrl+Y"));
        QCOMPARE(field->text(), value);
        QCOMPARE(text->toPlainText(), typed);
    }
};

QTEST_MAIN(DocumentWindowsTest)
#include "DocumentWindowsTest.moc"
