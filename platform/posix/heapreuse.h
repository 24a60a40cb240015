// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Freed heap up to this size stays with the process instead of going back to the system.
constexpr std::size_t kKeptFreeHeapBytes = std::size_t{128} << 20;

// Makes the heap keep up to kKeptFreeHeapBytes of freed memory for later allocations. A refresh
// frees every server row and files the new ones at once; with the memory kept, the new rows reuse
// pages the process already has instead of faulting in fresh ones from the system (most of the
// cost of filing 100,000 rows otherwise). The process keeps at most the peak it reached. Called
// once at start, before any thread; a no-op where the allocator is replaced (sanitizer builds).
void KeepFreedHeapForReuse();
