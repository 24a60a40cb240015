// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/messagepump.h"

#include <QCoreApplication>

bool PumpPendingMessages(bool bWaitForEvents) {
    if (bWaitForEvents) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !QCoreApplication::closingDown();
}
