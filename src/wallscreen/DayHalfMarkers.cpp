#include "wallscreen/DayHalfMarkers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// The text between two places of a pattern, where the marker meets the time.
QString between(const QString &pattern, qsizetype from, qsizetype to)
{
    return from < to ? pattern.mid(from, to - from) : QString();
}

}

DayHalfMarkers DayHalfMarkers::of(const QLocale &locale)
{
    DayHalfMarkers style;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return style;
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (!zero.isEmpty())
        style.zeroDigit = zero.constFirst();
    const QString pattern = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression markerField(QStringLiteral("AP|ap|A|a"));
    static const QRegularExpression timeFields(QStringLiteral("[hHms]+"));
    const QRegularExpressionMatch marker = markerField.match(pattern);
    const qsizetype firstField = pattern.indexOf(timeFields);
    const qsizetype lastField = pattern.lastIndexOf(timeFields);
    style.twoDigitTwentyFourHour = !pattern.contains(u'H') || pattern.contains(QStringLiteral("HH"));
    QString joining;
    if (marker.hasMatch() && firstField >= 0) {
        // The locale's own 12-hour format.
        style.twoDigitTwelveHour = pattern.contains(QStringLiteral("hh"));
        style.markerFirst = marker.capturedStart() < firstField;
        const qsizetype lastFieldEnd = pattern.indexOf(QRegularExpression(QStringLiteral("[^hHms]|$")), lastField);
        joining = style.markerFirst ? between(pattern, marker.capturedEnd(), firstField)
                                    : between(pattern, lastFieldEnd, marker.capturedStart());
    } else {
        style.twoDigitTwelveHour = false;
        const QString order = QCoreApplication::translate(
            "DayHalfMarkers", "%1 %2", "a time on the 12-hour clock (%1) and its marker, AM or PM (%2)");
        const qsizetype time = order.indexOf(QStringLiteral("%1"));
        const qsizetype half = order.indexOf(QStringLiteral("%2"));
        style.markerFirst = half >= 0 && half < time;
        joining = style.markerFirst ? between(order, half + 2, time) : between(order, time + 2, half);
    }
    const auto placed = [&](const QString &text) { return style.markerFirst ? text + joining : joining + text; };
    if (const QString am = locale.amText(); !am.isEmpty())
        style.am = placed(am);
    if (const QString pm = locale.pmText(); !pm.isEmpty())
        style.pm = placed(pm);
    return style;
}

QString DayHalfMarkers::write(const QTime &time, bool twelveHour, bool seconds) const
{
    // Built a character at a time: the clock writes its time every second.
    QString text;
    text.reserve(16);
    const auto appendDigit = [&](int value) {
        const char32_t digit = zeroDigit + static_cast<char32_t>(value);
        text.append(QString::fromUcs4(&digit, 1));
    };
    const auto appendNumber = [&](int value, bool twoDigits) {
        if (twoDigits || value >= 10)
            appendDigit(value / 10);
        appendDigit(value % 10);
    };
    if (twelveHour && markerFirst)
        text.append(at(time));
    if (twelveHour)
        appendNumber(time.hour() % 12 == 0 ? 12 : time.hour() % 12, twoDigitTwelveHour);
    else
        appendNumber(time.hour(), twoDigitTwentyFourHour);
    text.append(u':');
    appendNumber(time.minute(), true);
    if (seconds) {
        text.append(u':');
        appendNumber(time.second(), true);
    }
    if (twelveHour && !markerFirst)
        text.append(at(time));
    return text;
}
