#include "wallscreen/DayHalfMarkers.h"

DayHalfMarkers DayHalfMarkers::of(const QLocale &locale)
{
    DayHalfMarkers markers { QStringLiteral(" AM"), QStringLiteral(" PM") };
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return markers;
    if (const QString am = locale.amText(); !am.isEmpty())
        markers.am = u' ' + am;
    if (const QString pm = locale.pmText(); !pm.isEmpty())
        markers.pm = u' ' + pm;
    return markers;
}
