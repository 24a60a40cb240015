// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/subtextlist.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kUnitsPerNumber = 2;

// Code units of a block of count texts with chars characters in all.
std::size_t BlockUnits(std::size_t count, std::size_t chars) {
    return (1 + count) * kUnitsPerNumber + chars;
}

void PutNumber(char16_t* block, std::size_t i, std::uint32_t value) {
    std::memcpy(block + i * kUnitsPerNumber, &value, sizeof value);
}

std::u16string_view Units(QStringView text) {
    return std::u16string_view(text.utf16(), static_cast<std::size_t>(text.size()));
}

// A character's code: a UTF-16 unit as it is, a Latin-1 byte as its unsigned value.
char16_t Unit(char16_t unit) {
    return unit;
}
char16_t Unit(char byte) {
    return static_cast<unsigned char>(byte);
}

// Makes the block of a list from its texts: read(k) gives text k as a UTF-16 or a Latin-1 view.
template <typename Read>
std::unique_ptr<char16_t[]> MakeBlock(std::size_t count, Read read) {
    if (count == 0) {
        return nullptr;
    }
    std::size_t chars = 0;
    for (std::size_t k = 0; k < count; ++k) {
        chars += read(k).size();
    }
    auto block = std::make_unique_for_overwrite<char16_t[]>(BlockUnits(count, chars));
    PutNumber(block.get(), 0, static_cast<std::uint32_t>(count));
    char16_t* out = block.get() + (1 + count) * kUnitsPerNumber;
    std::uint32_t end = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const auto text = read(k);
        out = std::transform(text.begin(), text.end(), out, [](auto c) { return Unit(c); });
        end += static_cast<std::uint32_t>(text.size());
        PutNumber(block.get(), 1 + k, end);
    }
    return block;
}

}  // namespace

CSubTextList::CSubTextList(std::initializer_list<QString> texts)
    : m_block(MakeBlock(texts.size(), [&](std::size_t k) { return Units(texts.begin()[k]); })) {}

CSubTextList::CSubTextList(const QStringList& texts)
    : m_block(MakeBlock(static_cast<std::size_t>(texts.size()),
                        [&](std::size_t k) { return Units(texts[static_cast<qsizetype>(k)]); })) {}

CSubTextList CSubTextList::FromLatin1(std::initializer_list<std::string_view> texts) {
    CSubTextList list;
    list.m_block = MakeBlock(texts.size(), [&](std::size_t k) { return texts.begin()[k]; });
    return list;
}

CSubTextList::CSubTextList(const CSubTextList& other) {
    *this = other;
}

CSubTextList& CSubTextList::operator=(const CSubTextList& other) {
    if (this != &other) {
        const std::size_t units = other.m_block ? BlockUnits(other.Number(0), other.Length()) : 0;
        m_block = units ? std::make_unique_for_overwrite<char16_t[]>(units) : nullptr;
        std::copy_n(other.m_block.get(), units, m_block.get());
    }
    return *this;
}

int CSubTextList::size() const {
    return m_block ? static_cast<int>(Number(0)) : 0;
}

std::uint32_t CSubTextList::Number(std::size_t i) const {
    std::uint32_t value = 0;
    std::memcpy(&value, m_block.get() + i * kUnitsPerNumber, sizeof value);
    return value;
}

const char16_t* CSubTextList::Chars() const {
    return m_block.get() + (1 + Number(0)) * kUnitsPerNumber;
}

std::size_t CSubTextList::Length() const {
    return m_block ? Number(Number(0)) : 0;
}

QStringView CSubTextList::view(int k) const {
    if (k < 0 || k >= size()) {
        return {};
    }
    const auto index = static_cast<std::size_t>(k);
    const std::uint32_t begin = k == 0 ? 0 : Number(index);
    return QStringView(Chars() + begin, Number(1 + index) - begin);
}

void CSubTextList::set(int k, const QString& text) {
    if (k < 0) {
        return;
    }
    const std::size_t count = static_cast<std::size_t>(std::max(k + 1, size()));
    m_block = MakeBlock(count, [&](std::size_t i) {
        return Units(static_cast<int>(i) == k ? QStringView(text) : view(static_cast<int>(i)));
    });
}

QStringList CSubTextList::toList() const {
    QStringList texts;
    texts.reserve(size());
    for (int k = 0; k < size(); ++k) {
        texts.append(at(k));
    }
    return texts;
}
