// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// One line of a byte stream that arrives in pieces, read with a bound: the line and its line end
// ('\n') must come within the first `limit` bytes, so the reader never holds more than
// limit - 1 bytes. Plain bytes, no text decoding.
class CLineReader {
public:
    enum class State {
        Reading,  // no line end yet, and there is room for more
        Line,     // the line is whole (Line()); later bytes are ignored
        TooLong,  // no line end within the limit; nothing is held, later bytes are ignored
    };

    // limit: the most bytes the line may take, its line end included (at least 1).
    explicit CLineReader(size_t limit) : m_limit(limit) {}

    // Takes the next piece of the stream and returns the state after it. O(size of the piece).
    State Append(std::string_view piece);
    // The line without its line end, once the state is Line.
    const std::string& Line() const { return m_line; }
    // The bytes held: at most limit - 1.
    size_t Held() const { return m_line.size(); }

private:
    size_t m_limit;
    std::string m_line;
    State m_state = State::Reading;
};
