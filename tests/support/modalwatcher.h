// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers modal windows while the code under test waits in one, so no test hangs on a dialog.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace kr::test {

// Every 20 ms the active modal widget, if any, goes to the handler, which answers it.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler) {
        QObject::connect(&m_timer, &QTimer::timeout, [handler] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                handler(modal);
            }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

// Remembers each message box and presses its `answer` button (a box without it is accepted).
class MessageBoxWatcher {
public:
    struct Seen {
        std::string title, text;
        QMessageBox::Icon icon;
        const QWidget* parent;
    };
    std::vector<Seen> seen;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Seen& box : seen) {
            texts.push_back(box.text);
        }
        return texts;
    }

private:
    ModalWatcher m_watcher{[this](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.push_back(
                {box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                 box->parentWidget()});
            box->button(answer) != nullptr ? box->button(answer)->click() : box->accept();
        }
    }};
};

}  // namespace kr::test
