// SPDX-License-Identifier: GPL-3.0-or-later
// The relay that hands join links from a later copy to the running window, under load and abuse.

#include "tests/app/browsertesting.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>
#include <QTest>

#include <QFileInfo>
#include <QLocalSocket>

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>

namespace kr::test {
namespace {

using namespace std::chrono_literals;

// Each case listens in a runtime folder of its own (XDG_RUNTIME_DIR), put back afterwards.
class LinkRelayTest : public ::testing::Test {
protected:
    LinkRelayTest() { setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1); }
    ~LinkRelayTest() override { setenv("XDG_RUNTIME_DIR", m_previous.c_str(), 1); }

private:
    const std::string m_previous = getenv("XDG_RUNTIME_DIR") ? getenv("XDG_RUNTIME_DIR") : "";
    const ScopedTempDir m_runtime;
};

// Hands each link over in turn from another thread; the future counts the ones taken.
std::future<qsizetype> HandOverMeanwhile(const QStringList& links) {
    return std::async(std::launch::async, [links] {
        return std::count_if(links.begin(), links.end(), &CLinkRelay::HandToRunningCopy);
    });
}

// A thousand links handed over while a question is open: each is answered at once, no question
// opens inside another, and only the open one and the next 8 servers that are not repeats are
// asked about. The rest are dropped with one status-bar line.
TEST_F(LinkRelayTest, ABurstOfLinksAsksOneQuestionAtATime) {
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    QStringList links, expected;
    for (int n = 0; n < 1000; ++n) {
        links << QString("korvath://127.0.0.1:%1").arg(n < 500 ? 1 + n % 5 : n);
    }
    for (const int port : {1, 2, 3, 4, 5, 500, 501, 502, 503}) {
        expected << QString("Join 127.0.0.1:%1?").arg(port);
    }
    std::future<qsizetype> taken = HandOverMeanwhile(links);
    const auto sent = [&taken] { return taken.wait_for(0s) == std::future_status::ready; };
    QStringList asked;
    qsizetype mostOpen = 0;
    const ModalWatcher watcher([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box != nullptr && sent()) {  // the questions stay open until all links are in
            mostOpen = std::max(mostOpen, box->parentWidget()->findChildren<QMessageBox*>().size());
            asked << box->text();
            box->button(QMessageBox::No)->click();
        }
    });
    ASSERT_TRUE(QTest::qWaitFor(sent, 120000));
    EXPECT_EQ(taken.get(), 1000);
    EXPECT_EQ(asked.join('|').toStdString(), expected.join('|').toStdString());
    EXPECT_EQ(mostOpen, 1);
    EXPECT_EQ(browser->MainFrame()->StatusBar().GetPaneText(0).toStdString(),
              "Join links dropped while a question was open: 496");
}

// Connects the socket to the relay without waiting, and lets the relay accept it.
void ConnectIdle(int fd) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    CLinkRelay::SocketPath().toStdString().copy(address.sun_path, sizeof(address.sun_path) - 1);
    connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    QCoreApplication::processEvents();
}

// With the open files used up, accepting a connection fails and the local server closes itself:
// the relay listens again once it can. With room for kMaxPeers peers, 100 idle ones do not use
// the files up: the relay closes the extra ones at once and goes on listening.
TEST_F(LinkRelayTest, TheRelayListensAgainAndClosesIdlePeersPastTheCap) {
    CLinkRelay relay;
    ASSERT_TRUE(relay.Listen());
    const QString path = CLinkRelay::SocketPath();
    std::vector<int> idle(100), spare;
    for (int& fd : idle) {
        fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    }
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    const rlimit normal = limit;
    limit.rlim_cur = std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                   std::filesystem::directory_iterator()) +
                     CLinkRelay::kMaxPeers + 8;
    setrlimit(RLIMIT_NOFILE, &limit);
    for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) {
        spare.push_back(fd);
    }
    ConnectIdle(idle[0]);
    EXPECT_FALSE(QFileInfo::exists(path));  // the server closed itself
    std::for_each(spare.begin(), spare.end(), close);
    EXPECT_TRUE(QTest::qWaitFor([&path] { return QFileInfo::exists(path); }));
    std::for_each(idle.begin() + 1, idle.end(), ConnectIdle);
    EXPECT_TRUE(QFileInfo::exists(path));
    std::for_each(idle.begin(), idle.end(), close);
    setrlimit(RLIMIT_NOFILE, &normal);
}

// A link is taken only whole and while its sender waits. A running copy busy for longer than a
// hand-over waits (this thread): the later copy gives up and offers its link itself, and the
// running copy, once free, drops that link. A whole line past the limit is refused and its
// sender dropped at once, by the time a later link is taken, not after the relay's wait for a
// line (this thread, which runs the timer of that wait, waits itself meanwhile).
TEST_F(LinkRelayTest, ALinkIsTakenOnlyWholeAndWhileItsSenderWaits) {
    CLinkRelay relay;
    ASSERT_TRUE(relay.Listen());
    QStringList received;
    QObject::connect(&relay, &CLinkRelay::linkReceived, [&](const QString& l) { received << l; });
    EXPECT_EQ(HandOverMeanwhile({"korvath://127.0.0.1:1"}).get(), 0);
    QLocalSocket sender;
    sender.connectToServer(CLinkRelay::SocketPath());
    sender.write(QByteArray(1999, 'x') + '\n');
    ASSERT_TRUE(sender.waitForBytesWritten());
    std::future<qsizetype> taken = HandOverMeanwhile({"korvath://127.0.0.1:2"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return taken.wait_for(0s) == std::future_status::ready; }));
    EXPECT_EQ(taken.get(), 1);
    EXPECT_TRUE(sender.state() == QLocalSocket::UnconnectedState ||
                sender.waitForDisconnected(CLinkRelay::kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received.join('|').toStdString(), "korvath://127.0.0.1:2");
}

// Without a usable runtime folder (here neither $XDG_RUNTIME_DIR nor the fallback in the
// temporary folder) the relay is off: no socket at the file system's root, no hand-over.
TEST_F(LinkRelayTest, WithoutAUsableRuntimeFolderTheRelayIsOff) {
    const ScopedTempDir temporary;
    std::ofstream(temporary.File(std::string("runtime-") + getpwuid(geteuid())->pw_name));
    unsetenv("XDG_RUNTIME_DIR");
    setenv("TMPDIR", temporary.Path().c_str(), 1);
    EXPECT_EQ(CLinkRelay::SocketPath().toStdString(), "");
    EXPECT_FALSE(CLinkRelay::HandToRunningCopy("korvath://127.0.0.1:1"));
    EXPECT_FALSE(CLinkRelay().Listen());
    unsetenv("TMPDIR");
}

}  // namespace
}  // namespace kr::test
