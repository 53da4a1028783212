#include "base/ErrorReport.h"
#include "base/FontChoice.h"
#include "panel/FontSettings.h"
#include "panel/Form1.h"
#include "panel/PanelWindow.h"
#include "support/ProgramFixture.h"

#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>

using StoredValues = QMap<QString, QString>;
Q_DECLARE_METATYPE(FontChoice)

namespace {

const QString changeLocation = QStringLiteral("in Lumetra2021/08/31.Form1.PushButton2_Click ");

void clickChangeFont(ProgramFixture &fixture)
{
    fixture.program.form1().ui().PushButton2->click();
}

// The font keys in the store, with the letters they are stored under.
StoredValues storedFont(const ProgramFixture &fixture)
{
    StoredValues font;
    for (const QString &key : fixture.store.keys()) {
        if (key.startsWith(QLatin1String("Font")))
            font.insert(key, fixture.store.value(key));
    }
    return font;
}

StoredValues changedFont(const QString &name, const QString &bold, const QString &italic, const QString &size,
                         const QString &strikethrough = "False", const QString &underline = "False")
{
    return { { "FontName", name },
             { "FontBold", bold },
             { "FontItalic", italic },
             { "FontSize", size },
             { "FontStrikethru", strikethrough },
             { "FontUnderline", underline } };
}

// The clock's own font when nothing is stored.
const FontChoice clockFontPreset { "Arial", true, false, 150.0F, false, false };

}

class TestFontChoice : public QObject {
    Q_OBJECT

private slots:
    void nothingStoredPresetsTheClocksFontAndOkStoresIt();
    void cancelPresetsTheStoredFontAndStoresNothing_data();
    void cancelPresetsTheStoredFontAndStoresNothing();
    void pickIsStoredWithItsSizeCapped_data();
    void pickIsStoredWithItsSizeCapped();
    void sizeText_data();
    void sizeText();
    void resetWritesTheDefaultFont();
    void changeAfterResetFindsTheEffectsWhateverTheirLetters();
    void storedEffectsAreFoundWhateverTheirLetters();
    void badStoredSizeIsReportedAndTheDialogKeepsItsSize_data();
    void badStoredSizeIsReportedAndTheDialogKeepsItsSize();
};

void TestFontChoice::nothingStoredPresetsTheClocksFontAndOkStoresIt()
{
    auto fixture = startedProgram();
    fixture->platform.fontAnswers = { clockFontPreset };
    clickChangeFont(*fixture);
    QCOMPARE(fixture->platform.fontPresets, QList<FontChoice> { clockFontPreset });
    QCOMPARE(storedFont(*fixture), changedFont("Arial", "True", "False", "150"));
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestFontChoice::cancelPresetsTheStoredFontAndStoresNothing_data()
{
    QTest::addColumn<StoredValues>("stored");
    QTest::addColumn<FontChoice>("preset");
    QTest::newRow("nothing stored keeps the clock's font") << StoredValues {} << clockFontPreset;
    QTest::newRow("bold in small letters is not bold")
        << StoredValues { { "FontBold", "true" } } << FontChoice { "Arial", false, false, 150.0F, false, false };
    QTest::newRow("size 10.5 rounds to the even 10")
        << StoredValues { { "FontSize", "10.5" } } << FontChoice { "Arial", true, false, 10.0F, false, false };
    QTest::newRow("size 11.5 rounds to the even 12")
        << StoredValues { { "FontSize", "11.5" } } << FontChoice { "Arial", true, false, 12.0F, false, false };
    QTest::newRow("stored 300 is offered as it is")
        << StoredValues { { "FontSize", "300" } } << FontChoice { "Arial", true, false, 300.0F, false, false };
    QTest::newRow("negative size passes unchanged")
        << StoredValues { { "FontSize", "-5" } } << FontChoice { "Arial", true, false, -5.0F, false, false };
    QTest::newRow("italic, struck and underlined") << StoredValues { { "FontName", "Arial" },
                                                                     { "FontBold", "False" },
                                                                     { "FontItalic", "True" },
                                                                     { "FontStrikeThru", "True" },
                                                                     { "FontUnderLine", "True" } }
                                                   << FontChoice { "Arial", false, true, 150.0F, true, true };
    QTest::newRow("flag -1 is not set") << StoredValues { { "FontItalic", "-1" } }
                                        << FontChoice { "Arial", true, false, 150.0F, false, false };
    QTest::newRow("unknown face passes unchanged") << StoredValues { { "FontName", "No Such Face" } }
                                                   << FontChoice { "No Such Face", true, false, 150.0F, false, false };
}

void TestFontChoice::cancelPresetsTheStoredFontAndStoresNothing()
{
    QFETCH(StoredValues, stored);
    QFETCH(FontChoice, preset);
    auto fixture = startedProgram(stored);
    clickChangeFont(*fixture);
    QCOMPARE(fixture->platform.fontPresets, QList<FontChoice> { preset });
    // The file keeps what it held, whatever the dialog was pre-set to.
    QCOMPARE(storedFont(*fixture), stored);
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestFontChoice::pickIsStoredWithItsSizeCapped_data()
{
    QTest::addColumn<FontChoice>("pick");
    QTest::addColumn<StoredValues>("expected");
    QTest::newRow("300 is stored as 250")
        << FontChoice { "Arial", true, false, 300.0F, false, false } << changedFont("Arial", "True", "False", "250");
    QTest::newRow("250 stays") << FontChoice { "Arial", true, false, 250.0F, false, false }
                               << changedFont("Arial", "True", "False", "250");
    QTest::newRow("250.5 is capped") << FontChoice { "Arial", true, false, 250.5F, false, false }
                                     << changedFont("Arial", "True", "False", "250");
    QTest::newRow("10.5 keeps its fraction")
        << FontChoice { "Arial", true, false, 10.5F, false, false } << changedFont("Arial", "True", "False", "10.5");
    QTest::newRow("another face, italic, not bold")
        << FontChoice { "Liberation Serif", false, true, 36.0F, false, false }
        << changedFont("Liberation Serif", "False", "True", "36");
    QTest::newRow("effects reported by the dialog") << FontChoice { "Arial", true, false, 150.0F, true, true }
                                                    << changedFont("Arial", "True", "False", "150", "True", "True");
}

void TestFontChoice::pickIsStoredWithItsSizeCapped()
{
    QFETCH(FontChoice, pick);
    QFETCH(StoredValues, expected);
    auto fixture = startedProgram();
    fixture->platform.fontAnswers = { pick };
    clickChangeFont(*fixture);
    QCOMPARE(storedFont(*fixture), expected);
}

void TestFontChoice::sizeText_data()
{
    QTest::addColumn<float>("size");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole size without fraction") << 72.0F << "C"
                                                 << "72";
    QTest::newRow("half with a point") << 10.5F << "en_US"
                                       << "10.5";
    QTest::newRow("half with a comma") << 10.5F << "de_DE"
                                       << "10,5";
    QTest::newRow("single precision shows as typed") << 10.3F << "C"
                                                     << "10.3";
    QTest::newRow("seven significant digits") << 1.0F / 3.0F << "C"
                                              << "0.3333333";
    QTest::newRow("no group separator") << -32768.0F << "en_US"
                                        << "-32768";
    QTest::newRow("no group separator with a comma") << -1234.5F << "de_DE"
                                                     << "-1234,5";
}

void TestFontChoice::sizeText()
{
    QFETCH(float, size);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(FontSettings::sizeText(size, QLocale(locale)), text);
}

void TestFontChoice::resetWritesTheDefaultFont()
{
    auto fixture = startedProgram({ { "FontName", "Arial" }, { "FontSize", "12" } });
    fixture->program.form1().ui().PushButton3->click();
    const StoredValues defaults {
        { "FontName", "Arial" }, { "FontBold", "True" },        { "FontItalic", "False" },
        { "FontSize", "150" },   { "FontStrikeThru", "False" }, { "FontUnderLine", "False" }
    };
    QCOMPARE(storedFont(*fixture), defaults);
    QVERIFY(fixture->platform.fontPresets.isEmpty());
    QVERIFY(fixture->platform.messages.isEmpty());
}

void TestFontChoice::changeAfterResetFindsTheEffectsWhateverTheirLetters()
{
    auto fixture = startedProgram();
    fixture->program.form1().ui().PushButton3->click();
    fixture->platform.fontAnswers = { FontChoice { "Arial", true, false, 150.0F, true, true } };
    clickChangeFont(*fixture);
    // One value per key: written as "FontStrikethru", kept under the letters of the reset.
    const StoredValues changed { { "FontName", "Arial" }, { "FontBold", "True" },       { "FontItalic", "False" },
                                 { "FontSize", "150" },   { "FontStrikeThru", "True" }, { "FontUnderLine", "True" } };
    QCOMPARE(storedFont(*fixture), changed);
    clickChangeFont(*fixture);
    QCOMPARE(fixture->platform.fontPresets.last(), (FontChoice { "Arial", true, false, 150.0F, true, true }));
}

void TestFontChoice::storedEffectsAreFoundWhateverTheirLetters()
{
    auto fixture = startedProgram({ { "fontstrikethru", "True" }, { "FONTUNDERLINE", "True" } });
    fixture->platform.fontAnswers = { FontChoice { "Arial", true, false, 150.0F, true, true } };
    clickChangeFont(*fixture);
    QCOMPARE(fixture->platform.fontPresets.first(), (FontChoice { "Arial", true, false, 150.0F, true, true }));
    QCOMPARE(fixture->store.value("fontstrikethru"), QStringLiteral("True"));
    QCOMPARE(fixture->store.value("FONTUNDERLINE"), QStringLiteral("True"));
    // No second entry under the letters the change writes.
    QCOMPARE(storedFont(*fixture).size(), 4);
}

void TestFontChoice::badStoredSizeIsReportedAndTheDialogKeepsItsSize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("description");
    QTest::newRow("letters") << "abc"
                             << "Type mismatch";
    QTest::newRow("empty text") << ""
                                << "Type mismatch";
    QTest::newRow("above 32767") << "32768"
                                 << "Overflow";
    QTest::newRow("below -32768") << "-32769"
                                  << "Overflow";
}

void TestFontChoice::badStoredSizeIsReportedAndTheDialogKeepsItsSize()
{
    QFETCH(QString, size);
    QFETCH(QString, description);
    auto fixture = startedProgram({ { "FontSize", "20" }, { "FontName", "Arial" } });
    clickChangeFont(*fixture);

    fixture->store.seed({ { "FontSize", size } });
    clickChangeFont(*fixture);
    QCOMPARE(fixture->platform.messageTexts(),
             QStringList { ErrorReport::messageText(description, changeLocation, 108) });
    // The dialog opens with the size it held from the run before; its cancel stores nothing.
    QCOMPARE(fixture->platform.fontPresets.last(), (FontChoice { "Arial", true, false, 20.0F, false, false }));
    QCOMPARE(storedFont(*fixture), (StoredValues { { "FontName", "Arial" }, { "FontSize", size } }));
}

QTEST_MAIN(TestFontChoice)
#include "tst_fontchoice.moc"
