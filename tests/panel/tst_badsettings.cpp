// Every stored setting with each kind of bad text: the program starts and opens the
// clock, reports exactly what the guarded steps that read the key report, and no other
// setting changes.
#include "base/ErrorReport.h"
#include "clock/ClockWindow.h"
#include "clock/Form2.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString typeMismatch = QStringLiteral("Type mismatch");
const QString overflow = QStringLiteral("Overflow");
const QString invalidValue = QStringLiteral("Invalid property value");

const QString panelLoad = QStringLiteral("in Lumetra2021/08/31.Form1.Form_Load ");
const QString zoneListing = QStringLiteral("in Lumetra2021/08/31.Form1.ListTimeZones ");
const QString clockButton = QStringLiteral("in Lumetra2021/08/31.Form1.PushButton1_Click ");
const QString clockLoad = QStringLiteral("in Lumetra2021/08/31.Form2.Form_Load ");

// The kinds of bad text, in this order in every reader's row below.
struct BadText {
    const char *name;
    QByteArray bytes;
};

const QList<BadText> &badTexts()
{
    static const QList<BadText> texts {
        { "letters", "abc" },
        { "empty", "" },
        { "spaces", "   " },
        { "past 16 bits", "40000" },
        { "past 32 bits", "5000000000" },
        { "fraction", "3.5" },
        { "negative", "-7" },
        { "thousands of characters", QByteArray(5000, '7') },
        { "invalid UTF-8", "\xC3\x28\xA0\xFF" },
    };
    return texts;
}

// What each way of reading makes of each bad text (empty: the text is taken).
// 3.5 rounds to 4, which no check box holds; -7 is no check box value, list position,
// font size or colour; 5000 sevens are too large for any number.
using Outcomes = QStringList;
const Outcomes checkBox { typeMismatch, typeMismatch, typeMismatch, overflow,    overflow,
                          invalidValue, invalidValue, overflow,     typeMismatch };
const Outcomes listPosition { typeMismatch, typeMismatch, typeMismatch, overflow,    overflow,
                              {},           invalidValue, overflow,     typeMismatch };
const Outcomes fontSize { typeMismatch, typeMismatch, typeMismatch, overflow,    overflow,
                          {},           invalidValue, overflow,     typeMismatch };
const Outcomes truth { typeMismatch, typeMismatch, typeMismatch, {}, {}, {}, {}, overflow, typeMismatch };
const Outcomes colour {
    typeMismatch, typeMismatch, typeMismatch, {}, overflow, {}, invalidValue, overflow, typeMismatch
};
const Outcomes asText { {}, {}, {}, {}, {}, {}, {}, {}, {} };

struct Site {
    QString location;
    int line;
};

struct KeyRow {
    QString key;
    Outcomes outcomes;
    // The guarded steps that read the key, in the order they run when the program starts
    // and the clock opens.
    QList<Site> readers;
};

const QList<KeyRow> &keyRows()
{
    static const QList<KeyRow> rows {
        { "Check1", checkBox, { { panelLoad, 114 }, { clockLoad, 104 } } },
        { "Check4", checkBox, { { panelLoad, 115 }, { clockLoad, 108 } } },
        { "Option1", truth, { { panelLoad, 120 } } },
        { "Option2", truth, { { panelLoad, 122 } } },
        { "Option3", truth, { { panelLoad, 124 } } },
        { "Windows Startup", asText, {} },
        { "Minimized", asText, {} },
        // A list left without a selection leaves the clock without a zone.
        { "Combo1", listPosition, { { zoneListing, 132 } } },
        // A name the catalogue lacks leaves the choice to the stored position.
        { "Time Zone Name", asText, {} },
        { "FontName", asText, {} },
        { "FontBold", asText, {} },
        { "FontItalic", asText, {} },
        { "FontSize", fontSize, { { clockLoad, 120 }, { clockLoad, 132 } } },
        { "FontStrikeThru", asText, {} },
        { "FontUnderLine", asText, {} },
        { "Font Color", colour, { { clockLoad, 140 }, { clockLoad, 146 } } },
        { "Background Color", colour, { { clockLoad, 138 } } },
    };
    return rows;
}

// A whole store of good values, none of them a default.
const StoredValues goodValues {
    { "Check1", "1" },
    { "Check4", "0" },
    // The last format option selected, so that no click stores the three before each is read.
    { "Option1", "False" },
    { "Option2", "False" },
    { "Option3", "True" },
    { "Windows Startup", "Off" },
    { "Minimized", "On" },
    { "Combo1", "3" },
    { "FontName", "Liberation Serif" },
    { "FontBold", "False" },
    { "FontItalic", "True" },
    { "FontSize", "40" },
    { "FontStrikeThru", "True" },
    { "FontUnderLine", "True" },
    { "Font Color", "65280" },
    { "Background Color", "255" },
};

const QStringList formatKeys { "Option1", "Option2", "Option3" };

// Stores the good values and the bad bytes under the key exactly as given, as a hand
// edit or a broken program would leave them.
void seedWithBadValue(const TestStore &store, const QString &key, const QByteArray &bytes)
{
    const QByteArray placeholder("BadValuePlaceholder");
    StoredValues values = goodValues;
    values.insert(key, QString::fromLatin1(placeholder));
    store.seed(values);
    QByteArray content = TestFiles::read(store.filePath());
    QByteArray stored = bytes;
    // Without quotes the reader drops the blanks around a value.
    if (!bytes.isEmpty() && bytes.trimmed().isEmpty())
        stored = '"' + bytes + '"';
    content.replace(placeholder, stored);
    TestFiles::write(store.filePath(), content);
}

// A program whose store holds the good values and the bad bytes before it opens it.
struct ProgramOnBadStore {
    ProgramOnBadStore(const QString &key, const QByteArray &bytes)
    {
        seedWithBadValue(store, key, bytes);
        program = std::make_unique<Program>(platform, programFolder.path());
    }

    TestStore store;
    QTemporaryDir programFolder;
    FakePlatform platform;
    std::unique_ptr<Program> program;
};

StoredValues storedValues(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    StoredValues values;
    for (const QString &key : file.childKeys())
        values.insert(key, file.value(key).toString());
    return values;
}

QStringList messagesTitled(const FakePlatform &platform, const QString &title, bool withTitle)
{
    QStringList texts;
    for (const FakePlatform::Message &message : platform.messages) {
        if ((message.title == title) == withTitle)
            texts.append(message.text);
    }
    return texts;
}

}

class TestBadSettings : public QObject {
    Q_OBJECT

private slots:
    void badTextIsReportedWhereReadAndChangesNothingElse_data();
    void badTextIsReportedWhereReadAndChangesNothingElse();
};

void TestBadSettings::badTextIsReportedWhereReadAndChangesNothingElse_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("reports");
    for (const KeyRow &row : keyRows()) {
        for (qsizetype kind = 0; kind < badTexts().size(); ++kind) {
            const QString description = row.outcomes.at(kind);
            QStringList reports;
            if (!description.isEmpty()) {
                for (const Site &site : row.readers)
                    reports.append(ErrorReport::messageText(description, site.location, site.line));
                if (row.key == "Combo1")
                    reports.append(ErrorReport::messageText(invalidValue, clockButton, 102));
            }
            const BadText &bad = badTexts().at(kind);
            QTest::addRow("%s: %s", qPrintable(row.key), bad.name) << row.key << bad.bytes << reports;
        }
    }
}

void TestBadSettings::badTextIsReportedWhereReadAndChangesNothingElse()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, reports);

    ProgramOnBadStore fixture(key, bytes);
    fixture.program->start();
    QVERIFY(!fixture.program->hasEnded());
    QVERIFY(fixture.program->form1().ui().isVisible());
    fixture.program->form1().ui().PushButton1->click();
    QVERIFY(!fixture.program->hasEnded());
    QVERIFY(fixture.program->form2().isLoaded());
    QVERIFY(fixture.program->form2().ui().isVisible());

    QCOMPARE(messagesTitled(fixture.platform, ErrorReport::title, true), reports);
    // Bytes that are no text are the store's own notice, given once.
    const QStringList notices = messagesTitled(fixture.platform, ErrorReport::title, false);
    const bool notText = QString::fromUtf8(bytes).toUtf8() != bytes;
    QCOMPARE(notices.size(), notText ? 1 : 0);

    StoredValues expected = goodValues;
    StoredValues stored = storedValues(fixture.store.filePath());
    expected.remove(key);
    stored.remove(key);
    // The load adds the chosen zone's name beside its position.
    stored.remove(QStringLiteral("Time Zone Name"));
    // The time format is one choice stored under three keys: a bad text that reads as
    // True selects its option, whose click stores all three anew.
    if (formatKeys.contains(key)) {
        int selected = 0;
        for (const QString &format : formatKeys) {
            selected += stored.value(format) == QLatin1String("True") ? 1 : 0;
            expected.remove(format);
            stored.remove(format);
        }
        QVERIFY(selected <= 1);
    }
    QCOMPARE(stored, expected);
}

QTEST_MAIN(TestBadSettings)
#include "tst_badsettings.moc"
