#include "base/HomePageDraw.h"

#include <cmath>

namespace HomePageDraw {

quint32 seedFor(const QTime &timeOfDay)
{
    return static_cast<quint32>(QTime(0, 0).secsTo(timeOfDay));
}

int numberFor(double r)
{
    return static_cast<int>(std::floor(r * 100.0)) + 1;
}

bool opensHomePage(double r)
{
    constexpr int luckyNumber = 7;
    return numberFor(r) == luckyNumber;
}

}
