// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-query/queryoptions.h"

#include <charconv>
#include <cstring>

namespace {

// A speed option with a value: its name, the word the usage gives its value, its range, and
// where the value goes.
struct ValueOption {
    const char* name;
    const char* value;
    QuerySpeedRange range;
    std::optional<int> QuerySpeedOptions::*field;
};

// A plain decimal number of up to 9 digits, nothing before or after it.
std::optional<int> Number(const char* text) {
    const std::size_t length = std::strlen(text);
    int number = 0;
    if (length == 0 || length > 9 || text[0] < '0' || text[0] > '9') {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text, text + length, number);
    if (error != std::errc() || end != text + length) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

QuerySpeedOptions::Taken QuerySpeedOptions::Take(int argc, char** argv, int& i,
                                                 std::string& problem) {
    static const ValueOption kOptions[] = {
        {"--in-flight", "N", kInFlightRange, &QuerySpeedOptions::m_inFlight},
        {"--timeout", "MS", kTimeoutRange, &QuerySpeedOptions::m_timeoutMs},
        {"--retries", "N", kRetriesRange, &QuerySpeedOptions::m_retries},
        {"--pace", "MS", kPaceRange, &QuerySpeedOptions::m_paceMs},
    };
    if (std::strcmp(argv[i], "--fast") == 0) {
        m_fast = true;
        return Taken::Yes;
    }
    for (const ValueOption& option : kOptions) {
        if (std::strcmp(argv[i], option.name) != 0) {
            continue;
        }
        const std::string range =
            std::to_string(option.range.least) + "-" + std::to_string(option.range.most);
        if (i + 1 >= argc) {
            problem = std::string(option.name) + " needs " + option.value + " (" + range + ")";
            return Taken::Bad;
        }
        const std::optional<int> number = Number(argv[++i]);
        if (!number || !InRange(*number, option.range)) {
            problem = std::string("bad ") + option.name + " value: " + argv[i] + " (" + range + ")";
            return Taken::Bad;
        }
        this->*option.field = number;
        return Taken::Yes;
    }
    return Taken::No;
}

QuerySpeed QuerySpeedOptions::Speed() const {
    QuerySpeed speed = m_fast ? kFastSpeed : kDescribedSpeed;
    speed.inFlight = m_inFlight.value_or(speed.inFlight);
    speed.timeoutMs = m_timeoutMs.value_or(speed.timeoutMs);
    speed.retries = m_retries.value_or(speed.retries);
    speed.paceMs = m_paceMs.value_or(speed.paceMs);
    return speed;
}
