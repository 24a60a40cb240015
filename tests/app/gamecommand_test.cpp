// SPDX-License-Identifier: GPL-3.0-or-later
// The game command, starting the game without a shell, and join links from the command line.

#include "app/gamecommand.h"
#include "app/gamelauncher.h"
#include "app/joinlink.h"
#include "tests/app/browsertesting.h"
#include "tests/app/standingame.h"
#include "tests/support/childprocess.h"

#include <gtest/gtest.h>
#include <QLocalSocket>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <future>

namespace kr::test {
namespace {

// Every browser of this test program listens for links in a runtime folder of the run's own.
const ScopedTempDir g_runtimeDir;
[[maybe_unused]] const int g_runtimeSet = setenv("XDG_RUNTIME_DIR", g_runtimeDir.Path().c_str(), 1);

// Each command against its words joined by "|", or "!" and a part of the reason it is refused.
TEST(GameCommandTest, WordsCodesAndRefusals) {
    const std::pair<QString, QString> cases[] = {
        {"\"My Game/run\"\t+connect %a", "My Game/run|+connect|10.0.0.5:27001"},
        {"  a\"b c\"d  %h-%p ", "ab cd|10.0.0.5-27001"},
        {"run \"\" 100%% %%a \"%a x\"", "run||100%|%a|10.0.0.5:27001 x"},
        {QString(4096, 'r'), QString(4096, 'r')},
        {QString(65536, 'r'), "!longer than 4096"},
        {" \t ", "!names no program"},
        {"\"\" %a", "!names no program"},
        {"run %x", "!\"%x\""},
        {"run 50%", "!\"%\";"},
        {"run \"open %a", "!not closed"}};
    for (const auto& [command, want] : cases) {
        const GameCommand expanded = ExpandGameCommand(command, "10.0.0.5", 27001);
        const QString got =
            expanded.error.isEmpty() ? expanded.arguments.join('|') : "!" + expanded.error;
        EXPECT_TRUE(want.startsWith('!') ? got.startsWith('!') && got.contains(want.mid(1))
                                         : got == want)
            << got.left(80).toStdString();
    }
    // Whoever hands the address over (link, row, favourite), the game never gets an option.
    for (const auto& [host, port] : {std::pair<QString, uint16_t>{"-foo", 27015},
                                     {"--help", 1},
                                     {"a.b-", 1},
                                     {"10.0.0.5", 0}}) {
        EXPECT_TRUE(ExpandGameCommand("run %h", host, port).error.contains("not a server address"))
            << host.toStdString();
    }
}

// A password is one argument, as given, whatever it holds; the password arguments follow the
// command only with a password, and only when the command has no %w of its own.
TEST(GameCommandTest, APasswordIsOneArgumentUnchanged) {
    const QString hostile = "-- \"a b\" 'c' %a %% $(x)\x01\t\n\x7f" + QString(4096, 'p');
    const std::tuple<QString, QString, QString, QStringList> cases[] = {
        {"run %a", "", "+password %w", {"run", "1.2.3.4:5"}},
        {"run %a", hostile, " \"+pass word\" %w", {"run", "1.2.3.4:5", "+pass word", hostile}},
        {"run +pw=%w", "", "+password %w", {"run", "+pw="}},
        {"run +pw=%w", "x", "+password %w", {"run", "+pw=x"}},
        {"run %%w", "x", "", {"run", "%w"}},
        {"run", "x", "+p %q", {}},  // refused, as is a NUL that no argument can carry:
        {"run", QString("a") + QChar(0) + "b", "+password %w", {}}};
    for (const auto& [command, password, passwordArguments, want] : cases) {
        const GameCommand got =
            ExpandGameCommand(command, "1.2.3.4", 5, password, passwordArguments);
        EXPECT_EQ(got.arguments, want) << got.error.toStdString();
        EXPECT_EQ(got.error.isEmpty(), !want.isEmpty());
    }
}

TEST(GameCommandTest, JoinLinksNameOneServer) {
    const auto address = [](const QString& link) {
        const std::optional<ServerAddress> server = ParseJoinLink(link);
        return server ? server->m_ip + ":" + std::to_string(server->m_port) : "";
    };
    EXPECT_EQ(address("korvath://127.0.0.1:27001"), "127.0.0.1:27001");
    EXPECT_EQ(address("KorVath:a-1.b:65535/"), "a-1.b:65535");
    for (const QString& link : QStringList{
             "korvath://127.0.0.1", "korvath://127.0.0.1:0", "korvath://127.0.0.1:65536",
             "korvath:// 127.0.0.1:1", "korvath://127.0.0.1:1\n", "korvath:///127.0.0.1:1//",
             "other://127.0.0.1:1", "korvath://" + QString(5000, 'a') + ":1", "korvath://a;b:1",
             "korvath://$(touch x):1", "korvath://[::1]:1", "korvath://\x1b[31m:1",
             "korvath://--help:1", "korvath://-foo:27015", "korvath:a-.b:1", "korvath:a.-b:1",
             "korvath://010.0.0.1:1", "korvath://0x7f.1:1", "korvath://2130706433:27015"}) {
        EXPECT_EQ(address(link), "") << link.toStdString();
    }
}

// The arguments arrive as written, through no shell; a refused command or a program that does
// not start shows one box with the command, parented to the window.
TEST(GameCommandTest, StartGameRunsTheProgramWithoutAShell) {
    const ScopedTempDir dir(true);
    const StandInGame game("%a \"two words\" \"$(touch x)\"");
    QWidget window;
    EXPECT_TRUE(StartGame("127.0.0.1", 27001, &window));
    EXPECT_EQ(game.Arguments(), "127.0.0.1:27001\ntwo words\n$(touch x)\n");
    EXPECT_FALSE(std::filesystem::exists("x"));
    const QString quoted = "\"" + QString::fromStdString(game.path) + "\"";
    for (const QString& command : {quoted + "- %a", quoted + " %q"}) {
        SaveGameCommand(command);
        MessageBoxWatcher boxes;
        EXPECT_FALSE(StartGame("127.0.0.1", 27001, &window));
        ASSERT_EQ(boxes.seen.size(), 1u);
        EXPECT_EQ(boxes.seen[0].parent, &window);
        EXPECT_NE(boxes.seen[0].text.find(command.toStdString()), std::string::npos);
    }
    // A program that does not start is named without the password put into it.
    SaveGameCommand(QString::fromStdString(dir.File("a%wb")) + " %a");
    MessageBoxWatcher boxes;
    EXPECT_FALSE(StartGame("127.0.0.1", 27001, &window, {}, "hunter2"));
    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_NE(boxes.seen[0].text.find(dir.File("ab") + "\" did not start"), std::string::npos);
    EXPECT_EQ(boxes.seen[0].text.find("hunter2"), std::string::npos);
}

// A window started over the socket file of a crashed copy takes it over. It drops a peer that
// never ends its line, and asks about the link a later copy hands it; that copy says that its
// option for a new window went unused.
TEST(GameCommandTest, ALaterCopyHandsItsLinkToTheRunningWindow) {
    const ScopedTempDir dir(true);
    std::ofstream(CLinkRelay::SocketPath().toStdString()) << "left by a crashed copy";
    auto browser = StartBrowser({});
    ASSERT_NE(browser, nullptr);
    EXPECT_FALSE(CLinkRelay().Listen());  // the window answers: the socket stays its
    MessageBoxWatcher boxes;
    boxes.answer = QMessageBox::No;
    QLocalSocket peer;
    peer.connectToServer(CLinkRelay::SocketPath());
    peer.write("korvath://1.2.3.4:5");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, 10000));
    auto later = std::async(std::launch::async, [] {  // this thread answers it meanwhile
        return RunChild(KR_BROWSER_PATH, {"--demo", "korvath://127.0.0.1:27001"}, 0, 0,
                        {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !boxes.seen.empty(); }, 10000));
    const ChildRun run = later.get();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("--demo apply only to a new window"), std::string::npos) << run.err;
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Join 127.0.0.1:27001?"});
    EXPECT_EQ(boxes.seen.at(0).parent, browser->MainFrame());
}

}  // namespace
}  // namespace kr::test
