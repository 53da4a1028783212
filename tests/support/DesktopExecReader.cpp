#include "support/DesktopExecReader.h"

#include "settings/DesktopExec.h"

namespace DesktopExec {
namespace {

std::optional<QString> unescapeStringValue(const QString &value, QString &error)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (isControlCharacter(c)) {
            error = QStringLiteral("control character at position %1").arg(i);
            return std::nullopt;
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        switch (next.unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        case '\\':
            text += QLatin1Char('\\');
            break;
        default:
            error = QStringLiteral("invalid escape sequence at position %1").arg(i);
            return std::nullopt;
        }
        ++i;
    }
    return text;
}

// Splits the unescaped command line. Arguments are separated by spaces; a quoted
// argument is quoted as a whole; reserved characters appear only inside quotes.
std::optional<QStringList> splitCommandLine(const QString &line, QString &error)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    bool closed = false;

    const auto fail = [&error](const QString &reason, qsizetype position) {
        error = reason + QStringLiteral(" at position %1").arg(position);
        return std::nullopt;
    };

    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
                closed = true;
                continue;
            }
            if (c == QLatin1Char('\\')) {
                if (i + 1 >= line.size() || !escapedInQuotes.contains(line[i + 1]))
                    return fail(QStringLiteral("invalid escape inside quotes"), i);
                current += line[++i];
                continue;
            }
        } else if (c == QLatin1Char(' ')) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = closed = false;
            continue;
        } else if (closed) {
            return fail(QStringLiteral("text after a closing quote"), i);
        } else if (c == QLatin1Char('"') && !inArgument) {
            inArgument = quoted = true;
            continue;
        } else if (reservedCharacters.contains(c)) {
            return fail(QStringLiteral("reserved character '%1' outside quotes").arg(c), i);
        }

        if (c == QLatin1Char('%')) {
            if (i + 1 >= line.size() || line[i + 1] != QLatin1Char('%'))
                return fail(QStringLiteral("unsupported field code"), i);
            ++i;
        }
        current += c;
        inArgument = true;
    }
    if (quoted)
        return fail(QStringLiteral("unterminated quote"), line.size());
    if (inArgument)
        arguments.append(current);
    return arguments;
}

}

std::optional<QStringList> parseExecValue(const QString &value, QString *error)
{
    QString reason;
    std::optional<QStringList> arguments;
    if (const std::optional<QString> line = unescapeStringValue(value, reason))
        arguments = splitCommandLine(*line, reason);
    if (!arguments && error)
        *error = reason;
    return arguments;
}

}
