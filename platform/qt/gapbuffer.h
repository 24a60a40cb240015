// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

// A sequence with O(1) access by index whose insertions and removals cost the distance from the
// previous one: the free space (the gap) sits where the last change happened, so runs of changes
// at one place or at consecutive places (the rows of a node being shown or hidden) cost O(1) each
// instead of shifting every element behind them. Growing doubles the capacity (amortised O(1)).
template <typename T>
class TGapBuffer {
public:
    std::size_t size() const { return m_buf.size() - GapLength(); }
    bool empty() const { return size() == 0; }

    T& operator[](std::size_t i) { return m_buf[Slot(i)]; }
    const T& operator[](std::size_t i) const { return m_buf[Slot(i)]; }

    // Inserts value before position i (i == size() appends).
    void insert(std::size_t i, T value) {
        if (GapLength() == 0) {
            Grow();
        }
        MoveGap(i);
        m_buf[m_gapBegin++] = std::move(value);
    }

    // Inserts count values before position i, make(k) giving the k-th, made in place in order:
    // O(count) plus the move.
    template <typename Make>
    void insert_n(std::size_t i, std::size_t count, Make make) {
        if (GapLength() < count) {
            Grow(count);
        }
        MoveGap(i);
        for (std::size_t k = 0; k < count; ++k) {
            m_buf[m_gapBegin++] = make(k);
        }
    }

    // Removes the element at position i.
    void erase(std::size_t i) { erase(i, 1); }

    // Removes count elements from position i on: the move, plus O(count) for elements that hold
    // something to release (O(1) for trivially destructible ones). The gap goes to the end of the
    // range first, so a run just inserted is removed without moving it.
    void erase(std::size_t i, std::size_t count) {
        MoveGap(i + count);
        if constexpr (!std::is_trivially_destructible_v<T>) {
            for (std::size_t k = i; k < m_gapBegin; ++k) {
                m_buf[k] = T();  // releases what the element held
            }
        }
        m_gapBegin = i;
    }

    void clear() {
        m_buf.clear();
        m_gapBegin = 0;
        m_gapEnd = 0;
    }

private:
    std::size_t GapLength() const { return m_gapEnd - m_gapBegin; }
    std::size_t Slot(std::size_t i) const { return i < m_gapBegin ? i : i + GapLength(); }

    // Puts the gap in front of position i by moving the elements between it and i across it.
    void MoveGap(std::size_t i) {
        if (GapLength() == 0) {  // nothing to move across (and no element may move onto itself)
            m_gapBegin = i;
            m_gapEnd = i;
            return;
        }
        if (i < m_gapBegin) {
            const auto first = m_buf.begin() + static_cast<std::ptrdiff_t>(i);
            const auto last = m_buf.begin() + static_cast<std::ptrdiff_t>(m_gapBegin);
            std::move_backward(first, last, m_buf.begin() + static_cast<std::ptrdiff_t>(m_gapEnd));
            m_gapEnd -= m_gapBegin - i;
            m_gapBegin = i;
        } else if (i > m_gapBegin) {
            const auto first = m_buf.begin() + static_cast<std::ptrdiff_t>(m_gapEnd);
            const std::size_t count = i - m_gapBegin;
            std::move(first, first + static_cast<std::ptrdiff_t>(count),
                      m_buf.begin() + static_cast<std::ptrdiff_t>(m_gapBegin));
            m_gapBegin = i;
            m_gapEnd += count;
        }
    }

    // Makes room for at least `extra` more elements (one at least), doubling at the least.
    void Grow(std::size_t extra = 1) {
        const std::size_t count = size();
        const std::size_t capacity =
            std::max<std::size_t>(count < 8 ? 16 : 2 * count, count + extra);
        std::vector<T> buf(capacity);
        for (std::size_t i = 0; i < count; ++i) {
            buf[i] = std::move(m_buf[Slot(i)]);
        }
        m_buf.swap(buf);
        m_gapBegin = count;
        m_gapEnd = capacity;
    }

    std::vector<T> m_buf;
    std::size_t m_gapBegin = 0;
    std::size_t m_gapEnd = 0;
};
