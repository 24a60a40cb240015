// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "net/listfetch.h"
#include "tools/korvath-query/queryresult.h"

// Server texts are byte strings; both writers read each byte as the code point of the same
// value (U+0000 to U+00FF) and write UTF-8.

// The table: a column heading line; per non-empty group a heading line ("1.20 TDM") and one line
// per server (Ping, Server, Map, Players, Mod, private mark "P", dedicated mark "D", Ip:Port);
// then "Not grouped (no answer, or an unknown version or game type)" with one such line per listed
// server without a row, its version and game type ("-" for none) after Ip:Port; last the count
// line "%d server(s)" of the listed servers. Control characters
// (U+0000 to U+001F, U+007F to U+009F) are written as "?", so no server text reaches the terminal
// as a control sequence.
std::string FormatTable(const QueryResult& result);

// One JSON object (see korvath-query's usage) and a line end. Quotes, backslashes and control
// characters are escaped, so the output is valid JSON for any bytes.
// `source` tells where the list came from: "master" is the master used ("HOST:PORT"; null for
// the last list) and "list" {"source": "master", "master": "HOST:PORT"} or {"source":
// "last-list", "time": SECONDS}.
std::string FormatJson(const QueryResult& result, const ListSource& source);
