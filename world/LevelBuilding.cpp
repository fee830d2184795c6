#include <algorithm>
#include <cstdlib>
#include <vector>

#include "world/Entrance.h"
#include "world/SegmentFile.h"
#include "world/TileMap.h"

namespace {
constexpr int32_t MinExtent = 1;
constexpr int32_t MaxBuildAttempts = 10000;

constexpr int32_t FillStartOffset = 6;  // inside entrance square A
// The fill stays within this many tiles beyond the extents.
constexpr int32_t FillReach = 10;
// An accepted level connects the entrance to this row or column.
constexpr int32_t AcceptanceLine = 3;

struct TilePosition {
    int32_t x;
    int32_t y;
};

constexpr int FillStepCount = 4;
constexpr TilePosition FillSteps[FillStepCount] = {{+1, 0}, {-1, 0}, {0, +1}, {0, -1}};
}

void TileMap::reset()
{
    for (int32_t x = 0; x < GridSize; ++x) {
        for (int32_t y = 0; y < GridSize; ++y) {
            Tile& tile = tiles[x][y];
            bool inPlayingArea = x >= 1 && x <= width && y >= 1 && y <= height;
            tile.kind = inPlayingArea ? Floor : Rock;
            tile.visibility = Unreachable;
            tile.debris = -1;
        }
    }
    outsideTile->kind = Rock;
}

void TileMap::floodFill(int32_t x, int32_t y)
{
    const int32_t lastColumn = std::min(width + FillReach, GridSize - 1);
    const int32_t lastRow = std::min(height + FillReach, GridSize - 1);
    std::vector<TilePosition> pending{{x, y}};
    while (!pending.empty()) {
        TilePosition at = pending.back();
        pending.pop_back();
        if (at.x < 1 || at.x > lastColumn || at.y < 1 || at.y > lastRow)
            continue;
        Tile& tile = tiles[at.x][at.y];
        if (tile.visibility != Unreachable)
            continue;
        tile.visibility = Unseen;
        if (tile.kind == Rock)
            continue;
        // Pushed in reverse so the first step is explored first, depth first.
        for (int step = FillStepCount - 1; step >= 0; --step)
            pending.push_back({at.x + FillSteps[step].x, at.y + FillSteps[step].y});
    }
}

namespace {
void openSquare(TileMap& map, int32_t firstColumn, int32_t firstRow, int32_t side)
{
    for (int32_t x = firstColumn; x < firstColumn + side; ++x)
        for (int32_t y = firstRow; y < firstRow + side; ++y)
            map.tiles[x][y].kind = Floor;
}

void openEntranceSquare(TileMap& map, int32_t first, int32_t last)
{
    openSquare(map, map.width + first, map.height + first, last - first + 1);
}

void stampRandomSegments(TileMap& map, int32_t segmentCount)
{
    for (int32_t i = 0; i < segmentCount; ++i) {
        int32_t number = std::rand() % segment::FileCount;
        int32_t y = std::rand() % map.height;
        int32_t x = std::rand() % map.width;
        map.loadSegment(x, y, number);
    }
}

bool entranceConnects(const TileMap& map)
{
    for (int32_t x = 0; x < map.width; ++x)
        if (map.tiles[x][AcceptanceLine].visibility != Unreachable)
            return true;
    for (int32_t y = 0; y < map.height; ++y)
        if (map.tiles[AcceptanceLine][y].visibility != Unreachable)
            return true;
    return false;
}
}

bool TileMap::build(int32_t width, int32_t height, int32_t segmentCount)
{
    this->width = std::clamp(width, MinExtent, MaxExtent);
    this->height = std::clamp(height, MinExtent, MaxExtent);
    for (buildAttempts = 1; buildAttempts <= MaxBuildAttempts; ++buildAttempts) {
        reset();
        stampRandomSegments(*this, segmentCount);
        openEntranceSquare(*this, entrance::SquareAFirst, entrance::SquareALast);
        floodFill(this->width + FillStartOffset, this->height + FillStartOffset);
        // After the fill: tiles of B beyond the fill's reach stay unreachable.
        openEntranceSquare(*this, entrance::SquareBFirst, entrance::SquareBLast);
        if (entranceConnects(*this))
            return true;
    }
    buildAttempts = MaxBuildAttempts;
    reset();
    return false;
}
