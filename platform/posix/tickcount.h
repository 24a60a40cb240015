// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The millisecond tick counter: milliseconds of the steady clock as an unsigned 32-bit value.
// It wraps to 0 after about 49.7 days, so durations are taken as unsigned differences
// (end - start), which stay right across one wrap. Callable from any thread; costs one clock read.
uint32_t GetTickCount();

// Shifts every later GetTickCount result by the offset (modulo 2^32). Lets tests place a wrap of
// the counter inside a measurement; the program itself never calls it.
void SetTickCountOffset(uint32_t offset);
