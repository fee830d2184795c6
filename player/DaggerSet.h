#pragma once

#include <allegro.h>

#include <memory>

#include "world/Vector.h"

class OrkHorde;
class SoundBoard;
class TileMap;
class View;

enum DaggerState : int { InHand = 0, Flying = 1, Lying = 2 };

// The elf's throwing daggers. A dagger flies against the unit direction of
// its heading, one step a tick, and lies where it stops.
class DaggerSet {
public:
    static constexpr int DaggerCount = 10;

    std::unique_ptr<Vector> position[DaggerCount];
    double heading[DaggerCount];
    int state[DaggerCount];
    int life[DaggerCount];
    TileMap* map = nullptr;
    OrkHorde* horde = nullptr;
    SoundBoard* sound = nullptr;
    BITMAP* sprite = nullptr;
    std::unique_ptr<Vector> scratch;  // step of the dagger being updated
    int inHandCount;

    DaggerSet();

    void throwDagger(const Vector& start, double heading);
    void update();
    void draw(View& view);
};
