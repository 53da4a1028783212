// The time zone selector of the control panel: Form1's list filling and the
// list's events.
#include "panel/Form1.h"

#include "base/ErrorReport.h"
#include "base/ErrorTrap.h"
#include "base/PlatformServices.h"
#include "base/ProductInfo.h"
#include "panel/PanelWindow.h"
#include "settings/Conversions.h"
#include "settings/SettingsStore.h"
#include "timezones/modTimeZones.h"
#include "windows/ProgramContext.h"
#include "zonechoice/TimeZoneSelector.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

// The error report's location texts of the guarded procedures.
const QString listTimeZonesLocation = ErrorReport::location("Form1", "ListTimeZones");

const QString timeZoneNameKey = QStringLiteral("Time Zone Name");

// The catalogue indices of the list's items, in list order.
QList<int> listOrder(const QComboBox &list)
{
    QList<int> order;
    order.reserve(list.count());
    for (int p = 0; p < list.count(); ++p)
        order.append(TimeZoneSelector::itemData(list, p));
    return order;
}

// The list position of catalogue entry k; -1 when the list lacks it.
int positionOfZone(const QComboBox &list, int k)
{
    return k == -1 ? -1 : static_cast<int>(listOrder(list).indexOf(k));
}

}

void Form1::ListTimeZones()
{
    ErrorTrap trap(mProgram.platform(), listTimeZonesLocation);

    trap.line(100, [&] {
        QString failedPath;
        if (modTimeZones::LoadTimeZones(&failedPath))
            return;
        mProgram.platform().showMessage(modTimeZones::FailureMessage(failedPath), ProductInfo::productName,
                                        PlatformServices::MessageIcon::Critical);
        mProgram.end(1);
    });
    if (mProgram.hasEnded())
        return;

    QComboBox &list = *ui().Combo1;
    qint32 localBias = 0;
    trap.line(102, [&] { localBias = modTimeZones::GetLocalBias(); });
    {
        // Filling the list is no selection: the list's own selection of its first item
        // and the shifts of the selected position while items go in stay silent.
        const QSignalBlocker quiet(list);
        trap.line(104, [&] { list.clear(); });
        const int count = static_cast<int>(modTimeZones::TimeZoneList.size());
        for (int i = 0; i < count; ++i) { // 106
            int position = -1;
            trap.line(108, [&] { position = TimeZoneSelector::addSortedItem(list, modTimeZones::EntryAt(i).Display); });
            trap.line(110, [&] { TimeZoneSelector::setItemData(list, position, i); });
        } // 112
        list.setCurrentIndex(-1);
    }

    int first = -1;
    trap.line(114, [&] { first = -1; });
    for (int p = 0; p < list.count(); ++p) { // 116
        const bool sameOffset = trap.condition(
            118, [&] { return modTimeZones::EntryAt(TimeZoneSelector::itemData(list, p)).Bias == localBias; });
        if (sameOffset) {
            trap.line(120, [&] { mLocalBias = modTimeZones::EntryAt(TimeZoneSelector::itemData(list, p)).Bias; });
            if (trap.condition(122, [&] { return first == -1; }))
                trap.line(124, [&] { first = p; });
        }
    } // 126
    if (trap.condition(128, [&] { return first == -1; }))
        trap.line(130, [&] { first = 0; });
    // A zone of the computer's base offset may lack its daylight saving: the computer's
    // own zone, or one that keeps its time all year, comes first.
    const auto computersZone = [&] {
        const int own = positionOfZone(
            list,
            modTimeZones::ComputerZoneIndex(listOrder(list), mProgram.platform().currentDateTime().date().year()));
        return own != -1 ? own : first;
    };
    // Looked for only when no zone is stored: every reload of the panel lists the zones.
    trap.line(131, [&] {
        SettingsStore &settings = mProgram.settings();
        if (!settings.GetSetting("Combo1", QString()).isNull()
            || !settings.GetSetting(timeZoneNameKey, QString()).isNull())
            return;
        first = computersZone();
    });
    // The zone is stored by name as well: a position names another zone once the
    // database gains or loses a line before it. A stored zone whose file cannot be read
    // shows the computer's zone, as the clock then does, and stays stored.
    trap.line(132, [&] {
        SettingsStore &settings = mProgram.settings();
        const QByteArray storedName = settings.GetSetting(timeZoneNameKey, QString()).toLatin1();
        int position = positionOfZone(list, modTimeZones::IndexOfZoneNamed(storedName));
        mUnreadableStoredZone
            = position == -1 && modTimeZones::IsUnreadableZone(storedName) ? storedName : QByteArray();
        if (!mUnreadableStoredZone.isEmpty())
            position = computersZone();
        else if (position == -1)
            position = Conversions::toInt16(settings.GetSetting("Combo1", first));
        TimeZoneSelector::selectPosition(list, position);
    });
}

void Form1::storeCombo1Position()
{
    // A selection of the load is no choice: the file keeps what it holds, so that a zone
    // chosen by the site or found on the computer is found anew at the next start.
    if (!choosing())
        return;
    // A store that already holds the choice is not written again.
    SettingsStore &settings = mProgram.settings();
    const QComboBox &list = *ui().Combo1;
    const QString position = QString::number(list.currentIndex());
    settings.SaveSettingIfChanged("Combo1", position);
    if (list.currentIndex() == -1)
        return;
    const QString name
        = QString::fromLatin1(modTimeZones::TimeZoneKeyAt(TimeZoneSelector::itemData(list, list.currentIndex())));
    settings.SaveSettingIfChanged(timeZoneNameKey, name);
    mUnreadableStoredZone.clear();
}

void Form1::Combo1_Click()
{
    storeCombo1Position();
}

void Form1::Combo1_Change()
{
    // Text typed to find a zone is no choice; a zone chosen shows its item's text.
    const QComboBox &list = *ui().Combo1;
    if (list.currentText() != list.itemText(list.currentIndex()))
        return;
    storeCombo1Position();
}
