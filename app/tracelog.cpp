// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tracelog.h"

#include "platform/posix/trace.h"

#include <QLoggingCategory>

#include <cstring>

namespace {

// Info and above would show; trace lines are debug messages, so off until a rule turns them on.
Q_LOGGING_CATEGORY(lcTrace, "korvath.trace", QtInfoMsg)

void TraceToLog(const char* line) {
    // The message handler ends each message with a line end of its own.
    size_t length = std::strlen(line);
    if (length > 0 && line[length - 1] == '\n') {
        --length;
    }
    qCDebug(lcTrace, "%.*s", static_cast<int>(length), line);
}

}  // namespace

void InstallTraceLog() {
    if (TraceRequested()) {
        QLoggingCategory::setFilterRules("korvath.trace.debug=true");
    }
    SetTraceSink(TraceToLog);
}
