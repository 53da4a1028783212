#include "timezones/NearSpelling.h"

#include <QVarLengthArray>

#include <algorithm>

int slipsAllowedIn(QStringView typed)
{
    const auto letters = std::count_if(typed.cbegin(), typed.cend(), [](QChar c) { return c.isLetter(); });
    return letters < 4 ? 0 : letters < 6 ? 1 : 2;
}

int editsBetween(QStringView a, QStringView b, int most)
{
    if (std::abs(a.size() - b.size()) > most)
        return most + 1;
    // Three rows of the edit table: the edits from the first i letters of a to the first j
    // of b, for the rows i - 2, i - 1 and i.
    const qsizetype width = b.size() + 1;
    QVarLengthArray<int, 3 * 64> table(3 * width);
    const auto at = [&](qsizetype i, qsizetype j) -> int & { return table[(i % 3) * width + j]; };
    for (qsizetype j = 0; j < width; ++j)
        at(0, j) = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        at(i, 0) = static_cast<int>(i);
        int rowLeast = at(i, 0);
        for (qsizetype j = 1; j < width; ++j) {
            const int changed = a[i - 1] == b[j - 1] ? 0 : 1;
            int edits = std::min({ at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + changed });
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                edits = std::min(edits, at(i - 2, j - 2) + 1);
            at(i, j) = edits;
            rowLeast = std::min(rowLeast, edits);
        }
        if (rowLeast > most)
            return most + 1;
    }
    return std::min(at(a.size(), b.size()), most + 1);
}
