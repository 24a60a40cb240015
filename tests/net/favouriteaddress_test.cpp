#include "net/favouriteaddress.h"

#include <gtest/gtest.h>

namespace {

// Which entries are favourite addresses: a text that can name a host, one colon, a port 1..65535.
TEST(FavouriteAddressTest, OnlyAHostAndAPortFrom1To65535MakeAFavourite) {
    const std::pair<std::string, bool> cases[] = {{"127.0.0.1:27001", true},
                                                  {"LocalHost:1", true},
                                                  {"game.invalid:65535", true},
                                                  {"a--b.c-d:1", true},
                                                  {"-foo:27015", false},
                                                  {"a-.b:1", false},
                                                  {"a.-b:1", false},
                                                  {"0.0.0.0:1", true},
                                                  {"255.255.255.255:1", true},
                                                  {"1.2.3.4.example.:1", true},
                                                  {"0x7f.a1:1", true},
                                                  {"010.0.0.1:1", false},
                                                  {"1.2.3.256:1", false},
                                                  {"127.1:1", false},
                                                  {"1.2.3:1", false},
                                                  {"2130706433:1", false},
                                                  {"0x7f000001:1", false},
                                                  {"0x7f.1:1", false},
                                                  {"1.2.3.4.:1", false},
                                                  {"", false},
                                                  {"localhost", false},
                                                  {":5000", false},
                                                  {"localhost:0", false},
                                                  {"localhost:65536", false},
                                                  {"localhost:05000", false},
                                                  {"localhost:50 ", false},
                                                  {"local\nhost:5000", false},
                                                  {"h:1:2", false},
                                                  {std::string("a\0b:1", 5), false},
                                                  {std::string(64, 'a') + ".example:5000", false},
                                                  {std::string(65536, 'a') + ":1", false}};
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(ParseFavouriteAddress(text).has_value(), valid) << text.substr(0, 40);
    }
}

}  // namespace
