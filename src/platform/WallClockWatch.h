#pragma once

#include <QObject>

class QSocketNotifier;

// Tells when the computer's clock is set, as opposed to running on: a kernel timer on
// the wall clock that the kernel cancels whenever the clock is set (or the computer
// wakes from sleep). It wakes nobody otherwise.
class WallClockWatch : public QObject {
    Q_OBJECT

public:
    WallClockWatch();
    ~WallClockWatch() override;

    // False where the kernel offers no such timer; then nothing is ever reported.
    bool isWatching() const { return mNotifier != nullptr; }

signals:
    void clockSet();

private:
    bool arm();
    void cancelled();

    int mTimer = -1;
    QSocketNotifier *mNotifier = nullptr;
};
