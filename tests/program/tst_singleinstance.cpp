// Runs on a private session bus (CTest starts it under dbus-run-session). Each copy of the
// program is a connection of its own.
#include "platform/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QSignalSpy>
#include <QTest>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void laterStartsHandTheirArgumentsToTheFirst_data();
    void laterStartsHandTheirArgumentsToTheFirst();
    void nameIsFreeAgainWhenTheFirstEnds();
    void withoutABusEveryStartRuns();
};

void TestSingleInstance::initTestCase()
{
    QVERIFY2(QDBusConnection::sessionBus().isConnected(), "needs a session bus");
}

void TestSingleInstance::laterStartsHandTheirArgumentsToTheFirst_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("plain start") << QStringList { "/usr/bin/lumetra" };
    QTest::newRow("with --clock") << QStringList { "/usr/bin/lumetra", "--clock" };
    QTest::newRow("arguments with blanks") << QStringList { "lumetra", "--screen", "HDMI 1" };
}

void TestSingleInstance::laterStartsHandTheirArgumentsToTheFirst()
{
    QFETCH(QStringList, arguments);
    SingleInstance first(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("first")));
    QCOMPARE(first.claim({ "lumetra" }), SingleInstance::Start::First);
    QSignalSpy activated(&first, &SingleInstance::activated);

    SingleInstance second(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second")));
    QCOMPARE(second.claim(arguments), SingleInstance::Start::HandedOver);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toStringList(), arguments);

    SingleInstance third(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("third")));
    QCOMPARE(third.claim(arguments), SingleInstance::Start::HandedOver);
    QCOMPARE(activated.count(), 2);

    QDBusConnection::disconnectFromBus(QStringLiteral("first"));
    QDBusConnection::disconnectFromBus(QStringLiteral("second"));
    QDBusConnection::disconnectFromBus(QStringLiteral("third"));
}

void TestSingleInstance::nameIsFreeAgainWhenTheFirstEnds()
{
    {
        SingleInstance first(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("gone")));
        QCOMPARE(first.claim({ "lumetra" }), SingleInstance::Start::First);
        QDBusConnection::disconnectFromBus(QStringLiteral("gone"));
    }
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    QTRY_VERIFY(!bus->isServiceRegistered(SingleInstance::serviceName).value());
    SingleInstance next(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("next")));
    QCOMPARE(next.claim({ "lumetra" }), SingleInstance::Start::First);
    QDBusConnection::disconnectFromBus(QStringLiteral("next"));
}

void TestSingleInstance::withoutABusEveryStartRuns()
{
    SingleInstance first(QDBusConnection(QStringLiteral("not connected")));
    QCOMPARE(first.claim({ "lumetra" }), SingleInstance::Start::Alone);
    SingleInstance second(QDBusConnection(QStringLiteral("not connected")));
    QCOMPARE(second.claim({ "lumetra" }), SingleInstance::Start::Alone);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
