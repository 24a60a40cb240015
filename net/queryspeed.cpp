// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/queryspeed.h"

#include <algorithm>

namespace {

int Clamped(int value, QuerySpeedRange range) {
    return std::clamp(value, range.least, range.most);
}

}  // namespace

QuerySpeed ClampedSpeed(QuerySpeed speed) {
    speed.inFlight = Clamped(speed.inFlight, kInFlightRange);
    speed.timeoutMs = Clamped(speed.timeoutMs, kTimeoutRange);
    speed.retries = Clamped(speed.retries, kRetriesRange);
    speed.paceMs = Clamped(speed.paceMs, kPaceRange);
    return speed;
}
