#include "PathFinder.h"

#include <algorithm>
#include <climits>
#include <queue>
#include <utility>

namespace {
struct Step {
    int dc, dr, cost;
};
constexpr Step Steps[] = {
    {1, 0, PathFinder::StraightCost},  {-1, 0, PathFinder::StraightCost}, {0, 1, PathFinder::StraightCost},
    {0, -1, PathFinder::StraightCost}, {1, 1, PathFinder::DiagonalCost},  {1, -1, PathFinder::DiagonalCost},
    {-1, 1, PathFinder::DiagonalCost}, {-1, -1, PathFinder::DiagonalCost},
};

int indexOf(int column, int row) { return column * GridTiles + row; }
}

std::vector<Cell> PathFinder::find(const WalkGrid& grid, Cell from, Cell to) const
{
    if (!grid.isOpen(from.column, from.row) || !grid.isOpen(to.column, to.row))
        return {};
    std::vector<int> cost(GridTiles * GridTiles, INT_MAX);
    std::vector<int> cameFrom(GridTiles * GridTiles, -1);
    using Entry = std::pair<int, int>;  // cost, index
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> frontier;
    cost[indexOf(from.column, from.row)] = 0;
    frontier.push({0, indexOf(from.column, from.row)});
    const int goal = indexOf(to.column, to.row);
    while (!frontier.empty()) {
        auto [c, index] = frontier.top();
        frontier.pop();
        if (c > cost[index])
            continue;
        if (index == goal)
            break;
        const int column = index / GridTiles, row = index % GridTiles;
        for (const Step& step : Steps) {
            const int nc = column + step.dc, nr = row + step.dr;
            if (!grid.isOpen(nc, nr))
                continue;
            if (step.dc && step.dr && (!grid.isOpen(column + step.dc, row) || !grid.isOpen(column, row + step.dr)))
                continue;
            const int next = indexOf(nc, nr);
            const int nextCost = c + step.cost + grid.penalty[nc][nr];
            if (nextCost < cost[next]) {
                cost[next] = nextCost;
                cameFrom[next] = index;
                frontier.push({nextCost, next});
            }
        }
    }
    if (cost[goal] == INT_MAX)
        return {};
    std::vector<Cell> path;
    for (int index = goal; index != -1; index = cameFrom[index])
        path.push_back({index / GridTiles, index % GridTiles});
    std::reverse(path.begin(), path.end());
    return path;
}
