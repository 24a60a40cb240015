#pragma once

// Helpers for the application tests: a browser started with a command line, and a watcher that
// answers message boxes the way a user would, remembering what they said.

#include "app/browserapp.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace kr::test {

// A browser as main() makes it, with the given arguments after the program name.
inline std::unique_ptr<CBrowserApp> StartBrowser(const QStringList& arguments) {
    auto browser = std::make_unique<CBrowserApp>();
    if (!browser->InitInstance(QStringList{"korvath-browser"} + arguments)) {
        return nullptr;
    }
    return browser;
}

// Presses OK on every message box that comes up while it lives, and keeps its texts and titles.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            m_seen.push_back(
                {box->windowTitle().toStdString(), box->text().toStdString(), box->icon()});
            box->accept();
        });
        m_timer.start();
    }

    struct Seen {
        std::string title;
        std::string text;
        QMessageBox::Icon icon;
    };
    const std::vector<Seen>& SeenBoxes() const { return m_seen; }

private:
    QTimer m_timer;
    std::vector<Seen> m_seen;
};

}  // namespace kr::test
