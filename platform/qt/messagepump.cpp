#include "platform/qt/messagepump.h"

#include <QCoreApplication>

bool PumpPendingMessages(bool bWaitForEvents) {
    if (bWaitForEvents) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !QCoreApplication::closingDown();
}
