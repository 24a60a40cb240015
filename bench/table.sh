#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks behind the performance table in one go and prints the table with its
# ratios: bench/table.sh [BUILD_FOLDER] (default: build). The round-trip bound, korvath-query and
# the browser's refresh are measured in this same run, so their ratios compare like with like.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build}/bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The CSV format wants the same counters in every line: the memory figure runs on its own.
grid="$bench/servergrid_bench --benchmark_format=csv"
$grid --benchmark_filter='^(FileRows/IntoCollapsedGroups/100000|FileRows/IntoExpandedGroup/10{3,4}|ExpandOrCollapse/.*/100000/iterations:200|SortTree/By(Ping|Name|NewNames)/100000)$' >"$out/grid.csv" 2>/dev/null
$grid --benchmark_filter='^GridMemory' >"$out/memory.csv" 2>/dev/null || true
# One filing in a fresh process: its heap is new, so it pays the page faults a refile does not.
$grid --benchmark_filter='^FileRows/IntoCollapsedGroups/100000$' --benchmark_min_time=0.000001 \
    2>/dev/null | sed 's/^"FileRows/"FirstFiling/' >"$out/first.csv"
"$bench/refresh_bench" --benchmark_format=csv --benchmark_filter=FullRefresh >"$out/query.csv" 2>/dev/null
"$bench/refresh_bench" --benchmark_format=csv --benchmark_filter=QueryLoop >"$out/loop.csv" 2>/dev/null
"$bench/browser_refresh_bench" --benchmark_format=csv --benchmark_filter=Answering2000 \
    >"$out/browser.csv" 2>/dev/null
# The list at its cap, each in a process of its own (the peak resident memory is the process's),
# and twenty refreshes in one window.
"$bench/refresh_bench" --benchmark_format=csv --benchmark_filter=AtCap >"$out/querycap.csv" 2>/dev/null
"$bench/browser_refresh_bench" --benchmark_format=csv --benchmark_filter=AtCap \
    >"$out/browsercap.csv" 2>/dev/null
"$bench/browser_refresh_bench" --benchmark_format=csv --benchmark_filter=Stamina \
    >"$out/stamina.csv" 2>/dev/null
# The realistic fleet (about a minute each at the described speed): korvath-query as described
# and at the Fast speed (a korvath-query that refuses those options skips it: "not available"),
# then the window at both speeds.
fast="--in-flight 100 --timeout 1000 --retries 1 --pace 2"
"$bench/refresh_bench" --benchmark_format=csv --benchmark_filter=RealisticFleet \
    >"$out/realistic.csv" 2>/dev/null
"$bench/refresh_bench" --benchmark_format=csv --benchmark_filter=RealisticFleet --query-args "$fast" \
    2>/dev/null | sed 's/^"BM_RealisticFleet/"FastRealisticFleet/' >"$out/realfast.csv"
"$bench/browser_refresh_bench" --benchmark_format=csv --benchmark_filter=RealisticFleet \
    >"$out/browserreal.csv" 2>/dev/null
# The window during a master download that drips one address a page, closed after 3 s.
"$bench/hostile_bench" --drip-csv >"$out/drip.csv" 2>/dev/null

# Each CSV: a header naming the columns ("name,..."), then one line per benchmark (other lines,
# such as trace lines on standard output, are skipped); a value is looked up by
# the benchmark's name (without options) and a column name.
awk -F, '
    /^name,/ { for (i = 1; i <= NF; ++i) { h = $i; gsub(/"/, "", h); column[FILENAME, h] = i }; next }
    /^"/ {
        name = $1; gsub(/"/, "", name); sub(/\/(iterations|manual_time).*/, "", name)
        for (key in column) {
            split(key, part, SUBSEP)
            if (part[1] == FILENAME) value[name, part[2]] = $(column[key])
        }
    }
    function v(name, col) { return ((name, col) in value) ? value[name, col] + 0 : -1 }
    function row(what, figure) { printf "| %-66s | %s |\n", what, figure }
    function ms(x) { return x < 0 ? "not measured" : sprintf(x < 1 ? "%.3f ms" : "%.1f ms", x) }
    # A realistic row: the wall time against its bound, the mean error of the pings when measured,
    # and the share of the wall time at the described speed when given; "not available" when
    # the run was skipped.
    function realistic(name, described,    w, b, text) {
        w = v(name, "wall_s"); b = v(name, "bound_s")
        if (w < 0) return "not available"
        text = sprintf("%.1f s, %.2f x its bound (%.1f s)", w, w / b, b)
        if (v(name, "ping_error_ms") != -1) text = text sprintf(", pings %+.1f ms on average", v(name, "ping_error_ms"))
        if (described > 0) text = text sprintf(", %.2f x As described", w / described)
        return text
    }
    END {
        print "| Figure | Measured |"; print "|---|---|"
        e = v("ExpandOrCollapse/Expand/100000", "real_time")
        c = v("ExpandOrCollapse/Collapse/100000", "real_time")
        s = v("SortTree/ByPing/100000", "real_time")
        row("100,000 servers: expand / collapse / ping sort", ms(e) " / " ms(c) " / " ms(s))
        n = v("SortTree/ByName/100000", "real_time")
        row("  the same re-sort by name (numbers by value)", ms(n) sprintf(", %.1f x the ping sort", n / s))
        f = v("SortTree/ByNewNames/100000", "real_time")
        row("  by name, every name new (after a refresh)", ms(f))
        row("100,000 servers filed into collapsed groups", ms(v("FileRows/IntoCollapsedGroups/100000", "real_time")))
        row("  the same, the first filing in a fresh process", ms(v("FirstFiling/IntoCollapsedGroups/100000", "real_time")))
        a = v("FileRows/IntoExpandedGroup/1000", "real_time")
        b = v("FileRows/IntoExpandedGroup/10000", "real_time")
        row("Filing into a shown, expanded group, 1,000 / 10,000 servers", ms(a) " / " ms(b) sprintf(", 10 x the servers: %.1f x the time", b / a))
        q = v("BM_FullRefresh/2000", "wall_ms"); bound = v("BM_FullRefresh/2000", "lower_bound_ms")
        row("korvath-query, 2,000 instantly answering loopback servers", ms(q) sprintf(", %.1f x the N/10 round-trip bound (%.1f ms)", q / bound, bound))
        l = v("BM_QueryLoop/2000", "real_time")
        row("  the query loop alone, in process, over the same servers", ms(l) sprintf(", %.1f x the bound", l / bound))
        w = v("Answering2000", "wall_s") * 1000
        row("The browser refresh of the same 2,000 servers", ms(w) sprintf(", %.2f x korvath-query", w / q))
        m = v("GridMemory/100000", "bytes_per_server"); ms2 = v("GridMemory/100000", "bytes_per_shown_server")
        row("Grid memory per server at 100,000 (rows hidden / all shown)", m < 0 ? "not measured" : sprintf("%.0f / %.0f bytes", m, ms2))
        qc = v("BM_FullRefreshAtCap", "wall_ms"); wc = v("AnsweringAtCap", "wall_s") * 1000
        row("The browser refresh of 65,535 addresses (the cap, 16,384 servers)", ms(wc) sprintf(", %.2f x korvath-query (%.0f ms), peak RSS %.0f MB", wc / qc, qc, v("AnsweringAtCap", "peak_rss_mb")))
        row("  its longest event-loop stall after the download", ms(v("AnsweringAtCap", "longest_stall_ms")))
        g = v("Stamina", "heap_growth_mb")
        row("20 refreshes of 10,000 servers in one window: heap growth", sprintf("%.2f MB after the first (%.0f MB), at most %.2f MB", g, v("Stamina", "heap_after_first_mb"), v("Stamina", "heap_highest_growth_mb")))
        row("A master dripping one address every 100 ms: longest stall / close", ms(v("DripDownload", "longest_stall_ms")) " / " ms(v("DripDownload", "close_ms")))
        rd = v("BM_RealisticFleet", "wall_s")
        row("Realistic fleet: 2,000 servers, 20-250 ms, 10 % silent, 1 % loss", "")
        row("  korvath-query, As described (10 in flight, 2,000 ms)", realistic("BM_RealisticFleet", -1))
        row("  korvath-query, Fast (100 in flight, 1,000 ms, 1 retry, 2 ms pace)", realistic("FastRealisticFleet", rd))
        row("  the window, As described", realistic("RealisticFleet/0", -1))
        row("  the window, Fast (the Game Settings choice)", realistic("RealisticFleet/1", v("RealisticFleet/0", "wall_s")))
    }' "$out/grid.csv" "$out/first.csv" "$out/memory.csv" "$out/query.csv" "$out/loop.csv" \
    "$out/browser.csv" "$out/querycap.csv" "$out/browsercap.csv" "$out/stamina.csv" "$out/drip.csv" \
    "$out/realistic.csv" "$out/realfast.csv" "$out/browserreal.csv"
