// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "platform/posix/usernotice.h"

namespace kr::test {

// Records every status text and message box, in English; installed as the process's receiver for
// its lifetime. With passOn, each also goes on there (a window's own receiver), which is put back
// at the end. Safe to call from any thread.
class FakeNotice : public IUserNotice {
public:
    struct MessageBox {
        std::string text;
        std::string title;
        NoticeIcon icon;

        bool operator==(const MessageBox&) const = default;
        friend void PrintTo(const MessageBox& box, std::ostream* out) {
            *out << box.text << "|" << box.title << "|" << static_cast<int>(box.icon);
        }
    };

    explicit FakeNotice(IUserNotice* passOn = nullptr) : m_passOn(passOn) { SetUserNotice(this); }
    ~FakeNotice() override { SetUserNotice(m_passOn); }

    void ShowStatusText(const NoticeText& text) override {
        {
            std::lock_guard<std::mutex> hold(m_lock);
            m_statusTexts.push_back(text.English());
        }
        if (m_passOn != nullptr) {
            m_passOn->ShowStatusText(text);
        }
    }
    void ShowMessageBox(const NoticeText& text, const NoticeText& title, NoticeIcon icon) override {
        {
            std::lock_guard<std::mutex> hold(m_lock);
            m_messageBoxes.push_back(MessageBox{text.English(), title.English(), icon});
        }
        if (m_passOn != nullptr) {
            m_passOn->ShowMessageBox(text, title, icon);
        }
    }
    std::vector<std::string> StatusTexts() {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_statusTexts;
    }
    std::vector<MessageBox> MessageBoxes() {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_messageBoxes;
    }

private:
    IUserNotice* m_passOn;
    std::mutex m_lock;
    std::vector<std::string> m_statusTexts;
    std::vector<MessageBox> m_messageBoxes;
};

}  // namespace kr::test
