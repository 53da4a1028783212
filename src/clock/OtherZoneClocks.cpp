#include "clock/OtherZoneClocks.h"

#include "timezones/ZoneCity.h"
#include "wallscreen/InfoLines.h"

#include <QTimeZone>

namespace {

TimeFormat::ClockFormat withoutSeconds(TimeFormat::ClockFormat format)
{
    return format == TimeFormat::ClockFormat::HoursMinutesSecondsAmPm ? TimeFormat::ClockFormat::HoursMinutesAmPm
                                                                      : format;
}

}

void OtherZoneClocks::setZones(const QByteArrayList &zones)
{
    mZones = zones;
    mKeepers.clear();
    mFaces.clear();
    for (const QByteArray &zone : zones) {
        mKeepers.emplace_back(QTimeZone(zone));
        mFaces.append({ zoneCityName(zone), QString() });
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
        const qint32 minutes = mKeepers[static_cast<size_t>(i)].offsetAt(instant);
        const QDate date = InfoLines::shownDate(instant, minutes);
        QString time
            = TimeFormat::format(TimeFormat::shiftedTimeOfDay(instant.time(), minutes), withoutSeconds(format));
        if (date != clockDate)
            time = locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + u' ' + time;
        *changed = *changed || time != mFaces[i].time;
        mFaces[i].time = time;
    }
    return mFaces;
}
