#include "clock/OtherZoneClocks.h"

#include "timezones/ZoneCityNames.h"
#include "wallscreen/InfoLines.h"
#include "wallscreen/ZoneDifference.h"

#include <QCoreApplication>

namespace {

TimeFormat::ClockFormat withoutSeconds(TimeFormat::ClockFormat format)
{
    return format == TimeFormat::ClockFormat::HoursMinutesSecondsAmPm ? TimeFormat::ClockFormat::HoursMinutesAmPm
                                                                      : format;
}

// A zone's face at an instant: its time, how it differs from the clock and its day where
// that is not the clock's; a zone whose file cannot be read shows no time and no difference.
void showAt(ZoneFace &face, ZoneTime::OffsetKeeper &keeper, const QDateTime &instant, qint64 clockMinutes,
            TimeFormat::ClockFormat format, const QLocale &locale)
{
    if (keeper.unreadable()) {
        face.time = QCoreApplication::translate("OtherZoneClocks", "--:--");
        face.difference.clear();
        return;
    }
    const qint32 minutes = keeper.offsetAt(instant);
    const QTime timeOfDay = TimeFormat::shiftedTimeOfDay(instant.time(), minutes);
    face.time = TimeFormat::format(timeOfDay, withoutSeconds(format), DayHalfMarkers::of(locale));
    const QString day = ZoneDifference::dayText(InfoLines::shownDate(instant, minutes),
                                                InfoLines::shownDate(instant, clockMinutes), locale);
    const QString difference = ZoneDifference::text(minutes - clockMinutes);
    face.difference = day.isEmpty() ? difference : day + QStringLiteral(" · ") + difference;
    face.night = ZoneDifference::isNight(timeOfDay);
}

}

void OtherZoneClocks::setZones(const OtherZoneList::Entries &entries)
{
    mEntries = entries;
    mKeepers.clear();
    mFaces.clear();
    for (const OtherZoneList::Entry &entry : entries) {
        mKeepers.emplace_back(entry.zone);
        mFaces.append(
            { entry.label.isEmpty() ? ZoneCityNames::ofUser().city(entry.zone) : entry.label, {}, {}, false });
    }
    mMinute = -1;
}

void OtherZoneClocks::reload()
{
    for (ZoneTime::OffsetKeeper &keeper : mKeepers)
        keeper.reload();
    mMinute = -1;
}

QStringList OtherZoneClocks::files() const
{
    QStringList files;
    for (const ZoneTime::OffsetKeeper &keeper : mKeepers)
        files << keeper.files();
    return files;
}

QByteArrayList OtherZoneClocks::unreadable() const
{
    QByteArrayList zones;
    for (const ZoneTime::OffsetKeeper &keeper : mKeepers) {
        if (keeper.unreadable())
            zones << keeper.chosenId();
    }
    return zones;
}

const QList<ZoneFace> &OtherZoneClocks::facesAt(const QDateTime &instant, qint64 clockMinutes,
                                                TimeFormat::ClockFormat format, const QLocale &locale, bool *changed)
{
    const qint64 minute = instant.toSecsSinceEpoch() / 60;
    *changed = false;
    if (minute == mMinute && clockMinutes == mClockMinutes && format == mFormat)
        return mFaces;
    mMinute = minute;
    mClockMinutes = clockMinutes;
    mFormat = format;
    for (qsizetype i = 0; i < mFaces.size(); ++i) {
        const ZoneFace before = mFaces[i];
        showAt(mFaces[i], mKeepers[static_cast<size_t>(i)], instant, clockMinutes, format, locale);
        *changed = *changed || mFaces[i] != before;
    }
    return mFaces;
}
