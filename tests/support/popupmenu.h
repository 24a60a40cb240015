#pragma once

// Reads, and optionally chooses from, the popup menu that a gesture opens.

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kr::test {

// The texts of the popup menu that opens while `gesture` runs (a disabled item in brackets, a
// separator as "-"); the item whose text is `choose` is triggered, then the menu is closed.
inline QStringList PopupTexts(const std::function<void()>& gesture, const QString& choose = {}) {
    QStringList texts;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                texts << (action->isSeparator() ? QString("-")
                          : action->isEnabled() ? action->text()
                                                : "(" + action->text() + ")");
                if (action->text() == choose) {
                    action->trigger();
                }
            }
            menu->close();
        }
    });
    poll.start(20);
    gesture();
    QTest::qWait(100);
    return texts;
}

}  // namespace kr::test
