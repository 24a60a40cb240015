// SPDX-License-Identifier: GPL-3.0-or-later
// The "host:port" text of a grid row, against the split of the Enter re-query. Only the split
// runs: no query is sent anywhere.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/require.h"
#include "net/serverquery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto split = SplitServerAddress(text);
    const size_t colon = text.find(':');
    const bool fits = colon != std::string::npos && colon <= 15 && size - colon - 1 <= 7;
    Require(split.has_value() == fits, "split exactly when a colon parts a short host and port");
    if (!split) {
        return 0;
    }
    Require(split->first == text.substr(0, colon), "the host is the text before the first colon");
    Require(split->second > -10000000 && split->second < 10000000, "seven characters of port");
    const std::string portText = text.substr(colon + 1);
    char* end = nullptr;
    const long value = std::strtol(portText.c_str(), &end, 10);
    Require(split->second == value, "the port is the number the port text starts with");
    return 0;
}
