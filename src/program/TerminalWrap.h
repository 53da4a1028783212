#pragma once

#include <QString>

// Text for a terminal of 80 columns: each line wider than that is broken where its language
// allows a break (between words, or between any two ideographs), and the lines it is broken
// into start at the column its description started at, as the option list's lines do.
// Characters of the East Asian scripts take two columns.
QString wrappedForTerminal(const QString &text);
