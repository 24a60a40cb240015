// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>

// The sub-item texts of a grid row, element k for column k + 1, kept in one block: the count,
// where each text ends, then all their characters. A row costs one pointer and one allocation
// for all its texts, instead of a list and a string each. Reading a text as a view is O(1) and
// copies nothing; at() makes a string of it; changing a text rebuilds the block, O(all texts).
class CSubTextList {
public:
    CSubTextList() = default;
    CSubTextList(std::initializer_list<QString> texts);
    CSubTextList(const QStringList& texts);  // implicit: a list is assigned as a whole
    // Texts given as Latin-1 bytes, each byte one character.
    static CSubTextList FromLatin1(std::initializer_list<std::string_view> texts);
    CSubTextList(const CSubTextList& other);
    CSubTextList& operator=(const CSubTextList& other);
    CSubTextList(CSubTextList&&) noexcept = default;
    CSubTextList& operator=(CSubTextList&&) noexcept = default;

    int size() const;
    bool isEmpty() const { return size() == 0; }
    // Text k, empty when k is not an index; good until the list changes.
    QStringView view(int k) const;
    QString at(int k) const { return view(k).toString(); }
    // Sets text k, first appending empty texts up to k when there are fewer (k >= 0).
    void set(int k, const QString& text);
    void append(const QString& text) { set(size(), text); }
    QStringList toList() const;

private:
    // The block, in UTF-16 code units: the count n, then the end of each text (in characters
    // from the first), each a 32-bit number over two units, then the characters.
    std::unique_ptr<char16_t[]> m_block;

    std::uint32_t Number(std::size_t i) const;  // the block's 32-bit number i
    const char16_t* Chars() const;
    std::size_t Length() const;  // all characters
};
