// Runs on a private session bus (CTest starts it under dbus-run-session). Each copy of the
// program is a connection of its own.
#include "platform/SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void laterStartsHandTheirArgumentsToTheFirst_data();
    void laterStartsHandTheirArgumentsToTheFirst();
    void nameIsFreeAgainWhenTheFirstEnds();
    void aHungCopyIsNamedInsteadOfJoined();
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
    QSignalSpy waiting(&first, &SingleInstance::requestsWaiting);

    // Both wait, in order, until the program takes them.
    SingleInstance second(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second")));
    QCOMPARE(second.claim(arguments), SingleInstance::Start::HandedOver);
    SingleInstance third(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("third")));
    QCOMPARE(third.claim(arguments + QStringList { "--clock" }), SingleInstance::Start::HandedOver);
    QCOMPARE(waiting.count(), 2);
    QCOMPARE(first.takeRequests(), (QList<QStringList> { arguments, arguments + QStringList { "--clock" } }));
    QCOMPARE(first.takeRequests(), QList<QStringList>());

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

void TestSingleInstance::aHungCopyIsNamedInsteadOfJoined()
{
    // The running copy's thread is stuck: the bus takes the call, nobody answers it.
    QThread stuck;
    stuck.start();
    QSemaphore release;
    auto *hung = new SingleInstance(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("hung")));
    QCOMPARE(hung->claim({ "lumetra" }), SingleInstance::Start::First);
    hung->moveToThread(&stuck);
    QMetaObject::invokeMethod(hung, [&release] { release.acquire(); });

    SingleInstance later(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("later")));
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(later.claim({ "lumetra", "--clock" }), SingleInstance::Start::NotAnswering);
    QCOMPARE(later.runningProcess(), uint(QCoreApplication::applicationPid()));
    qInfo("a later start waited %lld ms for the hung copy", waited.elapsed());

    release.release();
    hung->deleteLater();
    stuck.quit();
    stuck.wait();
    QDBusConnection::disconnectFromBus(QStringLiteral("hung"));
    QDBusConnection::disconnectFromBus(QStringLiteral("later"));
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
