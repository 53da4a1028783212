// The other zones under the clock's time: their window, their faces at each tick, their
// place in the clock's block.
#include "clock/Form2.h"

#include "clock/ClockWindow.h"
#include "drawing/TimeStrip.h"
#include "settings/SettingsStore.h"
#include "timezones/modTimeZones.h"
#include "wallscreen/FitToScreen.h"
#include "wallscreen/OtherZoneList.h"
#include "wallscreen/OtherZonesView.h"
#include "windows/PanelForm.h"
#include "windows/ProgramContext.h"
#include "zonechoice/OtherZonesWindow.h"

namespace {

bool inCatalogue(const QByteArray &zone)
{
    return modTimeZones::IndexOfKey(zone) != -1;
}

// Shown under the time: a zone of the catalogue, or one whose file cannot be read (its face
// says so).
bool shownUnderTheTime(const QByteArray &zone)
{
    return inCatalogue(zone) || modTimeZones::IsUnreadableZone(zone);
}

// The faces with every digit a nought: a new minute that keeps it keeps the layout.
QStringList shapeOf(const QList<ZoneFace> &faces)
{
    QStringList shape;
    for (const ZoneFace &face : faces)
        shape << face.place << FitToScreen::digitVariants(face.time).first() << face.difference;
    return shape;
}

}

void Form2::openOtherZones()
{
    OtherZoneList::Entries listed = mOtherZones.entries();
    listed.removeIf([](const OtherZoneList::Entry &entry) { return !inCatalogue(entry.zone); });
    auto *window = new OtherZonesWindow(listed, &ui());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::WindowModal);
    connect(window, &OtherZonesWindow::zonesChanged, this, [this, window] { setOtherZones(window->entries()); });
    window->show();
}

void Form2::setOtherZones(const OtherZoneList::Entries &entries)
{
    SettingsStore &settings = mProgram.settings();
    const OtherZoneList::Entries stored = OtherZoneList::fromText(settings.GetSetting(OtherZoneList::key, QString()));
    settings.SaveSetting(OtherZoneList::key,
                         OtherZoneList::toText(OtherZoneList::afterEdit(entries, stored, inCatalogue)));
    readOtherZones();
    applyWallScreenOptions(true);
}

void Form2::readOtherZones()
{
    const QString stored = mProgram.settings().GetSetting(OtherZoneList::key, QString());
    mOtherZones.setZones(OtherZoneList::shown(OtherZoneList::fromText(stored), shownUnderTheTime));
    watchZoneFiles();
    ui().otherZones->setFaces({});
    ui().otherZones->setVisible(!mOtherZones.entries().isEmpty());
}

bool Form2::followOtherZones(ClockWindow &window, const QDateTime &instant)
{
    bool changed = false;
    const QList<ZoneFace> &faces
        = mOtherZones.facesAt(instant, mTimeZone, mProgram.form1().selectedClockFormat(), QLocale::system(), &changed);
    if (!changed)
        return false;
    const bool reshaped = shapeOf(faces) != shapeOf(window.otherZones->faces());
    window.otherZones->setFaces(faces);
    return reshaped;
}

int Form2::layOutOtherZones(ClockWindow &window, int used)
{
    OtherZonesView &view = *window.otherZones;
    if (view.faces().isEmpty())
        return 0;
    const QFont face = window.Picture1->font();
    // The whole block keeps within 90% of the window's height.
    const int room = qRound(window.height() * 0.9) - used;
    // Measuring text at many sizes is costly: the layout is made again only when it can differ.
    const QString key
        = QStringLiteral("%1 %2 %3 %4 ").arg(window.width()).arg(room).arg(window.height()).arg(face.toString())
        + shapeOf(view.faces()).join(u'|');
    if (key != view.arrangedFor()) {
        QFont font = face;
        const auto cellAt = [&](int points) {
            font.setPointSize(points);
            return OtherZonesView::largestFace(font, view.faces());
        };
        const int count = static_cast<int>(view.faces().size());
        view.setArrangement(OtherZonesLayout::arrange(window.size(), room, face.pointSize(), count, cellAt), face, key);
    }
    return view.arrangement().size.height();
}
