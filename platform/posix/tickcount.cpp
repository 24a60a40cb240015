// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/tickcount.h"

#include <atomic>
#include <chrono>

namespace {
std::atomic<uint32_t> g_tickOffset{0};
}

uint32_t GetTickCount() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return static_cast<uint32_t>(ms) + g_tickOffset.load(std::memory_order_relaxed);
}

void SetTickCountOffset(uint32_t offset) {
    g_tickOffset.store(offset, std::memory_order_relaxed);
}
