#include "program/TerminalWrap.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace {

constexpr int terminalColumns = 79;

int columnsOf(QChar c)
{
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115f) || (u >= 0x2e80 && u <= 0xa4cf) || (u >= 0xac00 && u <= 0xd7a3)
        || (u >= 0xf900 && u <= 0xfaff) || (u >= 0xfe30 && u <= 0xfe4f) || (u >= 0xff00 && u <= 0xff60)
        || (u >= 0xffe0 && u <= 0xffe6);
    return wide ? 2 : 1;
}

int columnsOf(QStringView text)
{
    int columns = 0;
    for (const QChar c : text)
        columns += columnsOf(c);
    return columns;
}

// Where a line's description starts: after the option names and the gap of two or more
// spaces that follows them, else after its leading spaces.
qsizetype descriptionStart(const QString &line)
{
    static const QRegularExpression optionColumn(QStringLiteral("^\\s+-\\S.*?\\s{2,}"));
    if (const QRegularExpressionMatch match = optionColumn.match(line); match.hasMatch())
        return match.capturedEnd();
    return line.indexOf(QRegularExpression(QStringLiteral("\\S")));
}

QString withoutTrailingSpaces(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

void appendWrapped(const QString &line, QStringList &lines)
{
    const qsizetype start = std::max<qsizetype>(descriptionStart(line), 0);
    const QString indent(columnsOf(QStringView(line).left(start)), QLatin1Char(' '));
    // The first line keeps what stands before the description, the option's names.
    QString current = line.left(start);
    bool started = false;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, line);
    breaks.setPosition(start);
    qsizetype from = start;
    while (breaks.toNextBoundary() >= 0) {
        // A word, or an ideograph, with the spaces after it.
        const QString piece = line.mid(from, breaks.position() - from);
        from = breaks.position();
        if (started && columnsOf(current) + columnsOf(withoutTrailingSpaces(piece)) > terminalColumns) {
            lines << withoutTrailingSpaces(current);
            current = indent;
        }
        current += piece;
        started = true;
    }
    lines << withoutTrailingSpaces(current);
}

}

QString wrappedForTerminal(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (columnsOf(line) <= terminalColumns)
            lines << line;
        else
            appendWrapped(line, lines);
    }
    return lines.join(QLatin1Char('\n'));
}
