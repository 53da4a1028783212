#include "base/FontChoice.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs the answer on the modal dialog once it is open.
void whenDialogOpens(const std::function<void(QDialog &)> &answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

}

class TestDesktopDialogs : public QObject {
    Q_OBJECT

private slots:
    void fontDialogOffersNoEffects();
    void cancelledFontDialogLeavesTheFontAsItWas();
    void acceptedFontKeepsTheGivenNameOfAFaceLeftAsShown();
    void acceptedFontReportsTheFaceChosen();
    void colourDialogGivesNothingOnCancel();
    void colourDialogGivesTheChosenColourWithRedInTheLowByte();
};

void TestDesktopDialogs::fontDialogOffersNoEffects()
{
    DesktopPlatform platform;
    int visibleBoxes = -1;
    whenDialogOpens([&](QDialog &dialog) {
        visibleBoxes = 0;
        for (const QCheckBox *box : dialog.findChildren<QCheckBox *>())
            visibleBoxes += box->isVisible() ? 1 : 0;
        dialog.reject();
    });
    FontChoice font { "Liberation Sans", false, false, 12.0F, true, false };
    platform.chooseFont(font);
    QCOMPARE(visibleBoxes, 0);
}

void TestDesktopDialogs::cancelledFontDialogLeavesTheFontAsItWas()
{
    DesktopPlatform platform;
    whenDialogOpens([](QDialog &dialog) { dialog.reject(); });
    const FontChoice preset { "No Such Face", true, true, -3.0F, true, true };
    FontChoice font = preset;
    QVERIFY(!platform.chooseFont(font));
    QCOMPARE(font, preset);
}

void TestDesktopDialogs::acceptedFontKeepsTheGivenNameOfAFaceLeftAsShown()
{
    DesktopPlatform platform;
    whenDialogOpens([](QDialog &dialog) { dialog.accept(); });
    FontChoice font { "Courier New", true, false, 72.0F, true, false };
    QVERIFY(platform.chooseFont(font));
    QCOMPARE(font, (FontChoice { "Courier New", true, false, 72.0F, true, false }));
}

void TestDesktopDialogs::acceptedFontReportsTheFaceChosen()
{
    DesktopPlatform platform;
    QFont chosen(QStringLiteral("Liberation Serif"), 20);
    chosen.setItalic(true);
    whenDialogOpens([&](QDialog &dialog) {
        static_cast<QFontDialog &>(dialog).setCurrentFont(chosen);
        dialog.accept();
    });
    FontChoice font { "Courier New", true, false, 72.0F, false, false };
    QVERIFY(platform.chooseFont(font));
    QCOMPARE(font.name, QFontInfo(chosen).family());
    QVERIFY(font.italic);
    QVERIFY(!font.bold);
    QCOMPARE(font.size, 20.0F);
}

void TestDesktopDialogs::colourDialogGivesNothingOnCancel()
{
    DesktopPlatform platform;
    QColor shown;
    whenDialogOpens([&](QDialog &dialog) {
        shown = static_cast<QColorDialog &>(dialog).currentColor();
        dialog.reject();
    });
    QCOMPARE(platform.chooseColour(255), std::nullopt);
    QCOMPARE(shown, QColor(Qt::red));
}

void TestDesktopDialogs::colourDialogGivesTheChosenColourWithRedInTheLowByte()
{
    DesktopPlatform platform;
    whenDialogOpens([](QDialog &dialog) {
        static_cast<QColorDialog &>(dialog).setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog.accept();
    });
    QCOMPARE(platform.chooseColour(0), 0x563412);
}

QTEST_MAIN(TestDesktopDialogs)
#include "tst_desktopdialogs.moc"
