#pragma once

// What the bot knows of the running game after one read of its memory:
// plain copies of the members it plays by, in world pixels and tiles.

constexpr int GridTiles = 100;
constexpr int TilePixels = 64;
constexpr int MaxOrks = 50;
constexpr int Daggers = 10;
constexpr int Rings = 20;

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct OrkView {
    Point pos;
    Point target;
    int health = 0;
    int chargeTimer = 0;
    int attackTimer = 0;
};

struct DaggerView {
    Point pos;
    int state = 0;  // 0 in hand, 1 flying, 2 lying
};

struct RingView {
    Point center;
    double radius = 0.0;
    double range = 0.0;  // the ring is freed once its radius passes this
    int level = 0;  // 0 marks a free ring; only levels above 3 are drawn
};

struct TileView {
    int kind = 2;  // 0 floor, 1 water, 2 rock
    int visibility = -2;
    int debris = -1;
};

struct Snapshot {
    bool gameExists = false;
    int screenState = 1;  // 0 playing, 1 intro, 2 victory
    int deaths = 0;

    Point elf;
    double facing = 0.0;
    bool dead = true;
    bool carryingBag = false;
    int throwCooldown = 0;
    int daggersInHand = 0;
    DaggerView daggers[Daggers];

    Point bag;

    int width = 0;  // playing area in tiles
    int height = 0;
    TileView tiles[GridTiles][GridTiles];  // [column][row], as the game keeps them

    int orkCount = 0;
    int aliveCount = 0;
    OrkView orks[MaxOrks];

    RingView rings[Rings];

    Point entrance() const { return {(width + 8.0) * TilePixels, (height + 8.0) * TilePixels}; }
};
