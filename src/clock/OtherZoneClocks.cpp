#include "clock/OtherZoneClocks.h"

#include "timezones/ZoneCityNames.h"
#include "wallscreen/InfoLines.h"

#include <QCoreApplication>

namespace {

TimeFormat::ClockFormat withoutSeconds(TimeFormat::ClockFormat format)
{
    return format == TimeFormat::ClockFormat::HoursMinutesSecondsAmPm ? TimeFormat::ClockFormat::HoursMinutesAmPm
                                                                      : format;
}

// A zone's time on its face, after the weekday's short name where its date is not the
// clock's; a zone whose file cannot be read shows none.
QString faceAt(ZoneTime::OffsetKeeper &keeper, const QDateTime &instant, const QDate &clockDate,
               TimeFormat::ClockFormat format, const QLocale &locale)
{
    if (keeper.unreadable())
        return QCoreApplication::translate("OtherZoneClocks", "--:--");
    const qint32 minutes = keeper.offsetAt(instant);
    const QDate date = InfoLines::shownDate(instant, minutes);
    const QString time = TimeFormat::format(TimeFormat::shiftedTimeOfDay(instant.time(), minutes),
                                            withoutSeconds(format), DayHalfMarkers::of(locale));
    return date == clockDate ? time : locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + u' ' + time;
}

}

void OtherZoneClocks::setZones(const QByteArrayList &zones)
{
    mZones = zones;
    mKeepers.clear();
    mFaces.clear();
    for (const QByteArray &zone : zones) {
        mKeepers.emplace_back(zone);
        mFaces.append({ ZoneCityNames::ofUser().city(zone), QString() });
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
    const QDate clockDate = InfoLines::shownDate(instant, clockMinutes);
    for (qsizetype i = 0; i < mFaces.size(); ++i) {
        const QString time = faceAt(mKeepers[static_cast<size_t>(i)], instant, clockDate, format, locale);
        *changed = *changed || time != mFaces[i].time;
        mFaces[i].time = time;
    }
    return mFaces;
}
