// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/inputstate.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <optional>

namespace {

class InputStateFilter : public QObject {
public:
    using QObject::QObject;

    bool escapeDown = false;
    std::optional<QPoint> messagePos;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
                    escapeDown = event->type() == QEvent::KeyPress;
                }
                break;
            }
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
                messagePos = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                break;
            case QEvent::WindowDeactivate:
                escapeDown = false;
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

QPointer<InputStateFilter> g_pInputState;  // lives as long as the application

}  // namespace

void TrackInputState() {
    if (g_pInputState == nullptr && qApp != nullptr) {
        g_pInputState = new InputStateFilter(qApp);
        qApp->installEventFilter(g_pInputState);
    }
}

short GetKeyState(int nVirtKey) {
    const bool down =
        nVirtKey == VK_ESCAPE && g_pInputState != nullptr && g_pInputState->escapeDown;
    return down ? static_cast<short>(-0x8000) : 0;
}

CPoint GetMessagePos() {
    if (g_pInputState != nullptr && g_pInputState->messagePos) {
        return CPoint(*g_pInputState->messagePos);
    }
    return CPoint(QCursor::pos());
}
