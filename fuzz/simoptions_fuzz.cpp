// SPDX-License-Identifier: GPL-3.0-or-later
// korvath-sim's command line (arguments separated by zero bytes), against its option parser.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/require.h"
#include "tools/korvath-sim/simoptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> words = {"korvath-sim"};
    std::string word;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    SimOptions options;
    std::string error;
    const ParseResult result =
        ParseSimOptions(static_cast<int>(words.size()), argv.data(), options, error);
    Require((result == ParseResult::BadUsage) == !error.empty(), "an error says what is wrong");
    if (result != ParseResult::Run) {
        return 0;
    }
    const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    Require(within(options.masterPort, 0, 65535) && within(options.servers, 0, 50000) &&
                within(options.perPage, 1, 255) && within(options.lastPageRecords, 0, 255) &&
                within(options.delayMs, 0, 600000) && within(options.delayJitterMs, 0, 600000) &&
                within(options.resendMs, 1, 600000) && within(options.durationS, 0, 7 * 86400) &&
                within(options.fullFor, 0, 1000000) && within(options.rttMinMs, 0, 10000) &&
                within(options.rttMaxMs, options.rttMinMs, 10000) &&
                (options.masterStopAfter == -1 || within(options.masterStopAfter, 0, 1000000)),
            "every number within its range");
    Require(within(options.silentPercent, 0, 100) && within(options.malformedPercent, 0, 100) &&
                options.silentPercent + options.malformedPercent <= 100 &&
                within(options.lossPercent, 0, 100) && within(options.flakyPercent, 0, 100),
            "shares of at most 100 per cent in all");
    return 0;
}
