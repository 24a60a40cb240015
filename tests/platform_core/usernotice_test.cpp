// SPDX-License-Identifier: GPL-3.0-or-later
// A capturing thread's notices stay from the receiver; others', and its own after, reach it.
#include "platform/posix/usernotice.h"
#include "tests/support/fakenotice.h"

#include <gtest/gtest.h>

#include <thread>

TEST(UserNoticeTest, ACapturingThreadKeepsItsNoticesFromTheReceiver) {
    kr::test::FakeNotice receiver;
    std::vector<std::string> captured;
    std::thread([&captured] {
        {
            ScopedNoticeCapture capture;
            SetStatusText("Error Creating Socket");
            ShowMessageBox("Invalid Server ip!", "Korvath", NoticeIcon::Exclamation);
            for (const NoticeText& text : capture.Take()) {
                captured.push_back(text.English());
            }
        }
        SetStatusText("after the capture");
    }).join();
    SetStatusText("another thread");
    EXPECT_EQ(captured, (std::vector<std::string>{"Error Creating Socket", "Invalid Server ip!"}));
    EXPECT_EQ(receiver.StatusTexts(),
              (std::vector<std::string>{"after the capture", "another thread"}));
    EXPECT_TRUE(receiver.MessageBoxes().empty());
}
