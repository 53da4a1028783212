// The clock's wall-screen options: fitting, burn-in guard, night dimming, the date and
// place lines, the announcement of clock changes, the synchronisation warning, the menu, and
// the pointer that hides when it rests.
#include "clock/Form2.h"

#include "base/PlatformServices.h"
#include "base/RuntimeError.h"
#include "clock/ClockWindow.h"
#include "drawing/FallbackFace.h"
#include "drawing/TextPieces.h"
#include "drawing/TimeStrip.h"
#include "dressing/AccessibleRole.h"
#include "dressing/ReadableText.h"
#include "settings/SettingsStore.h"
#include "timezones/ZoneCityNames.h"
#include "wallscreen/AboutBox.h"
#include "wallscreen/BurnInPath.h"
#include "wallscreen/ClockBlock.h"
#include "wallscreen/ClockChangeNotice.h"
#include "wallscreen/FitToScreen.h"
#include "wallscreen/InfoLines.h"
#include "wallscreen/NightHoursDialog.h"
#include "wallscreen/OtherZonesView.h"
#include "wallscreen/SpokenClock.h"
#include "wallscreen/UnreadableZoneNotice.h"
#include "wallscreen/WallScreenMenu.h"
#include "windows/PanelForm.h"
#include "windows/ProgramContext.h"
#include "windows/SiteLocks.h"

#include <QAccessible>
#include <QLabel>
#include <QTimeZone>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any screen: the fitting stops here.
constexpr int largestPoints = 2000;
// The lines under the time are a quarter of its size, each warning a sixth, or smaller where
// they are too wide.
constexpr int infoLinesShare = 4;
constexpr int warningShare = 6;

QColor dimmed(const QColor &colour, double percent)
{
    const auto part = [percent](int channel) { return qRound(channel * percent / 100.0); };
    return QColor(part(colour.red()), part(colour.green()), part(colour.blue()));
}

QSize textBlockSize(const QFont &font, const QString &text)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignHCenter, text).size();
}

}

void Form2::connectWallScreenParts(ClockWindow &window)
{
    WallScreenMenu &menu = *window.optionsMenu;
    connect(&menu, &WallScreenMenu::chosen, this, &Form2::storeWallScreenOptions);
    connect(&menu, &WallScreenMenu::nightHoursAsked, this, &Form2::chooseNightHours);
    connect(menu.about, &QAction::triggered, this,
            [this] { showAboutBox(&ui(), [this](const QUrl &link) { mProgram.platform().openUrl(link); }); });
    connect(menu.otherZones, &QAction::triggered, this, &Form2::openOtherZones);
    connect(menu.closeClock, &QAction::triggered, this, [this] { Form_KeyDown(Qt::Key_Escape); });
    connect(window.pointerIdleTimer, &QTimer::timeout, this, &Form2::hidePointerWhenIdle);
    pointerMoved(window);
}

void Form2::showWallScreenOptions()
{
    ClockWindow &window = ui();
    mDigitColour = window.Picture1->foreColor();
    mStoredPoints = window.Picture1->font().pointSize();
    mBrightness = 100;
    readOtherZones();
    // Laid out anew: the stored font may not fit this window.
    applyWallScreenOptions(true);
}

void Form2::applyWallScreenOptions(bool layOut)
{
    ClockWindow &window = ui();
    window.optionsMenu->showOptions(mOptions, mProgram.settings(), clockTimeText(),
                                    mProgram.form1().selectedClockFormat());
    colourLines(window);
    window.infoLines->setVisible(mOptions.showsInfoLines());
    if (!layOut)
        return;
    if (!mOptions.showsInfoLines()) {
        window.infoLines->clear();
        mDatePlaceLines.clear();
        mNotice.clear();
    }
    if (!mOptions.burnInGuard)
        mBurnInOffset = QPoint();
    followWallScreenOptions(mProgram.platform().currentDateTime());
    Form_Resize();
}

void Form2::storeWallScreenOptions(const QMap<QString, QString> &texts)
{
    SettingsStore &settings = mProgram.settings();
    for (auto text = texts.cbegin(); text != texts.cend(); ++text)
        settings.SaveSetting(text.key(), text.value());
    // What is in force is what the store reads: a key the site locks keeps the site's value.
    mOptions = WallScreenOptions::read(settings);
    applyWallScreenOptions(true);
}

void Form2::chooseNightHours()
{
    auto *dialog = new NightHoursDialog(mOptions.nightDimming, &ui());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    SiteLocks::apply(*dialog, mProgram.settings());
    connect(dialog, &QDialog::accepted, this, [this, dialog] { storeWallScreenOptions(dialog->chosen()); });
    // Window-modal without an event loop of its own: the clock goes on ticking, and later
    // starts' requests are not carried out inside it.
    dialog->open();
}

void Form2::showOptionsTip()
{
    ClockWindow &window = ui();
    const bool hintShowing = !window.Label1->isHidden() && !window.Label1->size().isEmpty();
    if (!isShown() || !hintShowing)
        return;
    window.optionsTip->show();
    window.optionsTipTimer->start();
}

void Form2::openOptionsMenu(const QPoint &globalPosition, bool byKeyboard)
{
    ClockWindow &window = ui();
    WallScreenMenu &menu = *window.optionsMenu;
    menu.showOptions(mOptions, mProgram.settings(), clockTimeText(), mProgram.form1().selectedClockFormat());
    menu.popup(globalPosition);
    // Qt tells screen readers of an entry getting the focus, not of the menu: opened by the
    // keyboard, the menu says that it has it, and is named ("Wall-screen options popup menu").
    if (byKeyboard) {
        QAccessibleEvent focus(&menu, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void Form2::followWallScreenOptions(const QDateTime &instant)
{
    if (!instant.isValid())
        return;
    ClockWindow &window = ui();
    const QPoint offset
        = mOptions.burnInGuard ? BurnInPath::offsetAt(instant.toSecsSinceEpoch() / 60, window.size()) : QPoint();
    const QTime shown = TimeFormat::shiftedTimeOfDay(instant.time(), mTimeZone);
    setBrightness(mOptions.nightDimming.brightnessAt(shown));
    bool moved = offset != mBurnInOffset;
    mBurnInOffset = offset;
    if (mOptions.showsInfoLines()) {
        // The computer's place where the clock shows the computer's time. The place's name is
        // looked up (once, kept) only while the zone line shows.
        const QByteArray zone
            = !mZone.chosenId().isEmpty() && !mZone.unreadable() ? mZone.chosenId() : QTimeZone::systemTimeZoneId();
        const QString place = mOptions.showZone ? ZoneCityNames::ofUser().city(zone) : QString();
        const QString lines = InfoLines::text(InfoLines::shownDate(instant, mTimeZone), mOptions.dateFormat, place,
                                              mOptions.showDate, mOptions.showZone, QLocale::system());
        const QString notice = mOptions.announceClockChanges ? clockChangeNotice(instant) : QString();
        const QString text = lines.isEmpty() || notice.isEmpty() ? lines + notice : lines + u'\n' + notice;
        mDatePlaceLines = lines;
        mNotice = notice;
        if (text != window.infoLines->text()) {
            window.infoLines->setText(text);
            moved = true;
        }
    }
    window.setNotice(mOptions.showsInfoLines() ? mNotice : QString());
    // Asked at every tick, so that the count of unsynchronised minutes goes on while the
    // option is off.
    const bool warn = mSyncWarning.update(mProgram.platform().clockSynchronised(), instant.toMSecsSinceEpoch())
        && mOptions.syncWarning;
    if (followOtherZones(window, instant))
        moved = true;
    if (warn == window.syncWarning->isHidden()) {
        window.syncWarning->setVisible(warn);
        moved = true;
    }
    const QString unreadable
        = UnreadableZoneNotice::text(mZone.unreadable() ? mZone.chosenId() : QByteArray(), mOtherZones.unreadable());
    if (unreadable != window.zoneWarning->text()) {
        window.zoneWarning->setText(unreadable);
        window.zoneWarning->setVisible(!unreadable.isEmpty());
        moved = true;
    }
    if (moved)
        placeClockBlock(window);
}

QString Form2::clockChangeNotice(const QDateTime &instant) const
{
    return ClockChangeNotice::text(instant.toSecsSinceEpoch(), mZone, clockTimeText());
}

void Form2::sizeTime(ClockWindow &window)
{
    mFittedFormat = shownClockFormat();
    // Until the load has read the stored size, the load sets the fonts itself.
    if (mStoredPoints <= 0)
        return;
    // Every digit may come up in every place: the widest of each gives the size.
    QStringList texts;
    for (const QTime &time : { QTime(1, 0), QTime(13, 0) })
        texts << FitToScreen::digitVariants(TimeFormat::format(time, mFittedFormat, mDayHalves));
    // The marker of another script in a face as heavy as the digits.
    QFont font = withFallbackFace(window.Picture1->font(), texts.constFirst() + texts.constLast());
    const auto measure = [&](int points) {
        font.setPointSize(points);
        const QFontMetricsF metrics(font);
        double width = 0;
        for (const QString &text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return QSizeF(width, metrics.height());
    };
    // The stored size where the time fits the window; else, or when asked, the fitted size,
    // so that no screen cuts the time off. The stored size stays what the user chose.
    const QSizeF stored = measure(mStoredPoints);
    const bool fits = stored.width() <= window.width() && stored.height() <= window.height();
    const int points = mOptions.fitToScreen || !fits
        ? FitToScreen::largestFittingSize(FitToScreen::timeBounds(window.size()), largestPoints, measure)
        : mStoredPoints;
    font.setPointSize(points);
    for (QWidget *shown : { static_cast<QWidget *>(window.lblTime), static_cast<QWidget *>(window.Picture1) }) {
        if (shown->font() != font)
            shown->setFont(font);
    }
}

TimeFormat::ClockFormat Form2::shownClockFormat() const
{
    return TimeFormat::shownFormat(mProgram.form1().selectedClockFormat(), mOptions.secondsIn24Hour);
}

ClockTimeText Form2::clockTimeText() const
{
    return ClockTimeText(TimeFormat::isTwelveHour(shownClockFormat()), mDayHalves);
}

void Form2::fitLine(ClockWindow &window, QLabel &line, int share)
{
    QFont font = window.Picture1->font();
    const QString text = line.text();
    const auto measure = [&](int points) {
        font.setPointSize(points);
        return QSizeF(textBlockSize(font, text));
    };
    const QSizeF bounds(FitToScreen::timeBounds(window.size()).width(), window.height());
    font.setPointSize(FitToScreen::largestFittingSize(bounds, std::max(1, font.pointSize() / share), measure));
    line.setFont(font);
}

void Form2::placeClockBlock(ClockWindow &window)
{
    const auto heightOf = [&](QLabel &line, bool shown, int share) {
        if (!shown)
            return 0;
        fitLine(window, line, share);
        return textBlockSize(line.font(), line.text()).height();
    };
    const int infoHeight
        = heightOf(*window.infoLines, mOptions.showsInfoLines() && !window.infoLines->text().isEmpty(), infoLinesShare);
    const int syncHeight = heightOf(*window.syncWarning, !window.syncWarning->isHidden(), warningShare);
    const int zoneHeight = heightOf(*window.zoneWarning, !window.zoneWarning->isHidden(), warningShare);
    const int warningHeight = syncHeight + zoneHeight;
    // A line of the font, or more where a marker of another script reaches lower.
    int lineHeight = QFontMetrics(window.lblTime->font()).height();
    for (const QTime &time : { QTime(1, 0), QTime(13, 0) }) {
        const QString text = TimeFormat::format(time, mFittedFormat, mDayHalves);
        lineHeight
            = std::max(lineHeight, static_cast<int>(std::ceil(TextPieces::heightNeeded(text, window.lblTime->font()))));
    }
    // The other zones come last in the block: they move, fit and dim with the time.
    const int zonesHeight = layOutOtherZones(window, lineHeight + infoHeight + warningHeight);
    const ClockBlock block
        = ClockBlock::place(window.size(), lineHeight, infoHeight + warningHeight + zonesHeight, mBurnInOffset);
    window.lblTime->setGeometry(block.timeLine);
    window.Picture1->setGeometry(block.timeLine);
    window.infoLines->setGeometry(block.infoLines.adjusted(0, 0, 0, -warningHeight - zonesHeight));
    // The notice is the last line of the date and place lines.
    const int noticeHeight = mNotice.isEmpty() ? 0 : textBlockSize(window.infoLines->font(), mNotice).height();
    window.noticeLine->setGeometry(window.infoLines->geometry().adjusted(0, infoHeight - noticeHeight, 0, 0));
    window.syncWarning->setGeometry(block.infoLines.adjusted(0, infoHeight, 0, -zoneHeight - zonesHeight));
    window.zoneWarning->setGeometry(block.infoLines.adjusted(0, infoHeight + syncHeight, 0, -zonesHeight));
    window.otherZones->setGeometry(block.infoLines.adjusted(0, infoHeight + warningHeight, 0, 0));
}

void Form2::setBrightness(int percent)
{
    if (percent == mBrightness)
        return;
    mBrightness = percent;
    ClockWindow &window = ui();
    window.Picture1->setForeColor(dimmed(mDigitColour, percent));
    colourLines(window);
}

void Form2::speakTheClock(ClockWindow &window)
{
    setAccessibleText(*window.Picture1, QAccessible::Name, [this] { return spokenTime(); });
    setAccessibleText(*window.infoLines, QAccessible::Name, [this] { return mDatePlaceLines; });
    setAccessibleText(window, QAccessible::Description, [this] { return spokenClockText(); });
}

QString Form2::spokenTime()
{
    // The time as the strip shows it now: the tick draws at each change of the text.
    try {
        const QDateTime instant = mProgram.platform().currentDateTime();
        return TimeFormat::format(TimeFormat::shiftedTimeOfDay(instant.time(), mTimeZone), shownClockFormat(),
                                  mDayHalves)
            .trimmed();
    } catch (const RuntimeError &) {
        return isLoaded() ? ui().Picture1->text().trimmed() : QString();
    }
}

QString Form2::spokenClockText()
{
    if (!isLoaded())
        return QString();
    const ClockWindow &window = ui();
    QStringList lines;
    if (!window.infoLines->isHidden() && !window.infoLines->text().isEmpty())
        lines << window.infoLines->text();
    for (const QLabel *warning : { window.syncWarning, window.zoneWarning }) {
        if (!warning->isHidden() && !warning->text().isEmpty())
            lines << warning->text();
    }
    return spokenClock(spokenTime(), lines.join(u'\n'),
                       window.otherZones->isHidden() ? QList<ZoneFace>() : window.otherZones->faces());
}

void Form2::colourLines(ClockWindow &window)
{
    const auto colour = [](QWidget &line, const QColor &textColour) {
        QPalette palette = line.palette();
        palette.setColor(QPalette::WindowText, textColour);
        line.setPalette(palette);
    };
    // The hint, the tip and the warnings stay readable on the background until night dims them.
    const auto readable = [this, &window](const QColor &full, double share) {
        const QColor wanted = dimmed(full, 100 * share);
        const QColor chosen = ReadableText::on(window.backColor(), wanted);
        return chosen == wanted ? dimmed(full, mBrightness * share) : dimmed(chosen, mBrightness);
    };
    colour(*window.infoLines, dimmed(mDigitColour, mBrightness));
    colour(*window.syncWarning, readable(mDigitColour, 0.5));
    colour(*window.zoneWarning, readable(mDigitColour, 0.5));
    colour(*window.Label1, readable(ClockWindow::hintColour, 1));
    colour(*window.optionsTip, readable(ClockWindow::hintColour, 1));
    colour(*window.otherZones, dimmed(mDigitColour, mBrightness));
}

void Form2::pointerMoved(ClockWindow &window)
{
    mPointerIdle.moved(mProgram.platform().currentDateTime());
    window.pointerIdleTimer->start(static_cast<int>(PointerIdle::hideAfterMsecs));
}

void Form2::hidePointerWhenIdle()
{
    ClockWindow &window = ui();
    const qint64 wait = mPointerIdle.msecsUntilHide(mProgram.platform().currentDateTime());
    if (wait > 0)
        window.pointerIdleTimer->start(static_cast<int>(wait));
    else
        window.pointer.hideUnlessBusy();
}
