// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "net/serveraddress.h"

// The last complete master list, kept in the user's cache folder so that a refresh still has
// servers to ask when no master answers. The file is text:
//     korvath last-list 1
//     time SECONDS            (when the list was received, seconds since 1970, UTC)
//     a.b.c.d:port            (one a line, in the master's order, at most kMaxLastListEntries)
// Every line ends with "\n".

constexpr int kLastListVersion = 1;
constexpr int kMaxLastListEntries = 65536;  // as many as one download may bring

// How a read of the file went.
enum class LastListLoad {
    Loaded,   // every line was read
    Partial,  // some lines were skipped (bad, port 0, too long, cut off, past the bound)
    Missing,  // no file (or no cache folder)
    Ignored   // unreadable, not this format, a future version, or no time line: nothing used
};

struct LastList {
    LastListLoad load = LastListLoad::Missing;
    int64_t time = 0;  // seconds since 1970
    std::vector<ServerAddress> servers;
    int skipped = 0;  // lines not used (Partial)
};

// "$XDG_CACHE_HOME/korvath/last-list", or "$HOME/.cache/korvath/last-list" when XDG_CACHE_HOME
// is unset, empty or not absolute; empty when neither gives an absolute folder.
std::string DefaultLastListPath();

// Reads the text of a last-list file: what it can, as told above. Never throws; cost linear in
// the text.
LastList ParseLastList(std::string_view text);

// The text that ParseLastList reads back as the same list and time.
std::string FormatLastList(std::span<const ServerAddress> servers, int64_t time);

// Reads the file at `path` (at most the bytes a full list takes, the rest counted as cut off).
LastList LoadLastList(const std::string& path);

// Writes the list to `path` through a temporary file in the same folder and a rename, so that a
// reader sees the old file or the new one, never half of one. The folder is made (mode 0700)
// when missing, the file has mode 0600. False when any step failed (nothing is left behind then).
// Blocks on the file system: a few hundred kilobytes at most.
bool SaveLastList(const std::string& path, std::span<const ServerAddress> servers, int64_t time);

// The last list the refresh writes after a complete download and reads when no master gave one:
// none (empty path) until set. Set on the thread that runs refreshes, between refreshes.
void SetLastListFile(const std::string& path);
const std::string& LastListFile();
