#pragma once

#include <QDateTime>

// When the pointer over the clock hides: 3 s after it last moved.
class PointerIdle {
public:
    static constexpr qint64 hideAfterMsecs = 3000;

    void moved(const QDateTime &at) { mLastMove = at; }

    // Milliseconds until the pointer is to hide; 0 once it is due. A clock set back to
    // before the last move counts from the time it now shows.
    qint64 msecsUntilHide(const QDateTime &now);

private:
    QDateTime mLastMove;
};
