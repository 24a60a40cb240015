// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/favouriteaddress.h"

#include <gtest/gtest.h>

namespace {

// Which entries are favourite addresses: a text that can name a host, one colon, a port 1..65535.
TEST(FavouriteAddressTest, OnlyAHostAndAPortFrom1To65535MakeAFavourite) {
    const std::vector<std::string> accepted = {
        "127.0.0.1:27001", "LocalHost:1",       "game.invalid:65535", "a--b.c-d:1",
        "0.0.0.0:1",       "255.255.255.255:1", "1.2.3.4.example.:1", "0x7f.a1:1"};
    std::vector<std::string> refused = {std::string("a\0b:1", 5),
                                        std::string(64, 'a') + ".example:5000",
                                        std::string(65536, 'a') + ":1"};
    refused.insert(refused.end(),
                   {"-foo:27015",      "a-.b:1",        "a.-b:1",           "010.0.0.1:1",
                    "1.2.3.256:1",     "127.1:1",       "1.2.3:1",          "2130706433:1",
                    "0x7f000001:1",    "0x7f.1:1",      "1.2.3.4.:1",       "",
                    "localhost",       ":5000",         "localhost:0",      "localhost:65536",
                    "localhost:05000", "localhost:50 ", "local\nhost:5000", "h:1:2"});
    for (const bool valid : {true, false}) {
        for (const std::string& text : valid ? accepted : refused) {
            EXPECT_EQ(ParseFavouriteAddress(text).has_value(), valid) << text.substr(0, 40);
        }
    }
}

}  // namespace
