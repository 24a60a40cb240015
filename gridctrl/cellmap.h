// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// Attributes of a row's cells keyed by sub-item: a map that costs one pointer while it is empty,
// as most rows' maps are, and holds its entries in one small array sorted by key otherwise.
// Look-ups are O(log n) and insertions O(n) in the row's own entries, a handful at most.
// Iterators and references are good until the next insertion.
template <typename V>
class TCellMap {
public:
    using value_type = std::pair<int, V>;
    using mapped_type = V;
    using Entries = std::vector<value_type>;
    using iterator = typename Entries::iterator;
    using const_iterator = typename Entries::const_iterator;

    TCellMap() = default;
    TCellMap(std::initializer_list<value_type> entries) {
        for (const value_type& entry : entries) {
            (*this)[entry.first] = entry.second;
        }
    }
    TCellMap(const TCellMap& other)
        : m_entries(other.m_entries ? std::make_unique<Entries>(*other.m_entries) : nullptr) {}
    TCellMap& operator=(const TCellMap& other) {
        if (this != &other) {
            m_entries = other.m_entries ? std::make_unique<Entries>(*other.m_entries) : nullptr;
        }
        return *this;
    }
    TCellMap(TCellMap&&) noexcept = default;
    TCellMap& operator=(TCellMap&&) noexcept = default;

    bool empty() const { return size() == 0; }
    std::size_t size() const { return m_entries ? m_entries->size() : 0; }
    iterator begin() { return Stored().begin(); }
    iterator end() { return Stored().end(); }
    const_iterator begin() const { return Stored().begin(); }
    const_iterator end() const { return Stored().end(); }

    const_iterator find(int key) const {
        const auto it = LowerBound(Stored(), key);
        return it != end() && it->first == key ? it : end();
    }
    // The value of the key, made (V{}) when it is not there.
    V& operator[](int key) {
        if (!m_entries) {
            m_entries = std::make_unique<Entries>();
        }
        auto it = LowerBound(*m_entries, key);
        if (it == m_entries->end() || it->first != key) {
            it = m_entries->insert(it, value_type(key, V{}));
        }
        return it->second;
    }
    bool operator==(const TCellMap& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

private:
    // The entries, or one shared empty array for an empty map (never written: it stays empty).
    Entries& Stored() const {
        static Entries none;
        return m_entries ? *m_entries : none;
    }
    template <typename List>
    static auto LowerBound(List& entries, int key) {
        return std::lower_bound(entries.begin(), entries.end(), key,
                                [](const value_type& entry, int k) { return entry.first < k; });
    }

    std::unique_ptr<Entries> m_entries;
};
