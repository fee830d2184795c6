#pragma once

#include <allegro.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/DataFiles.h"
#include "core/OwnedBitmap.h"
#include "core/Screens.h"
#include "perception/Debris.h"
#include "perception/OrkHorde.h"
#include "perception/Sight.h"
#include "perception/View.h"
#include "player/Elf.h"
#include "sound/SoundBoard.h"
#include "world/TileMap.h"
#include "world/Vector.h"

// The one top-level object: owns every game object and picture, and runs
// one tick of rules (update) and one frame (draw) at a time.
class Game {
public:
    PALETTE palette;
    OwnedBitmap backBuffer;
    OwnedBitmap crosshairSprite;
    OwnedBitmap bagSprite;
    std::unique_ptr<Vector> bagPosition;
    std::unique_ptr<Vector> aimPoint;  // screen pixels: the mouse less AimOffset in x and y
    std::unique_ptr<View> view;
    std::unique_ptr<TileMap> tileMap;
    std::unique_ptr<Screens> screens;
    std::unique_ptr<SoundBoard> sound;
    std::unique_ptr<Sight> sight;
    std::unique_ptr<Debris> debrisTable;
    std::unique_ptr<OrkHorde> orks;
    int32_t deaths = 0;
    std::unique_ptr<Elf> elf;
    // The pictures of the orks, the elf and its daggers, which hold plain
    // pointers to them.
    std::vector<OwnedBitmap> actorPictures;

    // Segment editor: draw the map without fog, banner or panel, and show a
    // short notice (such as a failed save) for a few ticks.
    bool editorMode = false;
    const char* editorNotice = nullptr;
    int editorNoticeTicks = 0;

    Game();

    void update();
    void draw();
    // Turns the game into the segment editor: the block O saves in full
    // view below the HUD strip, and a notice naming the keys.
    void startEditor();
    // One step of the segment editor; the game loop never calls it.
    void editSegments();
    // Builds and populates a level of the size LevelSizes[sizeCode] and starts play.
    void startLevel(int32_t sizeCode);

private:
    // Loads a picture into actorPictures and hands back a plain pointer to it.
    BITMAP* loadActorPicture(DataFile file);
    // Puts the elf alive at the entrance with all its daggers in hand.
    void reviveElfAtEntrance();
    // The steps of startLevel.
    void buildLevel(int32_t sizeCode);
    void scatterDebris();
    void placeOrks();
    void placeBag();
};
