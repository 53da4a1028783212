#include "support/FakePlatform.h"

#include "app/RuntimeError.h"

QDateTime FakePlatform::currentDateTime() const
{
    if (!clockFailure.isNull())
        throw RuntimeError(clockFailure);
    return now;
}

void FakePlatform::showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    messages.append({ text, title, icon });
    if (whileMessageOpen)
        whileMessageOpen();
}

bool FakePlatform::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return openUrlSucceeds;
}

double FakePlatform::nextRandom()
{
    return draws.isEmpty() ? 0.5 : draws.takeFirst();
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts.append(message.text);
    return texts;
}
