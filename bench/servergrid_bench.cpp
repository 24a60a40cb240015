// SPDX-License-Identifier: GPL-3.0-or-later
// The server grid at 1,000, 10,000 and 100,000 servers: filing rows into collapsed groups and
// into an expanded group, expanding and collapsing a group with all its servers (collapsing also
// at the top, the middle and the end of a list of twice as many rows), the sort by ping and by
// name, and the heap the grid takes per server. The grid is shown on the offscreen platform, so
// filing into an expanded group pays for its repaints, the last one (the end of the last frame)
// included.

#include "bench/heapinuse.h"
#include "net/servergroups.h"
#include "net/serverrecord.h"
#include "serverlist/servergrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Servers of the twelve groups that can receive any (1.40 never does), or of 1.20 / DM only,
// with pings of 5 to 404 ms from a fixed start value.
std::vector<ServerRecord> MakeRecords(int64_t count, bool oneGroup) {
    std::mt19937 random(12345);
    std::vector<ServerRecord> records(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ServerRecord& r = records[static_cast<std::size_t>(i)];
        r.m_version = VersionGroupText(oneGroup ? 2 : i % 4);
        r.m_gameType = GameTypeGroupText(oneGroup ? 2 : (i / 4) % 3);
        r.m_ping = 5 + random() % 400;
        r.m_pingText = std::to_string(r.m_ping);
        r.m_name = "server " + std::to_string(i);
        r.m_map = "map";
        r.m_playersText = " 4/16";
        r.m_mod = "mod";
        r.m_private = i % 5 == 0;
        r.m_dedicated = i % 2 == 0;
        r.m_address = "127.0.0.1:" + std::to_string(20000 + i % 40000);
    }
    return records;
}

void Expand(CServerGrid& grid, CGridTreeItem* node) {
    grid.ExpandNode(node, grid.RowFromNode(node));
}

// A shown grid with the records filed, then 1.20 expanded if asked; returns the 1.20 / DM group.
CGridTreeItem* MakeGrid(std::unique_ptr<CServerGrid>& grid, bool expand120,
                        const std::vector<ServerRecord>& records = {}) {
    grid = std::make_unique<CServerGrid>();
    if (!grid->Create(nullptr, 256)) {
        std::abort();
    }
    grid->PrepareGrid();
    grid->resize(800, 600);
    grid->show();
    QApplication::processEvents();
    for (const ServerRecord& record : records) {
        AddServerRow(record, grid.get());
    }
    if (expand120) {
        Expand(*grid, grid->FindGroupNode("1.20", "*"));
    }
    return grid->FindGroupNode("1.20", "DM");
}

// Collapsed: records of twelve groups into collapsed versions. Expanded: 1.20 and its empty DM
// group are shown and expanded, so every server gets its row at once.
void FileRows(benchmark::State& state, bool expanded) {
    const std::vector<ServerRecord> records = MakeRecords(state.range(0), expanded);
    std::unique_ptr<CServerGrid> grid;
    for (auto _ : state) {
        state.PauseTiming();
        MakeGrid(grid, expanded);
        state.ResumeTiming();
        for (const ServerRecord& record : records) {
            AddServerRow(record, grid.get());
        }
        if (expanded) {
            grid->UpdateWindow();  // what the user sees at the end of the last frame
        }
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Showing (expand) or hiding (collapse) the group's N servers; the way back is not timed.
void ExpandOrCollapse(benchmark::State& state, bool expand) {
    std::unique_ptr<CServerGrid> grid;
    CGridTreeItem* dm = MakeGrid(grid, true, MakeRecords(state.range(0), true));
    const auto toggle = [&](bool show) {
        if (show) {
            Expand(*grid, dm);
        } else {
            grid->CollapseNode(dm);
        }
    };
    toggle(!expand);
    for (auto _ : state) {
        toggle(expand);
        state.PauseTiming();
        toggle(!expand);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Collapsing the 1.20 / DM group of N servers where the list holds N more server rows: all of
// them below it (position 0, the top), half above and half below (1, the middle) or all above
// (2, the end), in the expanded groups 1.00 / VLD and 1.30 / DM. Collapsing renumbers the rows
// below, so N, N / 2 or none (five group rows). The expansion between runs, not timed, leaves the
// list's last change at the group's end, as when the user has just opened it.
void CollapseAt(benchmark::State& state, int position) {
    const int64_t count = state.range(0);
    std::vector<ServerRecord> records = MakeRecords(2 * count, true);
    for (int64_t i = 0; i < count; ++i) {
        ServerRecord& other = records[static_cast<std::size_t>(count + i)];
        const bool above = i < count * position / 2;
        other.m_version = VersionGroupText(above ? 0 : 3);
        other.m_gameType = GameTypeGroupText(above ? 0 : 2);
    }
    std::unique_ptr<CServerGrid> grid;
    CGridTreeItem* dm = MakeGrid(grid, true, records);
    for (const auto& [version, type] :
         {std::pair{"1.00", "*"}, {"1.00", "VLD"}, {"1.30", "*"}, {"1.30", "DM"}, {"1.20", "DM"}}) {
        Expand(*grid, grid->FindGroupNode(version, type));
    }
    for (auto _ : state) {
        grid->CollapseNode(dm);
        state.PauseTiming();
        Expand(*grid, dm);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

// The sort at the end of a refresh by the key (by name: "server N", numbers in the names); before
// each run the servers of every group are shuffled and one group is left expanded. A re-sort
// finds the texts' collation ranks of the sort before; with newTexts every row's text counts as
// new, as after a refresh that rewrote them all: one collation key a row, and a new ranking.
void SortTree(benchmark::State& state, SortKey key, bool newTexts) {
    std::unique_ptr<CServerGrid> grid;
    CGridTreeItem* dm = MakeGrid(grid, true, MakeRecords(state.range(0), false));
    grid->SetSortOrder({key, false});
    std::mt19937 random(777);
    for (auto _ : state) {
        state.PauseTiming();
        for (const GroupNodeEntry& group : grid->GroupNodes()) {
            if (group.m_key.back() != '*') {
                GridNodeList& servers = group.m_pNode->m_listChildren;
                std::vector<CGridTreeItem*> order(servers.begin(), servers.end());
                std::shuffle(order.begin(), order.end(), random);
                std::copy(order.begin(), order.end(), servers.begin());
                for (CGridTreeItem* server : servers) {
                    server->m_pInfo->m_nSortSlot = newTexts ? 0 : server->m_pInfo->m_nSortSlot;
                }
            }
        }
        Expand(*grid, grid->FindGroupNode("1.20", "*"));
        Expand(*grid, dm);
        state.ResumeTiming();
        grid->SortTree(TRUE);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Heap in use per server (mallinfo2) once 100,000 servers are filed into collapsed groups, and
// once every group is expanded as well so that each server has its list row.
void GridMemory(benchmark::State& state) {
    const std::vector<ServerRecord> records = MakeRecords(state.range(0), false);
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        std::unique_ptr<CServerGrid> grid;
        MakeGrid(grid, false, records);
        const std::size_t filed = HeapInUse();
        for (const GroupNodeEntry& group : grid->GroupNodes()) {
            Expand(*grid, group.m_pNode);
        }
        const std::size_t shown = HeapInUse();
        const double n = static_cast<double>(state.range(0));
        state.counters["bytes_per_server"] = static_cast<double>(filed - before) / n;
        state.counters["bytes_per_shown_server"] = static_cast<double>(shown - before) / n;
    }
}

// Re-filtering with the 1.20 / DM group of N servers shown and expanded: a search text that
// one server in ten matches ("server 7"), then the filter cleared again; each step timed apart.
void Refilter(benchmark::State& state, bool clear) {
    std::unique_ptr<CServerGrid> grid;
    CGridTreeItem* dm = MakeGrid(grid, true, MakeRecords(state.range(0), true));
    Expand(*grid, dm);
    const ServerFilter search{"Server 7"};
    for (auto _ : state) {
        if (clear) {
            state.PauseTiming();
            grid->SetFilter(search);
            state.ResumeTiming();
        }
        grid->SetFilter(clear ? ServerFilter{} : search);
        if (!clear) {
            state.PauseTiming();
            grid->SetFilter(ServerFilter{});
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK_CAPTURE(FileRows, IntoCollapsedGroups, false)->Apply(Sizes);
BENCHMARK_CAPTURE(FileRows, IntoExpandedGroup, true)->Apply(Sizes);
// A fixed count of runs: the untimed way back costs far more than a collapse, which would
// otherwise be run for as long as its own time takes to add up.
BENCHMARK_CAPTURE(ExpandOrCollapse, Expand, true)->Apply(Sizes)->Iterations(200);
BENCHMARK_CAPTURE(ExpandOrCollapse, Collapse, false)->Apply(Sizes)->Iterations(200);
BENCHMARK_CAPTURE(CollapseAt, Top, 0)->Apply(Sizes)->Iterations(200);
BENCHMARK_CAPTURE(CollapseAt, Middle, 1)->Apply(Sizes)->Iterations(200);
BENCHMARK_CAPTURE(CollapseAt, End, 2)->Apply(Sizes)->Iterations(200);
BENCHMARK_CAPTURE(SortTree, ByPing, SortKey::Ping, false)->Apply(Sizes);
BENCHMARK_CAPTURE(SortTree, ByName, SortKey::Server, false)->Apply(Sizes);
BENCHMARK_CAPTURE(SortTree, ByNewNames, SortKey::Server, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Refilter, Search, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Refilter, Clear, true)->Apply(Sizes);
BENCHMARK(GridMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
