#pragma once

#include <vector>

#include "Snapshot.h"

struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
};

// Where the elf may walk, and what it costs to walk there besides distance.
struct WalkGrid {
    bool open[GridTiles][GridTiles] = {};
    int penalty[GridTiles][GridTiles] = {};

    bool isOpen(int column, int row) const
    {
        return column >= 0 && row >= 0 && column < GridTiles && row < GridTiles && open[column][row];
    }
};

// Cheapest tile path over the grid, eight ways. A diagonal step is taken only
// when both tiles beside it are open too, so the elf's body (20 px probes)
// never catches a rock corner.
class PathFinder {
public:
    // Costs in tenths of a tile: a straight step takes 3.2 ticks at 20 px, a
    // diagonal one 4.6 at 14 px per axis.
    static constexpr int StraightCost = 10;
    static constexpr int DiagonalCost = 14;

    // From `from` to `to`, both included; empty when `to` cannot be reached.
    std::vector<Cell> find(const WalkGrid& grid, Cell from, Cell to) const;
};
