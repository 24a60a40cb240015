// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// korvath-query's JSON, read with the JSON library. Header-only: the fuzz harnesses use it too.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace kr::test {

using Json = nlohmann::json;

// The document; a discarded value (is_discarded()) when the text is not strict JSON.
inline Json ParseJson(const std::string& text) {
    return Json::parse(text, nullptr, false);
}

// The bytes a string member stands for: korvath-query writes each byte as one code point,
// U+0000..U+00FF. Nothing when the member is missing, no string, or holds a later code point.
inline std::optional<std::string> Text(const Json& object, const char* key) {
    const auto member = object.find(key);
    if (member == object.end() || !member->is_string()) {
        return std::nullopt;
    }
    std::string bytes;
    for (const std::string& utf8 = member->get_ref<const std::string&>(); const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            bytes += c;
        } else if (byte >= 0xC0) {  // a lead byte: only C2 and C3 give U+0080..U+00FF
            if (byte > 0xC3) {
                return std::nullopt;
            }
            bytes += static_cast<char>((byte & 0x03) << 6);
        } else {  // the continuation byte of the lead before it
            bytes.back() = static_cast<char>(bytes.back() | (byte & 0x3F));
        }
    }
    return bytes;
}

}  // namespace kr::test
