#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/posix/usernotice.h"

namespace kr::test {

// Records every status text and message box; installed as the process's receiver for its
// lifetime. Safe to call from any thread.
class FakeNotice : public IUserNotice {
public:
    struct MessageBox {
        std::string text;
        std::string title;
        NoticeIcon icon;
    };

    FakeNotice();
    ~FakeNotice() override;

    void ShowStatusText(const std::string& text) override;
    void ShowMessageBox(const std::string& text, const std::string& title,
                        NoticeIcon icon) override;

    std::vector<std::string> StatusTexts();
    std::vector<MessageBox> MessageBoxes();

private:
    std::mutex m_lock;
    std::vector<std::string> m_statusTexts;
    std::vector<MessageBox> m_messageBoxes;
};

}  // namespace kr::test
