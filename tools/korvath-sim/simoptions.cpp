// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/simoptions.h"

#include <charconv>
#include <cstring>
#include <string_view>
#include <utility>

namespace {

const char kUsage[] =
    "usage: korvath-sim [options]\n"
    "Plays a master server and a fleet of game servers on 127.0.0.1.\n"
    "  --master-port P         master server port (default 18444; 0: any free port)\n"
    "  --servers N             game servers in the fleet (default 150)\n"
    "  --per-page R            address records per list page, 1..255 (default 64)\n"
    "  --silent PCT            share of servers that never answer (default 0)\n"
    "  --malformed PCT         share of servers with malformed replies (default 0)\n"
    "  --delay MS              reply delay of every answering server (default 0)\n"
    "  --delay-jitter MS       plus a random 0..MS per reply (default 0)\n"
    "  --rtt MIN-MAX           each server's own round trip, drawn from MIN..MAX ms (0..10000):\n"
    "                          its replies wait that long plus 0..2 % of it (at least 0..1 ms),\n"
    "                          on top of --delay and --delay-jitter (default 0-0: none)\n"
    "  --loss PCT              chance that a reply of an answering server is lost (default 0)\n"
    "  --flaky PCT             share of the servers, among those not silent, that answer each\n"
    "                          query with a chance of 50 % (default 0)\n"
    "  --random N              start value of the random generator (default 1)\n"
    "  --duration S            stop after S seconds (default 0: at SIGTERM or SIGINT)\n"
    "  --master-silent         the master never answers\n"
    "  --master-endless        the master never sends the last page: its pages go round the\n"
    "                          fleet for as long as they are acknowledged\n"
    "  --master-overcount      every page's record count says 255, whatever the page holds\n"
    "  --master-repeat         every page but the last is sent twice (again once acknowledged)\n"
    "  --reply MODE            how answering servers answer: normal (default); garbage (1 to\n"
    "                          4096 random bytes); unterminated (4096 bytes, no zero byte);\n"
    "                          full (a well-formed reply of 4096 bytes); late (after 2500 ms,\n"
    "                          past a client's time-out); other-port (from another port)\n"
    "  --master-stop-after K   the master sends K pages per download, then falls silent\n"
    "  --master-drip MS        the master sends one page of one record every MS, each MS after\n"
    "                          the last one's acknowledgement (--per-page is then 1)\n"
    "  --last-page-records K   records on the last page too, 0..255 (default 0)\n"
    "  --resend MS             resend a page whose acknowledgement is missing after MS\n"
    "                          (default 1000; three resends, then the download is dropped)\n"
    "  --full-for N            each server answers as full (players = player limit) for its\n"
    "                          first N answers, then as it is (default 0; well-formed replies\n"
    "                          only, the fleet file tells the later answers)\n"
    "  --fleet-file PATH       write the fleet, one tab-separated line per server\n"
    "  --stats-file PATH       write the counters at exit\n"
    "  --help                  show this text\n"
    "The first line on standard output is \"master 127.0.0.1:PORT\".\n";

bool ParseNumber(std::string_view text, long long low, long long high, long long& value) {
    long long parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || parsed < low ||
        parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

struct IntOption {
    const char* name;
    int SimOptions::*field;
    int low;
    int high;
};

const IntOption kIntOptions[] = {
    {"--master-port", &SimOptions::masterPort, 0, 65535},
    {"--servers", &SimOptions::servers, 0, 50000},
    {"--per-page", &SimOptions::perPage, 1, 255},
    {"--silent", &SimOptions::silentPercent, 0, 100},
    {"--malformed", &SimOptions::malformedPercent, 0, 100},
    {"--delay", &SimOptions::delayMs, 0, 600000},
    {"--delay-jitter", &SimOptions::delayJitterMs, 0, 600000},
    {"--loss", &SimOptions::lossPercent, 0, 100},
    {"--flaky", &SimOptions::flakyPercent, 0, 100},
    {"--duration", &SimOptions::durationS, 0, 7 * 86400},
    {"--master-stop-after", &SimOptions::masterStopAfter, 0, 1000000},
    {"--master-drip", &SimOptions::masterDripMs, 0, 600000},
    {"--last-page-records", &SimOptions::lastPageRecords, 0, 255},
    {"--resend", &SimOptions::resendMs, 1, 600000},
    {"--full-for", &SimOptions::fullFor, 0, 1000000},
};

struct FlagOption {
    const char* name;
    bool SimOptions::*field;
};

const FlagOption kFlagOptions[] = {
    {"--master-silent", &SimOptions::masterSilent},
    {"--master-endless", &SimOptions::masterEndless},
    {"--master-overcount", &SimOptions::masterOvercount},
    {"--master-repeat", &SimOptions::masterRepeat},
};

const std::pair<const char*, ReplyMode> kReplyModes[] = {
    {"normal", ReplyMode::Normal},
    {"garbage", ReplyMode::Garbage},
    {"unterminated", ReplyMode::Unterminated},
    {"full", ReplyMode::Full},
    {"late", ReplyMode::Late},
    {"other-port", ReplyMode::OtherPort},
};

// Sets the flag named by the argument; false when it names none.
bool TakeFlag(std::string_view name, SimOptions& options) {
    for (const FlagOption& flag : kFlagOptions) {
        if (name == flag.name) {
            options.*flag.field = true;
            return true;
        }
    }
    return false;
}

// "MIN-MAX" with 0 <= MIN <= MAX <= 10000 into the round-trip range.
bool TakeRoundTrips(std::string_view value, SimOptions& options) {
    const std::size_t dash = value.find('-');
    long long low = 0;
    long long high = 0;
    if (dash == std::string_view::npos || !ParseNumber(value.substr(0, dash), 0, 10000, low) ||
        !ParseNumber(value.substr(dash + 1), low, 10000, high)) {
        return false;
    }
    options.rttMinMs = static_cast<int>(low);
    options.rttMaxMs = static_cast<int>(high);
    return true;
}

}  // namespace

ParseResult ParseSimOptions(int argc, char** argv, SimOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help") {
            return ParseResult::Help;
        }
        if (TakeFlag(name, options)) {
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value or unknown option: " + std::string(name);
            return ParseResult::BadUsage;
        }
        const std::string_view value = argv[++i];
        bool known = false;
        bool valid = true;
        for (const IntOption& option : kIntOptions) {
            if (name == option.name) {
                long long number = 0;
                known = true;
                valid = ParseNumber(value, option.low, option.high, number);
                if (valid) {
                    options.*option.field = static_cast<int>(number);
                }
            }
        }
        if (name == "--random") {
            auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), options.random);
            known = true;
            valid = !value.empty() && ec == std::errc() && end == value.data() + value.size();
        } else if (name == "--rtt") {
            known = true;
            valid = TakeRoundTrips(value, options);
        } else if (name == "--reply") {
            known = true;
            valid = false;
            for (const auto& [text, mode] : kReplyModes) {
                if (value == text) {
                    options.reply = mode;
                    valid = true;
                }
            }
        } else if (name == "--fleet-file" || name == "--stats-file") {
            (name == "--fleet-file" ? options.fleetFile : options.statsFile) = value;
            known = true;
            valid = !value.empty();
        }
        if (!known) {
            error = "unknown option: " + std::string(name);
            return ParseResult::BadUsage;
        }
        if (!valid) {
            error = "bad value for " + std::string(name) + ": " + std::string(value);
            return ParseResult::BadUsage;
        }
    }
    if (options.masterDripMs > 0) {
        options.perPage = 1;
    }
    if (options.silentPercent + options.malformedPercent > 100) {
        error = "--silent and --malformed add up to more than 100";
        return ParseResult::BadUsage;
    }
    return ParseResult::Run;
}

const char* SimUsage() {
    return kUsage;
}
