#pragma once

#include <QStringView>

// How far typed text may be from a name and still find it as a slip of the keys: no letter
// in fewer than four letters, one in four or five, two in six or more (digits and signs do
// not count: "+05:30" is no word).
int slipsAllowedIn(QStringView typed);

// The edits that make a into b (a letter added, dropped or changed, two neighbours swapped)
// when at most most of them do; most + 1 when more are needed. Stops as soon as every way
// needs more.
int editsBetween(QStringView a, QStringView b, int most);
