#include "base/AppTitle.h"

#include "base/RuntimeError.h"

QString appTitleFrom(const QString &productName)
{
    constexpr qsizetype maxLength = 40;
    QString title = productName;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0)
            throw RuntimeError(RuntimeErrors::invalidCall);
        title.truncate(blank);
    } while (title.size() > maxLength);
    return title;
}
