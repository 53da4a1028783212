#include "clock/TextChange.h"

std::optional<TextChange> TextChange::between(const QString &before, const QString &after)
{
    if (before.size() != after.size() || before == after)
        return std::nullopt;
    qsizetype first = 0;
    while (before[first] == after[first])
        ++first;
    qsizetype last = before.size() - 1;
    while (before[last] == after[last])
        --last;
    return TextChange { first, last };
}
