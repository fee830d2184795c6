#pragma once

#include "core/DataFiles.h"
#include "core/Game.h"
#include "support/Point.h"

// A real Game, wired by its own constructor, with the map cleared to open
// floor, no ork active and the elf alive at (3000, 3000) without the bag:
// tests place the actors they need.
class ActorWorld {
public:
    std::unique_ptr<Game> game{new Game()};
    TileMap* map = game->tileMap.get();
    View* view = game->view.get();
    SoundBoard* sound = game->sound.get();
    OrkHorde* horde = game->orks.get();
    Elf* elf = game->elf.get();
    BITMAP* buffer = game->backBuffer.get();

    ActorWorld();

    // A living ork in slot i, standing (its target is its own position).
    void placeOrk(int i, double x, double y);
    void placeElf(double x, double y) { elf->position->copyFrom(at(x, y)); }
    // Puts the hearing point (the screen centre) at (x, y).
    void listenAt(double x, double y) { view->centreOn(at(x, y)); }
    // Replaces a picture by a 16-bit one of the given size in the mask colour
    // with a 5 x 5 mark of colour rgb centred on (x, y); whole = true fills it
    // all with rgb instead. A plain pointer's new picture is kept by the Game
    // with its actors' pictures.
    void paint(BITMAP*& slot, int w, int h, int rgb, int x = 0, int y = 0, bool whole = true);
    void paint(OwnedBitmap& slot, int w, int h, int rgb, int x = 0, int y = 0, bool whole = true);
    // Whether the back buffer shows colour rgb (0xRRGGBB) at screen point (x, y).
    bool shows(double x, double y, int rgb) const;
    // Whether the back buffer, black before the drawing, shows the listed
    // picture upright with its pivot at screen (x, y) and nothing else:
    // flipped top to bottom, or pierced on every even row and column, if
    // asked; DataFile::Count for nothing at all.
    bool showsOnly(DataFile file, int x = 0, int y = 0, bool flipped = false, bool pierced = false) const;
};
