#include "settings/DesktopExec.h"
#include "support/DesktopExecReader.h"

#include <QTest>

class TestDesktopExec : public QObject {
    Q_OBJECT

private slots:
    void execValueIsEscapedAsWritten_data();
    void execValueIsEscapedAsWritten();
    void pathRoundTripsAsOneArgument_data();
    void pathRoundTripsAsOneArgument();
    void severalArgumentsRoundTrip();
    void parseSplitsAndUnescapes_data();
    void parseSplitsAndUnescapes();
    void parseRefusesMalformedValues_data();
    void parseRefusesMalformedValues();
    void escapeStringValueKeepsLeadingBlank();
};

void TestDesktopExec::execValueIsEscapedAsWritten_data()
{
    // The expected texts are the file's bytes after "Exec=", written out by hand.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain path stays bare") << "/usr/bin/lumetra"
                                           << "/usr/bin/lumetra";
    QTest::newRow("space forces quotes") << "/opt/my app/lumetra"
                                         << "\"/opt/my app/lumetra\"";
    QTest::newRow("percent doubled without quotes") << "/opt/100%/lumetra"
                                                    << "/opt/100%%/lumetra";
    QTest::newRow("percent doubled inside quotes") << "/opt/a b/100%"
                                                   << "\"/opt/a b/100%%\"";
    QTest::newRow("dollar quoted, escaped twice") << "/opt/$HOME/x"
                                                  << "\"/opt/\\\\$HOME/x\"";
    QTest::newRow("backquote quoted, escaped twice") << "/opt/`id`/x"
                                                     << "\"/opt/\\\\`id\\\\`/x\"";
    QTest::newRow("double quote quoted, escaped twice") << "/opt/a\"b"
                                                        << "\"/opt/a\\\\\"b\"";
    QTest::newRow("backslash becomes four") << "/opt/a\\b"
                                            << "\"/opt/a\\\\\\\\b\"";
    QTest::newRow("single quote only quoted") << "/opt/it's/x"
                                              << "\"/opt/it's/x\"";
    QTest::newRow("tilde quoted") << "/opt/~x"
                                  << "\"/opt/~x\"";
    QTest::newRow("semicolon quoted") << "/opt/a;b"
                                      << "\"/opt/a;b\"";
    QTest::newRow("hash quoted") << "/opt/#x"
                                 << "\"/opt/#x\"";
    QTest::newRow("tab quoted and escaped") << "/opt/a\tb"
                                            << "\"/opt/a\\tb\"";
    QTest::newRow("equals and plus stay bare") << "/opt/a=b+c/x"
                                               << "/opt/a=b+c/x";
    QTest::newRow("non-ASCII stays bare") << QString::fromUtf8("/opt/Uhr-\u00fc\u00e4/\u6642\u8a08")
                                          << QString::fromUtf8("/opt/Uhr-\u00fc\u00e4/\u6642\u8a08");
}

void TestDesktopExec::execValueIsEscapedAsWritten()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(DesktopExec::execValue({ path }), expected);
}

void TestDesktopExec::pathRoundTripsAsOneArgument_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/usr/bin/lumetra";
    QTest::newRow("spaces") << "/home/ann/My Programs/Lumetra Wall Time/lumetra";
    QTest::newRow("leading space in a folder") << "/opt/ lumetra";
    QTest::newRow("trailing space") << "/opt/lumetra ";
    QTest::newRow("double quotes") << "/opt/\"quoted\"/lumetra";
    QTest::newRow("single quotes") << "/opt/'single'/lumetra";
    QTest::newRow("percent alone") << "/opt/%/lumetra";
    QTest::newRow("percent before a field letter") << "/opt/%f %u %F %U/lumetra";
    QTest::newRow("double percent") << "/opt/%%/lumetra";
    QTest::newRow("dollar variable") << "/opt/$HOME/lumetra";
    QTest::newRow("dollar brace") << "/opt/${PATH}/lumetra";
    QTest::newRow("backquote command") << "/opt/`rm -rf ~`/lumetra";
    QTest::newRow("command substitution") << "/opt/$(id)/lumetra";
    QTest::newRow("backslash") << "/opt/back\\slash/lumetra";
    QTest::newRow("trailing backslash") << "/opt/lumetra\\";
    QTest::newRow("backslash before dollar") << "/opt/\\$x/lumetra";
    QTest::newRow("backslash before quote") << "/opt/\\\"/lumetra";
    QTest::newRow("escape letters after backslash") << "/opt/\\s\\n\\t\\r/lumetra";
    QTest::newRow("shell operators") << "/opt/a;b&c|d<e>f/lumetra";
    QTest::newRow("globs and comment") << "/opt/*?#[x]/lumetra";
    QTest::newRow("parentheses") << "/opt/(x86)/lumetra";
    QTest::newRow("tilde") << "~/lumetra";
    QTest::newRow("tab") << "/opt/a\tb/lumetra";
    QTest::newRow("non-ASCII") << QString::fromUtf8("/home/j\u00fcrgen/\u6642\u8a08 \u00e9t\u00e9/lumetra");
    QTest::newRow("every reserved character at once") << "/x/ \t\"'\\><~|&;$*?#()`%/y";
    QTest::newRow("only a space") << " ";
    QTest::newRow("empty argument") << "";
}

void TestDesktopExec::pathRoundTripsAsOneArgument()
{
    QFETCH(QString, path);
    const QString value = DesktopExec::execValue({ path });
    QString error;
    const std::optional<QStringList> parsed = DesktopExec::parseExecValue(value, &error);
    QVERIFY2(parsed.has_value(), qPrintable(value + QStringLiteral(": ") + error));
    QCOMPARE(*parsed, QStringList { path });
}

void TestDesktopExec::severalArgumentsRoundTrip()
{
    const QStringList arguments { "/opt/my app/x", "", "--name=a b", "100%", "$x", "\\" };
    const std::optional<QStringList> parsed = DesktopExec::parseExecValue(DesktopExec::execValue(arguments));
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, arguments);
}

void TestDesktopExec::parseSplitsAndUnescapes_data()
{
    // Values as they stand in a file after "Exec=".
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty") << "" << QStringList {};
    QTest::newRow("one word") << "lumetra" << QStringList { "lumetra" };
    QTest::newRow("spaces separate") << "a b  c" << QStringList { "a", "b", "c" };
    QTest::newRow("surrounding spaces ignored") << "  a  " << QStringList { "a" };
    QTest::newRow("quoted keeps spaces") << "\"a b\" c" << QStringList { "a b", "c" };
    QTest::newRow("empty quotes give an empty argument") << "\"\" x" << QStringList { "", "x" };
    QTest::newRow("double percent outside quotes") << "100%%" << QStringList { "100%" };
    QTest::newRow("double percent inside quotes") << "\"a %%\"" << QStringList { "a %" };
    QTest::newRow("escaped space before the first word") << "\\s\"x\"" << QStringList { "x" };
    QTest::newRow("string escapes inside quotes") << "\"a\\tb\\nc\\rd\\se\"" << QStringList { "a\tb\nc\rd e" };
    QTest::newRow("escaped dollar, quote, backquote, backslash")
        << "\"\\\\$ \\\\\" \\\\` \\\\\\\\\"" << QStringList { "$ \" ` \\" };
}

void TestDesktopExec::parseSplitsAndUnescapes()
{
    QFETCH(QString, value);
    QFETCH(QStringList, expected);
    QString error;
    const std::optional<QStringList> parsed = DesktopExec::parseExecValue(value, &error);
    QVERIFY2(parsed.has_value(), qPrintable(error));
    QCOMPARE(*parsed, expected);
}

void TestDesktopExec::parseRefusesMalformedValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unterminated quote") << "\"/opt/a b"
                                        << "unterminated quote";
    QTest::newRow("dollar outside quotes") << "/opt/$x"
                                           << "reserved character";
    QTest::newRow("single quote outside quotes") << "/opt/it's"
                                                 << "reserved character";
    QTest::newRow("backslash outside quotes") << "/opt/a\\\\b"
                                              << "reserved character";
    QTest::newRow("quote in mid-word") << "/opt/\"a b\""
                                       << "reserved character";
    QTest::newRow("text after closing quote") << "\"a\"b"
                                              << "after a closing quote";
    QTest::newRow("field code") << "lumetra %f"
                                << "field code";
    QTest::newRow("field code inside quotes") << "\"lumetra %u\""
                                              << "field code";
    QTest::newRow("lone percent at the end") << "lumetra%"
                                             << "field code";
    QTest::newRow("dollar escaped only once") << "\"\\$x\""
                                              << "invalid escape sequence";
    QTest::newRow("unknown string escape") << "a\\qb"
                                           << "invalid escape sequence";
    QTest::newRow("backslash at the end") << "a\\"
                                          << "invalid escape sequence";
    QTest::newRow("other letter escaped in quotes") << "\"\\\\a\""
                                                    << "invalid escape inside quotes";
    QTest::newRow("escape ends the quoted text") << "\"a\\\\\""
                                                 << "unterminated quote";
    QTest::newRow("raw control character") << "a\x01"
                                              "b"
                                           << "control character";
    QTest::newRow("raw tab") << "a\tb"
                             << "control character";
}

void TestDesktopExec::parseRefusesMalformedValues()
{
    QFETCH(QString, value);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!DesktopExec::parseExecValue(value, &error).has_value());
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestDesktopExec::escapeStringValueKeepsLeadingBlank()
{
    QCOMPARE(DesktopExec::escapeStringValue(" a b\\"), QStringLiteral("\\sa b\\\\"));
}

QTEST_APPLESS_MAIN(TestDesktopExec)
#include "tst_desktopexec.moc"
