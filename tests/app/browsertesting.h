#pragma once

// The application tests' helpers: a browser started with a command line, and a watcher that
// presses OK on message boxes and remembers what they said.

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
    return browser->InitInstance(QStringList{"korvath-browser"} + arguments) ? std::move(browser)
                                                                             : nullptr;
}

class MessageBoxWatcher {
public:
    struct Seen {
        std::string title, text;
        QMessageBox::Icon icon;
        const QWidget* parent;
    };

    MessageBoxWatcher() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back(
                    {box->windowTitle().toStdString(), box->text().toStdString(), box->icon(),
                     box->parentWidget()});
                box->accept();
            }
        });
        m_timer.start(20);
    }

    std::vector<Seen> seen;

private:
    QTimer m_timer;
};

}  // namespace kr::test
