#pragma once

#include <QRect>
#include <QRegion>

#include <array>
#include <optional>

// Which of a surface's two buffers takes the next change, and what it is painted with. A
// buffer handed to the compositor is not written again until the compositor releases it;
// while both are held the change waits. Each buffer keeps what changed since it was last
// written, so a write paints that with the new change, and only the new change is damaged.
class SurfaceBufferPair {
public:
    struct Write {
        int buffer = 0;
        // What to paint into the buffer: the change and all it missed since its last write.
        QRegion paint;
        // Where the buffer differs from the one the surface showed before.
        QRegion damage;
    };

    // Both buffers free and empty: the first write paints and damages the whole area.
    void reset(const QRect &whole);
    // Adds an area to show anew.
    void change(const QRegion &area);
    bool hasChange() const { return !mPending.isEmpty(); }
    // The free buffer that takes the waiting change, now counted as held by the
    // compositor; none while nothing waits or both buffers are held.
    std::optional<Write> take();
    // The compositor gave the buffer back.
    void release(int buffer);

private:
    std::array<bool, 2> mHeld {};
    std::array<QRegion, 2> mStale;
    QRegion mPending;
};
