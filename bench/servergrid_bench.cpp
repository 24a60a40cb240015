// The server grid at 1,000, 10,000 and 100,000 servers: filing rows into collapsed groups and
// into an expanded group, expanding and collapsing a group with all its servers, and the ping
// sort. The grid is shown on the offscreen platform, as the browser's is on screen, so filing
// into an expanded group pays for its immediate repaint. RenumberRows and RowFromNode are
// measured alone because filing into an expanded group calls each once per server.

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
// with pings of 5 to 404 ms from a fixed random start value.
std::vector<ServerRecord> MakeRecords(int count, bool oneGroup) {
    std::mt19937 random(12345);
    std::vector<ServerRecord> records(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ServerRecord& record = records[static_cast<std::size_t>(i)];
        record.m_version = VersionGroupText(oneGroup ? 2 : i % 4);
        record.m_gameType = GameTypeGroupText(oneGroup ? 2 : (i / 4) % 3);
        record.m_ping = 5 + random() % 400;
        record.m_pingText = std::to_string(record.m_ping);
        record.m_name = "server " + std::to_string(i);
        record.m_map = "map";
        record.m_playersText = " 4/16";
        record.m_mod = "mod";
        record.m_private = i % 5 == 0;
        record.m_dedicated = i % 2 == 0;
        record.m_address = "127.0.0.1:" + std::to_string(20000 + i % 40000);
    }
    return records;
}

std::unique_ptr<CServerGrid> MakeGrid() {
    auto grid = std::make_unique<CServerGrid>();
    if (!grid->Create(nullptr, 256)) {
        std::abort();
    }
    grid->PrepareGrid();
    grid->resize(800, 600);
    grid->show();
    QApplication::processEvents();
    return grid;
}

void Expand(CServerGrid& grid, CGridTreeItem* node) {
    grid.ExpandNode(node, grid.RowFromNode(node));
}

// A grid with the records filed and 1.20 expanded; its DM group (returned) stays collapsed
// when it received servers.
CGridTreeItem* FillGrid(CServerGrid& grid, const std::vector<ServerRecord>& records) {
    for (const ServerRecord& record : records) {
        AddServerRow(record, &grid);
    }
    Expand(grid, grid.FindGroupNode("1.20", "*"));
    return grid.FindGroupNode("1.20", "DM");
}

void FileIntoCollapsedGroups(benchmark::State& state) {
    const std::vector<ServerRecord> records = MakeRecords(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CServerGrid> grid = MakeGrid();
        state.ResumeTiming();
        for (const ServerRecord& record : records) {
            AddServerRow(record, grid.get());
        }
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// 1.20 and its empty DM group are shown and expanded: every server gets its row at once.
void FileIntoExpandedGroup(benchmark::State& state) {
    const std::vector<ServerRecord> records = MakeRecords(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CServerGrid> grid = MakeGrid();
        Expand(*grid, grid->FindGroupNode("1.20", "*"));
        state.ResumeTiming();
        for (const ServerRecord& record : records) {
            AddServerRow(record, grid.get());
        }
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ExpandGroup(benchmark::State& state) {
    std::unique_ptr<CServerGrid> grid = MakeGrid();
    CGridTreeItem* dm = FillGrid(*grid, MakeRecords(static_cast<int>(state.range(0)), true));
    for (auto _ : state) {
        Expand(*grid, dm);
        state.PauseTiming();
        grid->CollapseNode(dm);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void CollapseGroup(benchmark::State& state) {
    std::unique_ptr<CServerGrid> grid = MakeGrid();
    CGridTreeItem* dm = FillGrid(*grid, MakeRecords(static_cast<int>(state.range(0)), true));
    for (auto _ : state) {
        state.PauseTiming();
        Expand(*grid, dm);
        state.ResumeTiming();
        grid->CollapseNode(dm);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The sort at the end of a refresh; before each run the servers of every group are shuffled
// and one group is left expanded.
void SortTree(benchmark::State& state) {
    std::unique_ptr<CServerGrid> grid = MakeGrid();
    CGridTreeItem* dm = FillGrid(*grid, MakeRecords(static_cast<int>(state.range(0)), false));
    std::mt19937 random(777);
    for (auto _ : state) {
        state.PauseTiming();
        for (const GroupNodeEntry& group : grid->GroupNodes()) {
            if (group.m_key.back() != '*') {
                GridNodeList& servers = group.m_pNode->m_listChildren;
                std::vector<CGridTreeItem*> order(servers.begin(), servers.end());
                std::shuffle(order.begin(), order.end(), random);
                std::copy(order.begin(), order.end(), servers.begin());
            }
        }
        Expand(*grid, grid->FindGroupNode("1.20", "*"));
        Expand(*grid, dm);
        state.ResumeTiming();
        grid->SortTree(TRUE);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The two whole-list steps of a shown insertion, with the group's N servers shown.
void RenumberRows(benchmark::State& state) {
    std::unique_ptr<CServerGrid> grid = MakeGrid();
    Expand(*grid, FillGrid(*grid, MakeRecords(static_cast<int>(state.range(0)), true)));
    for (auto _ : state) {
        grid->RenumberRows();
    }
    state.SetItemsProcessed(state.iterations() * grid->GetItemCount());
}

void RowFromNodeOfLastServer(benchmark::State& state) {
    std::unique_ptr<CServerGrid> grid = MakeGrid();
    CGridTreeItem* dm = FillGrid(*grid, MakeRecords(static_cast<int>(state.range(0)), true));
    Expand(*grid, dm);
    const CGridTreeItem* last = dm->m_listChildren.back();
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid->RowFromNode(last));
    }
    state.SetItemsProcessed(state.iterations() * grid->GetItemCount());
}

void Sizes(benchmark::internal::Benchmark* bench) {
    bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(FileIntoCollapsedGroups)->Apply(Sizes);
// Quadratic (a renumbering of all rows and a walk to the new row per server): one run at 100,000.
BENCHMARK(FileIntoExpandedGroup)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(FileIntoExpandedGroup)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ExpandGroup)->Apply(Sizes);
BENCHMARK(CollapseGroup)->Apply(Sizes);
BENCHMARK(SortTree)->Apply(Sizes);
BENCHMARK(RenumberRows)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(RowFromNodeOfLastServer)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

// Widgets need a QApplication; without a display they use the offscreen platform.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
