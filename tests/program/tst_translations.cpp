#include "base/ProductInfo.h"
#include "clock/ClockWindow.h"
#include "dressing/Twips.h"
#include "panel/ColourWindow.h"
#include "panel/PanelWindow.h"
#include "program/Translations.h"
#include "timezones/modTimeZones.h"
#include "wallscreen/ClockTimeText.h"
#include "wallscreen/NightDimming.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/WallScreenMenu.h"
#include "zonechoice/OtherZonesWindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// What a person reads in a window: its title, its controls' and labels' texts, and its
// menus' entries, in a fixed order.
QStringList textsOf(const QWidget &window)
{
    QStringList texts { window.windowTitle() };
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        texts << button->text();
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        texts << frame->title();
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    std::function<void(const QMenu &)> entries = [&](const QMenu &menu) {
        for (const QAction *action : menu.actions()) {
            texts << action->text();
            if (action->menu())
                entries(*action->menu());
        }
    };
    if (const auto *menu = qobject_cast<const QMenu *>(&window))
        entries(*menu);
    return texts;
}

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

const QList<QPair<const char *, WindowMaker>> windows = {
    { "panel", [] { return std::make_unique<PanelWindow>(); } },
    { "panel with its lock note",
      [] {
          auto panel = std::make_unique<PanelWindow>();
          panel->showSiteLockNote();
          return panel;
      } },
    { "colour window", [] { return std::make_unique<ColourWindow>(); } },
    { "clock", [] { return std::make_unique<ClockWindow>(); } },
    { "clock's menu", [] { return std::make_unique<WallScreenMenu>(nullptr); } },
    { "night hours", [] { return std::make_unique<NightHoursDialog>(NightDimming {}, nullptr); } },
    { "other zones",
      [] {
          return std::make_unique<OtherZonesWindow>(OtherZoneList::Entries { { "Europe/Berlin", {} } }, nullptr);
      } },
};

// A text that reads as in English: the product's name, one without a lower-case word (ISO
// 8601, OK), and the words a language shares with English.
bool readsAsInEnglish(const QString &language, const QString &text)
{
    static const QRegularExpression lowerCaseWord(QStringLiteral("[a-z]{2,}"));
    static const QMultiHash<QString, QString> sharedWords = { { QStringLiteral("fr"), QStringLiteral("Long") } };
    return text.contains(ProductInfo::productName) || !text.contains(lowerCaseWord)
        || sharedWords.contains(language, text);
}

}

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    // The zone pickers list the installed zones.
    void initTestCase() { QVERIFY(modTimeZones::LoadTimeZones()); }

    void everyWindowTextIsTranslatedAndFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringLiteral(LUMETRA_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyWindowTextIsTranslatedAndFits()
    {
        QFETCH(QString, language);
        for (const auto &[name, make] : windows) {
            const QStringList english = textsOf(*make());
            Translations translations { QLocale(language) };
            QCOMPARE(translations.language(), language);
            translations.install();
            const std::unique_ptr<QWidget> window = make();
            const QStringList translated = textsOf(*window);
            QCOMPARE(translated.size(), english.size());
            for (qsizetype i = 0; i < english.size(); ++i) {
                if (english[i] == translated[i] && !readsAsInEnglish(language, english[i]))
                    QFAIL(qPrintable(QStringLiteral("%1: '%2' is left in English").arg(name, english[i])));
            }
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                const bool hasText
                    = qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLabel *>(control);
                if (!hasText || !control->isVisibleTo(window.get()) || window->layout())
                    continue;
                const QString text = control->property("text").toString();
                QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(text));
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(text));
            }
        }
    }

    // Italian words midnight with a preposition of its own: "a mezzanotte", "alle 02:00".
    void timesInSentencesTakeTheLanguagesPreposition()
    {
        Translations translations { QLocale(QStringLiteral("it")) };
        translations.install();
        const ClockTimeText clock(false, DayHalfMarkers::of(QLocale::c()));
        QCOMPARE(clock.at(QTime(0, 0)), QStringLiteral("a mezzanotte"));
        QCOMPARE(clock.at(QTime(2, 0)), QStringLiteral("alle 02:00"));
    }

    // Where no catalogue speaks the language, the English one counts: "2 hours", not "2 hour(s)".
    void countedTextsInTheCLocale()
    {
        Translations translations { QLocale::c() };
        translations.install();
        QCOMPARE(QCoreApplication::translate("ClockChangeNotice", "%n hour(s)", "how far clocks go forward or back", 2),
                 QStringLiteral("2 hours"));
    }

    void englishWindowsKeepTheirDesignedSizes()
    {
        Translations translations { QLocale(QLocale::English, QLocale::UnitedStates) };
        translations.install();
        const PanelWindow panel;
        QCOMPARE(panel.size(), QSize(twips(8040), twips(6900)));
        QCOMPARE(panel.PushButton1->geometry(), twipsRect(120, 120, 7800, 405));
        QCOMPARE(ClockWindow().Label1->geometry(), twipsRect(120, 120, 4215, 495));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
