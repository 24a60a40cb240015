#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/childprocess.h"
#include "tests/support/fakegameservers.h"
#include "tests/support/fakemaster.h"
#include "tests/support/tempdir.h"

namespace {

using namespace kr::test;

// Terminal columns up to the text (every byte but UTF-8 continuation bytes takes one); npos when
// the line does not hold it.
size_t ColumnOf(const std::string& line, const std::string& text) {
    const size_t at = line.find(text);
    if (at == std::string::npos) {
        return at;
    }
    size_t columns = 0;
    for (size_t i = 0; i < at; ++i) {
        columns += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

std::vector<std::string> LinesWith(const std::string& out, const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.find(text) != std::string::npos) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Texts longer than their column are cut with "…", so each column starts at the same place on
// every line; progress goes to standard error only when it is a terminal.
TEST(KorvathQueryTableTest, LongTextsKeepTheColumnsAndOnlyATerminalSeesProgress) {
    const ScopedTempDir dir(true);
    const std::string longName(40, 'N'), longMap = "m\xe9" + std::string(30, 'M');
    FakeGameServers servers(
        {{InfoReply(0x89, longName, 2, 3, 12, longMap, "mod", 0)},
         {InfoReply(0x89, "short", 2, 120, 127, "m", std::string(20, 'D'), 1)}});
    for (const bool terminal : {false, true}) {
        SCOPED_TRACE(terminal ? "terminal" : "pipe");
        const FakeMaster fake({MasterPage(0, servers.Records()), MasterPage(7, {})});
        const std::string master = "127.0.0.1:" + std::to_string(fake.Port());
        // `script` gives the program a terminal for both outputs, read back through its pipe.
        const TestMutexName mutex;
        setenv("KR_UPDATE_MUTEX", mutex.name.c_str(), 1);
        const ChildRun run =
            terminal ? RunChild("/usr/bin/script",
                                {"-qec", std::string(KR_QUERY_PATH) + " --master " + master,
                                 "/dev/null"})
                     : RunQuery({"--master", master});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::vector<std::string> rows = LinesWith(run.out, "127.0.0.1:");
        ASSERT_EQ(rows.size(), 2u) << run.out;
        if (rows[0].find("short") != std::string::npos) {
            std::swap(rows[0], rows[1]);  // rows[0]: the long texts
        }
        EXPECT_EQ(ColumnOf(rows[0], "127.0.0.1:"), ColumnOf(rows[1], "127.0.0.1:"));
        EXPECT_EQ(ColumnOf(rows[0], "mod"), ColumnOf(rows[1], std::string(11, 'D') + "\u2026"));
        EXPECT_NE(rows[0].find(std::string(23, 'N') + "\u2026  m\xC3\xA9" + std::string(13, 'M') +
                               "\u2026"),
                  std::string::npos);
        const bool progress = run.out.find("\rQueried 1 of 2 servers") != std::string::npos &&
                              run.out.find("\r\x1b[K") != std::string::npos;
        EXPECT_EQ(progress, terminal) << run.out;
        EXPECT_EQ(run.err.find('\r'), std::string::npos);
    }
}

}  // namespace
