#include "net/favouriteaddress.h"

#include <gtest/gtest.h>

namespace {

// Each entry as a favourite: kept or refused, and the address a refresh queries it at ("" when
// it has none). Names resolve only to loopback or are refused without a lookup.
TEST(FavouriteAddressTest, EntriesAreKeptOnlyWhenTheyNameAHostAndAPortAndResolveToLoopback) {
    const std::string longLabel(64, 'a');
    const struct {
        std::string text;
        bool valid;
        std::string resolved;
    } cases[] = {
        {"127.0.0.1:27001", true, "127.0.0.1:27001"},
        {"localhost:65535", true, "127.0.0.1:65535"},
        {"LocalHost:1", true, "127.0.0.1:1"},
        {"game.invalid:5000", true, ""},  // refused before any lookup
        {"", false, ""},
        {"localhost", false, ""},
        {"localhost:", false, ""},
        {":5000", false, ""},
        {"localhost:0", false, ""},
        {"localhost:65536", false, ""},
        {"localhost:05000", false, ""},
        {"localhost:123456", false, ""},
        {"localhost:-1", false, ""},
        {"localhost:50 ", false, ""},
        {" localhost:5000", false, ""},
        {"local\nhost:5000", false, ""},
        {"local\x1b[31mhost:5000", false, ""},
        {"a..b:5000", false, ""},
        {"h:1:2", false, ""},
        {std::string("local\0host:5000", 15), false, ""},
        {longLabel + ".example:5000", false, ""},
        {std::string(65536, 'a') + ":5000", false, ""},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.text.substr(0, 40));
        EXPECT_EQ(ParseFavouriteAddress(entry.text).has_value(), entry.valid);
        const std::vector<ResolvedFavourite> resolved = ResolveFavourites({entry.text});
        ASSERT_EQ(resolved.size(), 1u);
        EXPECT_EQ(resolved[0].text, entry.text);
        EXPECT_EQ(resolved[0].address, entry.resolved);
    }
}

// After the listed servers only the favourites not listed, each address once, in their order.
TEST(FavouriteAddressTest, UnlistedFavouritesLeaveOutListedAndRepeatedAddresses) {
    const std::vector<ServerAddress> listed = {{"127.0.0.1", 1000}, {"127.0.0.1", 1001}};
    const std::vector<ResolvedFavourite> favourites =
        ResolveFavourites({"localhost:1001", "127.0.0.1:1002", "x.invalid:1", "localhost:1002",
                           "127.0.0.1:1000", "127.0.0.1:1003"});
    std::vector<std::string> queried;
    for (const ServerAddress& address : UnlistedFavourites(favourites, listed)) {
        queried.push_back(address.m_ip + ":" + std::to_string(address.m_port));
    }
    EXPECT_EQ(queried, (std::vector<std::string>{"127.0.0.1:1002", "127.0.0.1:1003"}));
}

}  // namespace
