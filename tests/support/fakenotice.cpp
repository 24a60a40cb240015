#include "tests/support/fakenotice.h"

namespace kr::test {

FakeNotice::FakeNotice() {
    SetUserNotice(this);
}

FakeNotice::~FakeNotice() {
    SetUserNotice(nullptr);
}

void FakeNotice::ShowStatusText(const std::string& text) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_statusTexts.push_back(text);
}

void FakeNotice::ShowMessageBox(const std::string& text, const std::string& title,
                                NoticeIcon icon) {
    std::lock_guard<std::mutex> hold(m_lock);
    m_messageBoxes.push_back(MessageBox{text, title, icon});
}

std::vector<std::string> FakeNotice::StatusTexts() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_statusTexts;
}

std::vector<FakeNotice::MessageBox> FakeNotice::MessageBoxes() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_messageBoxes;
}

}  // namespace kr::test
