#include "app/ProgressDialog.h"

#include <QTest>

class ProgressDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void disablesItsOwnerWhileRunning();
};

void ProgressDialogTest::disablesItsOwnerWhileRunning() {
    QWidget owner;
    owner.show();
    kvf::ProgressDialog dialog(&owner);
    dialog.SetShowDelay(0);
    dialog.Begin("Processing KVF file...");
    QVERIFY(!owner.isEnabled());
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Processing KVF file..."));
    for (int i = 0; i < 42; ++i)
        dialog.Step();
    dialog.Status("Scanning keyword...");
    QCOMPARE(dialog.Value(), 42);
    QCOMPARE(dialog.PercentText(), QStringLiteral("42%"));
    QCOMPARE(dialog.StatusText(), QStringLiteral("Scanning keyword..."));
    for (int i = 0; i < 80; ++i)
        dialog.Step(); // never beyond the end of the bar
    QCOMPARE(dialog.PercentText(), QStringLiteral("100%"));
    dialog.End();
    QVERIFY(owner.isEnabled());
    QVERIFY(!dialog.isVisible());
    dialog.Step(); // after the end nothing moves
    QCOMPARE(dialog.Value(), 100);
}

QTEST_MAIN(ProgressDialogTest)
#include "ProgressDialogTest.moc"
