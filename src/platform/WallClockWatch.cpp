#include "platform/WallClockWatch.h"

#include <QSocketNotifier>

#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// 9999-12-31 23:59:59 UTC, far enough from any 64-bit limit for a clock shifted by years.
constexpr time_t neverReachedSeconds = 253402300799;

}

WallClockWatch::WallClockWatch()
{
    mTimer = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (mTimer < 0)
        return;
    if (!arm()) {
        close(mTimer);
        mTimer = -1;
        return;
    }
    mNotifier = new QSocketNotifier(mTimer, QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &WallClockWatch::cancelled);
}

WallClockWatch::~WallClockWatch()
{
    delete mNotifier;
    if (mTimer >= 0)
        close(mTimer);
}

bool WallClockWatch::arm()
{
    // An absolute expiry no clock reaches (the kernel holds it as the end of its own time,
    // in 2262; a 32-bit end of time is reached in 2038, and a timer armed in the past
    // fires at once, every time it is armed): the timer only ever ends by being cancelled.
    itimerspec never {};
    never.it_value.tv_sec = neverReachedSeconds;
    return timerfd_settime(mTimer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

void WallClockWatch::cancelled()
{
    // A cancelled timer reads as an error; it must be read and armed again to watch on.
    std::uint64_t expirations = 0;
    [[maybe_unused]] const ssize_t ignored = read(mTimer, &expirations, sizeof expirations);
    arm();
    emit clockSet();
}
