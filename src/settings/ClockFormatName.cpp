#include "settings/ClockFormatName.h"

#include <QCoreApplication>

namespace ClockFormatName {

QString of(ClockFormat format)
{
    // The panel's own texts, in its context.
    switch (format) {
    case ClockFormat::HoursMinutesSecondsAmPm:
        return QCoreApplication::translate("PanelWindow", "Hour, minutes, seconds, AM PM");
    case ClockFormat::HoursMinutesAmPm:
        return QCoreApplication::translate("PanelWindow", "Hour, minutes, AM PM");
    case ClockFormat::HoursMinutes:
    case ClockFormat::HoursMinutesSeconds:
        return QCoreApplication::translate("PanelWindow", "Hour, minutes");
    case ClockFormat::None:
        break;
    }
    return QString();
}

}
