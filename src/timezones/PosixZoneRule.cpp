#include "timezones/PosixZoneRule.h"

#include <QDate>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int hour = 3600;
constexpr qint64 day = 24 * hour;

// Reads the rule's text from left to right; every step fails once one has failed.
class Reader {
public:
    explicit Reader(QByteArrayView text)
        : mText(text)
    {
    }

    bool atEnd() const { return mAt == mText.size(); }
    bool failed() const { return mFailed; }
    bool take(char wanted)
    {
        if (mFailed || atEnd() || mText[mAt] != wanted)
            return false;
        ++mAt;
        return true;
    }
    // A character that must come next.
    void expect(char wanted)
    {
        if (!take(wanted))
            mFailed = true;
    }
    bool nextIsSignOrDigit() const
    {
        return !atEnd() && (mText[mAt] == '+' || mText[mAt] == '-' || isDigit(mText[mAt]));
    }

    // An abbreviation: three or more letters, or any text in angle brackets.
    QByteArray name()
    {
        const bool quoted = take('<');
        const qsizetype start = mAt;
        while (mAt < mText.size() && (quoted ? mText[mAt] != '>' : isLetter(mText[mAt])))
            ++mAt;
        const QByteArrayView name = mText.sliced(start, mAt - start);
        if (name.size() < 3 || (quoted && !take('>')))
            mFailed = true;
        return name.toByteArray();
    }

    // A number of at most maxDigits digits, at most maxValue.
    int number(int maxDigits, int maxValue)
    {
        int value = 0;
        int digits = 0;
        while (digits < maxDigits && mAt < mText.size() && isDigit(mText[mAt])) {
            value = value * 10 + (mText[mAt++] - '0');
            ++digits;
        }
        if (digits == 0 || value > maxValue)
            mFailed = true;
        return value;
    }

    // [+-]h[h[h]][:mm[:ss]] in seconds, hours up to maxHours.
    int signedTime(int maxHours)
    {
        const bool negative = take('-');
        if (!negative)
            take('+');
        int seconds = number(3, maxHours) * hour;
        if (take(':'))
            seconds += number(2, 59) * 60;
        if (take(':'))
            seconds += number(2, 59);
        return negative ? -seconds : seconds;
    }

private:
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

    QByteArrayView mText;
    qsizetype mAt = 0;
    bool mFailed = false;
};

qint64 epochDay(const QDate &date)
{
    return date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
}

// The rule is worked out for instants within 2^50 seconds (35 million years) of the epoch,
// where years and their instants stay far from the ends of their types; further out, the
// nearest of those instants stands for them.
constexpr qint64 farthestInstant = qint64(1) << 50;

qint64 withinReach(qint64 instant)
{
    return std::clamp(instant, -farthestInstant, farthestInstant);
}

int yearOf(qint64 instant)
{
    return QDate::fromJulianDay(QDate(1970, 1, 1).toJulianDay() + instant / day).year();
}

}

std::optional<PosixZoneRule> PosixZoneRule::parse(QByteArrayView text)
{
    Reader reader(text);
    PosixZoneRule rule;
    rule.mStandardAbbreviation = reader.name();
    // The text counts hours west of UTC.
    rule.mStandardOffset = -reader.signedTime(24);
    if (!reader.atEnd()) {
        Daylight summer;
        summer.abbreviation = reader.name();
        summer.offset = reader.nextIsSignOrDigit() ? -reader.signedTime(24) : rule.mStandardOffset + hour;
        // Without dates, the C library's default: the second Sunday of March to the first
        // of November.
        summer.start = { Change::Kind::MonthWeekDay, 0, 2, 3, 2 * hour };
        summer.end = { Change::Kind::MonthWeekDay, 0, 1, 11, 2 * hour };
        for (Change *change : { &summer.start, &summer.end }) {
            if (!reader.take(','))
                break;
            if (reader.take('J')) {
                *change = { Change::Kind::JulianNoLeap, reader.number(3, 365), 0, 0, 2 * hour };
                change->day = std::max(change->day, 1);
            } else if (reader.take('M')) {
                change->kind = Change::Kind::MonthWeekDay;
                change->month = std::max(reader.number(2, 12), 1);
                reader.expect('.');
                change->week = std::max(reader.number(1, 5), 1);
                reader.expect('.');
                change->day = reader.number(1, 6);
                change->time = 2 * hour;
            } else {
                *change = { Change::Kind::ZeroBasedDay, reader.number(3, 365), 0, 0, 2 * hour };
            }
            if (reader.take('/'))
                change->time = reader.signedTime(167);
        }
        rule.mDaylight = summer;
    }
    if (reader.failed() || !reader.atEnd())
        return std::nullopt;
    return rule;
}

namespace {

// The first day of a change in a year, as days since the epoch.
template <typename Change>
qint64 dayOf(const Change &change, int year)
{
    const QDate january1(year, 1, 1);
    switch (change.kind) {
    case Change::Kind::JulianNoLeap:
        // February 29th is never counted.
        return epochDay(january1) + change.day - 1 + (QDate::isLeapYear(year) && change.day >= 60 ? 1 : 0);
    case Change::Kind::ZeroBasedDay:
        return epochDay(january1) + change.day;
    case Change::Kind::MonthWeekDay:
        break;
    }
    const QDate first(year, change.month, 1);
    int dayOfMonth = 1 + (change.day - first.dayOfWeek() % 7 + 7) % 7 + 7 * (change.week - 1);
    while (dayOfMonth > first.daysInMonth())
        dayOfMonth -= 7;
    return epochDay(first) + dayOfMonth - 1;
}

}

qint64 PosixZoneRule::startIn(int year) const
{
    return dayOf(mDaylight->start, year) * day + mDaylight->start.time - mStandardOffset;
}

qint64 PosixZoneRule::endIn(int year) const
{
    return dayOf(mDaylight->end, year) * day + mDaylight->end.time - mDaylight->offset;
}

bool PosixZoneRule::daylightAt(qint64 instant) const
{
    if (!mDaylight)
        return false;
    instant = withinReach(instant);
    // The last change at or before instant among those of the year before to the year after:
    // a start or an end lies in every year.
    const int year = yearOf(instant + mStandardOffset);
    bool inDaylight = false;
    qint64 latest = std::numeric_limits<qint64>::min();
    for (int y = year - 1; y <= year + 1; ++y) {
        for (const auto &[at, starts] : { std::pair(startIn(y), true), std::pair(endIn(y), false) }) {
            // A start and an end at the same instant: the later year's change holds.
            if (at <= instant && at >= latest) {
                latest = at;
                inDaylight = starts;
            }
        }
    }
    return inDaylight;
}

int PosixZoneRule::offsetAt(qint64 instant) const
{
    return daylightAt(instant) ? mDaylight->offset : mStandardOffset;
}

ZonePeriod PosixZoneRule::periodAt(qint64 instant) const
{
    if (daylightAt(instant))
        return { mDaylight->offset, mStandardOffset, true, mDaylight->abbreviation };
    return { mStandardOffset, mStandardOffset, false, mStandardAbbreviation };
}

std::optional<qint64> PosixZoneRule::nextChange(qint64 instant) const
{
    if (!mDaylight || instant >= farthestInstant)
        return std::nullopt;
    instant = withinReach(instant);
    const int now = offsetAt(instant);
    std::vector<qint64> changes;
    const int year = yearOf(instant + mStandardOffset);
    for (int y = year; y <= year + 2; ++y) {
        changes.push_back(startIn(y));
        changes.push_back(endIn(y));
    }
    std::sort(changes.begin(), changes.end());
    for (qint64 at : changes) {
        if (at > instant && offsetAt(at) != now)
            return at;
    }
    return std::nullopt;
}
