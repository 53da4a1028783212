#pragma once

#include <QTime>

// The one-in-a-hundred chance of opening the maker's home page at a start.
namespace HomePageDraw {

// The generator's seed: the seconds since midnight.
quint32 seedFor(const QTime &timeOfDay);

// n = whole part of (r x 100) + 1, for 0 <= r < 1; the page opens when n is 7.
int numberFor(double r);
bool opensHomePage(double r);

}
