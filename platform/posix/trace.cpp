// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/trace.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
std::atomic<TraceSink> g_traceSink{nullptr};
}

void SetTraceSink(TraceSink sink) {
    g_traceSink.store(sink);
}

void Trace(const char* line) {
    if (const TraceSink sink = g_traceSink.load()) {
        sink(line);
    }
}

bool TraceRequested() {
    const char* value = std::getenv("KR_TRACE");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

void TraceToStandardError(const char* line) {
    std::fputs(line, stderr);
}
