#include "support/FakePlatform.h"

#include "base/RuntimeError.h"

QDateTime FakePlatform::currentDateTime() const
{
    if (!clockFailure.isNull())
        throw RuntimeError(clockFailure);
    return now;
}

bool FakePlatform::watchClockChanges(std::function<void()> changed)
{
    if (!reportsClockChanges)
        return false;
    clockWatchers.append(std::move(changed));
    return true;
}

void FakePlatform::setClock(const QDateTime &time)
{
    now = time;
    for (const auto &watcher : std::as_const(clockWatchers))
        watcher();
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

bool FakePlatform::chooseFont(FontChoice &font)
{
    fontPresets.append(font);
    if (whileDialogOpen)
        whileDialogOpen();
    const std::optional<FontChoice> answer = fontAnswers.isEmpty() ? std::nullopt : fontAnswers.takeFirst();
    if (!answer)
        return false;
    font = *answer;
    return true;
}

std::optional<qint32> FakePlatform::chooseColour(qint32 initial)
{
    colourPresets.append(initial);
    if (whileDialogOpen)
        whileDialogOpen();
    return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.takeFirst();
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts.append(message.text);
    return texts;
}
