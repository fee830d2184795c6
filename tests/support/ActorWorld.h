#pragma once

#include <allegro.h>

#include <memory>

#include "perception/Debris.h"
#include "perception/OrkHorde.h"
#include "perception/Sight.h"
#include "perception/View.h"
#include "player/Elf.h"
#include "sound/SoundBoard.h"
#include "world/TileMap.h"

// A small hand-wired world for scenario tests: open floor everywhere, the
// camera with its own 800 x 700 buffer, sight, sound, debris, the horde and
// the elf, linked as the Game links them. No orks are active until placed.
class ActorWorld {
public:
    std::unique_ptr<TileMap> map;
    BITMAP* buffer = nullptr;
    std::unique_ptr<View> view;
    std::unique_ptr<Sight> sight;
    std::unique_ptr<SoundBoard> sound;
    std::unique_ptr<Debris> debris;
    std::unique_ptr<OrkHorde> horde;
    std::unique_ptr<Elf> elf;

    ActorWorld();
    ~ActorWorld();

    void setRock(int column, int row);
    // A living ork in slot i, standing (its target is its own position).
    void placeOrk(int i, double x, double y);
    void placeElf(double x, double y);
    // Puts the hearing point (the screen centre) at (x, y).
    void listenAt(double x, double y);
    // One tick of the actors in the Game's order: elf, horde, each ork's perception.
    void tick();
    int played(int sample) const;
};

// A sprite of one colour, freed by the caller with destroy_bitmap.
BITMAP* solidSprite(int width, int height, int r, int g, int b);
