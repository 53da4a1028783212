#include "settings/DesktopExec.h"

namespace DesktopExec {
namespace {

bool needsQuotes(const QString &argument)
{
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument) {
        if (reservedCharacters.contains(c))
            return true;
    }
    return false;
}

}

bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

QString quoteArgument(const QString &argument)
{
    const bool quote = needsQuotes(argument);
    QString result;
    result.reserve(argument.size() + 2);
    if (quote)
        result += QLatin1Char('"');
    for (const QChar c : argument) {
        if (quote && escapedInQuotes.contains(c))
            result += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            result += QLatin1Char('%');
        result += c;
    }
    if (quote)
        result += QLatin1Char('"');
    return result;
}

QString escapeStringValue(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case '\\':
            result += QStringLiteral("\\\\");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        // Leading blanks of a value are dropped by readers unless escaped.
        case ' ':
            result += i == 0 ? QStringLiteral("\\s") : QStringLiteral(" ");
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString execValue(const QStringList &arguments)
{
    QStringList quoted;
    quoted.reserve(arguments.size());
    for (const QString &argument : arguments)
        quoted.append(quoteArgument(argument));
    return escapeStringValue(quoted.join(QLatin1Char(' ')));
}

}
