#include "wallscreen/NightDimming.h"

bool NightDimming::dimsAt(const QTime &time) const
{
    if (!from || !time.isValid())
        return false;
    const QTime start(from->hour(), from->minute());
    const QTime end(to.hour(), to.minute());
    if (start <= end)
        return start <= time && time < end;
    return time >= start || time < end;
}

int NightDimming::brightnessAt(const QTime &time) const
{
    return dimsAt(time) ? level : 100;
}
