#include "base/KeepAwakeMeans.h"

#include <QTest>

using KeepAwakeMeans::Chosen;
using KeepAwakeMeans::Offered;

Q_DECLARE_METATYPE(Offered)

class TestKeepAwakeMeans : public QObject {
    Q_OBJECT

private slots:
    void theKeyIsTheLastResortAndNeverSpoken_data();
    void theKeyIsTheLastResortAndNeverSpoken();
};

void TestKeepAwakeMeans::theKeyIsTheLastResortAndNeverSpoken_data()
{
    QTest::addColumn<Offered>("offered");
    QTest::addColumn<bool>("suspend");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<bool>("key");
    // x11, extension, inhibited, screen reader
    QTest::newRow("X11 with the extension") << Offered { true, true, false, false } << true << true << false;
    QTest::newRow("X11 with the extension and the session's service")
        << Offered { true, true, true, false } << true << true << false;
    QTest::newRow("X11 with the session's service only")
        << Offered { true, false, true, false } << false << true << false;
    QTest::newRow("X11 with nothing else: the key") << Offered { true, false, false, false } << false << true << true;
    QTest::newRow("X11 with nothing else, a screen reader listening")
        << Offered { true, false, false, true } << false << true << false;
    QTest::newRow("X11 with the extension, a screen reader listening")
        << Offered { true, true, false, true } << true << true << false;
    QTest::newRow("Wayland with the session's service")
        << Offered { false, false, true, false } << false << false << false;
    QTest::newRow("Wayland with nothing") << Offered { false, false, false, false } << false << false << false;
}

void TestKeepAwakeMeans::theKeyIsTheLastResortAndNeverSpoken()
{
    QFETCH(Offered, offered);
    const Chosen chosen = KeepAwakeMeans::choose(offered);
    QTEST(chosen.suspendScreenSaver, "suspend");
    QTEST(chosen.resetScreenSaver, "reset");
    QTEST(chosen.rightShift, "key");
    // The session's service is always told; it does nothing where there is none.
    QVERIFY(chosen.reportActivity);
}

QTEST_GUILESS_MAIN(TestKeepAwakeMeans)
#include "tst_keepawakemeans.moc"
