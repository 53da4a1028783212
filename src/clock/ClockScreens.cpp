#include "clock/ClockScreens.h"

#include "clock/ScreenChoice.h"

#include <QGuiApplication>
#include <QScreen>

namespace ClockScreens {

namespace {

QList<ScreenIdentity> connectedIdentities(const QList<QScreen *> &screens)
{
    QList<ScreenIdentity> identities;
    for (const QScreen *screen : screens)
        identities.append(identityOf(*screen));
    return identities;
}

QScreen *at(const QList<QScreen *> &screens, qsizetype index)
{
    return index >= 0 ? screens[index] : nullptr;
}

}

ScreenIdentity identityOf(const QScreen &screen)
{
    return { screen.name(), screen.manufacturer(), screen.model(), screen.serialNumber() };
}

QScreen *connected(const ScreenIdentity &wanted)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return at(screens, ScreenChoice::find(connectedIdentities(screens), wanted));
}

QScreen *chosen(const ScreenIdentity &wanted)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const qsizetype primary = screens.indexOf(QGuiApplication::primaryScreen());
    return at(screens, ScreenChoice::choose(connectedIdentities(screens), primary, wanted));
}

ScreenIdentity fromPanelOn(const QScreen &panelScreen, const ScreenIdentity &remembered)
{
    const bool rememberedAway = !remembered.name.isEmpty() && !connected(remembered);
    if (rememberedAway && chosen(remembered) == &panelScreen)
        return remembered;
    return identityOf(panelScreen);
}

QStringList names()
{
    QStringList names;
    for (const ScreenIdentity &screen : connectedIdentities(QGuiApplication::screens()))
        names.append(screen.name);
    return names;
}

}
