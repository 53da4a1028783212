#pragma once

#include <optional>

// Whether the kernel counts the computer's clock as synchronised, decided as timedatectl
// decides "System clock synchronized": a maximum error below 16 s. The unsynchronised status
// bit alone says nothing, since chrony and timesyncd leave it set on synchronised machines.
namespace KernelClockSync {

// The maximum error, in microseconds, from which the clock counts as unsynchronised.
constexpr long unsynchronisedFrom = 16'000'000;

// Asks the kernel (adjtimex, reading only); none when it does not answer.
std::optional<bool> synchronised();

}
