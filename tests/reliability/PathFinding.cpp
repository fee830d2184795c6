#include "reliability/PathFinding.h"

#include <algorithm>
#include <deque>
#include <iterator>

#include "world/TileMap.h"

namespace {
constexpr int Grid = TileMap::GridSize;
constexpr int TileSize = TileMap::TileSize;
constexpr int Unvisited = -1;

struct Cell {
    int x;
    int y;
};

Cell cellOf(const Vector& point)
{
    return {std::clamp(static_cast<int>(point.x / TileSize), 0, Grid - 1),
            std::clamp(static_cast<int>(point.y / TileSize), 0, Grid - 1)};
}

// Searched backwards from the goal, so the answer is one step from `from`.
bool stepToward(const TileMap& map, Cell from, Cell to, Cell& next)
{
    static int cameFrom[Grid][Grid];
    for (auto& column : cameFrom)
        std::fill(std::begin(column), std::end(column), Unvisited);
    std::deque<Cell> open{to};
    cameFrom[to.x][to.y] = to.x * Grid + to.y;
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, 1, -1};
    while (!open.empty()) {
        const Cell at = open.front();
        open.pop_front();
        if (at.x == from.x && at.y == from.y) {
            next = {cameFrom[at.x][at.y] / Grid, cameFrom[at.x][at.y] % Grid};
            return true;
        }
        for (int d = 0; d < 4; ++d) {
            const int nx = at.x + dx[d];
            const int ny = at.y + dy[d];
            if (nx < 0 || ny < 0 || nx >= Grid || ny >= Grid || cameFrom[nx][ny] != Unvisited
                || map.tiles[nx][ny].kind == Rock)
                continue;
            cameFrom[nx][ny] = at.x * Grid + at.y;
            open.push_back({nx, ny});
        }
    }
    return false;
}
}

Vector nextWaypoint(const TileMap& map, const Vector& from, const Vector& goal)
{
    Vector waypoint;
    waypoint.copyFrom(goal);
    const Cell here = cellOf(from);
    const Cell target = cellOf(goal);
    Cell next{};
    if ((here.x != target.x || here.y != target.y) && stepToward(map, here, target, next)
        && (next.x != target.x || next.y != target.y)) {
        waypoint.x = next.x * TileSize + TileSize / 2;
        waypoint.y = next.y * TileSize + TileSize / 2;
    }
    return waypoint;
}
