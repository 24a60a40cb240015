// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/heapreuse.h"

#include <malloc.h>

void KeepFreedHeapForReuse() {
    // A fixed trim threshold also ends the allocator's own adjustment of it; the top pad makes
    // the heap grow in steps of a few MiB rather than 128 KiB.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(kKeptFreeHeapBytes));
    mallopt(M_TOP_PAD, 4 << 20);
}
