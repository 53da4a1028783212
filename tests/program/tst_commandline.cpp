#include "program/CommandLine.h"

#include <QTest>

using Outcome = CommandLine::Outcome;

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void screens_data();
    void screens();
    void helpNamesEveryOptionAndTheProgram();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("openClock");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing: the panel") << QStringList {} << Outcome::Run << false << QString() << QString();
    QTest::newRow("--clock") << QStringList { "--clock" } << Outcome::Run << true << QString() << QString();
    QTest::newRow("--clock --screen NAME")
        << QStringList { "--clock", "--screen", "HDMI-1" } << Outcome::Run << true << "HDMI-1" << QString();
    QTest::newRow("--screen=NAME alone") << QStringList { "--screen=DP-2" } << Outcome::Run << false << "DP-2"
                                         << QString();
    QTest::newRow("--version") << QStringList { "--version" } << Outcome::ShowVersion << false << QString()
                               << "Lumetra Wall Time Display " LUMETRA_TEST_VERSION "\n";
    QTest::newRow("--list-screens") << QStringList { "--list-screens" } << Outcome::ListScreens << false << QString()
                                    << QString();
    QTest::newRow("unknown option") << QStringList { "--clok" } << Outcome::Refused << false << QString()
                                    << "lumetra: Unknown option 'clok'.\n";
    QTest::newRow("--screen without its name") << QStringList { "--clock", "--screen" } << Outcome::Refused << false
                                               << QString() << "lumetra: Missing value after '--screen'.\n";
    QTest::newRow("an argument that is no option") << QStringList { "HDMI-1" } << Outcome::Refused << false << QString()
                                                   << "lumetra: Unexpected argument 'HDMI-1'.\n";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Outcome, outcome);
    QFETCH(bool, openClock);
    QFETCH(QString, screenName);
    QFETCH(QString, text);

    const CommandLine command = CommandLine::parse(QStringList { "/usr/bin/lumetra" } + arguments);
    QCOMPARE(command.outcome, outcome);
    QCOMPARE(command.openClock, openClock);
    QCOMPARE(command.screenName, screenName);
    QCOMPARE(command.text, text);
    QCOMPARE(command.endsBeforeDisplay(), outcome != Outcome::Run && outcome != Outcome::ListScreens);
}

void TestCommandLine::screens_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("connected screen named")
        << QStringList { "--clock", "--screen", "Right" } << Outcome::Run << QString() << 0;
    QTest::newRow("screen names match letter for letter")
        << QStringList { "--screen", "right" } << Outcome::Refused
        << "lumetra: No screen named 'right' is connected; --list-screens prints the names.\n"
        << 2;
    QTest::newRow("screen that is not connected")
        << QStringList { "--clock", "--screen", "HDMI-9" } << Outcome::Refused
        << "lumetra: No screen named 'HDMI-9' is connected; --list-screens prints the names.\n"
        << 2;
    QTest::newRow("listing prints one name a line")
        << QStringList { "--list-screens" } << Outcome::ListScreens << "Left\nRight\n"
        << 0;
}

void TestCommandLine::screens()
{
    QFETCH(QStringList, arguments);
    QFETCH(Outcome, outcome);
    QFETCH(QString, text);
    QFETCH(int, exitCode);

    CommandLine command = CommandLine::parse(QStringList { "lumetra" } + arguments);
    command.applyScreens({ "Left", "Right" });
    QCOMPARE(command.outcome, outcome);
    QCOMPARE(command.text, text);
    QCOMPARE(command.finish(), exitCode);
}

void TestCommandLine::helpNamesEveryOptionAndTheProgram()
{
    const CommandLine command = CommandLine::parse({ "/usr/bin/lumetra", "--help" });
    QCOMPARE(command.outcome, Outcome::ShowHelp);
    QVERIFY2(command.text.startsWith("Usage: lumetra [options]\n"), qPrintable(command.text));
    for (const char *option : { "--help", "--version", "--clock", "--screen <NAME>", "--list-screens" })
        QVERIFY2(command.text.contains(QLatin1String(option)), option);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
