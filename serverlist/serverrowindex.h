// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <unordered_map>

class CGridTreeItem;

// The server rows that wait for their answer in a refresh that keeps the list, by their "Ip:Port"
// text: the refresh finds the row a queried server already has in O(1), however many rows there
// are, and takes it out. It holds node pointers, so it describes the grid only while no node has
// been freed since it was made (Current, from CGridTreeCtrl::GetNodesFreed); its owner makes it
// anew then, and after freeing nodes that are not in it calls Synced. Grid's thread only.
class ServerRowIndex {
public:
    // Forgets every row and frees the memory; the owner then adds the waiting rows (or none, at
    // the end of a refresh). nodesFreed: the grid's count now.
    void Clear(std::uint64_t nodesFreed);
    bool Current(std::uint64_t nodesFreed) const { return nodesFreed == m_nodesFreed; }
    // Takes the grid's count after the owner freed only nodes that are not in the index.
    void Synced(std::uint64_t nodesFreed) { m_nodesFreed = nodesFreed; }
    void Add(const QString& address, CGridTreeItem* node);
    // A waiting row with the address, taken out of the index; null when none.
    CGridTreeItem* Take(const QString& address);

private:
    struct Hash {
        std::size_t operator()(const QString& text) const { return qHash(text); }
    };
    std::unordered_multimap<QString, CGridTreeItem*, Hash> m_rows;
    std::uint64_t m_nodesFreed = UINT64_MAX;  // never a grid's count: made anew before first use
};
