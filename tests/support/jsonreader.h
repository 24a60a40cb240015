#pragma once

// A strict JSON reader for checking what korvath-query writes. Header-only: the fuzz harnesses
// use it too, without GoogleTest.

#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace kr::test {

// The RFC 8259 grammar, no raw control characters in strings, UTF-8 only for U+0080..U+00FF (one
// code point per byte, what the program writes). Strings come back as those bytes; anything else
// gives an Invalid document.
struct Json {
    enum class Type { Invalid, Null, Bool, Number, String, Array, Object } type = Type::Invalid;
    bool boolean = false;
    double number = 0;
    std::string bytes;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        static const Json missing;
        auto found = members.find(key);
        return found == members.end() ? missing : found->second;
    }
    long Int() const { return static_cast<long>(number); }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : s(text) {}
    Json Document() {
        Json value = Value();
        return ok && Peek() == 0 && i == s.size() ? value : Json();
    }

private:
    char Peek() {
        while (i < s.size() && s[i] != 0 && std::strchr(" \t\r\n", s[i]) != nullptr) {
            ++i;
        }
        return i < s.size() ? s[i] : 0;
    }
    bool Take(char c) { return Peek() == c && c != 0 && ++i; }
    bool Word(const char* word) {
        const bool found = s.compare(i, std::strlen(word), word) == 0;
        i += found ? std::strlen(word) : 0;
        return found;
    }
    template <typename Item>
    void List(char close, Item item) {
        if (!Take(close)) {
            do {
                item();
            } while (ok && Take(','));
            ok = ok && Take(close);
        }
    }
    // Length of the JSON number at i: -?(0|[1-9]digits)(.digits)?([eE][+-]?digits)?; 0 if none.
    size_t NumberLength() const {
        size_t n = i;
        const auto digits = [&] {
            const size_t start = n;
            while (n < s.size() && std::isdigit(static_cast<unsigned char>(s[n]))) {
                ++n;
            }
            return n - start;
        };
        n += n < s.size() && s[n] == '-';
        if (n < s.size() && s[n] == '0') {
            ++n;
        } else if (digits() == 0) {
            return 0;
        }
        if (n < s.size() && s[n] == '.' && (++n, digits() == 0)) {
            return 0;
        }
        if (n < s.size() && (s[n] == 'e' || s[n] == 'E')) {
            ++n;
            n += n < s.size() && (s[n] == '+' || s[n] == '-');
            if (digits() == 0) {
                return 0;
            }
        }
        return n - i;
    }
    Json Value() {
        Json v;
        if (Take('{')) {
            v.type = Json::Type::Object;
            List('}', [&] {
                Peek();
                std::string key = String();
                ok = ok && Take(':');
                v.members[key] = Value();
            });
        } else if (Take('[')) {
            v.type = Json::Type::Array;
            List(']', [&] { v.items.push_back(Value()); });
        } else if (Peek() == '"') {
            v.type = Json::Type::String;
            v.bytes = String();
        } else if (Word("true") || Word("false")) {
            v.type = Json::Type::Bool;
            v.boolean = s[i - 1] == 'e' && s[i - 2] == 'u';
        } else if (Word("null")) {
            v.type = Json::Type::Null;
        } else if (const size_t length = NumberLength(); length > 0) {
            v.type = Json::Type::Number;
            v.number = std::stod(s.substr(i, length));
            i += length;
        } else {
            ok = false;
        }
        return v;
    }
    std::string String() {
        static const std::string escapes = "\"\\/bfnrt", meant = "\"\\/\b\f\n\r\t";
        std::string out;
        ok = ok && i < s.size() && s[i++] == '"';
        while (ok && i < s.size()) {
            const auto c = static_cast<unsigned char>(s[i++]);
            const auto next = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
            if (c == '"') {
                return out;
            } else if (c < 0x20 || c > 0xC3 || (c >= 0x80 && c < 0xC2)) {
                ok = false;
            } else if (c >= 0xC2) {  // U+0080..U+00FF
                ok = (next & 0xC0) == 0x80 && ++i;
                out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
            } else if (c != '\\') {
                out += static_cast<char>(c);
            } else if (next != 0 && escapes.find(static_cast<char>(next)) != std::string::npos) {
                out += meant[escapes.find(static_cast<char>(s[i++]))];
            } else if (s.compare(i, 3, "u00") == 0 && i + 5 <= s.size() &&
                       std::isxdigit(static_cast<unsigned char>(s[i + 3])) &&
                       std::isxdigit(static_cast<unsigned char>(s[i + 4]))) {
                out += static_cast<char>(std::stoi(s.substr(i + 3, 2), nullptr, 16));
                i += 5;
            } else {
                ok = false;
            }
        }
        ok = false;
        return out;
    }

    const std::string& s;
    size_t i = 0;
    bool ok = true;
};

inline Json ParseJson(const std::string& text) {
    return JsonReader(text).Document();
}

}  // namespace kr::test
