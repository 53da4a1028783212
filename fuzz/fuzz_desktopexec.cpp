// The Exec value of the autostart entry: a quoted path parses back to the same path, and
// any parsed value quoted again parses to the same arguments.
#include "settings/DesktopExec.h"
#include "support/DesktopExecReader.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Characters a string value can carry at all: every control character but the escaped
// newline, tab and carriage return is refused by the reader.
bool representable(const QString &text)
{
    for (const QChar c : text) {
        if (DesktopExec::isControlCharacter(c) && c != QLatin1Char('\n') && c != QLatin1Char('\t')
            && c != QLatin1Char('\r'))
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const std::optional<QStringList> path = DesktopExec::parseExecValue(DesktopExec::execValue({ text }));
    if (representable(text))
        require(path && *path == QStringList { text });
    else
        require(!path || *path == QStringList { text });

    if (const std::optional<QStringList> arguments = DesktopExec::parseExecValue(text)) {
        const std::optional<QStringList> again = DesktopExec::parseExecValue(DesktopExec::execValue(*arguments));
        require(again && *again == *arguments);
    }
    return 0;
}
