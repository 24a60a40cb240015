// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lastlist.h"

#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/tempdir.h"

namespace {

using namespace kr::test;

int Mode(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 0777) : -1;
}

// A list written is read back whole, private to the user; a file that is missing, cut off, of
// another version or hostile is read as far as it can be, or not at all.
TEST(LastListTest, ReadsWhatItCanOfAnyFile) {
    ScopedTempDir dir;
    const std::string path = dir.File("cache/korvath/last-list");
    const std::vector<ServerAddress> list = {{"10.0.0.5", 999}, {"192.168.1.20", 27960}};
    ASSERT_TRUE(SaveLastList(path, list, 1700000000));
    EXPECT_EQ(std::tuple(Mode(path), Mode(dir.File("cache/korvath"))), std::tuple(0600, 0700));

    const std::string head = "korvath last-list 1\ntime 1700000000\n";
    std::string many = head;
    for (int i = 0; i <= kMaxLastListEntries; ++i) {
        many += "10.0." + std::to_string(i / 256 % 256) + "." + std::to_string(i % 256) + ":1\n";
    }
    const struct {
        const char* name;
        std::string text;  // nothing written for "missing"
        LastListLoad load;
        std::size_t servers;
        int skipped;
    } cases[] = {
        {"written", ReadWholeFile(path), LastListLoad::Loaded, 2, 0},
        {"missing", "", LastListLoad::Missing, 0, 0},
        {"cut off", head + "10.0.0.1:5\n10.0.0.2:2", LastListLoad::Partial, 1, 1},
        {"no time", "korvath last-list 1\n10.0.0.1:5\n", LastListLoad::Ignored, 0, 0},
        {"future", "korvath last-list 2\ntime 1\n10.0.0.1:5\n", LastListLoad::Ignored, 0, 0},
        {"too many", many, LastListLoad::Partial, kMaxLastListEntries, 1},
        {"hostile",
         head + "10.0.0.1:0\n10.0.0.01:5\n256.0.0.1:5\n10.0.0:5\n 10.0.0.1:5\n10.0.0.1:5x\n" +
             std::string(65536, '7') + "\n10.0.0.3:65535\n\n",
         LastListLoad::Partial, 1, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = dir.File(c.name);
        if (c.load != LastListLoad::Missing) {
            std::ofstream(file, std::ios::binary) << c.text;
        }
        const LastList loaded = LoadLastList(file);
        EXPECT_EQ(std::tuple(loaded.load, loaded.servers.size(), loaded.skipped),
                  std::tuple(c.load, c.servers, c.skipped));
        if (c.load == LastListLoad::Loaded) {
            EXPECT_EQ(std::tuple(loaded.time, loaded.servers[0].m_ip, loaded.servers[1].m_port),
                      std::tuple(1700000000, "10.0.0.5", 27960u));
        }
    }
}

}  // namespace
