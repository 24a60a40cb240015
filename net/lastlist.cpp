// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/lastlist.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "net/favouriteaddress.h"
#include "net/hostlookup.h"

namespace {

constexpr std::string_view kHeader = "korvath last-list ";
constexpr std::string_view kTimeWord = "time ";
// A full list: the two first lines and 65,536 lines of at most 22 bytes; more is not read.
constexpr std::size_t kMaxFileBytes = 64 + static_cast<std::size_t>(kMaxLastListEntries) * 22;

constexpr int64_t kMaxVersion = 999999;
constexpr int64_t kMaxTime = int64_t{1} << 62;

std::string g_lastListFile;

// A decimal number without sign or leading zero (but "0"), at most `max`.
std::optional<int64_t> Decimal(std::string_view text, int64_t max) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    if (text.empty() || text[0] < '0' || text[0] > '9' || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    const std::from_chars_result read = std::from_chars(text.data(), end, value);
    if (read.ec != std::errc() || read.ptr != end || value > max) {
        return std::nullopt;
    }
    return value;
}

// "a.b.c.d:port" as the refresh writes it: a dotted quad and a port of 1 to 65535.
std::optional<ServerAddress> AddressLine(std::string_view line) {
    std::optional<ServerAddress> address = ParseFavouriteAddress(line);
    return address && IsDottedQuad(address->m_ip) ? address : std::nullopt;
}

// Takes the next line (without its "\n") off the text; nullopt when no whole line is left.
std::optional<std::string_view> NextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

// Makes the folders of `folder` that are missing, each with mode 0700.
bool MakeFolders(const std::string& folder) {
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at == folder.size() || folder[at] == '/') {
            const std::string part = folder.substr(0, at);
            if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                return false;
            }
        }
    }
    return true;
}

// Writes all the bytes to the descriptor.
bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::string DefaultLastListPath() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache != nullptr && cache[0] == '/') {
        return std::string(cache) + "/korvath/last-list";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/.cache/korvath/last-list";
    }
    return {};
}

LastList ParseLastList(std::string_view text) {
    LastList list;
    list.load = LastListLoad::Ignored;
    const std::optional<std::string_view> header = NextLine(text);
    const std::optional<std::string_view> timeLine = NextLine(text);
    if (!header || !timeLine || header->substr(0, kHeader.size()) != kHeader ||
        Decimal(header->substr(kHeader.size()), kMaxVersion) != kLastListVersion ||
        timeLine->substr(0, kTimeWord.size()) != kTimeWord) {
        return list;
    }
    const std::optional<int64_t> time = Decimal(timeLine->substr(kTimeWord.size()), kMaxTime);
    if (!time) {
        return list;
    }
    list.time = *time;
    while (const std::optional<std::string_view> line = NextLine(text)) {
        const std::optional<ServerAddress> address = AddressLine(*line);
        if (address && list.servers.size() < kMaxLastListEntries) {
            list.servers.push_back(*address);
        } else {
            ++list.skipped;
        }
    }
    if (!text.empty()) {
        ++list.skipped;  // a line cut off before its end
    }
    list.load = list.skipped == 0 ? LastListLoad::Loaded : LastListLoad::Partial;
    return list;
}

std::string FormatLastList(std::span<const ServerAddress> servers, int64_t time) {
    std::string text = std::string(kHeader) + std::to_string(kLastListVersion) + "\n" +
                       std::string(kTimeWord) + std::to_string(time) + "\n";
    text.reserve(text.size() + servers.size() * 22);
    for (const ServerAddress& server : servers) {
        text += server.m_ip + ":" + std::to_string(server.m_port) + "\n";
    }
    return text;
}

LastList LoadLastList(const std::string& path) {
    LastList list;
    if (path.empty()) {
        return list;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        list.load = errno == ENOENT ? LastListLoad::Missing : LastListLoad::Ignored;
        return list;
    }
    std::string text(kMaxFileBytes, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        list.load = LastListLoad::Ignored;
        return list;
    }
    text.resize(read);  // a longer file is cut here: its last line counts as cut off
    return ParseLastList(text);
}

bool SaveLastList(const std::string& path, std::span<const ServerAddress> servers, int64_t time) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || !MakeFolders(path.substr(0, slash))) {
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());  // mode 0600
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, FormatLastList(servers, time)) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

void SetLastListFile(const std::string& path) {
    g_lastListFile = path;
}

const std::string& LastListFile() {
    return g_lastListFile;
}
