#include "base/ProductInfo.h"
#include "clock/ClockWindow.h"
#include "clock/TimeFormat.h"
#include "dressing/TitleRoom.h"
#include "dressing/Twips.h"
#include "panel/ColourWindow.h"
#include "panel/PanelWindow.h"
#include "program/CommandLine.h"
#include "program/Translations.h"
#include "timezones/modTimeZones.h"
#include "wallscreen/AboutBox.h"
#include "wallscreen/ClockChangeNotice.h"
#include "wallscreen/ClockTimeText.h"
#include "wallscreen/NightDimming.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/WallScreenMenu.h"
#include "zonechoice/OtherZonesWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
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

    // Each window the program shows, and each it opens from them, is wide enough for its
    // title in every language: a window manager cuts a longer title off.
    void everyWindowTitleFits_data() { everyWindowTextIsTranslatedAndFits_data(); }

    void everyWindowTitleFits()
    {
        QFETCH(QString, language);
        Translations translations { QLocale(language) };
        translations.install();
        const TitleRoom titleRoom;
        std::vector<std::unique_ptr<QWidget>> made;
        for (const auto &[name, make] : windows) {
            made.push_back(make());
            made.back()->show();
        }
        showAboutBox(made.front().get(), [](const QUrl &) {});
        QCoreApplication::processEvents();
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog))
                continue;
            QVERIFY2(window->width() >= TitleRoom::widthNeeded(*window), qPrintable(window->windowTitle()));
        }
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
    }

    // Times on the clock, in a menu and in a sentence as each language writes them.
    void timesInTheLanguage_data()
    {
        for (const char *column : { "language", "locale", "how", "written" })
            QTest::addColumn<QString>(column);
        QTest::addColumn<QTime>("time");
        const auto row
            = [](const char *language, const char *locale, const char *how, QTime time, const char *written) {
                  QTest::addRow("%s %s %s", language, locale, how) << language << locale << how << written << time;
              };
        row("ja", "ja_JP", "clock 12", QTime(9, 0, 3), "午前9:00:03");
        row("ja", "ja_JP", "menu 24", QTime(0, 0), "0:00");
        row("ja", "ja_JP", "menu 24", QTime(6, 0), "6:00");
        row("zh_CN", "zh_CN", "clock 12", QTime(15, 4, 5), "下午3:04:05");
        row("es", "es_ES", "clock 12", QTime(6, 33, 9), "6:33:09 a.\u00a0m.");
        row("es", "es_ES", "at 12", QTime(1, 0), "a la 1:00 a.\u00a0m.");
        row("es", "es_ES", "at 24", QTime(13, 0), "a las 13:00");
        row("de", "de_DE", "at 24", QTime(3, 0), "um 03:00 Uhr");
        row("en", "en_US", "clock 12", QTime(6, 33, 9), "06:33:09 AM");
        row("en", "ar_EG", "clock 12", QTime(6, 33, 9), "٦:٣٣:٠٩ ص");
        row("en", "ko_KR", "clock 12", QTime(18, 33, 9), "오후 6:33:09");
    }

    void timesInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, how);
        QFETCH(QTime, time);
        Translations translations { QLocale(language) };
        translations.install();
        QFETCH(QString, locale);
        const DayHalfMarkers markers = DayHalfMarkers::of(QLocale(locale));
        const ClockTimeText sentence(how.endsWith(QLatin1String("12")), markers);
        if (how.startsWith(QLatin1String("clock")))
            QTEST(TimeFormat::format(time, TimeFormat::ClockFormat::HoursMinutesSecondsAmPm, markers), "written");
        else if (how.startsWith(QLatin1String("menu")))
            QTEST(sentence.of(time), "written");
        else
            QTEST(sentence.at(time), "written");
    }

    // Clock-change notices in the order and with the words each language puts them in. The
    // clock shows UTC; a change at 01:00 or 02:00 on Sunday 29 March 2026, seen some hours
    // before or after.
    void noticesInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QList<int>>("nowChangeAndOffset");
        QTest::addColumn<QString>("notice");
        QTest::newRow("de, after") << "de" << false << QList<int> { 5, 3, -3600 }
                                   << "Die Uhren wurden um 03:00 Uhr um 1 Stunde zurückgestellt";
        QTest::newRow("fr, tonight") << "fr" << false << QList<int> { -5, 2, 3600 }
                                     << "Les horloges avancent d’une heure cette nuit\u00a0: 02:00 devient 03:00";
        QTest::newRow("ru, on a weekday") << "ru" << false << QList<int> { -20, 2, 3600 }
                                          << "Часы переводятся на 1 час вперёд в воскресенье: с 02:00 на 03:00";
        QTest::newRow("es, after one o'clock")
            << "es" << true << QList<int> { 3, 1, 3600 } << "Los relojes se adelantaron 1 hora a la 1:00 a.\u00a0m.";
    }

    void noticesInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, twelveHour);
        QFETCH(QList<int>, nowChangeAndOffset);
        Translations translations { QLocale(language) };
        translations.install();
        const qint64 sunday = QDateTime(QDate(2026, 3, 29), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
        const ClockChangeNotice::Change change { sunday + nowChangeAndOffset[1] * 3600, 0, nowChangeAndOffset[2] };
        QTEST(ClockChangeNotice::text(sunday + nowChangeAndOffset[0] * 3600, change,
                                      ClockTimeText(twelveHour, DayHalfMarkers::of(QLocale(language)))),
              "notice");
    }

    // Refusals of the command line quote what they refuse alike, and its help fits a
    // terminal of 80 columns, in every language.
    void commandLineInTheLanguage_data() { everyWindowTextIsTranslatedAndFits_data(); }

    void commandLineInTheLanguage()
    {
        QFETCH(QString, language);
        Translations translations { QLocale(language) };
        translations.install();
        const auto marks = [](const QStringList &arguments) {
            const QString text = CommandLine::parse(QStringList { QStringLiteral("lumetra") } + arguments).text;
            const qsizetype at = text.indexOf(QStringLiteral("x-name"));
            return text.mid(at - 1, 1) + text.mid(at + 6, 1);
        };
        QCOMPARE(marks({ QStringLiteral("--x-name") }), marks({ QStringLiteral("x-name") }));
        const QString help = CommandLine::parse({ QStringLiteral("lumetra"), QStringLiteral("--help") }).text;
        for (const QString &line : help.split(QLatin1Char('\n'))) {
            int columns = 0;
            for (const QChar c : line)
                columns += c.unicode() >= 0x2e80 ? 2 : 1;
            QVERIFY2(columns < 80, qPrintable(line));
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
