// SPDX-License-Identifier: GPL-3.0-or-later
// The link relay's line reader, fed a stream in pieces: it never holds more than its limit allows,
// a line it returns is exactly what came before the first line end, and it refuses a stream
// exactly when that line end does not come within the limit. The first byte sets the limit
// (1..256), the second the size of the pieces (1..64); the rest is the stream.
#include <cstdint>
#include <string_view>

#include "app/linereader.h"
#include "fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const size_t limit = 1 + size_t(data[0]);
    const size_t piece = 1 + size_t(data[1] % 64);
    const std::string_view stream(reinterpret_cast<const char*>(data) + 2, size - 2);
    CLineReader reader(limit);
    CLineReader::State state = CLineReader::State::Reading;
    for (size_t at = 0; at < stream.size(); at += piece) {
        state = reader.Append(stream.substr(at, piece));
        Require(reader.Held() < limit, "holds at most limit - 1 bytes");
    }
    const size_t end = stream.find('\n');
    const size_t lineLength = end == std::string_view::npos ? stream.size() : end;
    switch (state) {
        case CLineReader::State::Line:
            Require(end < limit, "a line is whole only with its end within the limit");
            Require(reader.Line() == stream.substr(0, end), "the line is the bytes before its end");
            break;
        case CLineReader::State::TooLong:
            Require(lineLength >= limit, "refused only when no line end comes within the limit");
            Require(reader.Held() == 0, "a refused line is not held");
            break;
        case CLineReader::State::Reading:
            Require(end == std::string_view::npos && lineLength < limit,
                    "still reading only without a line end and within the limit");
            break;
    }
    return 0;
}
