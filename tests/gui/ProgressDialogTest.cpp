#include "app/ProgressDialog.h"

#include <QTest>

class ProgressDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void disablesItsOwnerWhileRunning();
    void aNestedRunKeepsItsOwnerDisabledUntilTheOutermostEnd();
    void takesOneStatusPerStep();
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

// A command made of parts (load, tree, layout) runs as one operation: the End of a part
// leaves the owner disabled, so no second command starts between the parts.
void ProgressDialogTest::aNestedRunKeepsItsOwnerDisabledUntilTheOutermostEnd() {
    QWidget owner;
    owner.show();
    kvf::ProgressDialog dialog(&owner);
    dialog.SetShowDelay(0);
    dialog.Begin("Processing KVF file...");
    dialog.Step();
    dialog.Begin("Building Database...");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Building Database..."));
    QCOMPARE(dialog.Value(), 0); // a part's bar starts again
    dialog.Step();
    dialog.End();
    QVERIFY(dialog.Running());
    QVERIFY(!owner.isEnabled());
    QVERIFY(dialog.isVisible());
    dialog.End();
    QVERIFY(!dialog.Running());
    QVERIFY(owner.isEnabled());
    QVERIFY(!dialog.isVisible());
    dialog.End(); // one End too many changes nothing
    QVERIFY(owner.isEnabled());
}

// Callers format a status text only when it would be shown: once per step while the
// dialog is on screen, never while it is not.
void ProgressDialogTest::takesOneStatusPerStep() {
    QWidget owner;
    owner.show();
    kvf::ProgressDialog dialog(&owner);
    dialog.SetShowDelay(60'000);
    dialog.Begin("Building Database...");
    QVERIFY(!dialog.ShowsStatus()); // not on screen yet
    dialog.End();
    dialog.SetShowDelay(0);
    dialog.Begin("Building Database...");
    QVERIFY(dialog.ShowsStatus());
    dialog.Status("Keyword found: Vendor_Name");
    QVERIFY(!dialog.ShowsStatus());
    dialog.Step();
    QVERIFY(dialog.ShowsStatus());
    dialog.End();
    QVERIFY(!dialog.ShowsStatus());
}

QTEST_MAIN(ProgressDialogTest)
#include "ProgressDialogTest.moc"
